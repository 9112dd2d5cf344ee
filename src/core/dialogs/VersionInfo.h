#pragma once

#include <string>

namespace velmora {

// The program's version record, built into the program; the numbers come from the build.
struct VersionInfo {
    std::string productName;
    int major = 0;
    int minor = 0;
    int revision = 0;
    std::string comments;
    std::string fileDescription;
    std::string legalCopyright;
};

VersionInfo BuiltInVersionInfo();

inline constexpr const char* kContactEmailLine = "E-mail : velmora@example.com";
inline constexpr const char* kContactUrlLine = "URL : https://www.example.org/velmora/";

// "Velmora Ver 1.00 (2007/08/01)": the minor version has at least two digits.
std::string AboutTitleLine(const VersionInfo& info);
// Four lines joined by CR LF: heading, empty line, description, pointer to the read-me.
std::string AboutDescription(const VersionInfo& info);
// Five lines joined by CR LF with no break after the last: tool credit, legal notice, empty,
// e-mail, web address.
std::string AboutCredits(const VersionInfo& info, const std::string& toolCredit);
// Names the window toolkit and the compiler this program was built with.
std::string ToolCredit(const std::string& toolkit);

}  // namespace velmora
