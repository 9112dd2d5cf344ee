#include <gtest/gtest.h>

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
