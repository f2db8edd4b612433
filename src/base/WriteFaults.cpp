#include "base/WriteFaults.h"

#include <atomic>
#include <cerrno>

namespace qf::faults {
namespace {

std::atomic<int> countdown{-1};  // -1: disarmed
std::atomic<bool> fired{false};

}  // namespace

void FailWriteAfter(int steps) {
    fired = false;
    countdown = steps < 0 ? -1 : steps;
}

void Disarm() { countdown = -1; }

bool Fired() { return fired; }

bool WriteFails() {
    int left = countdown.load();
    while (left >= 0) {
        if (countdown.compare_exchange_weak(left, left - 1)) {
            if (left > 0) return false;
            fired = true;
            errno = ENOSPC;
            return true;
        }
    }
    return false;
}

}  // namespace qf::faults
