#include <gtest/gtest.h>

#include "core/settings/IniDocument.h"

using namespace velmora;

TEST(IniDocument, ReadsValuesWithoutTheBlanksAroundThemAndNamesWithoutCase) {
    const IniDocument doc = IniDocument::Parse(
        "; comment\r\n[config]\r\nwindowposition=3\r\n CapturePixel = 12 \r\n[Item]\r\n"
        "ItemPath0=\"C:\\A B\\x.exe\" -y\r\nItemName0= spaced =x\r\nItemName0=second\r\n");
    EXPECT_EQ(doc.Get("Config", "WindowPosition"), "3");
    EXPECT_EQ(doc.Get("CONFIG", "capturepixel"), "12");  // as the profile functions read it
    EXPECT_EQ(doc.Get("Item", "ItemPath0"), "\"C:\\A B\\x.exe\" -y");
    EXPECT_EQ(doc.Get("Item", "ItemName0"), "spaced =x");  // the first of equal keys wins
    EXPECT_EQ(doc.Get("Item", "Missing"), std::nullopt);
    EXPECT_EQ(doc.Get("Nope", "ItemName0"), std::nullopt);
    EXPECT_EQ(doc.GetOr("Nope", "x"), "");
    // CR alone ends a line too, as old Mac editors write it.
    const IniDocument mac = IniDocument::Parse("[Item]\rItemName0=a\rItemPath0=/a\r");
    EXPECT_EQ(mac.Get("Item", "ItemPath0"), "/a");
    EXPECT_EQ(mac.LineEnd(), "\r");
}

TEST(IniDocument, KeepsWhatItDoesNotTouchAndEditsInPlace) {
    IniDocument doc = IniDocument::Parse("; mine\n[Other]\na=1\n\n[Config]\nWindowPosition=1\n");
    doc.Set("config", "WindowPosition", "2");
    doc.Set("Config", "CapturePixel", "10");
    doc.Set("Item", "ItemName0", "x");
    doc.Remove("Other", "a");
    doc.Remove("Other", "never-there");
    EXPECT_EQ(
        doc.Serialize(),
        "; mine\n[Other]\n\n[Config]\nWindowPosition=2\nCapturePixel=10\n[Item]\nItemName0=x\n");
}

TEST(IniDocument, NewKeysGoBeforeTheBlankLinesThatEndASection) {
    IniDocument doc = IniDocument::Parse("[A]\nx=1\n\n[B]\ny=2\n");
    doc.Set("A", "z", "3");
    EXPECT_EQ(doc.Serialize(), "[A]\nx=1\nz=3\n\n[B]\ny=2\n");
}

TEST(IniDocument, KeepsCrLfFiles) {
    IniDocument doc = IniDocument::Parse("[A]\r\nx=1\r\n");
    doc.Set("A", "y", "2");
    EXPECT_EQ(doc.Serialize(), "[A]\r\nx=1\r\ny=2\r\n");
}

TEST(IniDocument, LineBreaksInValuesCannotInjectKeysOrSections) {
    IniDocument doc;
    const std::string hostile = "evil\n[Config]\nWindowPosition=3\r\nItemName5=x";
    doc.Set("Item", "ItemName0", hostile);
    doc.Set("Item", "ItemPath0", std::string("nul\0byte%0A", 12));
    const IniDocument back = IniDocument::Parse(doc.Serialize());
    EXPECT_EQ(back.Get("Item", "ItemName0"), hostile);
    EXPECT_EQ(back.Get("Item", "ItemPath0"), std::string("nul\0byte%0A", 12));
    EXPECT_EQ(back.Get("Config", "WindowPosition"), std::nullopt);
    EXPECT_EQ(back.Get("Item", "ItemName5"), std::nullopt);
}

TEST(IniDocument, OrdinaryValuesAreStoredUnchangedAndEveryValueRoundTrips) {
    EXPECT_EQ(IniDocument::EncodeValue("C:\\100%\\a=b;c"), "C:\\100%\\a=b;c");
    const std::string prefixed = std::string(IniDocument::kEscapedValuePrefix) + "x%41";
    const std::string longValue(5000, 'v');
    for (const std::string& value :
         {prefixed, longValue, std::string(), std::string("  padded  ")}) {
        IniDocument doc;
        doc.Set("S", "k", value);
        EXPECT_EQ(IniDocument::Parse(doc.Serialize()).Get("S", "k"), value);
    }
}

TEST(IniDocument, RemovingAKeyRemovesItsRepeatedLinesToo) {
    // Otherwise a stale copy would rise in its place at the next start.
    IniDocument doc = IniDocument::Parse("[S]\nk=1\nx=0\nK=2\n[T]\nk=3\n");
    doc.Remove("S", "k");
    EXPECT_EQ(doc.Get("S", "k"), std::nullopt);
    EXPECT_EQ(doc.Get("T", "k"), "3");
    doc.Set("S", "k", "4");
    EXPECT_EQ(doc.Serialize(), "[S]\nx=0\nk=4\n[T]\nk=3\n");
}
