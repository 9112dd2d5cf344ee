#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace velmora {

// Why a file operation failed, for the message the user reads (core/ui/Texts.h words the common
// ones in Japanese); the system's own text is kept for the rest.
enum class FileError {
    None,
    NotFound,
    PermissionDenied,
    ReadOnlyFileSystem,
    DiskFull,
    TooLarge,
    NotAFile,
    Other
};

struct FileReadResult {
    enum class Status { Ok, Missing, Failed };
    Status status = Status::Missing;
    std::string bytes;
    FileError errorKind = FileError::None;
    std::string error;  // the system's text when Failed
};

struct FileWriteResult {
    bool ok = false;
    FileError errorKind = FileError::None;
    std::string error;
};

// The file system as the settings file needs it; the platform layer provides the real one.
class IFileStore {
  public:
    virtual ~IFileStore() = default;
    // A file larger than maxBytes is refused from its size alone, before anything is read.
    virtual FileReadResult Read(const std::string& path, std::size_t maxBytes) = 0;
    // Replaces the file as a whole: atomically (a temporary file beside it, then renamed over
    // it) where the folder allows; where the folder is read-only but the file is writable, by
    // rewriting the file in place, flushed to disk. The file keeps its access rights. Missing
    // folders on the way are made, for their owner only.
    virtual FileWriteResult Write(const std::string& path, const std::string& bytes) = 0;
    // Whether Write could replace or create the file now, and if not why.
    virtual FileWriteResult CheckWritable(const std::string& path) = 0;
    // Whether something exists at the path.
    virtual bool Exists(const std::string& path) = 0;
};

}  // namespace velmora
