#include "platform/FileStore.h"

#include "platform/LegacyCodec.h"
#include "platform/WideText_windows.h"

namespace velmora::platform {

namespace {

class Handle {
public:
    explicit Handle(HANDLE h) : h_(h) {}
    ~Handle() {
        if (h_ != INVALID_HANDLE_VALUE) ::CloseHandle(h_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return h_; }
    bool Close() {
        const bool ok = ::CloseHandle(h_) != 0;
        h_ = INVALID_HANDLE_VALUE;
        return ok;
    }

private:
    HANDLE h_;
};

}  // namespace

FileReadResult SystemFileStore::Read(const std::string& path) {
    FileReadResult result;
    const std::wstring wpath = Widen(path);
    const DWORD attributes = ::GetFileAttributesW(wpath.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        result.status = FileReadResult::Status::Failed;
        result.error = SystemErrorText(ERROR_DIRECTORY);
        return result;
    }
    Handle file(::CreateFileW(wpath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        const DWORD error = ::GetLastError();
        const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
        result.status = missing ? FileReadResult::Status::Missing : FileReadResult::Status::Failed;
        result.error = SystemErrorText(error);
        return result;
    }
    char buffer[65536];
    for (;;) {
        DWORD n = 0;
        if (!::ReadFile(file.get(), buffer, sizeof buffer, &n, nullptr)) {
            result.status = FileReadResult::Status::Failed;
            result.error = SystemErrorText(::GetLastError());
            result.bytes.clear();
            return result;
        }
        if (n == 0) break;
        result.bytes.append(buffer, n);
    }
    result.status = FileReadResult::Status::Ok;
    return result;
}

FileWriteResult SystemFileStore::WriteAtomic(const std::string& path, const std::string& bytes) {
    const std::wstring target = Widen(path);
    const std::wstring temp = target + L".tmp-" + std::to_wstring(::GetCurrentProcessId());
    Handle file(::CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) return {false, SystemErrorText(::GetLastError())};
    const auto fail = [&](DWORD error) {
        file.Close();
        ::DeleteFileW(temp.c_str());
        return FileWriteResult{false, SystemErrorText(error)};
    };
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 20));
        if (!::WriteFile(file.get(), bytes.data() + done, chunk, &written, nullptr)) return fail(::GetLastError());
        done += written;
    }
    if (!::FlushFileBuffers(file.get())) return fail(::GetLastError());
    if (!file.Close()) {
        ::DeleteFileW(temp.c_str());
        return {false, SystemErrorText(::GetLastError())};
    }
    // An existing file is replaced keeping its attributes and access rights, as the POSIX store
    // keeps the file's mode; a new one is moved into place.
    const DWORD attributes = ::GetFileAttributesW(target.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    const bool replaced =
        exists ? ::ReplaceFileW(target.c_str(), temp.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                                nullptr) != 0
               : ::MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    if (!replaced) {
        const DWORD error = ::GetLastError();
        ::DeleteFileW(temp.c_str());
        return {false, SystemErrorText(error)};
    }
    // ReplaceFileW keeps them on Windows; Wine's does not, so they are put back where lost.
    constexpr DWORD kKept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                            FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    if (exists && (::GetFileAttributesW(target.c_str()) & kKept) != (attributes & kKept)) {
        ::SetFileAttributesW(target.c_str(), attributes & (kKept | FILE_ATTRIBUTE_READONLY));
    }
    return {true, {}};
}

std::string SystemFileStore::DecodeLegacy(std::string_view bytes) { return DecodeLegacyText(bytes); }

}  // namespace velmora::platform
