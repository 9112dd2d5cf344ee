#include <gtest/gtest.h>

#include "Fakes.h"

using namespace velmora;
using velmora::testing::FakeSettingsView;
using velmora::testing::PanelFixture;
using Strings = std::vector<std::string>;

namespace {
const std::string kFull = "アイテム数は 10000 個までです。";

void Fill(PanelFixture& f, int count) {
    for (int i = 0; i < count; ++i) f.Add("l" + std::to_string(i), "t" + std::to_string(i));
}
}  // namespace

TEST(ItemList, DroppedFilesAreAppendedWithTheirLabels) {
    PanelFixture f;
    f.Add("first", "C:\\first.exe");
    f.itemList.SetSelectedIndex(0);
    f.logic.OnListDrop(
        DroppedContent{DroppedFiles{"C:\\Windows\\notepad.exe", "D:\\", "C:\\Users\\me\\"}});
    EXPECT_EQ(f.Labels(), (Strings{"first", "notepad.exe", "D:\\", "me"}));
    EXPECT_EQ(f.Targets(),
              (Strings{"C:\\first.exe", "C:\\Windows\\notepad.exe", "D:\\", "C:\\Users\\me\\"}));
    EXPECT_EQ(f.itemList.SelectedIndex(), 0);  // the selection is not changed
    f.logic.OnListDrop(DroppedContent{DroppedText{"just text"}});
    f.logic.OnListDrop(std::nullopt);
    EXPECT_EQ(f.itemList.Count(), 4);
    EXPECT_TRUE(f.messages.shown.empty());
}

TEST(ItemList, DropsStopAtTheItemLimitWithOneWarning) {
    PanelFixture f(PathStyle::Posix);
    Fill(f, 9999);
    f.logic.OnListDrop(DroppedContent{DroppedFiles{"/a", "/b", "/c"}});
    EXPECT_EQ(f.itemList.Count(), 10000);
    EXPECT_EQ(f.itemList.Text(9999), "a");
    EXPECT_EQ(f.messages.shown, (Strings{kFull}));
    f.logic.OnListDrop(DroppedContent{DroppedFiles{"/d"}});
    EXPECT_EQ(f.itemList.Count(), 10000);
    EXPECT_EQ(f.messages.shown.size(), 2u);
}

TEST(ItemList, SeparatorGoesBeforeTheSelectionOrAtTheEnd) {
    PanelFixture f;
    Fill(f, 2);
    f.logic.OnSeparatorClick();
    EXPECT_EQ(f.Labels(), (Strings{"l0", "l1", "--------------------"}));
    f.itemList.SetSelectedIndex(0);
    f.logic.OnSeparatorClick();
    EXPECT_EQ(f.Labels(), (Strings{"--------------------", "l0", "l1", "--------------------"}));
    EXPECT_EQ(f.Targets(), (Strings{"", "t0", "t1", ""}));
}

TEST(ItemList, SeparatorAndDuplicateRespectTheItemLimit) {
    PanelFixture f;
    Fill(f, 10000);
    f.logic.OnSeparatorClick();
    EXPECT_EQ(f.itemList.Count(), 10000);
    f.itemList.SetSelectedIndex(5);
    f.dialogs.itemButton = layout::item::Duplicate;
    f.logic.OnListMouseUp(MouseButton::Right, 0);
    EXPECT_EQ(f.itemList.Count(), 10000);
    EXPECT_EQ(f.targetList.Count(), 10000);
    EXPECT_EQ(f.messages.shown, (Strings{kFull, kFull}));
}

TEST(ItemList, DeleteNeedsTheBareKeyAndASelection) {
    PanelFixture f;
    Fill(f, 3);
    f.logic.OnListKeyUp(ListKey::Delete, 0);
    EXPECT_EQ(f.itemList.Count(), 3);
    f.itemList.SetSelectedIndex(1);
    for (int mask : {kShiftMask, kCtrlMask, kAltMask}) f.logic.OnListKeyUp(ListKey::Delete, mask);
    EXPECT_EQ(f.itemList.Count(), 3);
    f.logic.OnListKeyUp(ListKey::Delete, 0);
    EXPECT_EQ(f.Labels(), (Strings{"l0", "l2"}));
    EXPECT_EQ(f.Targets(), (Strings{"t0", "t2"}));
    EXPECT_EQ(f.itemList.SelectedIndex(), -1);
}

TEST(ItemList, MovesKeepLabelAndTargetTogether) {
    PanelFixture f;
    Fill(f, 3);
    f.itemList.SetSelectedIndex(0);
    f.logic.OnListKeyUp(ListKey::Up, kAltMask);                 // already first
    f.logic.OnListKeyUp(ListKey::Down, kAltMask | kShiftMask);  // whole mask compared
    f.logic.OnListKeyUp(ListKey::Down, 0);
    EXPECT_EQ(f.Labels(), (Strings{"l0", "l1", "l2"}));
    f.logic.OnListKeyUp(ListKey::Down, kAltMask);
    EXPECT_EQ(f.Labels(), (Strings{"l1", "l0", "l2"}));
    EXPECT_EQ(f.Targets(), (Strings{"t1", "t0", "t2"}));
    EXPECT_EQ(f.itemList.SelectedIndex(), 1);
    EXPECT_EQ(f.itemList.ToolTip(), "t0");
    f.logic.OnListKeyUp(ListKey::Down, kAltMask);
    f.logic.OnListKeyUp(ListKey::Down, kAltMask);  // now last
    EXPECT_EQ(f.Labels(), (Strings{"l1", "l2", "l0"}));
    f.logic.OnListKeyUp(ListKey::Up, kAltMask);
    EXPECT_EQ(f.Targets(), (Strings{"t1", "t0", "t2"}));
    EXPECT_EQ(f.itemList.ToolTip(), "t0");
}

TEST(ItemList, TooltipShowsTheSelectedTargetAndClearsOnASeparator) {
    PanelFixture f;
    f.Add("a", "/bin/a");
    f.Add("--------------------", "");
    f.logic.OnListClick();
    EXPECT_EQ(f.itemList.ToolTip(), "");
    f.itemList.SetSelectedIndex(0);
    EXPECT_EQ(f.itemList.ToolTip(), "/bin/a");
    f.itemList.SetSelectedIndex(1);
    EXPECT_EQ(f.itemList.ToolTip(), "");
}

TEST(ItemList, ExitUnloadsThePanel) {
    PanelFixture f;
    f.logic.OnExitClick();
    EXPECT_EQ(f.panel.unloads, 1);
}

TEST(Launch, OpensTheSplitNormalisedTargetAndDisarms) {
    PanelFixture f;
    f.panel.visible = true;
    f.Add("app", "\"C:/Program Files//Tools/app.exe\" -a \"b c\"");
    f.itemList.SetSelectedIndex(0);
    f.logic.OnListDoubleClick();
    ASSERT_EQ(f.shell.calls.size(), 1u);
    EXPECT_EQ(f.shell.calls[0].file, "\"C:\\Program Files\\Tools\\app.exe\"");
    EXPECT_EQ(f.shell.calls[0].parameters, "-a \"b c\"");
    EXPECT_EQ(f.shell.calls[0].directory, "\"C:\\Program Files\\Tools\\");
    EXPECT_FALSE(f.panel.visible);
}

TEST(Launch, NothingHappensWithoutASelectionOrOnASeparator) {
    PanelFixture f;
    f.panel.visible = true;
    f.logic.OnListDoubleClick();
    f.Add("--------------------", "");
    f.logic.OnListDoubleClick();
    f.itemList.SetSelectedIndex(0);
    f.logic.OnArgumentDrop(DroppedContent{DroppedText{"-x"}}, 0);
    f.logic.OnListDoubleClick();
    EXPECT_TRUE(f.shell.calls.empty());
    EXPECT_TRUE(f.panel.visible);
    EXPECT_TRUE(f.logic.HasOneShotArgs());
}

TEST(Launch, OneShotArgumentIsUsedOnceThenTheLabelLooksDisarmed) {
    PanelFixture f;
    f.Add("x", "\"C:\\A B\\x.exe\" -y");
    f.itemList.SetSelectedIndex(0);
    f.logic.OnArgumentDrop(DroppedContent{DroppedFiles{"C:\\in.txt"}}, 0);
    EXPECT_TRUE(f.panel.bold);
    EXPECT_EQ(f.panel.argumentToolTip, "C:\\in.txt");
    f.logic.OnListDoubleClick();
    f.logic.OnListDoubleClick();
    ASSERT_EQ(f.shell.calls.size(), 2u);
    EXPECT_EQ(f.shell.calls[0].file, "\"C:\\A B\\x.exe\" -y");
    EXPECT_EQ(f.shell.calls[0].parameters, "C:\\in.txt");
    EXPECT_EQ(f.shell.calls[1].file, "\"C:\\A B\\x.exe\"");
    EXPECT_EQ(f.shell.calls[1].parameters, "-y");
    EXPECT_FALSE(f.panel.bold);
    EXPECT_EQ(f.panel.argumentToolTip,
              "ここにファイルやテキストをドラッグ＆ドロップすると、次回だけの引数に出来ます。");
}

TEST(Launch, AFailureTheShellReportsIsShownAndTheArgumentIsStillDisarmed) {
    PanelFixture f(PathStyle::Posix);
    f.shell.failure = "ファイルが見つかりません。";
    f.Add("gone", "/nowhere/x");
    f.itemList.SetSelectedIndex(0);
    f.logic.OnArgumentDrop(DroppedContent{DroppedText{""}}, 0);
    f.logic.OnListDoubleClick();
    EXPECT_FALSE(f.logic.HasOneShotArgs());
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_NE(f.messages.shown[0].find("/nowhere/x"), std::string::npos);
    EXPECT_NE(f.messages.shown[0].find("ファイルが見つかりません。"), std::string::npos);
}

TEST(OneShot, DropsArmExtendReplaceAndDoubleClickDisarms) {
    PanelFixture f;
    f.logic.OnArgumentDrop(DroppedContent{DroppedFiles{"C:\\a.txt", "C:\\My Docs\\b.txt"}}, 0);
    EXPECT_EQ(f.logic.OneShotArgs(), "C:\\a.txt \"C:\\My Docs\\b.txt\"");
    f.logic.OnArgumentDrop(DroppedContent{DroppedText{"-v"}}, kCtrlMask);
    EXPECT_EQ(f.logic.OneShotArgs(), "C:\\a.txt \"C:\\My Docs\\b.txt\" -v");
    EXPECT_EQ(f.panel.argumentToolTip, f.logic.OneShotArgs());
    f.logic.OnArgumentDrop(DroppedContent{DroppedText{"-w"}}, kCtrlMask | kShiftMask);
    EXPECT_EQ(f.logic.OneShotArgs(), "-w");
    f.logic.OnArgumentDrop(std::nullopt, 0);  // neither text nor files: unchanged
    EXPECT_TRUE(f.logic.HasOneShotArgs());
    f.logic.OnArgumentDoubleClick();
    EXPECT_FALSE(f.logic.HasOneShotArgs());
    EXPECT_FALSE(f.panel.bold);
    f.logic.OnArgumentDoubleClick();
    EXPECT_FALSE(f.logic.HasOneShotArgs());
    f.logic.OnArgumentDrop(DroppedContent{DroppedText{"new"}}, kCtrlMask);
    EXPECT_EQ(f.logic.OneShotArgs(), "new");
    f.logic.OnArgumentDrop(DroppedContent{DroppedText{""}}, 0);
    EXPECT_TRUE(f.panel.bold);
    EXPECT_EQ(f.panel.argumentToolTip, "");
}

TEST(ItemDialog, OpensForTheSelectedItemWithTheTimerOffAndAppliesTheOutcome) {
    PanelFixture f;
    Fill(f, 3);
    f.itemList.SetSelectedIndex(1);
    f.logic.OnListMouseUp(MouseButton::Right, kShiftMask);
    f.logic.OnListMouseUp(MouseButton::Left, 0);
    EXPECT_TRUE(f.dialogs.timerWhileOpen.empty());

    f.dialogs.itemButton = layout::item::Change;
    f.dialogs.typedName = "edited";
    f.dialogs.typedPath = "/bin/edited";
    f.logic.OnListMouseUp(MouseButton::Right, 0);
    EXPECT_EQ(f.dialogs.shownLabel, "l1");
    EXPECT_EQ(f.dialogs.shownTarget, "t1");
    EXPECT_EQ(f.dialogs.timerWhileOpen, (std::vector<bool>{false}));
    EXPECT_TRUE(f.timer.enabled);
    EXPECT_EQ(f.Labels(), (Strings{"l0", "edited", "l2"}));
    EXPECT_EQ(f.Targets(), (Strings{"t0", "/bin/edited", "t2"}));

    f.dialogs.itemButton = layout::item::Duplicate;
    f.dialogs.typedName = "typed";
    f.dialogs.typedPath = "ignored";
    f.logic.OnListMouseUp(MouseButton::Right, 0);
    EXPECT_EQ(f.Labels(), (Strings{"l0", "edited", "edited", "l2"}));
    EXPECT_EQ(f.Targets(), (Strings{"t0", "/bin/edited", "/bin/edited", "t2"}));
    EXPECT_EQ(f.itemList.SelectedIndex(), 1);

    f.dialogs.itemButton = layout::item::Abort;
    f.dialogs.typedName = "x";
    f.dialogs.typedPath = "y";
    f.logic.OnListMouseUp(MouseButton::Right, 0);
    EXPECT_EQ(f.Labels(), (Strings{"l0", "edited", "edited", "l2"}));
}

TEST(ItemDialog, NothingSelectedOpensNothing) {
    PanelFixture f;
    Fill(f, 1);
    f.logic.OnListMouseUp(MouseButton::Right, 0);
    EXPECT_TRUE(f.dialogs.timerWhileOpen.empty());
}

TEST(SettingsDialog, TimerIsOffWhileOpenAndWidthChangeRefitsThenPlaces) {
    PanelFixture f;
    f.dialogs.settings = [](SettingsDialogLogic& dialog, FakeSettingsView& view) {
        view.widthIndex = 2;
        view.corner = 0;
        dialog.OnButtonClick(layout::settings::Update);
    };
    f.logic.OnSettingsClick();
    EXPECT_EQ(f.dialogs.timerWhileOpen, (std::vector<bool>{false}));
    EXPECT_TRUE(f.timer.enabled);
    EXPECT_EQ(f.panel.calls, (Strings{"width", "left", "top"}));
    EXPECT_DOUBLE_EQ(f.panel.width, 5190);
    EXPECT_DOUBLE_EQ(f.panel.left, 1920 * 15 - 5190);
}

TEST(AboutWindow, TimerIsOffWhileOpenAndTheTextsAreComposedAtEachOpening) {
    PanelFixture f;
    f.logic.OnAboutClick();
    EXPECT_EQ(f.dialogs.aboutOpened, 1);
    EXPECT_EQ(f.dialogs.timerWhileOpen, (std::vector<bool>{false}));
    EXPECT_TRUE(f.timer.enabled);
    EXPECT_EQ(f.dialogs.about.title, "Velmora Ver 1.00 (2007/08/01)");
    EXPECT_EQ(f.dialogs.about.credits.rfind("開発環境：Toolkit 1 / ", 0), 0u);
    f.dialogs.about.title.clear();
    f.logic.OnAboutClick();
    EXPECT_EQ(f.dialogs.about.title, "Velmora Ver 1.00 (2007/08/01)");
}

TEST(Geometry, ThePanelGoesToThePrimaryScreensCornerWhereverThatScreenLies) {
    PanelFixture f;
    f.screen.leftTwips = 1280 * 15;  // right of a 1280-pixel monitor
    f.screen.topTwips = 100 * 15;
    f.screen.widthTwips = 1280 * 15;
    f.screen.heightTwips = 800 * 15;
    f.screen.x = 2555;
    f.screen.y = 300;  // within the screen's height, which starts at 100
    f.logic.Tick();
    EXPECT_TRUE(f.panel.visible);
    EXPECT_DOUBLE_EQ(f.panel.left, (2560 - 173) * 15);
    EXPECT_DOUBLE_EQ(f.panel.top, 100 * 15);
    f.settings.WindowPosition = 3;
    f.logic.ChangeWindowPosition();
    EXPECT_DOUBLE_EQ(f.panel.left, 1280 * 15);
    EXPECT_DOUBLE_EQ(f.panel.top, (100 + 800 - 449) * 15);
}

TEST(ItemList, ADroppedApplicationEntryIsLabelledWithItsName) {
    PanelFixture f(PathStyle::Posix);
    f.shell.applicationNames["/usr/share/applications/org.gnome.TextEditor.desktop"] =
        "テキストエディター";
    f.logic.OnListDrop(DroppedContent{
        DroppedFiles{"/usr/share/applications/org.gnome.TextEditor.desktop", "/a/b.txt"}});
    EXPECT_EQ(f.Labels(), (Strings{"テキストエディター", "b.txt"}));
    EXPECT_EQ(f.Targets()[0], "/usr/share/applications/org.gnome.TextEditor.desktop");
}
