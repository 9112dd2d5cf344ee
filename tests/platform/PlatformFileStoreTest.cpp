#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <optional>

#include <sys/resource.h>
#include <sys/stat.h>

#include "TempDir.h"
#include "core/settings/SettingsFile.h"
#include "core/settings/TextCodec.h"
#include "platform/FileStore.h"
#include "platform/LegacyCodec.h"
#include "platform/ProcessSetup.h"

using namespace velmora;
using velmora::testing::ReadFile;
using velmora::testing::TempDir;
using velmora::testing::WriteFile;

namespace {
mode_t ModeOf(const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mode & 07777;
}
}  // namespace

// Runs a check as an ordinary account: root reads every file, which would hide what it checks.
template <typename Check>
void AsOrdinaryAccount(const std::filesystem::path& dir, Check check) {
    if (::geteuid() != 0) {
        check();
        return;
    }
    constexpr uid_t kNobody = 65534;
    ASSERT_EQ(::chown(dir.c_str(), kNobody, kNobody), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) ::_exit(2);
        check();
        ::_exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
        << "the check failed as an ordinary account";
}

TEST(PlatformFileStore, AShiftJisFileFromWindowsStaysShiftJisUntilACharacterDoesNotFit) {
    TempDir dir;
    const std::string path = dir / "Velmora_me.ini";
    // "[Item]\r\nItemName0=メモ帳\r\nItemPath0=C:\\メモ\\a.exe\r\n" in CP932.
    WriteFile(path,
              "[Item]\r\nItemName0=\x83\x81\x83\x82\x92\xa0\r\nItemPath0=C:\\\x83\x81\x83\x82\\a."
              "exe\r\n");
    platform::SystemFileStore store;
    platform::SystemLegacyCodec codec;
    SettingsFile file(path, store, codec);
    LoadedSettings loaded = file.Load(640);
    ASSERT_EQ(loaded.items.size(), 1u);
    EXPECT_EQ(loaded.items[0].label, "メモ帳");
    EXPECT_EQ(loaded.items[0].target, "C:\\メモ\\a.exe");
    ASSERT_TRUE(file.Save(loaded.settings, loaded.items).ok);
    const std::string saved = ReadFile(path);
    EXPECT_NE(saved.find("ItemName0=\x83\x81\x83\x82\x92\xa0\r\n"), std::string::npos);
    EXPECT_NE(saved.find("WindowPosition=0\r\n"), std::string::npos);
    SettingsFile again(path, store, codec);
    EXPECT_EQ(again.Load(640).items[0].target, "C:\\メモ\\a.exe");
    // A character CP932 has no place for: the file becomes UTF-16LE with its mark.
    ASSERT_TRUE(
        again.Save(loaded.settings, {{"メモ帳", "C:\\メモ\\a.exe"}, {"😀", "C:\\e.exe"}}).ok);
    const std::string widened = ReadFile(path);
    EXPECT_EQ(widened.rfind("\xFF\xFE" + Utf8ToUtf16("[Item]\r\nItemName0=メモ帳\r\n", false), 0),
              0u);
    EXPECT_EQ(SettingsFile(path, store, codec).Load(640).items[1].label, "😀");
}

TEST(PlatformFileStore, EncodesAndDecodesTheLegacyCodePage) {
    platform::SystemFileStore store;
    platform::SystemLegacyCodec codec;
    EXPECT_EQ(codec.EncodeLegacy("メモ帳 ☆ a"),
              std::optional<std::string>("\x83\x81\x83\x82\x92\xa0 \x81\x99 a"));
    EXPECT_EQ(codec.EncodeLegacy("😀"), std::nullopt);
    EXPECT_EQ(codec.DecodeLegacy("\x83\x81\x83\x82\x92\xa0"), "メモ帳");
    EXPECT_EQ(codec.NewFileForm(), (TextForm{TextEncoding::Utf8, false, "\n"}));
}

TEST(PlatformFileStore, AnOversizedFileIsRefusedFromItsSize) {
    TempDir dir;
    const std::string path = dir / "big.ini";
    WriteFile(path, std::string(4096, 'x'));
    platform::SystemFileStore store;
    platform::SystemLegacyCodec codec;
    const FileReadResult read = store.Read(path, 1024);
    EXPECT_EQ(read.status, FileReadResult::Status::Failed);
    EXPECT_EQ(read.errorKind, FileError::TooLarge);
    EXPECT_TRUE(read.bytes.empty());
    EXPECT_EQ(store.Read(path, 4096).bytes.size(), 4096u);
}

TEST(PlatformFileStore, BytesThatAreNeitherUtf8NorShiftJisStillLoad) {
    platform::SystemLegacyCodec codec;
    EXPECT_EQ(codec.DecodeLegacy("a\xff"
                                 "b"),
              "a\xEF\xBF\xBD"
              "b");
    // A lead byte before a line end or at the file's end: one replacement each, the rest kept.
    EXPECT_EQ(codec.DecodeLegacy("x=\x83\r\ny=\x95"), "x=\xEF\xBF\xBD\r\ny=\xEF\xBF\xBD");
}

// Trail bytes in ASCII's range belong to their characters: 表 and ソ end in a backslash, 日本 in
// a brace.
TEST(PlatformFileStore, TrailBytesInAsciisRangeStayWithTheirCharacters) {
    EXPECT_EQ(platform::SystemLegacyCodec().DecodeLegacy("C:\\\x95\x5C\\\x83\x5C\x83\x74\x83"
                                                         "g\\\x93\xFA\x96\x7B{}.txt"),
              "C:\\表\\ソフト\\日本{}.txt");
}

TEST(PlatformFileStore, NewFilesAreOwnerOnlyAndExistingOnesKeepTheirMode) {
    TempDir dir;
    platform::SystemFileStore store;
    platform::SystemLegacyCodec codec;
    const std::string fresh = dir / "new.ini";
    ASSERT_TRUE(store.Write(fresh, "x=1\n").ok);
    EXPECT_EQ(ModeOf(fresh), 0600u);
    const std::string shared = dir / "shared.ini";
    WriteFile(shared, "old");
    ::chmod(shared.c_str(), 0644);
    ASSERT_TRUE(store.Write(shared, "new").ok);
    EXPECT_EQ(ModeOf(shared), 0644u);
    EXPECT_EQ(ReadFile(shared), "new");
}

// The user's configuration folder need not exist before the first save: it is made then, for
// its owner only, as the XDG rule asks; until then a folder on the way must take it.
TEST(PlatformFileStore, TheFirstSaveMakesTheMissingFoldersForTheOwnerOnly) {
    TempDir dir;
    platform::SystemFileStore store;
    const std::string file = dir / ".config/velmora/Velmora_me.ini";
    EXPECT_FALSE(store.Exists(dir / ".config"));
    EXPECT_TRUE(store.CheckWritable(file).ok);
    ASSERT_TRUE(store.Write(file, "x=1\n").ok);
    EXPECT_EQ(ReadFile(file), "x=1\n");
    EXPECT_TRUE(store.Exists(file));
    EXPECT_EQ(ModeOf(dir / ".config"), 0700u);
    EXPECT_EQ(ModeOf(dir / ".config/velmora"), 0700u);
    AsOrdinaryAccount(dir.path(), [&] {
        ::chmod(dir.path().c_str(), 0555);
        const std::string elsewhere = dir / "other/velmora/Velmora_me.ini";
        EXPECT_FALSE(store.CheckWritable(elsewhere).ok);
        EXPECT_FALSE(store.Write(elsewhere, "x").ok);
        EXPECT_FALSE(store.Exists(dir / "other"));
    });
}

TEST(PlatformFileStore, AFailedWriteLeavesTheOldFileWholeAndNoTemporaryBehind) {
    platform::PrepareProcess();  // a write past the size limit must fail, not kill us
    TempDir dir;
    platform::SystemFileStore store;
    platform::SystemLegacyCodec codec;
    const std::string path = dir / "Velmora_me.ini";
    WriteFile(path, "[Item]\nItemName0=keep\n");
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 1024;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const FileWriteResult result = store.Write(path, std::string(1 << 20, 'x'));
    ::setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.empty());
    EXPECT_EQ(ReadFile(path), "[Item]\nItemName0=keep\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
    // Nor can a file be written where its folder cannot be made.
    EXPECT_FALSE(store.Write(path + "/sub/x.ini", "x").ok);
    EXPECT_FALSE(store.CheckWritable(path + "/sub/x.ini").ok);
}

TEST(PlatformFileStore, ADirectoryInTheFilesPlaceIsUnreadableAndKept) {
    TempDir dir;
    const std::string path = dir / "Velmora_me.ini";
    std::filesystem::create_directory(path);
    platform::SystemFileStore store;
    platform::SystemLegacyCodec codec;
    EXPECT_EQ(store.Read(path, 1 << 20).status, FileReadResult::Status::Failed);
    EXPECT_EQ(store.Read(dir / "absent.ini", 1 << 20).status, FileReadResult::Status::Missing);
    SettingsFile file(path, store, codec);
    file.Load(640);
    EXPECT_FALSE(file.Save(Settings{}, {{"a", "/a"}}).ok);
    EXPECT_TRUE(std::filesystem::is_directory(path));
}

TEST(PlatformFileStore, ASymbolicLinkToTheSettingsStaysALink) {
    TempDir dir;
    const std::string real = dir / "real.ini";
    const std::string link = dir / "Velmora_me.ini";
    WriteFile(real, "[Config]\n");
    std::filesystem::create_symlink(real, link);
    ASSERT_TRUE(platform::SystemFileStore().Write(link, "[Config]\nWindowPosition=2\n").ok);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadFile(real), "[Config]\nWindowPosition=2\n");
}

TEST(PlatformFileStore, AFileWithoutReadPermissionIsNeverOverwritten) {
    TempDir dir;
    const std::string path = dir / "Velmora_me.ini";
    AsOrdinaryAccount(dir.path(), [&] {
        WriteFile(path, "[Item]\nItemName0=mine\n");
        ::chmod(path.c_str(), 0200);
        platform::SystemFileStore store;
        platform::SystemLegacyCodec codec;
        SettingsFile file(path, store, codec);
        EXPECT_TRUE(file.Load(640).items.empty());
        EXPECT_FALSE(file.Save(Settings{}, {}).ok);
        ::chmod(path.c_str(), 0600);
        EXPECT_EQ(ReadFile(path), "[Item]\nItemName0=mine\n");
    });
}

TEST(PlatformFileStore, AWritableFileInAReadOnlyFolderIsRewrittenInPlace) {
    TempDir dir;
    const std::string folder = dir / "ro";
    const std::string path = folder + "/Velmora_me.ini";
    AsOrdinaryAccount(dir.path(), [&] {
        std::filesystem::create_directory(folder);
        WriteFile(path, "[Item]\nItemName0=old and long enough\n");
        ::chmod(path.c_str(), 0640);
        ::chmod(folder.c_str(), 0555);
        platform::SystemFileStore store;
        platform::SystemLegacyCodec codec;
        EXPECT_TRUE(store.CheckWritable(path).ok);
        const FileWriteResult written = store.Write(path, "[Item]\nItemName0=new\n");
        EXPECT_TRUE(written.ok) << written.error;
        EXPECT_EQ(ReadFile(path), "[Item]\nItemName0=new\n");
        EXPECT_EQ(ModeOf(path), 0640u);
        // Neither the file nor the folder writable: the reason is known before the save.
        ::chmod(path.c_str(), 0440);
        const FileWriteResult check = store.CheckWritable(path);
        EXPECT_FALSE(check.ok);
        EXPECT_EQ(check.errorKind, FileError::PermissionDenied);
        EXPECT_FALSE(store.Write(path, "x").ok);
        EXPECT_EQ(ReadFile(path), "[Item]\nItemName0=new\n");
        ::chmod(folder.c_str(), 0755);
    });
}
