#pragma once

#include <string>

namespace velmora {

// One running Velmora per settings file: a lock the system lets go of when the process ends,
// however it ends (a crash or a hard kill included).
class IInstanceLock {
  public:
    virtual ~IInstanceLock() = default;
    // False when another process holds the lock of that name.
    virtual bool Acquire(const std::string& name) = 0;
};

}  // namespace velmora
