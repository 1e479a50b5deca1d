#include "common/SignalExit.h"

#include <QSocketNotifier>

#include <array>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace signalexit {

namespace {

// The write end for the handler: a signal handler can reach nothing but a plain static.
int& writeEnd() {
    static int fd = -1;
    return fd;
}

extern "C" void onSignalReceived(int) {
    const char byte = 1;
    // Nothing to do on failure: a full pipe already holds a wake-up.
    [[maybe_unused]] const ssize_t written = ::write(writeEnd(), &byte, 1);
}

} // namespace

void install(QObject* owner, std::function<void()> onSignal) {
    std::array<int, 2> fds{};
    if (::pipe2(fds.data(), O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    writeEnd() = fds[1];
    auto* notifier = new QSocketNotifier(fds[0], QSocketNotifier::Read, owner);
    QObject::connect(notifier, &QSocketNotifier::activated, notifier,
                     [readEnd = fds[0], onSignal = std::move(onSignal)] {
                         std::array<char, 16> bytes{};
                         while (::read(readEnd, bytes.data(), bytes.size()) > 0) {
                         }
                         onSignal();
                     });
    struct sigaction action {};
    action.sa_handler = onSignalReceived;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGHUP, SIGINT})
        ::sigaction(signal, &action, nullptr);
}

} // namespace signalexit
