#include "app/ShutdownSignals.h"

namespace velmora {

// Windows ends a session through window messages, which the toolkit turns into the session
// manager's commit request; there are no signals to watch.
void WatchShutdownSignals(QObject*, std::function<void()>) {}

}  // namespace velmora
