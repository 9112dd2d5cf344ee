#include <gtest/gtest.h>

#include "MemoryStore.h"
#include "core/settings/SettingsFile.h"

using namespace velmora;

using velmora::testing::MemoryStore;

TEST(SettingsFile, FirstExitCreatesTheFile) {
    MemoryStore store;
    SettingsFile file("/a/Velmora_me.ini", store, store);
    const LoadedSettings loaded = file.Load(640);
    EXPECT_TRUE(file.Save(loaded.settings, {{"x", "/bin/x"}}).ok);
    EXPECT_EQ(store.files["/a/Velmora_me.ini"],
              "[Config]\nWindowPosition=0\nCapturePixel=10\nWindowWidth=0\n[Item]\nItemName0="
              "x\nItemPath0=/bin/x\n");
}

TEST(SettingsFile, SaveKeepsWhatAnotherInstanceWroteMeanwhile) {
    MemoryStore store;
    store.files["f.ini"] = "[Item]\nItemName0=a\nItemPath0=/a\n";
    SettingsFile file("f.ini", store, store);
    LoadedSettings loaded = file.Load(640);
    store.files["f.ini"] += "[Other]\nkept=yes\n";
    ASSERT_TRUE(file.Save(loaded.settings, {{"b", "/b"}}).ok);
    EXPECT_NE(store.files["f.ini"].find("kept=yes"), std::string::npos);
    EXPECT_NE(store.files["f.ini"].find("ItemName0=b"), std::string::npos);
}

// A system install: the file left beside the program (shipped there, or from the days its folder
// was writable) is the starting content of the user's own file, and is never written.
TEST(SettingsFile, StartsFromTheFileBesideTheProgramAndSavesInItsOwnPlace) {
    MemoryStore store;
    const std::string beside = "/usr/bin/Velmora_me.ini";
    const std::string own = "/home/me/.config/velmora/Velmora_me.ini";
    store.files[beside] =
        "; left by the administrator\r\n[Config]\r\nWindowPosition=2\r\n"
        "[Item]\r\nItemName0=a\r\nItemPath0=/a\r\n";
    const std::string shipped = store.files[beside];
    SettingsFile file(own, store, store, beside);
    LoadedSettings loaded = file.Load(640);
    EXPECT_EQ(loaded.settings.WindowPosition, 2);
    ASSERT_EQ(loaded.items.size(), 1u);
    loaded.items.push_back({"b", "/b"});
    ASSERT_TRUE(file.Save(loaded.settings, loaded.items).ok);
    EXPECT_EQ(store.files[beside], shipped);
    // The new file keeps the starting file's comment and line ends.
    EXPECT_EQ(store.files[own].rfind("; left by the administrator\r\n", 0), 0u);
    EXPECT_NE(store.files[own].find("ItemName1=b\r\n"), std::string::npos);

    // From then on the user's file alone counts.
    store.files[beside] = "[Item]\nItemName0=changed\nItemPath0=/c\n";
    SettingsFile again(own, store, store, beside);
    EXPECT_EQ(again.Load(640).items.size(), 2u);
}

TEST(SettingsFile, AnUnreadableStartingFileIsReportedAndNothingIsSaved) {
    MemoryStore store;
    store.unreadable["/usr/bin/Velmora_me.ini"] = {FileError::PermissionDenied,
                                                   "Permission denied"};
    SettingsFile file("/home/me/.config/velmora/Velmora_me.ini", store, store,
                      "/usr/bin/Velmora_me.ini");
    const LoadedSettings loaded = file.Load(640);
    const auto problem = file.ProblemForSaving();
    ASSERT_TRUE(problem.has_value());
    EXPECT_NE(problem->find("/usr/bin/Velmora_me.ini"), std::string::npos);
    EXPECT_FALSE(file.Save(loaded.settings, {}).ok);
    EXPECT_EQ(store.writes, 0);
}

TEST(SettingsFile, FailedSaveIsReportedWithTheFileAndTheReason) {
    MemoryStore store;
    store.writeResult = {false, FileError::Other, "No space left on device"};
    SettingsFile file("/ro/f.ini", store, store);
    file.Load(640);
    const SaveResult result = file.Save(Settings{}, {});
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find("/ro/f.ini"), std::string::npos);
    EXPECT_NE(result.message.find("No space left on device"), std::string::npos);
}

TEST(SettingsFile, AFileThatCouldNotBeReadIsNeverOverwritten) {
    MemoryStore store;
    store.unreadable["f.ini"] = {FileError::Other, "Permission denied"};
    SettingsFile file("f.ini", store, store);
    const LoadedSettings loaded = file.Load(640);
    EXPECT_TRUE(loaded.items.empty());
    store.unreadable.clear();  // even if it becomes readable later, its items were never loaded
    const SaveResult result = file.Save(loaded.settings, {});
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find("Permission denied"), std::string::npos);
    EXPECT_EQ(store.writes, 0);
}

TEST(SettingsFile, AFileThatBecameUnreadableBeforeTheSaveIsKept) {
    MemoryStore store;
    SettingsFile file("f.ini", store, store);
    file.Load(640);
    store.unreadable["f.ini"] = {FileError::NotAFile, "Is a directory"};
    EXPECT_FALSE(file.Save(Settings{}, {}).ok);
    EXPECT_EQ(store.writes, 0);
}

TEST(SettingsFile, AnOversizedFileIsKeptAsItIs) {
    MemoryStore store;
    store.files["f.ini"] = std::string(SettingsFile::kMaxFileBytes + 1, 'x');
    SettingsFile file("f.ini", store, store);
    EXPECT_TRUE(file.Load(640).items.empty());
    EXPECT_FALSE(file.Save(Settings{}, {}).ok);
    EXPECT_EQ(store.writes, 0);
}
