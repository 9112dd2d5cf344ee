#include "platform/ProcessSetup.h"

#include <signal.h>

namespace velmora::platform {

void PrepareProcess() {
    ::signal(SIGXFSZ, SIG_IGN);
    ::signal(SIGPIPE, SIG_IGN);
}

std::string PreferredGuiPlatform() { return "xcb"; }

}  // namespace velmora::platform
