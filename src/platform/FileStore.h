#pragma once

#include "core/ports/FileStore.h"

namespace velmora::platform {

// The real file system: whole-file reads, and writes that replace a file atomically (a
// temporary file beside it, flushed, then renamed over it) keeping its permissions, or in place
// where only the file is writable; a new file, and any folder made for it, is for its owner only.
class SystemFileStore : public IFileStore {
  public:
    FileReadResult Read(const std::string& path, std::size_t maxBytes) override;
    FileWriteResult Write(const std::string& path, const std::string& bytes) override;
    FileWriteResult CheckWritable(const std::string& path) override;
    bool Exists(const std::string& path) override;
};

}  // namespace velmora::platform
