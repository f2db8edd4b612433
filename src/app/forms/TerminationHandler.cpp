#include "app/forms/TerminationHandler.h"

#include <QSocketNotifier>
#include <QWidget>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace qf {
namespace {

int gSignalFds[2] = {-1, -1};

void WriteSignal(int) {
    const char c = 1;
    [[maybe_unused]] const auto n = ::write(gSignalFds[0], &c, 1);
}

}  // namespace

TerminationHandler::TerminationHandler(QWidget* windowToClose) : window_(windowToClose) {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, gSignalFds) != 0) return;
    notifier_ = new QSocketNotifier(gSignalFds[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationHandler::OnSignal);
    struct sigaction action {};
    action.sa_handler = WriteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

void TerminationHandler::OnSignal() {
    char c;
    [[maybe_unused]] const auto n = ::read(gSignalFds[1], &c, 1);
    window_->close();
}

}  // namespace qf
