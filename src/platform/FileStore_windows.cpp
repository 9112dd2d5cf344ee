#include "platform/FileStore.h"

#include <algorithm>
#include <cstdint>

#include "platform/FileReplace_windows.h"
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

FileError KindOf(DWORD error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            return FileError::NotFound;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return FileError::PermissionDenied;
        case ERROR_WRITE_PROTECT:
            return FileError::ReadOnlyFileSystem;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return FileError::DiskFull;
        case ERROR_DIRECTORY:
            return FileError::NotAFile;
        default:
            return FileError::Other;
    }
}

FileReadResult ReadFailure(DWORD error) {
    FileReadResult result;
    result.status = FileReadResult::Status::Failed;
    result.errorKind = KindOf(error);
    result.error = SystemErrorText(error);
    return result;
}

FileWriteResult WriteFailure(DWORD error) { return {false, KindOf(error), SystemErrorText(error)}; }

bool WriteAll(HANDLE file, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 20));
        if (!::WriteFile(file, bytes.data() + done, chunk, &written, nullptr)) return false;
        done += written;
    }
    return true;
}

std::wstring FolderOf(const std::wstring& path) {
    const auto slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? L"." : path.substr(0, slash + 1);
}

bool IsFolder(const std::wstring& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The folder above `folder` (which ends in a separator), or `folder` itself at a root.
std::wstring ParentOf(const std::wstring& folder) {
    const std::wstring trimmed = folder.substr(0, folder.find_last_not_of(L"\\/") + 1);
    const std::wstring parent = FolderOf(trimmed);
    return parent == L"." || parent.size() >= folder.size() ? folder : parent;
}

// The nearest folder on the way to `folder` that exists: the one a new folder would be made in.
std::wstring ExistingAncestor(std::wstring folder) {
    while (!IsFolder(folder)) {
        const std::wstring parent = ParentOf(folder);
        if (parent == folder) break;
        folder = parent;
    }
    return folder;
}

// Makes the missing folders on the way to `folder`; they inherit the profile's access rights.
DWORD MakeFolders(const std::wstring& folder) {
    if (IsFolder(folder)) return ERROR_SUCCESS;
    if (const std::wstring parent = ParentOf(folder); parent != folder) {
        if (const DWORD error = MakeFolders(parent); error != ERROR_SUCCESS) return error;
    }
    if (!::CreateDirectoryW(folder.c_str(), nullptr) && ::GetLastError() != ERROR_ALREADY_EXISTS)
        return ::GetLastError();
    return ERROR_SUCCESS;
}

// The whole file rewritten where it is, as the profile functions do: for a writable file in a
// folder where no file can be created. Not atomic, but flushed before it counts as saved.
FileWriteResult RewriteInPlace(const std::wstring& target, const std::string& bytes) {
    Handle file(::CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) return WriteFailure(::GetLastError());
    if (!WriteAll(file.get(), bytes) || !::SetEndOfFile(file.get()) ||
        !::FlushFileBuffers(file.get())) {
        return WriteFailure(::GetLastError());
    }
    if (!file.Close()) return WriteFailure(::GetLastError());
    return {true, FileError::None, {}};
}

}  // namespace

FileReadResult SystemFileStore::Read(const std::string& path, std::size_t maxBytes) {
    FileReadResult result;
    const std::wstring wpath = Widen(path);
    const DWORD attributes = ::GetFileAttributesW(wpath.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return ReadFailure(ERROR_DIRECTORY);
    }
    Handle file(::CreateFileW(wpath.c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        const DWORD error = ::GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
            return {
                FileReadResult::Status::Missing, {}, FileError::NotFound, SystemErrorText(error)};
        }
        return ReadFailure(error);
    }
    // Refused from its size alone: nothing of an oversized file is read into memory.
    LARGE_INTEGER size{};
    if (::GetFileSizeEx(file.get(), &size) &&
        static_cast<std::uint64_t>(size.QuadPart) > maxBytes) {
        FileReadResult tooLarge = ReadFailure(ERROR_FILE_TOO_LARGE);
        tooLarge.errorKind = FileError::TooLarge;
        return tooLarge;
    }
    char buffer[65536];
    for (;;) {
        DWORD n = 0;
        if (!::ReadFile(file.get(), buffer, sizeof buffer, &n, nullptr))
            return ReadFailure(::GetLastError());
        if (n == 0) break;
        result.bytes.append(buffer, n);
        if (result.bytes.size() > maxBytes) {
            FileReadResult tooLarge = ReadFailure(ERROR_FILE_TOO_LARGE);
            tooLarge.errorKind = FileError::TooLarge;
            return tooLarge;
        }
    }
    result.status = FileReadResult::Status::Ok;
    return result;
}

FileWriteResult SystemFileStore::Write(const std::string& path, const std::string& bytes) {
    const std::wstring target = Widen(path);
    const std::wstring temp = target + L".tmp-" + std::to_wstring(::GetCurrentProcessId());
    if (!IsFolder(FolderOf(target))) {
        // The first save into a folder not made yet.
        if (const DWORD error = MakeFolders(FolderOf(target)); error != ERROR_SUCCESS)
            return WriteFailure(error);
    }
    Handle file(::CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        const DWORD error = ::GetLastError();
        // The folder takes no new file, but the file itself may be writable.
        const DWORD attributes = ::GetFileAttributesW(target.c_str());
        if (error == ERROR_ACCESS_DENIED && attributes != INVALID_FILE_ATTRIBUTES &&
            !(attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) {
            return RewriteInPlace(target, bytes);
        }
        return WriteFailure(error);
    }
    const auto fail = [&](DWORD error) {
        file.Close();
        ::DeleteFileW(temp.c_str());
        return WriteFailure(error);
    };
    if (!WriteAll(file.get(), bytes)) return fail(::GetLastError());
    if (!::FlushFileBuffers(file.get())) return fail(::GetLastError());
    if (!file.Close()) {
        const DWORD error = ::GetLastError();
        ::DeleteFileW(temp.c_str());
        return WriteFailure(error);
    }
    // An existing file is replaced keeping its attributes and access rights, as the POSIX store
    // keeps the file's mode; a new one is moved into place.
    const DWORD attributes = ::GetFileAttributesW(target.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    const ReplaceOutcome replaced = ReplaceWithTemporary(target, temp, exists);
    if (replaced.error != ERROR_SUCCESS) {
        // Deleted only while the settings file still holds the settings.
        if (!replaced.keepTemporary) ::DeleteFileW(temp.c_str());
        return WriteFailure(replaced.error);
    }
    // ReplaceFileW keeps them on Windows; Wine's does not, so they are put back where lost.
    constexpr DWORD kKept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                            FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    if (exists && (::GetFileAttributesW(target.c_str()) & kKept) != (attributes & kKept)) {
        ::SetFileAttributesW(target.c_str(), attributes & (kKept | FILE_ATTRIBUTE_READONLY));
    }
    return {true, FileError::None, {}};
}

FileWriteResult SystemFileStore::CheckWritable(const std::string& path) {
    const std::wstring target = Widen(path);
    const DWORD attributes = ::GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        if (attributes & FILE_ATTRIBUTE_DIRECTORY) return WriteFailure(ERROR_DIRECTORY);
        if (attributes & FILE_ATTRIBUTE_READONLY) return WriteFailure(ERROR_ACCESS_DENIED);
        Handle file(::CreateFileW(target.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file.get() == INVALID_HANDLE_VALUE) return WriteFailure(::GetLastError());
        return {true, FileError::None, {}};
    }
    // No file yet: the folder must take one (Write makes the folders that are missing).
    const std::wstring probe = ExistingAncestor(FolderOf(target)) + L"velmora-write-test-" +
                               std::to_wstring(::GetCurrentProcessId());
    Handle file(::CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) return WriteFailure(::GetLastError());
    return {true, FileError::None, {}};
}

bool SystemFileStore::Exists(const std::string& path) {
    return ::GetFileAttributesW(Widen(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace velmora::platform
