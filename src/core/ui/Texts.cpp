#include "core/ui/Texts.h"

namespace velmora::texts {

std::string ItemLimitMessage(int maxItems) {
    return "アイテム数は " + std::to_string(maxItems) + " 個までです。";
}

std::string LaunchFailedMessage(std::string_view file, std::string_view reason) {
    return "「" + std::string(file) + "」を開けませんでした。\n" + std::string(reason);
}

std::string SaveFailedMessage(std::string_view path, std::string_view reason) {
    return "設定ファイルを保存できませんでした。\n" + std::string(path) + "\n" +
           std::string(reason);
}

std::string NotOverwrittenMessage(std::string_view path, std::string_view reason) {
    return "設定ファイルを読み込めなかったため、上書きしませんでした。\n" + std::string(path) +
           "\n" + std::string(reason);
}

std::string SaveRetryMessage(std::string_view failure) {
    return std::string(failure) +
           "\n\n書き込めるようにしてから［再試行］を押すと、もう一度保存します。"
           "［キャンセル］を押すと、変更を保存せずに終了します。";
}

std::string FaultMessage(std::string_view what) {
    return "予期しないエラーが起きたため、設定を保存して終了します。\n" + std::string(what);
}

std::string NotWritableMessage(std::string_view path, std::string_view reason) {
    return "設定ファイルに書き込めません。このままでは終了時に設定とアイテムを保存できません。\n" +
           std::string(path) + "\n" + std::string(reason);
}

std::string StartFailedMessage(std::string_view reason) {
    return "Velmora を起動できませんでした。\n" + std::string(reason);
}

std::string AlreadyRunningMessage(std::string_view path) {
    return "Velmora は既に起動しています。\n" + std::string(path);
}

std::string FileErrorReason(FileError kind, std::string_view systemText) {
    switch (kind) {
        case FileError::NotFound:
            return "ファイルまたはフォルダーが見つかりません。";
        case FileError::PermissionDenied:
            return "アクセスが拒否されました。";
        case FileError::ReadOnlyFileSystem:
            return "読み取り専用のファイルシステムです。";
        case FileError::DiskFull:
            return "ディスクの空き容量が足りません。";
        case FileError::TooLarge:
            return "ファイルが大きすぎます。";
        case FileError::NotAFile:
            return "ファイルではありません（フォルダーなどです）。";
        case FileError::None:
        case FileError::Other:
            break;
    }
    return std::string(systemText);
}

std::string WithoutAccessKeyMarks(std::string_view caption) {
    std::string out;
    out.reserve(caption.size());
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) ++i;  // "&x" shows x, "&&" shows "&"
        out += caption[i];
    }
    return out;
}

}  // namespace velmora::texts
