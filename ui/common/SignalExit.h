#pragma once

#include <functional>

class QObject;

// SIGTERM, SIGHUP and SIGINT, as a logout, a kill or Ctrl+C send them, reach the program
// through its event loop: the handler only writes a byte to a pipe, and `onSignal` runs in the
// loop like any other event, where it may end the program cleanly.
namespace signalexit {

// Once per program; the notifier lives as long as `owner`.
void install(QObject* owner, std::function<void()> onSignal);

} // namespace signalexit
