#include <gtest/gtest.h>

#include "MemoryStore.h"
#include "core/app/AppPaths.h"

using namespace velmora;

TEST(AppPaths, SettingsFileLiesBesideTheExecutablePerUser) {
    EXPECT_EQ(MakeSettingsFilePath(InitAppPath("C:\\Tools", '\\'), "launcher", "user1"),
              "C:\\Tools\\launcher_user1.ini");
    EXPECT_EQ(InitAppPath("D:\\", '\\'), "D:\\");
    EXPECT_EQ(InitAppPath("/opt/velmora", '/'), "/opt/velmora/");
    EXPECT_EQ(InitAppPath("/", '/'), "/");
    // Without a login name the file is still found, named after the executable alone.
    EXPECT_EQ(MakeSettingsFilePath("/opt/v/", "Velmora", ""), "/opt/v/Velmora_.ini");
    EXPECT_NE(MakeSettingsFilePath("/a/", "Velmora", "ann"),
              MakeSettingsFilePath("/a/", "Velmora", "bob"));
}

TEST(AppPaths, TheUsersSettingsFolderFollowsTheXdgRuleAndWindowsAppData) {
    EXPECT_EQ(XdgSettingsFolder("/home/ann/.cfg", "/home/ann"), "/home/ann/.cfg/velmora/");
    EXPECT_EQ(XdgSettingsFolder("/home/ann/.cfg/", "/home/ann"), "/home/ann/.cfg/velmora/");
    // Unset, empty or relative: the variable is ignored, as the XDG Base Directory rule says.
    for (const std::optional<std::string>& ignored :
         {std::optional<std::string>(), std::optional<std::string>(""),
          std::optional<std::string>("cfg"), std::optional<std::string>("./cfg")}) {
        EXPECT_EQ(XdgSettingsFolder(ignored, "/home/ann"), "/home/ann/.config/velmora/");
    }
    EXPECT_EQ(XdgSettingsFolder(std::nullopt, "/"), "/.config/velmora/");
    EXPECT_EQ(XdgSettingsFolder(std::nullopt, ""), "");  // no home: beside the program only
    EXPECT_EQ(XdgSettingsFolder("relative", "relative"), "");

    EXPECT_EQ(WindowsSettingsFolder("C:\\Users\\ann\\AppData\\Roaming"),
              "C:\\Users\\ann\\AppData\\Roaming\\Velmora\\");
    EXPECT_EQ(WindowsSettingsFolder("\\\\server\\profiles\\ann\\"),
              "\\\\server\\profiles\\ann\\Velmora\\");
    EXPECT_EQ(WindowsSettingsFolder(std::nullopt), "");
    EXPECT_EQ(WindowsSettingsFolder(""), "");
    EXPECT_EQ(WindowsSettingsFolder("AppData"), "");
    EXPECT_EQ(WindowsSettingsFolder("C:AppData"), "");
}

TEST(AppPaths, TheSettingsFileStaysBesideTheProgramWhereverItCanBeSaved) {
    velmora::testing::MemoryStore store;
    const std::string beside = "/usr/bin/Velmora_ann.ini";
    const std::string own = "/home/ann/.config/velmora/Velmora_ann.ini";
    const FileWriteResult denied{false, FileError::PermissionDenied, "Permission denied"};

    // A folder of one's own (and Windows' portable use): beside the program, as always.
    store.files[own] = "[Config]\n";
    SettingsLocation chosen = ChooseSettingsLocation(beside, own, store);
    EXPECT_EQ(chosen.path, beside);
    EXPECT_EQ(chosen.startFrom, "");

    // A system install: the user's folder, starting from a file left beside the program.
    store.notWritable[beside] = denied;
    chosen = ChooseSettingsLocation(beside, own, store);
    EXPECT_EQ(chosen.path, own);
    EXPECT_EQ(chosen.startFrom, beside);

    // Neither can be written: the file that holds the user's settings, then the reported save.
    store.notWritable[own] = denied;
    EXPECT_EQ(ChooseSettingsLocation(beside, own, store).path, own);
    store.files.erase(own);
    EXPECT_EQ(ChooseSettingsLocation(beside, own, store).path, beside);
    // No folder of the user's known.
    EXPECT_EQ(ChooseSettingsLocation(beside, "", store).path, beside);
}

TEST(AppPaths, TheReadmeIsBesideTheProgramElseInTheDocumentationFolder) {
    velmora::testing::MemoryStore store;
    const std::string doc = "/usr/bin/../share/doc/velmora/読んで☆.txt";
    store.files[doc] = "guide";
    EXPECT_EQ(ReadmePath("/usr/bin/", "../share/doc/velmora/", store), doc);
    store.files["/usr/bin/読んで☆.txt"] = "guide";
    EXPECT_EQ(ReadmePath("/usr/bin/", "../share/doc/velmora/", store), "/usr/bin/読んで☆.txt");
    // Neither there: the one beside the program, which the shell then fails to open quietly.
    EXPECT_EQ(ReadmePath("/opt/v/", "../share/doc/velmora/", store), "/opt/v/読んで☆.txt");
    EXPECT_EQ(ReadmePath("C:\\Tools\\", "", store), "C:\\Tools\\読んで☆.txt");
}
