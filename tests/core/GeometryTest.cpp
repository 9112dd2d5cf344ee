#include <gtest/gtest.h>

#include "Fakes.h"
#include "core/panel/Geometry.h"

using namespace velmora;
using velmora::testing::PanelFixture;

TEST(Geometry, CornerPositionPutsThePanelInItsCorner) {
    const double sw = 28800, sh = 16200, w = 2595, h = 6735;
    EXPECT_EQ(CornerPosition(0, sw, sh, w, h), (CornerPoint{26205, 0}));
    EXPECT_EQ(CornerPosition(1, sw, sh, w, h), (CornerPoint{26205, 16200 - 6735}));
    EXPECT_EQ(CornerPosition(2, sw, sh, w, h), (CornerPoint{0, 0}));
    EXPECT_EQ(CornerPosition(3, sw, sh, w, h), (CornerPoint{0, 16200 - 6735}));
    EXPECT_EQ(CornerPosition(7, sw, sh, w, h), (CornerPoint{0, 0}));
    // Taller or wider than the screen (2x scaling on 1280x800): the top row stays on the screen.
    EXPECT_EQ(CornerPosition(1, 1280 * 15, 800 * 15, 346 * 15, 898 * 15),
              (CornerPoint{(1280 - 346) * 15, 0}));
    EXPECT_EQ(CornerPosition(3, 1280 * 15, 800 * 15, 346 * 15, 898 * 15), (CornerPoint{0, 0}));
    EXPECT_EQ(CornerPosition(0, 300 * 15, 800 * 15, 519 * 15, 449 * 15), (CornerPoint{0, 0}));
    // Differences are rounded half to even.
    EXPECT_EQ(CornerPosition(0, 28800, sh, 3892.5, h).left, 24908);
    EXPECT_EQ(CornerPosition(0, 28801, sh, 3892.5, h).left, 24908);
}

TEST(Geometry, ChangeWindowWidthFollowsTheWorkedTable) {
    const struct {
        int factor;
        double panel, list, border;
    } rows[] = {{0, 2595, 2475, 2580},
                {1, 3892.5, 3772.5, 3877.5},
                {2, 5190, 5070, 5175},
                {3, 6487.5, 6367.5, 6472.5},
                {4, 7785, 7665, 7770}};
    PanelFixture f;
    for (const auto& row : rows) {
        f.settings.WindowWidth = row.factor;
        f.logic.ChangeWindowWidth();
        EXPECT_DOUBLE_EQ(f.panel.width, row.panel) << row.factor;
        EXPECT_DOUBLE_EQ(f.panel.listWidth, row.list) << row.factor;
        EXPECT_DOUBLE_EQ(f.panel.borderX, row.border) << row.factor;
        EXPECT_DOUBLE_EQ(f.panel.height, 6735);
    }
    // Back to x1 after x3: the factors never compound.
    f.settings.WindowWidth = 0;
    f.logic.ChangeWindowWidth();
    EXPECT_DOUBLE_EQ(f.panel.width, 2595);
    EXPECT_DOUBLE_EQ(f.panel.listWidth, 2475);
    EXPECT_DOUBLE_EQ(f.panel.borderX, 2580);
}

TEST(Geometry, UnknownWidthFactorKeepsTheWidthButRefitsListAndLines) {
    PanelFixture f;
    f.panel.width = 3000;
    f.settings.WindowWidth = 9;
    f.logic.ChangeWindowWidth();
    EXPECT_DOUBLE_EQ(f.panel.width, 3000);
    EXPECT_DOUBLE_EQ(f.panel.listWidth, 2880);
    EXPECT_DOUBLE_EQ(f.panel.borderX, 2985);
}

TEST(Geometry, ChangeWindowPositionSetsLeftThenTop) {
    PanelFixture f;
    f.settings.WindowPosition = 1;
    f.logic.ChangeWindowPosition();
    EXPECT_EQ(f.panel.calls, (std::vector<std::string>{"left", "top"}));
    EXPECT_DOUBLE_EQ(f.panel.left, 1920 * 15 - 2595);
    EXPECT_DOUBLE_EQ(f.panel.top, 1080 * 15 - 6735);
}

TEST(Geometry, ScaledWidthArithmetic) {
    EXPECT_EQ(ScaledWindowWidth(1, 2595), 3892.5);
    EXPECT_EQ(ScaledWindowWidth(3, 2595), 6487.5);
    EXPECT_EQ(ScaledWindowWidth(-1, 2595), std::nullopt);
    EXPECT_THROW(ScaledWindowWidth(4, 1000000000), std::overflow_error);
}

TEST(Geometry, LoadStepCapturesDesignWidthsAndTexts) {
    PanelFixture f;
    EXPECT_EQ(f.logic.BaseWidth(), 2595);
    EXPECT_EQ(f.logic.BaseListWidth(), 2475);
    EXPECT_EQ(f.panel.keyHelp, "削除： DEL キー\r\n上へ： Alt+↑\r\n下へ： Alt+↓");
    EXPECT_FALSE(f.panel.bold);
    EXPECT_EQ(f.panel.argumentToolTip,
              "ここにファイルやテキストをドラッグ＆ドロップすると、次回だけの引数に出来ます。");
}

TEST(Geometry, DevicePixelsMapAroundEachMonitorsOwnOrigin) {
    // Ratio 2: a 1280-pixel monitor on the left and the primary one right of it, whose logical
    // geometry starts at its device origin (1280) and is 640 x 400.
    const std::vector<Monitor> monitors = {{{1280, 0, 640, 400}, 2}, {{0, 0, 640, 400}, 2}};
    EXPECT_EQ(DeviceToLogical({2559, 799}, monitors), (std::pair{1919, 399}));  // last column
    EXPECT_EQ(DeviceToLogical({2558, 10}, monitors), (std::pair{1919, 5}));
    EXPECT_EQ(DeviceToLogical({1280, 0}, monitors), (std::pair{1280, 0}));
    EXPECT_EQ(DeviceToLogical({1279, 0}, monitors), (std::pair{639, 0}));  // the other monitor
    // Ratio 1 and no monitor at all leave the point alone.
    EXPECT_EQ(DeviceToLogical({700, 5}, {{{0, 0, 1280, 800}, 1}}), (std::pair{700, 5}));
    EXPECT_EQ(DeviceToLogical({700, 5}, {}), (std::pair{700, 5}));
    // Back to device pixels: a logical pixel's first device pixel, which maps back to it, also
    // at a ratio of 1.5.
    EXPECT_EQ(LogicalToDevice({1919, 399}, monitors), (std::pair{2558, 798}));
    EXPECT_EQ(LogicalToDevice({639, 5}, monitors), (std::pair{1278, 10}));
    const std::vector<Monitor> oneAndHalf = {{{0, 0, 1280, 800}, 1.5}};
    for (int x = 0; x < 1280; ++x) {
        const auto device = LogicalToDevice({x, 7}, oneAndHalf);
        ASSERT_EQ(DeviceToLogical(device, oneAndHalf), (std::pair{x, 7})) << x;
    }
    EXPECT_EQ(LogicalToDevice({700, 5}, {}), (std::pair{700, 5}));
}

TEST(Geometry, DialogsGoCentredUnlessThatCoversThePanel) {
    const PixelRect screen{0, 0, 1280, 800};
    // A narrow panel leaves the centre free.
    EXPECT_EQ(DialogPlacement(screen, PixelRect{1107, 0, 173, 449}, 400, 200, 8),
              (std::pair{440, 300}));
    EXPECT_EQ(DialogPlacement(screen, std::nullopt, 400, 200, 8), (std::pair{440, 300}));
    // A 519-pixel panel on the right: centred in the 761 pixels left of it.
    EXPECT_EQ(DialogPlacement(screen, PixelRect{761, 0, 519, 449}, 400, 200, 8),
              (std::pair{180, 300}));
    // On the left: centred in the band right of it.
    EXPECT_EQ(DialogPlacement(screen, PixelRect{0, 351, 519, 449}, 400, 200, 8),
              (std::pair{519 + 180, 300}));
    // Just fits the band; too wide for it: against the screen's edge, never off it.
    EXPECT_EQ(DialogPlacement(screen, PixelRect{600, 0, 680, 449}, 560, 200, 8),
              (std::pair{20, 300}));
    EXPECT_EQ(DialogPlacement(screen, PixelRect{600, 0, 680, 449}, 590, 200, 8),
              (std::pair{2, 300}));
    EXPECT_EQ(DialogPlacement(screen, PixelRect{502, 0, 778, 449}, 560, 200, 8),
              (std::pair{0, 300}));
    // The primary screen elsewhere among the monitors.
    EXPECT_EQ(DialogPlacement({1280, 0, 1280, 800}, PixelRect{2041, 0, 519, 449}, 400, 200, 8),
              (std::pair{1280 + 180, 300}));
}
