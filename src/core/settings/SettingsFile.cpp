#include "core/settings/SettingsFile.h"

#include "core/settings/Utf8.h"
#include "core/ui/Texts.h"

namespace velmora {

SettingsFile::SettingsFile(std::string path, IFileStore& store)
    : path_(std::move(path)), store_(store) {}

std::string SettingsFile::DecodeText(std::string bytes) {
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    if (std::string_view(bytes).starts_with(kBom)) bytes.erase(0, kBom.size());
    if (IsValidUtf8(bytes)) return bytes;
    return store_.DecodeLegacy(bytes);
}

FileReadResult SettingsFile::ReadFile() {
    FileReadResult read = store_.Read(path_);
    // Far beyond any list of 10000 items; refused like an unreadable file, so it is kept as it is.
    if (read.status == FileReadResult::Status::Ok && read.bytes.size() > kMaxFileBytes) {
        return {FileReadResult::Status::Failed, {}, texts::kFileTooLarge};
    }
    return read;
}

SaveResult SettingsFile::NotOverwritten(const std::string& reason) const {
    return {false, texts::NotOverwrittenMessage(path_, reason)};
}

LoadedSettings SettingsFile::Load(double halfScreenWidthPx) {
    FileReadResult read = ReadFile();
    unreadableAtLoad_ = read.status == FileReadResult::Status::Failed;
    loadError_ = read.error;
    if (read.status != FileReadResult::Status::Ok) return ReadSettings(IniDocument(), halfScreenWidthPx);
    return ReadSettings(IniDocument::Parse(DecodeText(std::move(read.bytes))), halfScreenWidthPx);
}

SaveResult SettingsFile::Save(const Settings& settings, const std::vector<StoredItem>& items) {
    if (unreadableAtLoad_) return NotOverwritten(loadError_);
    FileReadResult current = ReadFile();
    if (current.status == FileReadResult::Status::Failed) return NotOverwritten(current.error);
    IniDocument doc = current.status == FileReadResult::Status::Ok
                          ? IniDocument::Parse(DecodeText(std::move(current.bytes)))
                          : IniDocument();
    WriteSettings(doc, settings, items);
    const FileWriteResult written = store_.WriteAtomic(path_, doc.Serialize());
    if (!written.ok) {
        return {false, texts::SaveFailedMessage(path_, written.error)};
    }
    return {};
}

}  // namespace velmora
