#include "core/dialogs/VersionInfo.h"

#include "core/Version.h"
#include "core/ui/Texts.h"

namespace velmora {

VersionInfo BuiltInVersionInfo() {
    VersionInfo info;
    info.productName = kProductName;
    info.major = kVersionMajor;
    info.minor = kVersionMinor;
    info.revision = kVersionTweak;  // 1.0.0.1: the fourth number
    info.comments = kVersionComments;
    info.fileDescription = kFileDescription;
    info.legalCopyright = kLegalCopyright;
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
           texts::kReadmeFileName + "」をご覧下さい。";
}

std::string AboutCredits(const VersionInfo& info, const std::string& toolCredit) {
    return toolCredit + "\r\n" + info.legalCopyright + "\r\n\r\n" + kContactEmailLine + "\r\n" +
           kContactUrlLine;
}

std::string ToolCredit(const std::string& toolkit) {
#if defined(__clang__)
    const std::string compiler = "Clang " __clang_version__;
#elif defined(__GNUC__)
    const std::string compiler = "GCC " __VERSION__;
#elif defined(_MSC_VER)
    const std::string compiler = "MSVC " + std::to_string(_MSC_FULL_VER);
#else
    const std::string compiler = "C++";
#endif
    return "開発環境：" + toolkit + " / " + compiler;
}

}  // namespace velmora
