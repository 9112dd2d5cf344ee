#pragma once

#include "core/ports/FileStore.h"

namespace velmora::platform {

// The real file system: whole-file reads, and writes that replace a file atomically (a
// temporary file beside it, flushed, then renamed over it) keeping its permissions; a new file
// is readable by its owner only.
class SystemFileStore : public IFileStore {
public:
    FileReadResult Read(const std::string& path) override;
    FileWriteResult WriteAtomic(const std::string& path, const std::string& bytes) override;
    std::string DecodeLegacy(std::string_view bytes) override;
};

}  // namespace velmora::platform
