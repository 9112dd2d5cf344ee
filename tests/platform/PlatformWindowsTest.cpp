#include <gtest/gtest.h>

#include <windows.h>

#include <shlobj.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "core/app/AppPaths.h"
#include "core/launch/PathRules.h"
#include "core/settings/SettingsFile.h"
#include "platform/ExecutablePath.h"
#include "platform/FileReplace_windows.h"
#include "platform/FileStore.h"
#include "platform/LegacyCodec.h"
#include "platform/ShellOpen.h"
#include "platform/UserName.h"

using namespace velmora;
namespace fs = std::filesystem;

namespace {

// A fresh folder under the user's temporary folder.
struct TempDir {
    fs::path path;
    TempDir() {
        path =
            fs::temp_directory_path() / ("velmora-test-" + std::to_string(GetCurrentProcessId()) +
                                         "-" + std::to_string(GetTickCount64()));
        fs::create_directories(path);
    }
    ~TempDir() {
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }
    std::string Utf8(const std::string& name = {}) const {
        const auto u8 = (name.empty() ? path : path / fs::u8path(name)).u8string();
        return std::string(u8.begin(), u8.end());
    }
};

std::string ReadAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

TEST(WindowsPlatform, ExecutableLocationAndUser) {
    const platform::ExecutableLocation loc = platform::GetExecutableLocation();
    EXPECT_EQ(loc.baseName, "velmora_platform_tests");
    EXPECT_TRUE(fs::exists(fs::u8path(loc.directory) / "velmora_platform_tests.exe"));
    EXPECT_EQ(platform::PathSeparator(), '\\');
    const std::string appDir = InitAppPath(loc.directory, '\\');
    EXPECT_EQ(appDir.back(), '\\');
    EXPECT_NE(appDir.substr(appDir.size() - 2), "\\\\");
    EXPECT_FALSE(platform::LoginName().empty());
}

TEST(WindowsPlatform, AnsiCodePageFilesLoadAndWhatWeWriteReadsBack) {
    TempDir dir;
    const std::string path = dir.Utf8("Velmora_user.ini");
    // A label in the system's ANSI code page: Japanese under CP932, an accented word elsewhere.
    const std::wstring label = GetACP() == 932 ? L"\u30E1\u30E2\u5E33" : L"caf\u00E9";
    char ansi[64] = {};
    const int n =
        WideCharToMultiByte(CP_ACP, 0, label.c_str(), -1, ansi, sizeof ansi, nullptr, nullptr);
    ASSERT_GT(n, 1);
    std::ofstream(fs::u8path(path), std::ios::binary)
        << "[Item]\r\nItemName0=" << std::string(ansi) << "\r\nItemPath0=C:\\x.exe\r\n";
    platform::SystemFileStore store;
    platform::SystemLegacyCodec codec;
    SettingsFile file(path, store, codec);
    const LoadedSettings loaded = file.Load(640);
    ASSERT_EQ(loaded.items.size(), 1u);
    const int wn = WideCharToMultiByte(CP_UTF8, 0, label.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string expected(static_cast<std::size_t>(wn - 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, label.c_str(), -1, expected.data(), wn, nullptr, nullptr);
    EXPECT_EQ(loaded.items[0].label, expected);

    std::vector<StoredItem> items = loaded.items;
    items.push_back({"日本語 ☆ ラベル", "\"C:\\My Dir\\a.exe\" -x"});
    ASSERT_TRUE(file.Save(loaded.settings, items).ok);
    SettingsFile again(path, store, codec);
    const LoadedSettings back = again.Load(640);
    ASSERT_EQ(back.items.size(), 2u);
    EXPECT_EQ(back.items[0].label, expected);
    EXPECT_EQ(back.items[1].label, "日本語 ☆ ラベル");
    EXPECT_EQ(back.items[1].target, "\"C:\\My Dir\\a.exe\" -x");
}

TEST(WindowsPlatform, AtomicReplaceAndUnreadablePlaces) {
    TempDir dir;
    platform::SystemFileStore store;
    platform::SystemLegacyCodec codec;
    const std::string path = dir.Utf8("f.ini");
    ASSERT_TRUE(store.Write(path, "one").ok);
    ASSERT_TRUE(store.Write(path, "two").ok);
    EXPECT_EQ(ReadAll(fs::u8path(path)), "two");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), {}), 1);
    EXPECT_EQ(store.Read(dir.Utf8("absent.ini"), 1 << 20).status, FileReadResult::Status::Missing);
    fs::create_directory(dir.path / "folder.ini");
    EXPECT_EQ(store.Read(dir.Utf8("folder.ini"), 1 << 20).status, FileReadResult::Status::Failed);
    // A folder on the way is made, but not where a file stands in its place.
    EXPECT_FALSE(store.Write(dir.Utf8("f.ini\\sub\\x.ini"), "x").ok);
}

// Installed under Program Files, the settings go to %APPDATA%\Velmora\, made at the first save.
TEST(WindowsPlatform, TheUsersSettingsFolderIsMadeAtTheFirstSave) {
    TempDir dir;
    wchar_t saved[32768] = {};
    const bool hadAppData = GetEnvironmentVariableW(L"APPDATA", saved, 32768) != 0;
    SetEnvironmentVariableW(L"APPDATA", dir.path.wstring().c_str());
    const std::string folder = platform::UserSettingsFolder();
    SetEnvironmentVariableW(L"APPDATA", hadAppData ? saved : nullptr);
    EXPECT_EQ(folder, dir.Utf8() + "\\Velmora\\");
    platform::SystemFileStore store;
    const std::string file = folder + "Velmora_user.ini";
    EXPECT_FALSE(store.Exists(folder));
    EXPECT_TRUE(store.CheckWritable(file).ok);
    ASSERT_TRUE(store.Write(file, "[Config]\r\n").ok);
    EXPECT_EQ(ReadAll(fs::u8path(file)), "[Config]\r\n");
    EXPECT_TRUE(store.Exists(file));
}

TEST(WindowsPlatform, AUnicodeFileOfTheProfileFunctionsReadsBackThroughThemAfterASave) {
    TempDir dir;
    const std::string path = dir.Utf8("Velmora_user.ini");
    const std::wstring wpath = fs::u8path(path).wstring();
    // The profile functions keep a file Unicode once it starts with the mark.
    std::ofstream(fs::u8path(path), std::ios::binary) << "\xFF\xFE";
    ASSERT_TRUE(
        ::WritePrivateProfileStringW(L"Item", L"ItemName0", L"\u30E1\u30E2\u5E33", wpath.c_str()));
    ASSERT_TRUE(::WritePrivateProfileStringW(L"Item", L"ItemPath0", L"C:\\\u30E1\u30E2\\a.exe",
                                             wpath.c_str()));
    platform::SystemFileStore store;
    platform::SystemLegacyCodec codec;
    SettingsFile file(path, store, codec);
    const LoadedSettings loaded = file.Load(640);
    ASSERT_EQ(loaded.items.size(), 1u);
    EXPECT_EQ(loaded.items[0].label, "メモ帳");
    EXPECT_EQ(loaded.items[0].target, "C:\\メモ\\a.exe");
    std::vector<StoredItem> items = loaded.items;
    items.push_back({"日本語 ☆", "\"C:\\My Dir\\b.exe\" -x"});
    ASSERT_TRUE(file.Save(loaded.settings, items).ok);
    EXPECT_EQ(ReadAll(fs::u8path(path)).substr(0, 2), "\xFF\xFE");
    wchar_t value[256] = {};
    ::GetPrivateProfileStringW(L"Item", L"ItemName0", L"", value, 256, wpath.c_str());
    EXPECT_EQ(std::wstring(value), L"\u30E1\u30E2\u5E33");
    ::GetPrivateProfileStringW(L"Item", L"ItemName1", L"", value, 256, wpath.c_str());
    EXPECT_EQ(std::wstring(value), L"\u65E5\u672C\u8A9E \u2606");
    ::GetPrivateProfileStringW(L"Item", L"ItemPath1", L"", value, 256, wpath.c_str());
    EXPECT_EQ(std::wstring(value), L"\"C:\\My Dir\\b.exe\" -x");
    ::GetPrivateProfileStringW(L"Config", L"WindowPosition", L"", value, 256, wpath.c_str());
    EXPECT_EQ(std::wstring(value), L"0");
}

TEST(WindowsPlatform, AnAnsiFileOfTheProfileFunctionsStaysAnsiAndReadsBackThroughThem) {
    TempDir dir;
    const std::string path = dir.Utf8("Velmora_user.ini");
    // Run a second time in a Japanese locale, for CP932: that run says so, and must get it.
    if (const char* expected = std::getenv("VELMORA_EXPECT_ACP")) {
        ASSERT_EQ(GetACP(), std::stoul(expected));
    }
    const bool japanese = GetACP() == 932;
    const std::wstring label = japanese ? L"\u30E1\u30E2\u5E33" : L"caf\u00E9";
    const std::wstring added = japanese ? L"\u65E5\u672C\u8A9E" : L"na\u00EFve";
    const auto ansi = [](const std::wstring& text) {
        char out[64] = {};
        WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, out, sizeof out, nullptr, nullptr);
        return std::string(out);
    };
    const auto utf8 = [](const std::wstring& text) {
        char out[64] = {};
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out, sizeof out, nullptr, nullptr);
        return std::string(out);
    };
    // A new file written by the A functions is in the ANSI code page.
    ASSERT_TRUE(
        ::WritePrivateProfileStringA("Item", "ItemName0", ansi(label).c_str(), path.c_str()));
    ASSERT_TRUE(::WritePrivateProfileStringA("Item", "ItemPath0", "C:\\x.exe", path.c_str()));
    platform::SystemFileStore store;
    platform::SystemLegacyCodec codec;
    SettingsFile file(path, store, codec);
    const LoadedSettings loaded = file.Load(640);
    ASSERT_EQ(loaded.items.size(), 1u);
    EXPECT_EQ(loaded.items[0].label, utf8(label));
    std::vector<StoredItem> items = loaded.items;
    items.push_back({utf8(added), "C:\\y.exe"});
    ASSERT_TRUE(file.Save(loaded.settings, items).ok);
    char value[64] = {};
    ::GetPrivateProfileStringA("Item", "ItemName0", "", value, sizeof value, path.c_str());
    EXPECT_EQ(std::string(value), ansi(label));
    ::GetPrivateProfileStringA("Item", "ItemName1", "", value, sizeof value, path.c_str());
    EXPECT_EQ(std::string(value), ansi(added));
    wchar_t wide[64] = {};
    ::GetPrivateProfileStringW(L"Item", L"ItemName1", L"", wide, 64,
                               fs::u8path(path).wstring().c_str());
    EXPECT_EQ(std::wstring(wide), added);
}

TEST(WindowsPlatform, AReplacedFileKeepsItsAttributes) {
    TempDir dir;
    const std::string path = dir.Utf8("Velmora_me.ini");
    platform::SystemFileStore store;
    platform::SystemLegacyCodec codec;
    ASSERT_TRUE(store.Write(path, "one").ok);
    const std::wstring wide = fs::u8path(path).wstring();
    ASSERT_TRUE(::SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
    ASSERT_TRUE(store.Write(path, "two").ok);
    EXPECT_EQ(ReadAll(fs::u8path(path)), "two");
    EXPECT_TRUE(::GetFileAttributesW(wide.c_str()) & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), {}), 1);
}

TEST(WindowsPlatform, ShellStartsAQuotedProgramWithParametersInItsDirectory) {
    TempDir dir;
    const fs::path myDir = dir.path / "my dir";
    fs::create_directories(myDir);
    const fs::path recorder =
        fs::u8path(platform::GetExecutableLocation().directory) / "velmora_recorder.exe";
    fs::copy_file(recorder, myDir / "rec.exe");

    // The whole launch pipeline, as a double-click on the item runs it.
    const std::string target = "\"" + dir.Utf8("my dir/rec.exe") + "\" -a \"b c\"";
    SplitTargetResult split = SplitTarget(target, false, "");
    NormalizePath(split.file, PathStyle::Windows);
    const std::string directory = DeriveWorkingDirectory(split.file, PathStyle::Windows);
    EXPECT_EQ(directory, "\"" + dir.Utf8("my dir") + "\\");
    platform::SystemShell shell;
    EXPECT_EQ(shell.Open(split.file, split.parameters, directory), "");

    const fs::path out = myDir / "rec-out.txt";
    const auto recorded = [&] {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (!fs::exists(out) && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return ReadAll(out);
    };
    EXPECT_EQ(recorded(), dir.Utf8("my dir") + "\n[-a]\n[b c]\n");

    // A shortcut (.lnk), as a dropped one is stored, starts its program with its arguments.
    fs::remove(out);
    ASSERT_TRUE(SUCCEEDED(::CoInitialize(nullptr)));
    IShellLinkW* link = nullptr;
    ASSERT_EQ(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                 reinterpret_cast<void**>(&link)),
              S_OK);
    link->SetPath((myDir / "rec.exe").wstring().c_str());
    link->SetArguments(L"-l");
    link->SetWorkingDirectory(myDir.wstring().c_str());
    IPersistFile* persist = nullptr;
    ASSERT_EQ(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist)), S_OK);
    ASSERT_EQ(persist->Save((dir.path / "rec.lnk").wstring().c_str(), TRUE), S_OK);
    persist->Release();
    link->Release();
    EXPECT_EQ(shell.Open(dir.Utf8("rec.lnk"), "", dir.Utf8() + "\\"), "");
    EXPECT_EQ(recorded(), dir.Utf8("my dir") + "\n[-l]\n");
    ::CoUninitialize();
}

// ReplaceFileW can fail after it took the settings file away (1176) or renamed it (1177): then the
// temporary file holds the only copy, and goes into its place or stays.
TEST(WindowsPlatform, AFailedReplaceNeverLosesTheSettings) {
    const TempDir dir;
    const fs::path target = dir.path / "s.ini", temp = dir.path / "s.ini.tmp";
    const auto prepare = [&] {
        std::ofstream(target, std::ios::binary) << "old";
        std::ofstream(temp, std::ios::binary) << "new";
    };
    int pauses = 0;
    platform::ReplaceCalls calls;
    calls.pause = [&](DWORD) { ++pauses; };

    prepare();
    calls.replaceFile = [](LPCWSTR t, LPCWSTR) {
        ::DeleteFileW(t);
        ::SetLastError(ERROR_UNABLE_TO_MOVE_REPLACEMENT);
        return FALSE;
    };
    auto outcome = platform::ReplaceWithTemporary(target.wstring(), temp.wstring(), true, calls);
    EXPECT_EQ(outcome.error, static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(ReadAll(target), "new");
    EXPECT_FALSE(fs::exists(temp));

    prepare();
    const fs::path away = dir.path / "s.ini.away";
    calls.replaceFile = [&](LPCWSTR t, LPCWSTR) {
        ::MoveFileW(t, away.c_str());
        ::SetLastError(ERROR_UNABLE_TO_MOVE_REPLACEMENT_2);
        return FALSE;
    };
    calls.moveFile = [](LPCWSTR, LPCWSTR) {
        ::SetLastError(ERROR_SHARING_VIOLATION);  // held by a scanner throughout
        return FALSE;
    };
    outcome = platform::ReplaceWithTemporary(target.wstring(), temp.wstring(), true, calls);
    EXPECT_EQ(outcome.error, static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    EXPECT_TRUE(outcome.keepTemporary);
    EXPECT_EQ(ReadAll(temp), "new");
    EXPECT_GT(pauses, 3);  // waited before giving up

    // A scanner holding the file for two tries is waited out; other failures keep the target.
    fs::remove(away);
    prepare();
    int tries = 0;
    calls = {};
    calls.pause = [](DWORD) {};
    const platform::ReplaceCalls real;
    calls.replaceFile = [&](LPCWSTR t, LPCWSTR r) {
        if (++tries <= 2) {
            ::SetLastError(ERROR_SHARING_VIOLATION);
            return FALSE;
        }
        return real.replaceFile(t, r);
    };
    outcome = platform::ReplaceWithTemporary(target.wstring(), temp.wstring(), true, calls);
    EXPECT_EQ(outcome.error, static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(ReadAll(target), "new");
    prepare();
    calls.replaceFile = [](LPCWSTR, LPCWSTR) {
        ::SetLastError(ERROR_UNABLE_TO_REMOVE_REPLACED);
        return FALSE;
    };
    outcome = platform::ReplaceWithTemporary(target.wstring(), temp.wstring(), true, calls);
    EXPECT_EQ(outcome.error, static_cast<DWORD>(ERROR_UNABLE_TO_REMOVE_REPLACED));
    EXPECT_FALSE(outcome.keepTemporary);
    EXPECT_EQ(ReadAll(target), "old");
}

// The forms a save may change a file to, read back by the profile functions themselves (run once
// more under CP932): an ASCII file with a Japanese label added, a legacy file with a character
// outside the code page, and a file mixing legacy and UTF-8 lines.
TEST(WindowsPlatform, EverySavedFormReadsBackThroughTheProfileFunctions) {
    const TempDir dir;
    const std::string path = dir.Utf8("Velmora_user.ini");
    const std::wstring wpath = fs::u8path(path).wstring();
    const bool japanese = GetACP() == 932;
    const auto saveAdding = [&](const std::string& bytes, const std::string& added) {
        std::ofstream(fs::u8path(path), std::ios::binary) << bytes;
        platform::SystemFileStore store;
        platform::SystemLegacyCodec codec;
        SettingsFile file(path, store, codec);
        const LoadedSettings loaded = file.Load(640);
        std::vector<StoredItem> items = loaded.items;
        items.push_back({added, "C:\\b.txt"});
        EXPECT_TRUE(file.Save(loaded.settings, items).ok);
        return items;
    };
    const auto readBack = [&](const wchar_t* key) {
        wchar_t value[256] = {};
        ::GetPrivateProfileStringW(L"Item", key, L"", value, 256, wpath.c_str());
        return std::wstring(value);
    };
    // What Notepad writes for Latin labels: ANSI, and it stays ANSI while the label fits.
    saveAdding("[Item]\r\nItemName0=memo\r\nItemPath0=C:\\a.txt\r\n", "メモ.txt");
    EXPECT_EQ(readBack(L"ItemName0"), L"memo");
    EXPECT_EQ(readBack(L"ItemName1"), L"\u30E1\u30E2.txt");
    if (japanese) {
        char ansi[64] = {};
        ::GetPrivateProfileStringA("Item", "ItemName1", "", ansi, sizeof ansi, path.c_str());
        EXPECT_EQ(std::string(ansi), "\x83\x81\x83\x82.txt");
    }
    // A character no code page of these runs holds: UTF-16LE with its mark.
    saveAdding("[Item]\r\nItemName0=memo\r\nItemPath0=C:\\a.txt\r\n", "\xED\x95\x9C 😀");
    EXPECT_EQ(ReadAll(fs::u8path(path)).substr(0, 2), "\xFF\xFE");
    EXPECT_EQ(readBack(L"ItemName0"), L"memo");
    EXPECT_EQ(readBack(L"ItemName1"), L"\uD55C \U0001F600");
    // A legacy line appended to a UTF-8 file (CP932 "メモ帳" after a UTF-8 "表示").
    saveAdding("[Item]\r\nItemName0=表示\r\nItemPath0=C:\\a.txt\r\n[Other]\r\nnote=\x83\x81\r\n",
               "x");
    EXPECT_EQ(ReadAll(fs::u8path(path)).substr(0, 2), "\xFF\xFE");
    EXPECT_EQ(readBack(L"ItemName0"), L"\u8868\u793A");
    EXPECT_EQ(readBack(L"ItemName1"), L"x");
}
