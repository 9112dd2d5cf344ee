#pragma once

#include <functional>

class QObject;

namespace velmora {

// Calls onShutdown on the user-interface thread when the system asks the program to end
// (SIGTERM, SIGINT, SIGHUP on POSIX), so the panel unloads and saves as at the end of a session.
void WatchShutdownSignals(QObject* owner, std::function<void()> onShutdown);

}  // namespace velmora
