#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ports/FileStore.h"
#include "core/settings/SettingsRules.h"
#include "core/settings/TextCodec.h"

namespace velmora {

struct SaveResult {
    bool ok = true;
    std::string message;  // for the user when !ok: what failed, the file and the reason
    // The user may put it right and try again (not so for a file that could not be read at
    // start-up, which is never overwritten).
    bool retryable = false;
};

// The per-user settings file: read once at start-up, written once at the end, in the form it
// had (encoding, byte-order mark, line ends; core/settings/TextCodec.h).
class SettingsFile {
  public:
    static constexpr std::size_t kMaxFileBytes = 256u << 20;

    // startFrom: a file read instead of `path` while that does not exist (empty: none); the
    // save always goes to `path`.
    SettingsFile(std::string path, IFileStore& store, ILegacyCodec& codec,
                 std::string startFrom = {});

    const std::string& path() const { return path_; }

    // Never fails: whatever cannot be read falls back to the defaults.
    LoadedSettings Load(double halfScreenWidthPx);

    // The message for the user when the save at the end is bound to fail (the file or its
    // folder is not writable, or the file could not be read and will not be replaced).
    std::optional<std::string> ProblemForSaving();

    // Re-reads the file as it is now (keeping what other programs or instances wrote there),
    // applies the settings and the item list, and replaces the file in its own form. A file that
    // exists but could not be read is never replaced: that would wipe items never loaded.
    SaveResult Save(const Settings& settings, const std::vector<StoredItem>& items);

  private:
    struct ParsedFile {
        IniDocument document;
        TextForm form;
    };
    // The file as it is now, or the starting file while there is none; sets readFrom_.
    FileReadResult ReadFile();
    ParsedFile Parse(FileReadResult read);
    static SaveResult NotOverwritten(const std::string& readPath, const FileReadResult& read);

    std::string path_;
    IFileStore& store_;
    ILegacyCodec& codec_;
    std::string startFrom_;
    std::string readFrom_;  // the file the last ReadFile read (or tried to)
    std::optional<FileReadResult> unreadableAtLoad_;
    std::string unreadablePath_;
};

}  // namespace velmora
