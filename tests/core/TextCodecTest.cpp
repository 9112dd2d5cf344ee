#include <gtest/gtest.h>

#include "MemoryStore.h"
#include "core/settings/SettingsFile.h"
#include "core/settings/TextCodec.h"

using namespace velmora;
using velmora::testing::MemoryStore;

namespace {

const TextForm kUtf8Lf{TextEncoding::Utf8, false, "\n"};

std::string Utf16Le(std::string_view utf8) { return "\xFF\xFE" + Utf8ToUtf16(utf8, false); }

// Loads the file, changes nothing but the given item list, saves, and returns the bytes.
std::string SaveWith(MemoryStore& store, const std::vector<StoredItem>& items) {
    SettingsFile file("f.ini", store, store);
    const LoadedSettings loaded = file.Load(640);
    EXPECT_TRUE(file.Save(loaded.settings, items).ok);
    return store.files["f.ini"];
}

}  // namespace

TEST(TextCodec, AByteOrderMarkDecidesTheEncoding) {
    MemoryStore store;
    const std::string text = "[Item]\r\nItemName0=表示 😀\r\n";
    DecodedText utf16le = DecodeText(Utf16Le(text), store, kUtf8Lf);
    EXPECT_EQ(utf16le.text, text);
    EXPECT_EQ(utf16le.form.encoding, TextEncoding::Utf16Le);
    EXPECT_TRUE(utf16le.form.byteOrderMark);
    DecodedText utf16be = DecodeText("\xFE\xFF" + Utf8ToUtf16(text, true), store, kUtf8Lf);
    EXPECT_EQ(utf16be.text, text);
    EXPECT_EQ(utf16be.form.encoding, TextEncoding::Utf16Be);
    DecodedText utf8 = DecodeText("\xEF\xBB\xBF" + text, store, kUtf8Lf);
    EXPECT_EQ(utf8.text, text);
    EXPECT_EQ(utf8.form, (TextForm{TextEncoding::Utf8, true, "\n"}));
    // Encoding gives the same bytes back.
    EXPECT_EQ(EncodeText(text, utf16le.form, store), Utf16Le(text));
    EXPECT_EQ(EncodeText(text, utf8.form, store), "\xEF\xBB\xBF" + text);
    // Unpaired surrogates and a lone last byte become U+FFFD instead of garbage.
    EXPECT_EQ(Utf16ToUtf8(std::string("\x3D\xD8\x41\x00\x42", 5), false),
              "\xEF\xBF\xBD"
              "A\xEF\xBF\xBD");
}

TEST(TextCodec, WithoutAMarkUtf8WinsThenEachLineDecidesForItself) {
    MemoryStore store;
    DecodedText utf8 = DecodeText("[A]\nk=日本語\n", store, kUtf8Lf);
    EXPECT_EQ(utf8.form, (TextForm{TextEncoding::Utf8, false, "\n"}));
    DecodedText legacy = DecodeText("[A]\r\nk=\x93\xFA\x96\x7B\r\n", store, kUtf8Lf);
    EXPECT_EQ(legacy.text, "[A]\r\nk=日本\r\n");
    EXPECT_EQ(legacy.form.encoding, TextEncoding::Legacy);
    // A legacy line appended to a UTF-8 file: each line keeps its own text.
    DecodedText mixed = DecodeText("[A]\nk=表示\nl=\x93\xFA\x96\x7B\rm=x", store, kUtf8Lf);
    EXPECT_EQ(mixed.text, "[A]\nk=表示\nl=日本\rm=x");
    // Legacy text that no longer fits its code page, and a mixed file, turn into UTF-16LE with
    // its mark: Windows' profile functions read no other Unicode form.
    EXPECT_EQ(mixed.form, (TextForm{TextEncoding::Utf16Le, true, "\n"}));
    EXPECT_EQ(EncodeText("k=日本", legacy.form, store), "k=\x93\xFA\x96\x7B");
    EXPECT_EQ(EncodeText("k=日本 😀", legacy.form, store), Utf16Le("k=日本 😀"));
    EXPECT_EQ(DecodeText("", store, TextForm{TextEncoding::Utf16Le, true, "\r\n"}).form.encoding,
              TextEncoding::Utf16Le);
}

TEST(SettingsFileForms, AUtf16FileSurvivesASessionByteForByteApartFromTheEdit) {
    MemoryStore store;
    const std::string before =
        "; written by "
        "Notepad\r\n[Config]\r\nWindowPosition=1\r\nCapturePixel=10\r\nWindowWidth=0\r\n"
        "[Item]\r\nItemName0=表示\r\nItemPath0=C:\\a.exe\r\nItemName1=日本語\r\nItemPath1=C:\\b."
        "exe\r\n";
    store.files["f.ini"] = Utf16Le(before);
    const std::string after = SaveWith(store, {{"表示", "C:\\a.exe"}, {"本", "C:\\b.exe"}});
    std::string expected = before;
    expected.replace(expected.find("ItemName1=日本語"), std::string("ItemName1=日本語").size(),
                     "ItemName1=本");
    EXPECT_EQ(after, Utf16Le(expected));
}

TEST(SettingsFileForms, ALegacyFileStaysLegacyWithItsLineEnds) {
    MemoryStore store;
    store.files["f.ini"] = "[Item]\rItemName0=\x93\xFA\x96\x7B\rItemPath0=C:\\a.exe\r";  // CR only
    EXPECT_EQ(SettingsFile("f.ini", store, store).Load(640).items.size(), 1u);
    const std::string after = SaveWith(store, {{"日本", "C:\\a.exe"}, {"あ", "C:\\b.exe"}});
    EXPECT_EQ(after,
              "[Item]\rItemName0=\x93\xFA\x96\x7B\rItemPath0=C:\\a.exe\rItemName1="
              "\x82\xA0\rItemPath1=C:\\b.exe\r"
              "[Config]\rWindowPosition=0\rCapturePixel=10\rWindowWidth=0\r");
}

TEST(SettingsFileForms, AMixedFileIsWrittenAsUtf16WithEveryLineKept) {
    MemoryStore store;
    store.files["f.ini"] = "[Item]\nItemName0=表示\nItemPath0=/a\n[Other]\nnote=\x93\xFA\x96\x7B\n";
    const std::string after = SaveWith(store, {{"表示", "/a"}});
    ASSERT_EQ(after.substr(0, 2), "\xFF\xFE");
    const std::string text = Utf16ToUtf8(std::string_view(after).substr(2), false);
    EXPECT_NE(text.find("ItemName0=表示\n"), std::string::npos);
    EXPECT_NE(text.find("note=日本\n"), std::string::npos);
    EXPECT_EQ(text.rfind("[Item]", 0), 0u);
}

// What Notepad writes for Latin text: on Windows it is in the ANSI code page, and stays there.
TEST(SettingsFileForms, AnAsciiFileIsInTheCodePageWhereTheSystemSaysSo) {
    const std::string ascii = "[Item]\r\nItemName0=memo\r\nItemPath0=C:\\a.txt\r\n";
    MemoryStore windows;
    windows.asciiIsLegacy = true;
    windows.files["f.ini"] = ascii;
    EXPECT_NE(SaveWith(windows, {{"memo", "C:\\a.txt"}, {"日本", "C:\\b.txt"}})
                  .find("ItemName1=\x93\xFA\x96\x7B\r\n"),
              std::string::npos);
    MemoryStore posix;
    posix.files["f.ini"] = ascii;
    EXPECT_NE(
        SaveWith(posix, {{"memo", "C:\\a.txt"}, {"日本", "C:\\b.txt"}}).find("ItemName1=日本\r\n"),
        std::string::npos);
}

TEST(SettingsFileForms, ANewFileTakesTheSystemsFormAndAUtf8MarkIsKept) {
    MemoryStore store;
    store.newFileForm = {TextEncoding::Utf16Le, true, "\r\n"};
    EXPECT_EQ(
        SaveWith(store, {{"a", "C:\\a.exe"}}),
        Utf16Le("[Config]\r\nWindowPosition=0\r\nCapturePixel=10\r\nWindowWidth=0\r\n[Item]\r\n"
                "ItemName0=a\r\nItemPath0=C:\\a.exe\r\n"));
    MemoryStore marked;
    marked.files["f.ini"] = "\xEF\xBB\xBF[Item]\nItemName0=a\nItemPath0=/a\n";
    EXPECT_EQ(SaveWith(marked, {{"a", "/a"}}).rfind("\xEF\xBB\xBF[Item]\nItemName0=a\n", 0), 0u);
}

TEST(SettingsFileForms, BlanksAroundTheEqualsSignAreNotPartOfNameOrValue) {
    MemoryStore store;
    store.files["f.ini"] =
        "[Item]\nItemName0 = gedit \nItemPath0 =\t/usr/bin/gedit\n[Config]\nWindowPosition = 2\n";
    SettingsFile file("f.ini", store, store);
    const LoadedSettings loaded = file.Load(640);
    ASSERT_EQ(loaded.items.size(), 1u);
    EXPECT_EQ(loaded.items[0].label, "gedit");
    EXPECT_EQ(loaded.items[0].target, "/usr/bin/gedit");
    EXPECT_EQ(loaded.settings.WindowPosition, 2);
    // Unchanged values keep their lines as written; values with blanks at their ends survive.
    ASSERT_TRUE(
        file.Save(loaded.settings, {{"gedit", "/usr/bin/gedit"}, {" padded\t", "  /x  "}}).ok);
    const std::string saved = store.files["f.ini"];
    EXPECT_NE(saved.find("ItemName0 = gedit \nItemPath0 =\t/usr/bin/gedit\n"), std::string::npos);
    const LoadedSettings again = SettingsFile("f.ini", store, store).Load(640);
    ASSERT_EQ(again.items.size(), 2u);
    EXPECT_EQ(again.items[1].label, " padded\t");
    EXPECT_EQ(again.items[1].target, "  /x  ");
}

TEST(SettingsFileForms, TroubleAheadForTheSaveIsKnownAtStartUp) {
    MemoryStore store;
    SettingsFile fine("f.ini", store, store);
    fine.Load(640);
    EXPECT_EQ(fine.ProblemForSaving(), std::nullopt);
    store.writable = {false, FileError::ReadOnlyFileSystem, "Read-only file system"};
    const auto problem = fine.ProblemForSaving();
    ASSERT_TRUE(problem);
    EXPECT_NE(problem->find("f.ini"), std::string::npos);
    EXPECT_NE(problem->find("読み取り専用のファイルシステムです。"), std::string::npos);
    MemoryStore locked;
    locked.unreadable["f.ini"] = {FileError::PermissionDenied, "Permission denied"};
    SettingsFile unreadable("f.ini", locked, locked);
    unreadable.Load(640);
    ASSERT_TRUE(unreadable.ProblemForSaving());
    EXPECT_NE(unreadable.ProblemForSaving()->find("アクセスが拒否されました。"), std::string::npos);
}
