#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <thread>

#include <sys/stat.h>

#include "TempDir.h"
#include "platform/ShellOpen.h"

using namespace velmora;
using velmora::testing::ReadFile;
using velmora::testing::TempDir;
using velmora::testing::WriteFile;

namespace {

// Polls until the file has content or the deadline passes.
std::string WaitForFile(const std::string& path) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < deadline) {
        const std::string content = ReadFile(path);
        if (!content.empty() && content.back() == '\n') return content;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return {};
}

// Writes an executable script that records its working directory (when asked) and its
// arguments, one per line in brackets, into out, through a temporary file and a rename.
void WriteRecorder(const std::string& script, const std::string& out, bool shebang,
                   bool recordDirectory) {
    WriteFile(script, std::string(shebang ? "#!/bin/sh\n" : "") + "{ " +
                          (recordDirectory ? "pwd; " : "") +
                          "for a in \"$@\"; do echo \"[$a]\"; done; } > '" + out + ".tmp'\nmv '" +
                          out + ".tmp' '" + out + "'\n");
    ::chmod(script.c_str(), 0755);
}

}  // namespace

TEST(PlatformShell, StartsAProgramWithItsArgumentsInItsDirectory) {
    TempDir dir;
    std::filesystem::create_directory(dir / "my dir");
    const std::string script = dir / "my dir/rec.sh";
    const std::string out = dir / "out.txt";
    WriteRecorder(script, out, true, true);
    platform::SystemShell shell;
    EXPECT_EQ(shell.Open("\"" + script + "\"", "-a \"b c\" '$HOME' *", "\"" + (dir / "my dir/")),
              "");
    EXPECT_EQ(WaitForFile(out), (dir / "my dir") + "\n[-a]\n[b c]\n[$HOME]\n[*]\n");
}

TEST(PlatformShell, ReportsWhatCannotBeOpened) {
    platform::SystemShell shell;
    EXPECT_EQ(shell.Open("/nonexistent/velmora/x", "", "/nonexistent/velmora/"),
              "ファイルが見つかりません。");
    EXPECT_EQ(shell.Open("no-such-program-velmora", "", "no-such-program-velmora"),
              "ファイルが見つかりません。");
    EXPECT_EQ(shell.Open("", "", ""), "ファイルが見つかりません。");
}

TEST(PlatformShell, BareNamesAreFoundOnThePath) {
    platform::SystemShell shell;
    EXPECT_EQ(shell.Open("true", "", "true"), "");
}

TEST(PlatformShell, ScriptsWithoutAShebangHomeAndRelativeTargetsStartAsAShellWould) {
    TempDir dir;
    std::filesystem::create_directory(dir / "sub");
    const std::string out = dir / "out.txt";
    // No "#!" line: run through /bin/sh.
    const std::string script = dir / "sub/tool.sh";
    WriteRecorder(script, out, false, true);
    platform::SystemShell shell;
    EXPECT_EQ(shell.Open(script, "'it'\\''s.txt' x", dir / "sub/"), "");
    EXPECT_EQ(WaitForFile(out), (dir / "sub") + "\n[it's.txt]\n[x]\n");

    // A relative target is taken from our own working directory, not from the program's.
    std::filesystem::remove(out);
    const auto before = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    EXPECT_EQ(shell.Open("sub/tool.sh", "", "sub/"), "");
    std::filesystem::current_path(before);
    EXPECT_EQ(WaitForFile(out), (dir / "sub") + "\n");

    // "~/" is the home folder.
    std::filesystem::remove(out);
    const char* oldHome = std::getenv("HOME");
    const std::string savedHome = oldHome != nullptr ? oldHome : "";
    ::setenv("HOME", dir.path().c_str(), 1);
    EXPECT_EQ(shell.Open("~/sub/tool.sh", "-h", "~/sub/"), "");
    ::setenv("HOME", savedHome.c_str(), 1);
    EXPECT_EQ(WaitForFile(out), (dir / "sub") + "\n[-h]\n");
}

TEST(PlatformShell, ADesktopEntryStartsItsApplicationWithTheArgumentsAsItsFiles) {
    TempDir dir;
    const std::string out = dir / "out.txt";
    const std::string script = dir / "rec.sh";
    WriteRecorder(script, out, true, false);
    const std::string entry = dir / "recorder.desktop";
    WriteFile(entry, "[Desktop Entry]\nType=Application\nName=Recorder\nName[ja]=記録係\nExec=" +
                         script + " %F\n");
    platform::SystemShell shell;
    EXPECT_EQ(shell.Open(entry, "'" + (dir / "a b.txt") + "' /tmp/c.txt", dir / ""), "");
    EXPECT_EQ(WaitForFile(out), "[" + (dir / "a b.txt") + "]\n[/tmp/c.txt]\n");

    // Its name in the user's language labels it when it is dropped on the list.
    const char* oldLanguage = std::getenv("LANGUAGE");
    const std::string saved = oldLanguage != nullptr ? oldLanguage : "";
    ::setenv("LANGUAGE", "ja", 1);
    EXPECT_EQ(shell.ApplicationName(entry), std::optional<std::string>("記録係"));
    ::setenv("LANGUAGE", "C", 1);
    EXPECT_EQ(shell.ApplicationName(entry), std::optional<std::string>("Recorder"));
    ::setenv("LANGUAGE", saved.c_str(), 1);
    EXPECT_EQ(shell.ApplicationName(script), std::nullopt);
}
