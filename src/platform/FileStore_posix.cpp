#include "platform/FileStore.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "platform/LegacyCodec.h"

namespace velmora::platform {

namespace {

std::string ErrorText(int error) { return std::strerror(error); }

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

FileReadResult SystemFileStore::Read(const std::string& path) {
    FileReadResult result;
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        result.status = errno == ENOENT ? FileReadResult::Status::Missing : FileReadResult::Status::Failed;
        result.error = ErrorText(errno);
        return result;
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) {
        result.status = FileReadResult::Status::Failed;
        result.error = ErrorText(errno);
        return result;
    }
    if (!S_ISREG(st.st_mode)) {
        result.status = FileReadResult::Status::Failed;
        result.error = ErrorText(S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
        return result;
    }
    result.bytes.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            result.status = FileReadResult::Status::Failed;
            result.error = ErrorText(errno);
            result.bytes.clear();
            return result;
        }
        result.bytes.append(buffer, static_cast<std::size_t>(n));
    }
    result.status = FileReadResult::Status::Ok;
    return result;
}

FileWriteResult SystemFileStore::WriteAtomic(const std::string& requestedPath, const std::string& bytes) {
    // A settings file kept elsewhere through a symbolic link stays a link: replace its target.
    std::string path = requestedPath;
    struct stat lst {};
    if (::lstat(path.c_str(), &lst) == 0 && S_ISLNK(lst.st_mode)) {
        if (char* real = ::realpath(path.c_str(), nullptr)) {
            path = real;
            std::free(real);
        }
    }
    const auto slash = path.rfind('/');
    const std::string dir = slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));

    std::string tmpl = path + ".XXXXXX";
    Fd fd(::mkstemp(tmpl.data()));  // created readable and writable by the owner only
    if (fd.get() < 0) return {false, ErrorText(errno)};
    const auto fail = [&](int error) {
        ::unlink(tmpl.c_str());
        return FileWriteResult{false, ErrorText(error)};
    };
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0 && ::fchmod(fd.get(), old.st_mode & 07777) != 0) return fail(errno);
    if (!WriteAll(fd.get(), bytes)) return fail(errno);
    if (::fsync(fd.get()) != 0) return fail(errno);
    if (::close(fd.release()) != 0) return fail(errno);
    if (::rename(tmpl.c_str(), path.c_str()) != 0) return fail(errno);
    // Make the rename itself durable.
    Fd dirFd(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dirFd.get() >= 0) ::fsync(dirFd.get());
    return {true, {}};
}

std::string SystemFileStore::DecodeLegacy(std::string_view bytes) { return DecodeLegacyText(bytes); }

}  // namespace velmora::platform
