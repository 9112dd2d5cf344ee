#include <gtest/gtest.h>

#include "Fakes.h"
#include "dialogs/ConfigDialogLogic.h"
#include "dialogs/ItemDialogLogic.h"
#include "dialogs/VersionInfo.h"

using namespace velmora;
using velmora::testing::FakeMessages;

namespace {

struct FakeConfigView : IConfigView {
    int corner = -1, widthIndex = -1;
    std::string pixels;
    bool focused = false, closed = false;
    int CornerIndex() const override { return corner; }
    void SetCornerIndex(int i) override { corner = i; }
    std::string PixelText() const override { return pixels; }
    void SetPixelText(const std::string& t) override { pixels = t; }
    int WidthIndex() const override { return widthIndex; }
    void SetWidthIndex(int i) override { widthIndex = i; }
    void FocusPixelText() override { focused = true; }
    void Close() override { closed = true; }
};

struct ConfigFixture {
    Settings settings;
    FakeConfigView view;
    FakeMessages messages;
    int widthChanges = 0;
    ConfigDialogLogic logic{settings, view, messages, [this] { ++widthChanges; }};
};

struct FakeItemView : IItemView {
    std::string label, target;
    bool targetEnabled = true, closed = false;
    std::string focus;
    std::string LabelText() const override { return label; }
    void SetLabelText(const std::string& t) override { label = t; }
    std::string TargetText() const override { return target; }
    void SetTargetText(const std::string& t) override { target = t; }
    void DisableTarget() override { targetEnabled = false; }
    bool TargetEnabled() const override { return targetEnabled; }
    void FocusLabel() override { focus = "label"; }
    void FocusTarget() override { focus = "target"; }
    void Close() override { closed = true; }
};

}  // namespace

TEST(ConfigDialog, LoadShowsTheCurrentSettings) {
    ConfigFixture f;
    f.settings = {3, 10, 2, 0};
    f.logic.Load();
    EXPECT_EQ(f.view.corner, 3);
    EXPECT_EQ(f.view.pixels, "10");
    EXPECT_EQ(f.view.widthIndex, 2);
}

TEST(ConfigDialog, RefusedEntriesWarnRefocusAndChangeNothing) {
    for (const char* entry : {"", "0", "-5", "abc", "0.5", "9e9"}) {
        ConfigFixture f;
        f.logic.Load();
        f.view.pixels = entry;
        f.view.corner = 2;
        f.logic.OnButtonClick(0);
        EXPECT_EQ(f.messages.shown, (std::vector<std::string>{"1～999 の値を入力してください。"})) << entry;
        EXPECT_TRUE(f.view.focused) << entry;
        EXPECT_FALSE(f.view.closed) << entry;
        EXPECT_EQ(f.settings.CapturePixel, 10) << entry;
        EXPECT_EQ(f.settings.WindowPosition, 0) << entry;
    }
}

TEST(ConfigDialog, AcceptedEntriesAreRoundedHalfToEven) {
    const struct {
        const char* entry;
        int pixels;
    } cases[] = {{"1", 1}, {"999", 999}, {"12a", 12}, {"1.5", 2}, {"2.5", 2}};
    for (const auto& c : cases) {
        ConfigFixture f;
        f.logic.Load();
        f.view.pixels = c.entry;
        f.logic.OnButtonClick(0);
        EXPECT_EQ(f.settings.CapturePixel, c.pixels) << c.entry;
        EXPECT_TRUE(f.view.closed);
        EXPECT_TRUE(f.messages.shown.empty());
    }
}

TEST(ConfigDialog, OnlyAWidthChangeResizesAndReplaces) {
    ConfigFixture f;
    f.logic.Load();
    f.view.corner = 3;
    f.logic.OnButtonClick(0);
    EXPECT_EQ(f.settings.WindowPosition, 3);
    EXPECT_EQ(f.widthChanges, 0);

    ConfigFixture g;
    g.logic.Load();
    g.view.widthIndex = 4;
    g.view.corner = 1;
    g.logic.OnButtonClick(0);
    EXPECT_EQ(g.settings.WindowWidth, 4);
    EXPECT_EQ(g.settings.WindowPosition, 1);
    EXPECT_EQ(g.widthChanges, 1);
}

TEST(ConfigDialog, CancelChangesNothingAndDoesNotValidate) {
    ConfigFixture f;
    f.logic.Load();
    f.view.corner = 2;
    f.view.widthIndex = 4;
    f.view.pixels = "abc";
    f.logic.OnButtonClick(1);
    EXPECT_TRUE(f.view.closed);
    EXPECT_TRUE(f.messages.shown.empty());
    EXPECT_EQ(f.settings.WindowPosition, 0);
    EXPECT_EQ(f.settings.WindowWidth, 0);
    EXPECT_EQ(f.widthChanges, 0);
}

TEST(ItemDialogLogic, ChangeValidatesTheLabelFirstThenTheTarget) {
    FakeItemView view;
    FakeMessages messages;
    ItemDialogLogic logic(view, messages);
    logic.Load("label", "/bin/x");
    view.label.clear();
    view.target.clear();
    logic.OnButtonClick(0);
    EXPECT_EQ(messages.shown, (std::vector<std::string>{"表示ラベルは空に出来ません。"}));
    EXPECT_EQ(view.focus, "label");
    view.label = "  ";
    logic.OnButtonClick(0);
    EXPECT_EQ(messages.shown.back(), "ファイル名が空であってはなりません。");
    EXPECT_EQ(view.focus, "target");
    EXPECT_FALSE(view.closed);
    EXPECT_EQ(logic.Outcome().ItemDialogResult, 0);
    view.target = "/bin/y";
    logic.OnButtonClick(0);
    EXPECT_TRUE(view.closed);
    EXPECT_EQ(logic.Outcome().ItemDialogResult, 1);
    EXPECT_EQ(logic.Outcome().EditedItemName, "  ");
    EXPECT_EQ(logic.Outcome().EditedItemPath, "/bin/y");
}

TEST(ItemDialogLogic, SeparatorKeepsItsEmptyTargetAndOtherButtons) {
    FakeItemView view;
    FakeMessages messages;
    ItemDialogLogic logic(view, messages);
    logic.Load("--------------------", "");
    EXPECT_FALSE(view.targetEnabled);
    view.label = "== tools ==";
    logic.OnButtonClick(0);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(logic.Outcome().ItemDialogResult, 1);
    EXPECT_EQ(logic.Outcome().EditedItemPath, "");

    ItemDialogLogic again(view, messages);
    again.Load("x", "/x");
    again.OnButtonClick(2);
    EXPECT_EQ(again.Outcome().ItemDialogResult, 2);
    again.Load("x", "/x");
    again.OnButtonClick(1);
    EXPECT_EQ(again.Outcome().ItemDialogResult, 0);
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
              "このプログラムは：\r\n\r\n　マウスカーソルの位置によって表示／非表示される、テキストベースの"
              "ランチャープログラムです。\r\n　詳しくは「読んで☆.txt」をご覧下さい。");

    const std::string credits = AboutCredits(BuiltInVersionInfo(), "tool line");
    EXPECT_EQ(credits, "tool line\r\n" + BuiltInVersionInfo().legalCopyright +
                           "\r\n\r\nE-mail : velmora@example.com\r\nURL : https://www.example.org/velmora/");
}
