#include "core/settings/SettingsFile.h"

#include "core/ui/Texts.h"

namespace velmora {

SettingsFile::SettingsFile(std::string path, IFileStore& store, ILegacyCodec& codec,
                           std::string startFrom)
    : path_(std::move(path)), store_(store), codec_(codec), startFrom_(std::move(startFrom)) {}

FileReadResult SettingsFile::ReadFile() {
    readFrom_ = path_;
    FileReadResult read = store_.Read(path_, kMaxFileBytes);
    if (read.status != FileReadResult::Status::Missing || startFrom_.empty()) return read;
    // Nothing saved here yet: the settings left beside the program are the starting content,
    // kept in the new file with their form.
    readFrom_ = startFrom_;
    return store_.Read(startFrom_, kMaxFileBytes);
}

SettingsFile::ParsedFile SettingsFile::Parse(FileReadResult read) {
    if (read.status != FileReadResult::Status::Ok) {
        IniDocument document;
        const TextForm form = codec_.NewFileForm();
        document.SetLineEnd(form.lineEnd);
        return {std::move(document), form};
    }
    DecodedText decoded = DecodeText(std::move(read.bytes), codec_, codec_.NewFileForm());
    // A file keeps its own line ends; one without any takes this system's.
    const bool hasLineEnd = decoded.text.find_first_of("\r\n") != std::string::npos;
    IniDocument document = IniDocument::Parse(std::move(decoded.text));
    if (!hasLineEnd) document.SetLineEnd(decoded.form.lineEnd);
    return {std::move(document), std::move(decoded.form)};
}

SaveResult SettingsFile::NotOverwritten(const std::string& readPath, const FileReadResult& read) {
    return {false, texts::NotOverwrittenMessage(
                       readPath, texts::FileErrorReason(read.errorKind, read.error))};
}

LoadedSettings SettingsFile::Load(double halfScreenWidthPx) {
    FileReadResult read = ReadFile();
    if (read.status == FileReadResult::Status::Failed) {
        unreadableAtLoad_ = read;
        unreadablePath_ = readFrom_;
    }
    return ReadSettings(Parse(std::move(read)).document, halfScreenWidthPx);
}

std::optional<std::string> SettingsFile::ProblemForSaving() {
    if (unreadableAtLoad_) return NotOverwritten(unreadablePath_, *unreadableAtLoad_).message;
    const FileWriteResult writable = store_.CheckWritable(path_);
    if (writable.ok) return std::nullopt;
    return texts::NotWritableMessage(path_,
                                     texts::FileErrorReason(writable.errorKind, writable.error));
}

SaveResult SettingsFile::Save(const Settings& settings, const std::vector<StoredItem>& items) {
    if (unreadableAtLoad_) return NotOverwritten(unreadablePath_, *unreadableAtLoad_);
    FileReadResult current = ReadFile();
    if (current.status == FileReadResult::Status::Failed) {
        SaveResult refused = NotOverwritten(readFrom_, current);
        refused.retryable = true;  // readable at start-up: a right taken away since
        return refused;
    }
    ParsedFile file = Parse(std::move(current));
    WriteSettings(file.document, settings, items);
    const FileWriteResult written =
        store_.Write(path_, EncodeText(file.document.Serialize(), file.form, codec_));
    if (!written.ok) {
        return {false,
                texts::SaveFailedMessage(path_,
                                         texts::FileErrorReason(written.errorKind, written.error)),
                true};
    }
    return {};
}

}  // namespace velmora
