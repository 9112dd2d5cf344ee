#include "platform/ShutdownSignals.h"

namespace velmora::platform {

std::string ShutdownSignals::Start() { return {}; }
int ShutdownSignals::ReadDescriptor() { return -1; }
void ShutdownSignals::Drain() {}

}  // namespace velmora::platform
