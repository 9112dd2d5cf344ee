#include "dialogs/VersionInfo.h"

namespace velmora {

VersionInfo BuiltInVersionInfo() {
    VersionInfo info;
    info.productName = "Velmora";
    info.major = 1;
    info.minor = 0;
    info.revision = 1;
    info.comments = "2007/08/01";
    info.fileDescription =
        "マウスカーソルの位置によって表示／非表示される、テキストベースのランチャープログラムです。";
    info.legalCopyright = "Copyright (C) 2007-2026 Velmora";
    return info;
}

std::string AboutTitleLine(const VersionInfo& info) {
    std::string minor = std::to_string(info.minor);
    if (minor.size() < 2) minor.insert(0, 2 - minor.size(), '0');
    return info.productName + " Ver " + std::to_string(info.major) + "." + minor + " (" +
           info.comments + ")";
}

std::string AboutDescription(const VersionInfo& info) {
    return "このプログラムは：\r\n\r\n　" + info.fileDescription + "\r\n　詳しくは「" +
           kReadmeFileName + "」をご覧下さい。";
}

std::string AboutCredits(const VersionInfo& info, const std::string& toolCredit) {
    return toolCredit + "\r\n" + info.legalCopyright + "\r\n\r\n" + kContactEmailLine + "\r\n" +
           kContactUrlLine;
}

}  // namespace velmora
