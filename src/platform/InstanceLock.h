#pragma once

#include "core/ports/InstanceLock.h"

namespace velmora::platform {

// POSIX: a socket bound to an abstract name (Linux), which no file holds and the kernel frees
// with the process. Windows: a named mutex in the session's namespace, freed likewise.
class SystemInstanceLock : public IInstanceLock {
  public:
    SystemInstanceLock() = default;
    ~SystemInstanceLock() override;
    SystemInstanceLock(const SystemInstanceLock&) = delete;
    SystemInstanceLock& operator=(const SystemInstanceLock&) = delete;

    bool Acquire(const std::string& name) override;

  private:
    // Each system's source uses one of the two.
    [[maybe_unused]] void* handle_ = nullptr;  // the mutex on Windows
    [[maybe_unused]] int fd_ = -1;             // the socket on POSIX
};

}  // namespace velmora::platform
