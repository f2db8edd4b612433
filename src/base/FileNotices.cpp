#include "base/FileNotices.h"

#include <mutex>
#include <utility>

namespace qf {
namespace {

std::mutex& Guard() {
    static std::mutex m;
    return m;
}

std::vector<Message>& Pending() {
    static std::vector<Message> notices;
    return notices;
}

}  // namespace

void AddFileNotice(Message message) {
    const std::lock_guard lock(Guard());
    // The same news twice (a file listed again before anyone was told) is told once.
    for (const Message& m : Pending())
        if (m.text == message.text) return;
    Pending().push_back(std::move(message));
}

std::vector<Message> TakeFileNotices() {
    const std::lock_guard lock(Guard());
    return std::exchange(Pending(), {});
}

}  // namespace qf
