#include "platform/InstanceLock.h"

#include "platform/WideText_windows.h"

namespace velmora::platform {

SystemInstanceLock::~SystemInstanceLock() {
    if (handle_ != nullptr) ::CloseHandle(handle_);
}

bool SystemInstanceLock::Acquire(const std::string& name) {
    if (handle_ != nullptr) return true;
    HANDLE mutex = ::CreateMutexW(nullptr, FALSE, (L"Local\\" + Widen(name)).c_str());
    if (mutex == nullptr) return true;  // no way to tell: better two panels than none
    if (::GetLastError() == ERROR_ALREADY_EXISTS) {
        ::CloseHandle(mutex);
        return false;
    }
    handle_ = mutex;
    return true;
}

}  // namespace velmora::platform
