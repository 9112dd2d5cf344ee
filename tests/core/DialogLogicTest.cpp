#include <gtest/gtest.h>

#include "Fakes.h"
#include "core/dialogs/ItemDialogLogic.h"
#include "core/dialogs/SettingsDialogLogic.h"
#include "core/dialogs/VersionInfo.h"

using namespace velmora;
using namespace velmora::testing;

namespace {

struct ConfigFixture {
    Settings settings;
    FakeSettingsView view;
    FakeMessages messages;
    int widthChanges = 0;
    SettingsDialogLogic logic{settings, messages, [this] { ++widthChanges; }};
    void Load() { logic.Load(view); }
};

constexpr int kUpdate = layout::settings::Update;
constexpr int kAbort = layout::settings::Abort;

}  // namespace

TEST(SettingsDialogLogic, LoadShowsTheCurrentSettings) {
    ConfigFixture f;
    f.settings = {3, 10, 2, 0};
    f.Load();
    EXPECT_EQ(f.view.corner, 3);
    EXPECT_EQ(f.view.pixels, "10");
    EXPECT_EQ(f.view.widthIndex, 2);
}

TEST(SettingsDialogLogic, RefusedEntriesWarnRefocusAndChangeNothing) {
    for (const char* entry : {"", "0", "-5", "abc", "0.5", "9e9", "1000", "1e5", "999.5"}) {
        ConfigFixture f;
        f.Load();
        f.view.pixels = entry;
        f.view.corner = 2;
        f.logic.OnButtonClick(kUpdate);
        EXPECT_EQ(f.messages.shown, (std::vector<std::string>{"1～999 の値を入力してください。"}))
            << entry;
        EXPECT_TRUE(f.view.focused) << entry;
        EXPECT_FALSE(f.view.closed) << entry;
        EXPECT_EQ(f.settings.CapturePixel, 10) << entry;
        EXPECT_EQ(f.settings.WindowPosition, 0) << entry;
    }
}

TEST(SettingsDialogLogic, AcceptedEntriesAreRoundedHalfToEven) {
    const struct {
        const char* entry;
        int pixels;
    } cases[] = {{"1", 1}, {"999", 999}, {"12a", 12}, {"1.5", 2}, {"2.5", 2}, {"999.4", 999}};
    for (const auto& c : cases) {
        ConfigFixture f;
        f.Load();
        f.view.pixels = c.entry;
        f.logic.OnButtonClick(kUpdate);
        EXPECT_EQ(f.settings.CapturePixel, c.pixels) << c.entry;
        EXPECT_TRUE(f.view.closed);
        EXPECT_TRUE(f.messages.shown.empty());
    }
}

TEST(SettingsDialogLogic, OnlyAWidthChangeResizesAndReplaces) {
    ConfigFixture f;
    f.Load();
    f.view.corner = 3;
    f.logic.OnButtonClick(kUpdate);
    EXPECT_EQ(f.settings.WindowPosition, 3);
    EXPECT_EQ(f.widthChanges, 0);

    ConfigFixture g;
    g.Load();
    g.view.widthIndex = 4;
    g.view.corner = 1;
    g.logic.OnButtonClick(kUpdate);
    EXPECT_EQ(g.settings.WindowWidth, 4);
    EXPECT_EQ(g.settings.WindowPosition, 1);
    EXPECT_EQ(g.widthChanges, 1);
}

TEST(SettingsDialogLogic, CancelChangesNothingAndDoesNotValidate) {
    ConfigFixture f;
    f.Load();
    f.view.corner = 2;
    f.view.widthIndex = 4;
    f.view.pixels = "abc";
    f.logic.OnButtonClick(kAbort);
    EXPECT_TRUE(f.view.closed);
    EXPECT_TRUE(f.messages.shown.empty());
    EXPECT_EQ(f.settings.WindowPosition, 0);
    EXPECT_EQ(f.settings.WindowWidth, 0);
    EXPECT_EQ(f.widthChanges, 0);
}

TEST(ItemDialogLogic, ChangeValidatesTheLabelFirstThenTheTarget) {
    FakeItemView view;
    FakeMessages messages;
    ItemDialogLogic logic(messages, "label", "/bin/x");
    logic.Load(view);
    view.label.clear();
    view.target.clear();
    logic.OnButtonClick(layout::item::Change);
    EXPECT_EQ(messages.shown, (std::vector<std::string>{"表示ラベルは空に出来ません。"}));
    EXPECT_EQ(view.focus, "label");
    view.label = "  ";
    logic.OnButtonClick(layout::item::Change);
    EXPECT_EQ(messages.shown.back(), "ファイル名が空であってはなりません。");
    EXPECT_EQ(view.focus, "target");
    EXPECT_FALSE(view.closed);
    EXPECT_EQ(logic.Outcome().ItemDialogResult, ItemDialogAction::Unchanged);
    view.target = "/bin/y";
    logic.OnButtonClick(layout::item::Change);
    EXPECT_TRUE(view.closed);
    EXPECT_EQ(logic.Outcome().ItemDialogResult, ItemDialogAction::Change);
    EXPECT_EQ(logic.Outcome().EditedItemName, "  ");
    EXPECT_EQ(logic.Outcome().EditedItemPath, "/bin/y");
}

TEST(ItemDialogLogic, SeparatorKeepsItsEmptyTargetAndOtherButtons) {
    FakeItemView view;
    FakeMessages messages;
    ItemDialogLogic logic(messages, "--------------------", "");
    logic.Load(view);
    EXPECT_FALSE(view.targetEnabled);
    view.label = "== tools ==";
    logic.OnButtonClick(layout::item::Change);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(logic.Outcome().ItemDialogResult, ItemDialogAction::Change);
    EXPECT_EQ(logic.Outcome().EditedItemPath, "");

    FakeItemView other;
    ItemDialogLogic again(messages, "x", "/x");
    again.Load(other);
    EXPECT_TRUE(other.targetEnabled);
    again.OnButtonClick(layout::item::Duplicate);
    EXPECT_EQ(again.Outcome().ItemDialogResult, ItemDialogAction::Duplicate);
    again.Load(other);
    again.OnButtonClick(layout::item::Abort);
    EXPECT_EQ(again.Outcome().ItemDialogResult, ItemDialogAction::Unchanged);
    EXPECT_TRUE(other.closed);
}

TEST(AboutTexts, ComposedFromTheVersionRecord) {
    VersionInfo info = BuiltInVersionInfo();
    EXPECT_EQ(AboutTitleLine(info), "Velmora Ver 1.00 (2007/08/01)");
    info.minor = 12;
    EXPECT_EQ(AboutTitleLine(info), "Velmora Ver 1.12 (2007/08/01)");
    info.major = 10;
    info.minor = 3;
    EXPECT_EQ(AboutTitleLine(info), "Velmora Ver 10.03 (2007/08/01)");

    const std::string description = AboutDescription(BuiltInVersionInfo());
    EXPECT_EQ(description,
              "このプログラムは：\r\n\r\n　マウスカーソルの位置によって表示／非表示される、テキスト"
              "ベースの"
              "ランチャープログラムです。\r\n　詳しくは「読んで☆.txt」をご覧下さい。");

    const std::string credits = AboutCredits(BuiltInVersionInfo(), "tool line");
    EXPECT_EQ(credits,
              "tool line\r\n" + BuiltInVersionInfo().legalCopyright +
                  "\r\n\r\nE-mail : velmora@example.com\r\nURL : https://www.example.org/velmora/");
}

TEST(AboutDialogLogic, DoubleClickOpensTheReadmeAndStaysOpen) {
    FakeShell shell;
    FakeAboutView view;
    AboutDialogLogic logic(shell, "C:\\Tools\\読んで☆.txt", "Win32");
    logic.Load(view);
    EXPECT_EQ(view.title, "Velmora Ver 1.00 (2007/08/01)");
    EXPECT_EQ(view.description, AboutDescription(BuiltInVersionInfo()));
    EXPECT_EQ(view.credits, AboutCredits(BuiltInVersionInfo(), ToolCredit("Win32")));
    logic.OnDescriptionDoubleClick();
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0].file, "C:\\Tools\\読んで☆.txt");
    EXPECT_EQ(shell.calls[0].parameters, "");
    EXPECT_FALSE(view.closed);
    logic.OnButtonClick(layout::about::Back);
    EXPECT_TRUE(view.closed);
}
