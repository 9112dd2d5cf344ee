#include "platform/ProcessSetup.h"

#include <signal.h>

namespace velmora::platform {

void PrepareProcess() {
    ::signal(SIGXFSZ, SIG_IGN);
    ::signal(SIGPIPE, SIG_IGN);
}

}  // namespace velmora::platform
