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

std::string FaultMessage(std::string_view what) {
    return "予期しないエラーが起きたため、設定を保存して終了します。\n" + std::string(what);
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
