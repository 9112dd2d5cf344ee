#include "platform/ProcessSetup.h"

namespace velmora::platform {

void PrepareProcess() {}

std::string PreferredGuiPlatform() { return {}; }

}  // namespace velmora::platform
