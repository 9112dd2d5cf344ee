#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/ports/FileStore.h"
#include "core/settings/SettingsRules.h"

namespace velmora {

struct SaveResult {
    bool ok = true;
    std::string message;  // for the user when !ok: what failed, the file and the reason
};

// The per-user settings file: read once at start-up, written once at the end.
class SettingsFile {
public:
    static constexpr std::size_t kMaxFileBytes = 256u << 20;

    SettingsFile(std::string path, IFileStore& store);

    const std::string& path() const { return path_; }

    // Never fails: whatever cannot be read falls back to the defaults.
    LoadedSettings Load(double halfScreenWidthPx);

    // Re-reads the file as it is now (keeping what other programs or instances wrote there),
    // applies the settings and the item list, and replaces the file atomically. A file that
    // exists but could not be read is never replaced: that would wipe items never loaded.
    SaveResult Save(const Settings& settings, const std::vector<StoredItem>& items);

    // UTF-8 as it is (a byte-order mark dropped); anything else is legacy code-page text.
    std::string DecodeText(std::string bytes);

private:
    FileReadResult ReadFile();
    SaveResult NotOverwritten(const std::string& reason) const;

    std::string path_;
    IFileStore& store_;
    bool unreadableAtLoad_ = false;
    std::string loadError_;
};

}  // namespace velmora
