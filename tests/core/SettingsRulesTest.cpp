#include <gtest/gtest.h>

#include "core/settings/SettingsRules.h"

using namespace velmora;

namespace {

IniDocument ItemsFile(int count, int emptyLabelAt = -1) {
    IniDocument doc;
    for (int i = 0; i < count; ++i) {
        doc.Set("Item", ItemNameKey(i), i == emptyLabelAt ? "" : "label" + std::to_string(i));
        doc.Set("Item", ItemPathKey(i), "target" + std::to_string(i));
    }
    return doc;
}

std::vector<StoredItem> SomeItems(int count) {
    std::vector<StoredItem> items;
    for (int i = 0; i < count; ++i)
        items.push_back({"new" + std::to_string(i), "t" + std::to_string(i)});
    return items;
}

}  // namespace

TEST(SettingsRules, DigitSettingsTakeOneCharacterInRange) {
    const struct {
        const char* stored;
        int max, expected;
    } cases[] = {{"3", 3, 3}, {"7", 3, 0}, {"12", 3, 0}, {"-1", 3, 0}, {"x", 3, 0}, {"", 3, 0},
                 {"4", 4, 4}, {"5", 4, 0}, {"10", 4, 0}, {" ", 4, 0},  {"２", 4, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(ReadDigitSetting(c.stored, c.max), c.expected) << c.stored;
}

TEST(SettingsRules, CapturePixelIsBoundedByHalfTheScreen) {
    const struct {
        const char* stored;
        double half;
        int expected;
    } cases[] = {{"1", 960, 1},    {"0", 960, 10},      {"", 960, 10},      {"-5", 960, 10},
                 {"abc", 960, 10}, {"1000", 960, 10},   {"0010", 960, 10},  {"12x", 960, 12},
                 {"2.5", 960, 2},  {"1e2", 960, 100},   {"1e2", 99, 10},    {"512", 512, 512},
                 {"513", 512, 10}, {"511", 511.5, 511}, {"512", 511.5, 10}, {"9e9", 960, 10}};
    for (const auto& c : cases) {
        EXPECT_EQ(ReadCapturePixel(c.stored, c.half), c.expected) << c.stored << " / " << c.half;
    }
}

TEST(SettingsRules, MissingFileGivesTheDefaults) {
    const LoadedSettings loaded = ReadSettings(IniDocument(), 960);
    EXPECT_EQ(loaded.settings.WindowPosition, 0);
    EXPECT_EQ(loaded.settings.CapturePixel, 10);
    EXPECT_EQ(loaded.settings.WindowWidth, 0);
    EXPECT_EQ(loaded.settings.LoadedItemCount, 0);
    EXPECT_TRUE(loaded.items.empty());
}

TEST(SettingsRules, TheFirstEmptyLabelEndsTheListAndMissingTargetsAreEmpty) {
    IniDocument doc = ItemsFile(5, 2);
    doc.Remove("Item", ItemPathKey(1));
    const LoadedSettings loaded = ReadSettings(doc, 960);
    ASSERT_EQ(loaded.items.size(), 2u);
    EXPECT_EQ(loaded.items[1].label, "label1");
    EXPECT_EQ(loaded.items[1].target, "");
    EXPECT_EQ(loaded.settings.LoadedItemCount, 2);
}

TEST(SettingsRules, AtMostTenThousandItemsLoad) {
    const LoadedSettings loaded = ReadSettings(ItemsFile(10002), 960);
    EXPECT_EQ(loaded.items.size(), 10000u);
    EXPECT_EQ(loaded.settings.LoadedItemCount, 10000);
    EXPECT_EQ(loaded.items.back().label, "label9999");
}

TEST(SettingsRules, FirstSaveWritesConfigThenItems) {
    IniDocument doc;
    Settings s;
    s.WindowPosition = 1;
    s.WindowWidth = 2;
    WriteSettings(doc, s,
                  {{"notepad.exe", "C:\\WINDOWS\\system32\\notepad.exe"},
                   {"--------------------", ""},
                   {"Docs", "D:\\Docs"}});
    EXPECT_EQ(doc.Serialize(),
              "[Config]\nWindowPosition=1\nCapturePixel=10\nWindowWidth=2\n[Item]\n"
              "ItemName0=notepad.exe\nItemPath0=C:\\WINDOWS\\system32\\notepad.exe\n"
              "ItemName1=--------------------\nItemPath1=\nItemName2=Docs\nItemPath2=D:\\Docs\n");
    const LoadedSettings back = ReadSettings(IniDocument::Parse(doc.Serialize()), 960);
    ASSERT_EQ(back.items.size(), 3u);
    EXPECT_EQ(back.items[1].label, "--------------------");
    EXPECT_EQ(back.items[1].target, "");
}

TEST(SettingsRules, SaveDeletesStaleKeysUpToTheLoadedCount) {
    const struct {
        int inFile, emptyAt, leftAtExit;
        std::vector<int> present, absent;
    } cases[] = {
        // Two loaded (index 2 empty), two left: index 2 goes, 3 and 4 stay untouched.
        {5, 2, 2, {0, 1, 3, 4}, {2}},
        // Ten loaded, seven left: 7 to 10 deleted.
        {10, -1, 7, {0, 6}, {7, 8, 9, 10}},
        // All deleted: only Config remains of what was loaded.
        {4, -1, 0, {}, {0, 1, 2, 3, 4}},
        // More than 10000: index 10000 goes, 10001 stays.
        {10003, -1, 10000, {9999, 10001, 10002}, {10000}},
    };
    for (const auto& c : cases) {
        IniDocument doc = ItemsFile(c.inFile, c.emptyAt);
        Settings s = ReadSettings(doc, 960).settings;
        WriteSettings(doc, s, SomeItems(c.leftAtExit));
        for (int i : c.present) EXPECT_TRUE(doc.Get("Item", ItemNameKey(i)).has_value()) << i;
        for (int i : c.absent) {
            EXPECT_FALSE(doc.Get("Item", ItemNameKey(i)).has_value()) << i;
            EXPECT_FALSE(doc.Get("Item", ItemPathKey(i)).has_value()) << i;
        }
    }
}

TEST(SettingsRules, KeysAboveTheDeletedRangeAreNeverTouched) {
    IniDocument doc = ItemsFile(5, 2);
    Settings s = ReadSettings(doc, 960).settings;
    WriteSettings(doc, s, SomeItems(2));
    EXPECT_EQ(doc.Get("Item", ItemNameKey(3)), "label3");
    EXPECT_EQ(doc.Get("Item", ItemPathKey(4)), "target4");
    EXPECT_EQ(doc.Get("Item", ItemNameKey(0)), "new0");
}
