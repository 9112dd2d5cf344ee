#include <gtest/gtest.h>

#include "core/launch/CommandLine.h"
#include "core/launch/OneShotArgs.h"

using namespace velmora;

TEST(OneShotArgs, FileNamesWithOrdinarySpacesAreQuoted) {
    EXPECT_EQ(ComposeOneShotArgs("", false, 0, DroppedFiles{"C:\\a.txt", "C:\\My Docs\\b.txt"}),
              "C:\\a.txt \"C:\\My Docs\\b.txt\"");
    EXPECT_EQ(ComposeOneShotArgs("", false, 0, DroppedFiles{"/tmp/全角　空白"}), "/tmp/全角　空白");
    EXPECT_EQ(ComposeOneShotArgs("", false, 0, DroppedText{"a b\nc"}), "a b\nc");
    EXPECT_EQ(ComposeOneShotArgs("", false, 0, DroppedFiles{}), "");
    EXPECT_EQ(ComposeOneShotArgs("", false, 0, DroppedText{""}), "");
}

TEST(OneShotArgs, CtrlAloneExtendsAnArmedArgumentAnythingElseReplaces) {
    const std::string armed = "C:\\a.txt \"C:\\My Docs\\b.txt\"";
    EXPECT_EQ(ComposeOneShotArgs(armed, true, kCtrlMask, DroppedText{"-v"}), armed + " -v");
    EXPECT_EQ(ComposeOneShotArgs(armed, true, kCtrlMask | kShiftMask, DroppedText{"-w"}), "-w");
    EXPECT_EQ(ComposeOneShotArgs(armed, true, kCtrlMask | kAltMask, DroppedText{"-w"}), "-w");
    EXPECT_EQ(ComposeOneShotArgs(armed, true, 0, DroppedText{"-w"}), "-w");
    // Nothing armed: an earlier, used argument is not continued.
    EXPECT_EQ(ComposeOneShotArgs("old", false, kCtrlMask, DroppedText{"new"}), "new");
    EXPECT_EQ(ComposeOneShotArgs("a", true, kCtrlMask, DroppedFiles{"/x y", "/z"}),
              "a \"/x y\" /z");
}

TEST(OneShotArgs, OnPosixEveryDroppedNameSplitsBackIntoOneArgumentUnchanged) {
    const DroppedFiles names{"/home/me/it's.txt",   "/home/me/back\\slash.txt",
                             "/home/me/c\"d e.txt", "/home/me/plain.txt",
                             "/home/me/tab\there",  "/home/me/$HOME *.txt"};
    const std::string args = ComposeOneShotArgs("", false, 0, names, PathStyle::Posix);
    EXPECT_EQ(SplitCommandLine(args), std::vector<std::string>(names.begin(), names.end())) << args;
    EXPECT_EQ(
        ComposeOneShotArgs("", false, 0, DroppedFiles{"/a/plain.txt", "/a/b c"}, PathStyle::Posix),
        "/a/plain.txt '/a/b c'");
    // Extending keeps the earlier names whole too.
    const std::string extended =
        ComposeOneShotArgs(args, true, kCtrlMask, DroppedFiles{"/x/y'z"}, PathStyle::Posix);
    EXPECT_EQ(SplitCommandLine(extended).back(), "/x/y'z");
}

// cmd.exe runs .bat and .cmd items: a name with one of its special characters is quoted, so that
// "a&calc.txt" stays one argument and runs nothing; a folder's trailing backslash is doubled so
// that it does not swallow the closing quote.
TEST(OneShotArgs, OnWindowsNamesWithCmdsSpecialCharactersAreQuoted) {
    EXPECT_EQ(ComposeOneShotArgs("", false, 0,
                                 DroppedFiles{R"(C:\a&calc.txt)", R"(C:\x^y(1);z=2!.txt)",
                                              R"(C:\plain-name_1.txt)", R"(C:\it's,a+b.txt)"}),
              R"("C:\a&calc.txt" "C:\x^y(1);z=2!.txt" C:\plain-name_1.txt "C:\it's,a+b.txt")");
    EXPECT_EQ(ComposeOneShotArgs("", false, 0, DroppedFiles{R"(C:\My Docs\)", R"(C:\dir\)"}),
              R"("C:\My Docs\\" C:\dir\)");
}
