#include "platform/FileStore.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace velmora::platform {

namespace {

std::string ErrorText(int error) { return std::strerror(error); }

FileError KindOf(int error) {
    switch (error) {
        case ENOENT:
        case ENOTDIR:
            return FileError::NotFound;
        case EACCES:
        case EPERM:
            return FileError::PermissionDenied;
        case EROFS:
            return FileError::ReadOnlyFileSystem;
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return FileError::DiskFull;
        case EISDIR:
            return FileError::NotAFile;
        default:
            return FileError::Other;
    }
}

FileReadResult ReadFailure(int error) {
    FileReadResult result;
    result.status = FileReadResult::Status::Failed;
    result.errorKind = KindOf(error);
    result.error = ErrorText(error);
    return result;
}

FileWriteResult WriteFailure(int error) { return {false, KindOf(error), ErrorText(error)}; }

class Fd {
  public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    int release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

  private:
    int fd_;
};

bool WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

FileReadResult SystemFileStore::Read(const std::string& path, std::size_t maxBytes) {
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        if (errno == ENOENT)
            return {FileReadResult::Status::Missing, {}, FileError::NotFound, ErrorText(ENOENT)};
        return ReadFailure(errno);
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) return ReadFailure(errno);
    if (!S_ISREG(st.st_mode)) return ReadFailure(S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
    // Refused from its size alone: nothing of an oversized file is read into memory.
    if (static_cast<std::uint64_t>(st.st_size) > maxBytes) {
        FileReadResult tooLarge = ReadFailure(EFBIG);
        tooLarge.errorKind = FileError::TooLarge;
        return tooLarge;
    }
    FileReadResult result;
    result.bytes.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            return ReadFailure(errno);
        }
        result.bytes.append(buffer, static_cast<std::size_t>(n));
        if (result.bytes.size() > maxBytes) {  // it grew while being read
            FileReadResult tooLarge = ReadFailure(EFBIG);
            tooLarge.errorKind = FileError::TooLarge;
            return tooLarge;
        }
    }
    result.status = FileReadResult::Status::Ok;
    return result;
}

namespace {

// A settings file kept elsewhere through a symbolic link stays a link: its target is written.
std::string ResolvedPath(const std::string& requestedPath) {
    struct stat lst {};
    if (::lstat(requestedPath.c_str(), &lst) == 0 && S_ISLNK(lst.st_mode)) {
        if (char* real = ::realpath(requestedPath.c_str(), nullptr)) {
            std::string path = real;
            std::free(real);
            return path;
        }
    }
    return requestedPath;
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
}

// The nearest folder on the way to `folder` that exists: the one a new folder would be made in.
std::string ExistingAncestor(std::string folder) {
    struct stat st {};
    while (::stat(folder.c_str(), &st) != 0 && errno == ENOENT && folder != "/" && folder != ".")
        folder = FolderOf(folder);
    return folder;
}

// Makes the missing folders on the way to `folder`, for their owner only (the XDG rule for
// the user's configuration folders).
int MakeFolders(const std::string& folder) {
    struct stat st {};
    if (::stat(folder.c_str(), &st) == 0) return S_ISDIR(st.st_mode) ? 0 : ENOTDIR;
    if (errno != ENOENT) return errno;
    if (const std::string parent = FolderOf(folder); parent != folder) {
        if (const int error = MakeFolders(parent); error != 0) return error;
    }
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return errno;
    return 0;
}

// A temporary file beside `path` (its name left in tmpl), in folders made for it at the first save.
int MakeTemporary(const std::string& path, std::string& tmpl) {
    tmpl = path + ".XXXXXX";
    int fd = ::mkstemp(tmpl.data());
    if (fd < 0 && errno == ENOENT) {
        if (const int error = MakeFolders(FolderOf(path)); error != 0) {
            errno = error;
            return -1;
        }
        tmpl = path + ".XXXXXX";
        fd = ::mkstemp(tmpl.data());
    }
    return fd;
}

// The whole file rewritten where it is, as the profile functions do: for a writable file in a
// folder where no file can be created. Not atomic, but flushed before it counts as saved.
FileWriteResult RewriteInPlace(const std::string& path, const std::string& bytes) {
    Fd fd(::open(path.c_str(), O_WRONLY | O_CLOEXEC));
    if (fd.get() < 0) return WriteFailure(errno);
    // Room for the new text first, so a full disk fails before the old text is touched.
    struct stat st {};
    if (::fstat(fd.get(), &st) == 0 && static_cast<std::uint64_t>(st.st_size) < bytes.size()) {
        const int error = ::posix_fallocate(fd.get(), 0, static_cast<off_t>(bytes.size()));
        if (error != 0 && error != EOPNOTSUPP && error != EINVAL) return WriteFailure(error);
    }
    if (!WriteAll(fd.get(), bytes)) return WriteFailure(errno);
    if (::ftruncate(fd.get(), static_cast<off_t>(bytes.size())) != 0) return WriteFailure(errno);
    if (::fsync(fd.get()) != 0) return WriteFailure(errno);
    if (::close(fd.release()) != 0) return WriteFailure(errno);
    return {true, FileError::None, {}};
}

}  // namespace

FileWriteResult SystemFileStore::Write(const std::string& requestedPath, const std::string& bytes) {
    const std::string path = ResolvedPath(requestedPath);
    std::string tmpl;
    Fd fd(MakeTemporary(path, tmpl));  // created readable and writable by the owner only
    if (fd.get() < 0) {
        const int error = errno;
        // The folder takes no new file, but the file itself may be writable.
        if ((error == EACCES || error == EPERM) && ::access(path.c_str(), W_OK) == 0) {
            return RewriteInPlace(path, bytes);
        }
        return WriteFailure(error);
    }
    const auto fail = [&](int error) {
        ::unlink(tmpl.c_str());
        return WriteFailure(error);
    };
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0 && ::fchmod(fd.get(), old.st_mode & 07777) != 0)
        return fail(errno);
    if (!WriteAll(fd.get(), bytes)) return fail(errno);
    if (::fsync(fd.get()) != 0) return fail(errno);
    if (::close(fd.release()) != 0) return fail(errno);
    if (::rename(tmpl.c_str(), path.c_str()) != 0) return fail(errno);
    // Make the rename itself durable.
    Fd dirFd(::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dirFd.get() >= 0) ::fsync(dirFd.get());
    return {true, FileError::None, {}};
}

FileWriteResult SystemFileStore::CheckWritable(const std::string& requestedPath) {
    const std::string path = ResolvedPath(requestedPath);
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) return WriteFailure(EISDIR);
        // Replaced through a new file in the folder, or else rewritten in place.
        if (::access(FolderOf(path).c_str(), W_OK) == 0 || ::access(path.c_str(), W_OK) == 0) {
            return {true, FileError::None, {}};
        }
        return WriteFailure(::access(path.c_str(), W_OK) == 0 ? 0 : errno);
    }
    if (errno != ENOENT) return WriteFailure(errno);
    // Write makes the folders that are missing.
    if (::access(ExistingAncestor(FolderOf(path)).c_str(), W_OK) == 0)
        return {true, FileError::None, {}};
    return WriteFailure(errno);
}

bool SystemFileStore::Exists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

}  // namespace velmora::platform
