#include "app/SettingsFile.h"

#include "app/Utf8.h"

namespace velmora {

SettingsFile::SettingsFile(std::string path, IFileStore& store)
    : path_(std::move(path)), store_(store) {}

std::string SettingsFile::DecodeText(std::string bytes) {
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    if (std::string_view(bytes).starts_with(kBom)) bytes.erase(0, kBom.size());
    if (IsValidUtf8(bytes)) return bytes;
    return store_.DecodeLegacy(bytes);
}

LoadedSettings SettingsFile::Load(double halfScreenWidthPx) {
    FileReadResult read = store_.Read(path_);
    unreadableAtLoad_ = read.status == FileReadResult::Status::Failed;
    loadError_ = read.error;
    if (read.status != FileReadResult::Status::Ok) return ReadSettings(IniDocument(), halfScreenWidthPx);
    return ReadSettings(IniDocument::Parse(DecodeText(std::move(read.bytes))), halfScreenWidthPx);
}

SaveResult SettingsFile::Save(const Settings& settings, const std::vector<StoredItem>& items) {
    if (unreadableAtLoad_) {
        return {false, "設定ファイルを読み込めなかったため、上書きしませんでした。\n" + path_ + "\n" +
                           loadError_};
    }
    FileReadResult current = store_.Read(path_);
    if (current.status == FileReadResult::Status::Failed) {
        return {false, "設定ファイルを読み込めなかったため、上書きしませんでした。\n" + path_ + "\n" +
                           current.error};
    }
    IniDocument doc = current.status == FileReadResult::Status::Ok
                          ? IniDocument::Parse(DecodeText(std::move(current.bytes)))
                          : IniDocument();
    WriteSettings(doc, settings, items);
    const FileWriteResult written = store_.WriteAtomic(path_, doc.Serialize());
    if (!written.ok) {
        return {false, "設定ファイルを保存できませんでした。\n" + path_ + "\n" + written.error};
    }
    return {};
}

}  // namespace velmora
