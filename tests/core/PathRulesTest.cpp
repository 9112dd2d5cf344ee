#include <gtest/gtest.h>

#include "core/launch/PathRules.h"

using namespace velmora;

namespace {

struct LaunchRow {
    const char* target;
    const char* oneShot;  // nullptr: nothing armed
    const char* file;
    const char* parameters;
    const char* directory;
};

void ExpectLaunchRows(const std::vector<LaunchRow>& rows, PathStyle style) {
    for (const LaunchRow& row : rows) {
        SplitTargetResult split =
            SplitTarget(row.target, row.oneShot != nullptr, row.oneShot ? row.oneShot : "");
        NormalizePath(split.file, style);
        EXPECT_EQ(split.file, row.file) << row.target;
        EXPECT_EQ(split.parameters, row.parameters) << row.target;
        EXPECT_EQ(DeriveWorkingDirectory(split.file, style), row.directory) << row.target;
    }
}

}  // namespace

TEST(PathRules, WindowsWorkedExamples) {
    ExpectLaunchRows(
        {
            {R"(C:\Windows\notepad.exe)", nullptr, R"(C:\Windows\notepad.exe)", "",
             R"(C:\Windows\)"},
            {R"(C:/Program Files//Tools/app.exe)", nullptr, R"(C:\Program Files\Tools\app.exe)", "",
             R"(C:\Program Files\Tools\)"},
            {R"("C:\Program Files\Tools\app.exe" -a "b c")", nullptr,
             R"("C:\Program Files\Tools\app.exe")", R"(-a "b c")", R"("C:\Program Files\Tools\)"},
            {R"("C:\Program Files\Tools\app.exe")", nullptr, R"("C:\Program Files\Tools\app.exe")",
             "", R"("C:\Program Files\Tools\)"},
            {R"("C:\Tools\app.exe"   /x)", nullptr, R"("C:\Tools\app.exe")", "/x", R"("C:\Tools\)"},
            {R"("C:\Tools\app.exe"-x)", nullptr, R"("C:\Tools\app.exe")", "-x", R"("C:\Tools\)"},
            {R"(C:\Tools\app.exe -x)", nullptr, R"(C:\Tools\app.exe -x)", "", R"(C:\Tools\)"},
            {R"("C:\Tools\app.exe -x)", nullptr, R"("C:\Tools\app.exe -x)", "", R"("C:\Tools\)"},
            {"notepad.exe", nullptr, "notepad.exe", "", "notepad.exe"},
            {R"(\\server\share\dir\app.exe)", nullptr, R"(\\server\share\dir\app.exe)", "",
             R"(\\server\share\dir\)"},
            {R"(\\server\share\app.exe)", nullptr, R"(\\server\share\app.exe)", "",
             R"(\\server\share\)"},
            {R"(\\server\share)", nullptr, R"(\\server\share)", "", R"(\\server\share)"},
            {R"(\\server)", nullptr, R"(\\server)", "", R"(\\server)"},
            {"//server/share/dir/x.txt", nullptr, R"(\\server\share\dir\x.txt)", "",
             R"(\\server\share\dir\)"},
            {R"(\\\server\\share\x.txt)", nullptr, R"(\\server\share\x.txt)", "",
             R"(\\server\share\)"},
            // A network path behind a quote, and URLs with their queries, stay as they are.
            {R"("\\server\share\app.exe" -q)", nullptr, R"("\\server\share\app.exe")", "-q",
             R"("\\server\share\)"},
            {R"("//server/share//app.exe")", nullptr, R"("\\server\share\app.exe")", "",
             R"("\\server\share\)"},
            {"ftp://server/pub/readme.txt", nullptr, "ftp://server/pub/readme.txt", "", ""},
            {"https://www.example.com/a//b?q=1&r=/x", nullptr,
             "https://www.example.com/a//b?q=1&r=/x", "", ""},
            {R"(C:\\dir\\\\x.txt)", nullptr, R"(C:\dir\x.txt)", "", R"(C:\dir\)"},
            {R"(D:\\)", nullptr, R"(D:\)", "", R"(D:\)"},
            {R"(C:\Tools\app.exe)", R"("C:\My Docs\a.txt")", R"(C:\Tools\app.exe)",
             R"("C:\My Docs\a.txt")", R"(C:\Tools\)"},
            {R"("C:\A B\x.exe" -y)", R"(C:\in.txt)", R"("C:\A B\x.exe" -y)", R"(C:\in.txt)",
             R"("C:\A B\)"},
        },
        PathStyle::Windows);
}

TEST(PathRules, PosixEquivalents) {
    ExpectLaunchRows(
        {
            {R"("/home/me/my dir/run.sh" -a "b c")", nullptr, R"("/home/me/my dir/run.sh")",
             R"(-a "b c")", R"("/home/me/my dir/)"},
            {"/usr//bin///env", nullptr, "/usr/bin/env", "", "/usr/bin/"},
            {"//server/share/dir/x.txt", nullptr, "//server/share/dir/x.txt", "",
             "//server/share/dir/"},
            {"///server//share", nullptr, "//server/share", "", "//server/share"},
            {"https://example.org//a//b", nullptr, "https://example.org//a//b", "",
             "https://example.org//a//"},
            {"xterm", nullptr, "xterm", "", "xterm"},
            {R"(/opt/a\\b/x)", nullptr, R"(/opt/a\\b/x)", "",
             R"(/opt/a\\b/)"},  // "\" is a name character
            {"/bin/cat -n", "/tmp/a b.txt", "/bin/cat -n", "/tmp/a b.txt", "/bin/"},
        },
        PathStyle::Posix);
}

TEST(PathRules, SplitEdgeCases) {
    EXPECT_EQ(SplitTarget("\"", false, ""), (SplitTargetResult{"\"", ""}));
    EXPECT_EQ(SplitTarget(" \"a b\" c", false, ""), (SplitTargetResult{" \"a b\" c", ""}));
    EXPECT_EQ(SplitTarget("\"a\"  x  ", false, ""), (SplitTargetResult{"\"a\"", "x  "}));
    EXPECT_EQ(SplitTarget("\"a\"　x", false, ""), (SplitTargetResult{"\"a\"", "　x"}));
    EXPECT_EQ(SplitTarget("\"a\" x//y\\\\z", false, ""), (SplitTargetResult{"\"a\"", "x//y\\\\z"}));
    EXPECT_EQ(SplitTarget("", false, ""), (SplitTargetResult{"", ""}));
    EXPECT_EQ(SplitTarget("x", true, ""), (SplitTargetResult{"x", ""}));
}

TEST(PathRules, NormalizeEdgeCases) {
    std::string twoBackslashes = "\\\\";
    NormalizePath(twoBackslashes, PathStyle::Windows);
    EXPECT_EQ(twoBackslashes, "\\");
    std::string empty;
    NormalizePath(empty, PathStyle::Posix);
    EXPECT_EQ(empty, "");
    EXPECT_EQ(DeriveWorkingDirectory("", PathStyle::Windows), "");
}

TEST(PathRules, LabelFromDroppedPath) {
    const struct {
        const char* path;
        PathStyle style;
        const char* label;
    } cases[] = {
        {R"(C:\Windows\notepad.exe)", PathStyle::Windows, "notepad.exe"},
        {R"(C:\Users\me\Documents)", PathStyle::Windows, "Documents"},
        {R"(D:\)", PathStyle::Windows, R"(D:\)"},
        {R"(\\server\share)", PathStyle::Windows, R"(\\server\share)"},
        {R"(\\server)", PathStyle::Windows, R"(\\server)"},
        {R"(\\server\share\dir)", PathStyle::Windows, "dir"},
        {R"(\\server\share\dir\x.txt)", PathStyle::Windows, "x.txt"},
        {"noseparator", PathStyle::Windows, "noseparator"},
        // Trailing separators never give an empty label.
        {R"(\\server\share\)", PathStyle::Windows, R"(\\server\share\)"},
        {R"(C:\Users\me\)", PathStyle::Windows, "me"},
        {"/home/me/notes.txt", PathStyle::Posix, "notes.txt"},
        {"/home/me/Music/", PathStyle::Posix, "Music"},
        {"/", PathStyle::Posix, "/"},
        {"/srv/a\\b", PathStyle::Posix, "a\\b"},
        {"/tmp/line\nbreak", PathStyle::Posix, "line\nbreak"},
    };
    for (const auto& c : cases) EXPECT_EQ(LabelFromPath(c.path, c.style), c.label) << c.path;
}
