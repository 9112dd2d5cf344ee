#include "platform/ScreenLock.h"

namespace velmora::platform {

// Windows shows its lock screen and screen savers on a desktop of their own, where no window of
// ours can appear.
struct ScreenLock::Impl {};

ScreenLock::ScreenLock() = default;
ScreenLock::~ScreenLock() = default;

bool ScreenLock::Locked() { return false; }

}  // namespace velmora::platform
