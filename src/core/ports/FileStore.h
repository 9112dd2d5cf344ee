#pragma once

#include <string>
#include <string_view>

namespace velmora {

struct FileReadResult {
    enum class Status { Ok, Missing, Failed };
    Status status = Status::Missing;
    std::string bytes;
    std::string error;  // the system's reason when Failed
};

struct FileWriteResult {
    bool ok = false;
    std::string error;
};

// The file system as the settings file needs it; the platform layer provides the real one.
class IFileStore {
  public:
    virtual ~IFileStore() = default;
    virtual FileReadResult Read(const std::string& path) = 0;
    // Replaces the file as a whole or not at all.
    virtual FileWriteResult WriteAtomic(const std::string& path, const std::string& bytes) = 0;
    // Text in the legacy narrow code page (CP932 on a Japanese Windows) to UTF-8.
    virtual std::string DecodeLegacy(std::string_view bytes) = 0;
};

}  // namespace velmora
