#include <gtest/gtest.h>

#include <stdexcept>

#include "Fakes.h"
#include "MemoryStore.h"
#include "core/app/Session.h"

using namespace velmora;
using namespace velmora::testing;

namespace {

// A dialog host whose settings dialog throws, as a broken view might.
struct ThrowingDialogs : FakeDialogs {
    void RunSettingsDialog(SettingsDialogLogic&) override {
        throw std::runtime_error("broken view");
    }
};

struct SessionFixture {
    FakeInstanceLock instanceLock;
    MemoryStore store;
    FakeShell shell;
    FakeMessages messages;
    FakeDiagnostics diagnostics;
    ThrowingDialogs dialogs;
    FakePanel panel;
    StringListControl itemList;
    FakeScreen screen;
    FakeTimer timer;
    StartupEnvironment env;
    int finished = 0;
    const std::string path = "/opt/velmora/Velmora_tester.ini";

    SessionFixture() {
        env.userName = "tester";
        env.executableDirectory = "/opt/velmora";
        env.executableBaseName = "Velmora";
        dialogs.timer = &timer;
    }
    std::unique_ptr<Session> Start() {
        auto session = std::make_unique<Session>(
            env, SessionServices{instanceLock, store, store, shell, messages, diagnostics, dialogs},
            PanelViews{panel, itemList, screen, timer});
        session->onFinished = [this] { ++finished; };
        return session;
    }
};

}  // namespace

TEST(Session, StartsHiddenAtTheConfiguredWidthTopmostWithTheStoredItems) {
    SessionFixture f;
    f.store.files[f.path] =
        "[Config]\nWindowPosition=1\nCapturePixel=4\nWindowWidth=2\n[Item]\n"
        "ItemName0=a\nItemPath0=/a\nItemName1=b\nItemPath1=/b\nItemName2=\nItemName3=c\n";
    f.panel.visible = true;
    auto session = f.Start();
    EXPECT_EQ(session->settingsFilePath(), f.path);
    EXPECT_EQ(session->appDir(), "/opt/velmora/");
    EXPECT_EQ(f.panel.calls, (std::vector<std::string>{"hide", "width", "topmost"}));
    EXPECT_FALSE(f.panel.visible);
    EXPECT_DOUBLE_EQ(f.panel.width, 5190);
    EXPECT_EQ(f.panel.keyHelp, "削除： DEL キー\r\n上へ： Alt+↑\r\n下へ： Alt+↓");
    EXPECT_EQ(session->panel().BaseWidth(), 2595);  // measured before the width factor
    EXPECT_EQ(f.itemList.Count(), 2);
    EXPECT_EQ(session->settings().CapturePixel, 4);
    EXPECT_EQ(session->settings().LoadedItemCount, 2);
    EXPECT_EQ(f.store.writes, 0);
}

TEST(Session, TheExitButtonSavesOnceAndFinishes) {
    SessionFixture f;
    f.store.files[f.path] = "[Item]\nItemName0=a\nItemPath0=/a\nItemName1=b\nItemPath1=/b\n";
    auto session = f.Start();
    f.itemList.SetSelectedIndex(0);
    f.itemList.events.keyUp(ListKey::Delete, 0);
    session->settings().WindowPosition = 2;
    f.panel.events.exitClick();
    f.panel.events.closed();  // a second report of the closing changes nothing
    EXPECT_EQ(f.finished, 1);
    EXPECT_EQ(f.store.writes, 1);
    EXPECT_FALSE(f.timer.enabled);
    EXPECT_EQ(f.store.files[f.path],
              "[Item]\nItemName0=b\nItemPath0=/"
              "b\n[Config]\nWindowPosition=2\nCapturePixel=10\nWindowWidth=0\n");
    EXPECT_TRUE(f.messages.shown.empty());
}

// A failed save at the end is offered again before any window goes: the user makes the file
// writable and tries again (the default), or ends without saving.
TEST(Session, AFailedSaveIsOfferedAgainUntilItSucceedsOrTheUserGivesUp) {
    SessionFixture f;
    auto session = f.Start();
    f.panel.events.separatorClick();
    f.store.writeResult = {false, FileError::Other, "No space left on device"};
    f.messages.answerRetry = [&] {
        EXPECT_EQ(f.panel.unloads, 0);  // the windows still stand
        if (f.messages.asked.size() == 2) f.store.writeResult = {true, FileError::None, {}};
        return true;
    };
    f.panel.events.exitClick();
    ASSERT_EQ(f.messages.asked.size(), 2u);
    EXPECT_NE(f.messages.asked[0].find(f.path), std::string::npos);
    EXPECT_NE(f.messages.asked[0].find("No space left on device"), std::string::npos);
    EXPECT_NE(f.messages.asked[0].find("［再試行］"), std::string::npos);
    EXPECT_EQ(f.panel.unloads, 1);
    EXPECT_NE(f.store.files[f.path].find("ItemName0=--------------------"), std::string::npos);
    EXPECT_EQ(f.finished, 1);

    SessionFixture g;
    auto givenUp = g.Start();
    g.store.writeResult = {false, FileError::Other, "No space left on device"};
    g.panel.events.closed();  // closed from outside
    EXPECT_EQ(g.messages.asked.size(), 1u);
    EXPECT_EQ(g.diagnostics.reports.size(), 1u);
    EXPECT_EQ(g.finished, 1);

    SessionFixture h;
    auto quiet = h.Start();
    h.store.writeResult = {false, FileError::Other, "Read-only file system"};
    quiet->UnloadForShutdown();
    EXPECT_TRUE(h.messages.shown.empty());  // no window can be shown at that point
    EXPECT_TRUE(h.messages.asked.empty());
    ASSERT_EQ(h.diagnostics.reports.size(), 1u);
    EXPECT_NE(h.diagnostics.reports[0].find("Read-only file system"), std::string::npos);
    EXPECT_EQ(h.finished, 1);
}

TEST(Session, AnExceptionInAnEventHandlerSavesTheItemsAndEnds) {
    SessionFixture f;
    auto session = f.Start();
    f.panel.events.separatorClick();
    EXPECT_NO_THROW(f.panel.events.settingsClick());
    EXPECT_EQ(f.finished, 1);
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_NE(f.messages.shown[0].find("broken view"), std::string::npos);
    EXPECT_NE(f.store.files[f.path].find("ItemName0=--------------------"), std::string::npos);
    f.panel.events.exitClick();
    EXPECT_EQ(f.store.writes, 1);
}

TEST(Session, TimerTicksAndDropsReachThePanelBehaviour) {
    SessionFixture f;
    auto session = f.Start();
    f.screen.x = 1915;
    f.timer.tick();
    EXPECT_TRUE(f.panel.visible);
    EXPECT_DOUBLE_EQ(f.panel.left, 1920 * 15 - 2595);
    DropData fileDrop;
    fileDrop.offersFiles = true;
    fileDrop.files = {"/home/me/tool.sh"};
    f.itemList.events.drop(fileDrop);
    ASSERT_EQ(f.itemList.Count(), 1);
    EXPECT_EQ(f.itemList.Text(0), "tool.sh");
    DropData textDrop;
    textDrop.text = "-v";
    f.panel.events.argumentDrop(textDrop, 0);
    EXPECT_EQ(session->panel().OneShotArgs(), "-v");
    f.panel.events.argumentDrop(fileDrop, kCtrlMask);
    EXPECT_EQ(session->panel().OneShotArgs(), "-v /home/me/tool.sh");
}

TEST(Session, ASecondStartOnTheSameSettingsFileEndsWithoutTouchingIt) {
    SessionFixture first;
    first.store.files[first.path] = "[Item]\nItemName0=a\nItemPath0=/a\n";
    auto running = Session::Start(first.env,
                                  {first.instanceLock, first.store, first.store, first.shell,
                                   first.messages, first.diagnostics, first.dialogs},
                                  {first.panel, first.itemList, first.screen, first.timer});
    ASSERT_TRUE(running);
    SessionFixture second;
    second.instanceLock.held = first.instanceLock.held;  // the same machine
    second.store.files = first.store.files;
    auto refused = Session::Start(second.env,
                                  {second.instanceLock, second.store, second.store, second.shell,
                                   second.messages, second.diagnostics, second.dialogs},
                                  {second.panel, second.itemList, second.screen, second.timer});
    EXPECT_FALSE(refused);
    EXPECT_EQ(second.messages.shown,
              (std::vector<std::string>{"Velmora は既に起動しています。\n" + second.path}));
    EXPECT_EQ(second.itemList.Count(), 0);
    EXPECT_EQ(second.store.writes, 0);
    EXPECT_TRUE(first.messages.shown.empty());
    // Another executable name, or another user, is another settings file.
    SessionFixture other;
    other.instanceLock.held = first.instanceLock.held;
    other.env.userName = "someone";
    EXPECT_TRUE(Session::Start(other.env,
                               {other.instanceLock, other.store, other.store, other.shell,
                                other.messages, other.diagnostics, other.dialogs},
                               {other.panel, other.itemList, other.screen, other.timer}));
}

TEST(Session, WarnsOnceItRunsWhenTheSaveWillFail) {
    SessionFixture f;
    f.store.writable = {false, FileError::PermissionDenied, "Permission denied"};
    auto session = f.Start();
    EXPECT_TRUE(f.messages.shown.empty());  // nothing during start-up itself
    session->WarnIfSavingWillFail();
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_NE(f.messages.shown[0].find(f.path), std::string::npos);
    EXPECT_NE(f.messages.shown[0].find("アクセスが拒否されました。"), std::string::npos);
    SessionFixture fine;
    fine.Start()->WarnIfSavingWillFail();
    EXPECT_TRUE(fine.messages.shown.empty());
}

// Installed system-wide: the program's folder takes no file, so the settings live in the user's
// folder without a word at start-up, and the read-me is found in the documentation folder.
TEST(Session, ASystemInstallKeepsTheSettingsInTheUsersFolder) {
    SessionFixture f;
    f.env.executableDirectory = "/usr/bin";
    f.env.userSettingsFolder = "/home/tester/.config/velmora/";
    f.env.documentationFolder = "../share/doc/velmora/";
    const std::string beside = "/usr/bin/Velmora_tester.ini";
    const std::string own = "/home/tester/.config/velmora/Velmora_tester.ini";
    const std::string readme = "/usr/bin/../share/doc/velmora/読んで☆.txt";
    f.store.notWritable[beside] = {false, FileError::PermissionDenied, "Permission denied"};
    f.store.files[readme] = "guide";
    f.store.files[beside] = "[Item]\nItemName0=shipped\nItemPath0=/usr/bin/xterm\n";

    auto session = Session::Start(
        f.env, {f.instanceLock, f.store, f.store, f.shell, f.messages, f.diagnostics, f.dialogs},
        {f.panel, f.itemList, f.screen, f.timer});
    ASSERT_TRUE(session);
    EXPECT_EQ(session->settingsFilePath(), own);
    EXPECT_EQ(f.instanceLock.mine, std::vector<std::string>{InstanceLockName(own)});
    session->WarnIfSavingWillFail();
    EXPECT_TRUE(f.messages.shown.empty());
    EXPECT_EQ(f.itemList.Count(), 1);

    f.dialogs.openReadme = true;
    session->panel().OnAboutClick();
    ASSERT_EQ(f.shell.calls.size(), 1u);
    EXPECT_EQ(f.shell.calls[0].file, readme);

    session->onFinished = [] {};
    session->panel().OnExitClick();
    EXPECT_NE(f.store.files[own].find("ItemName0=shipped"), std::string::npos);
    EXPECT_EQ(f.store.files[beside], "[Item]\nItemName0=shipped\nItemPath0=/usr/bin/xterm\n");
}
