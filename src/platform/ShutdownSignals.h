#pragma once

#include <string>

namespace velmora::platform {

// Turns the system's requests to end (SIGTERM, SIGINT, SIGHUP on POSIX) into a readable byte on
// a descriptor that the event loop watches, so the panel unloads and saves on the
// user-interface thread, as at the end of a session. Windows ends sessions through window
// messages instead; there is nothing to watch there.
class ShutdownSignals {
  public:
    // Starts catching; returns the empty text, or why the signals cannot be caught (they then
    // end the program without a save, as they would by default).
    static std::string Start();
    // The descriptor to watch for reading, or -1.
    static int ReadDescriptor();
    // Takes the pending bytes off the descriptor once it is readable.
    static void Drain();
};

}  // namespace velmora::platform
