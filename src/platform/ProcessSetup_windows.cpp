#include "platform/ProcessSetup.h"

namespace velmora::platform {

void PrepareProcess() {}

}  // namespace velmora::platform
