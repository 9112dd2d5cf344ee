#include <gtest/gtest.h>

#include "Fakes.h"
#include "core/panel/Trigger.h"
#include "core/panel/WindowKind.h"

using namespace velmora;

namespace {

TriggerInputs Hidden(int corner, int capture, int x, int y = 500) {
    TriggerInputs in;
    in.cursorX = x;
    in.cursorY = y;
    in.screenWidth = 1920 * 15;
    in.screenHeight = 1080 * 15;
    in.windowPosition = corner;
    in.capturePixel = capture;
    return in;
}

// A visible top-right panel, 173 x 449 pixels, at x = 1747.
TriggerInputs Visible(int x, int y) {
    TriggerInputs in = Hidden(0, 10, x, y);
    in.panelVisible = true;
    in.panelLeft = 1747 * 15;
    in.panelWidth = 2595;
    in.panelHeight = 6735;
    return in;
}

}  // namespace

TEST(Trigger, StripOnTheRightEdge) {
    for (int corner : {0, 1}) {
        EXPECT_EQ(DecideTriggerAction(Hidden(corner, 10, 1909)), TriggerAction::Nothing);
        EXPECT_EQ(DecideTriggerAction(Hidden(corner, 10, 1910)), TriggerAction::PlaceAndShow);
        EXPECT_EQ(DecideTriggerAction(Hidden(corner, 10, 1919)), TriggerAction::PlaceAndShow);
        EXPECT_EQ(DecideTriggerAction(Hidden(corner, 10, 1920)), TriggerAction::Nothing);
        // The whole height counts, whichever corner of the side.
        EXPECT_EQ(DecideTriggerAction(Hidden(corner, 10, 1915, 0)), TriggerAction::PlaceAndShow);
        EXPECT_EQ(DecideTriggerAction(Hidden(corner, 10, 1915, 1079)), TriggerAction::PlaceAndShow);
    }
    EXPECT_EQ(DecideTriggerAction(Hidden(0, 1, 1919)), TriggerAction::PlaceAndShow);
    EXPECT_EQ(DecideTriggerAction(Hidden(0, 1, 1918)), TriggerAction::Nothing);
}

TEST(Trigger, StripOnTheLeftEdge) {
    for (int corner : {2, 3}) {
        EXPECT_EQ(DecideTriggerAction(Hidden(corner, 10, 0)), TriggerAction::PlaceAndShow);
        EXPECT_EQ(DecideTriggerAction(Hidden(corner, 10, 9)), TriggerAction::PlaceAndShow);
        EXPECT_EQ(DecideTriggerAction(Hidden(corner, 10, 10)), TriggerAction::Nothing);
        EXPECT_EQ(DecideTriggerAction(Hidden(corner, 10, -1)), TriggerAction::Nothing);
    }
    EXPECT_EQ(DecideTriggerAction(Hidden(7, 10, 0)), TriggerAction::Nothing);
}

TEST(Trigger, StripBoundsRoundHalfToEven) {
    // 1000.5 pixels wide: w rounds to 1000, w - 10 = 990.5 to 990.
    const TriggerStrip strip = ComputeTriggerStrip(0, 10, 1000.5 * 15, 15);
    EXPECT_EQ(strip.low, 990);
    EXPECT_EQ(strip.high, 1000);
}

TEST(Trigger, DecisionTable) {
    TriggerInputs off = Hidden(0, 10, 1915);
    off.timerEnabled = false;
    EXPECT_EQ(DecideTriggerAction(off), TriggerAction::Nothing);
    EXPECT_EQ(DecideTriggerAction(Visible(1915, 800)),
              TriggerAction::Nothing);  // in strip, below panel
    EXPECT_EQ(DecideTriggerAction(Visible(1800, 100)), TriggerAction::Nothing);  // over the panel
    EXPECT_EQ(DecideTriggerAction(Visible(1000, 100)), TriggerAction::Hide);
    EXPECT_EQ(DecideTriggerAction(Hidden(0, 10, 1000)), TriggerAction::Nothing);
}

TEST(Trigger, PanelEdgesLeftAndTopInsideRightAndBottomOutside) {
    TriggerInputs in = Visible(0, 0);
    in.windowPosition = 2;  // strip far away on the left
    in.panelLeft = 500 * 15;
    in.panelTop = 100 * 15;
    const struct {
        int x, y;
        TriggerAction expected;
    } cases[] = {{500, 200, TriggerAction::Nothing}, {499, 200, TriggerAction::Hide},
                 {672, 200, TriggerAction::Nothing}, {673, 200, TriggerAction::Hide},
                 {600, 100, TriggerAction::Nothing}, {600, 99, TriggerAction::Hide},
                 {600, 548, TriggerAction::Nothing}, {600, 549, TriggerAction::Hide}};
    for (const auto& c : cases) {
        in.cursorX = c.x;
        in.cursorY = c.y;
        EXPECT_EQ(DecideTriggerAction(in), c.expected) << c.x << "," << c.y;
    }
}

TEST(Trigger, UnknownCornerNeverShowsButStillHides) {
    TriggerInputs in = Visible(0, 0);
    in.windowPosition = 9;
    in.cursorX = 10;
    EXPECT_EQ(DecideTriggerAction(in), TriggerAction::Hide);
}

TEST(Trigger, TickPlacesThenShowsAndLeavesAVisiblePanelAlone) {
    velmora::testing::PanelFixture f;
    f.screen.x = 1915;
    f.logic.Tick();
    EXPECT_EQ(f.panel.calls, (std::vector<std::string>{"left", "top", "show"}));
    EXPECT_DOUBLE_EQ(f.panel.left, 1920 * 15 - 2595);
    f.panel.calls.clear();
    f.settings.WindowPosition = 1;  // a changed corner does not move a visible panel
    f.logic.Tick();
    EXPECT_TRUE(f.panel.calls.empty());
    f.screen.x = 100;
    f.logic.Tick();
    EXPECT_EQ(f.panel.calls, (std::vector<std::string>{"hide"}));
    f.timer.enabled = false;
    f.screen.x = 1915;
    f.panel.calls.clear();
    f.logic.Tick();
    EXPECT_TRUE(f.panel.calls.empty());
}

TEST(Trigger, TheStripRunsAlongThePrimaryScreensOwnEdgesBesideAnotherMonitor) {
    // The primary screen 1280 pixels wide, right of another monitor: it starts at x 1280.
    TriggerInputs in;
    in.screenLeft = 1280;
    in.screenWidth = 1280 * 15;
    in.screenHeight = 800 * 15;
    in.capturePixel = 10;
    in.windowPosition = 0;
    for (const auto& [x, shows] :
         {std::pair{2550, true}, {2559, true}, {2549, false}, {1275, false}, {5, false}}) {
        in.cursorX = x;
        EXPECT_EQ(DecideTriggerAction(in) == TriggerAction::PlaceAndShow, shows) << x;
    }
    in.windowPosition = 2;
    for (const auto& [x, shows] :
         {std::pair{1280, true}, {1289, true}, {1290, false}, {5, false}, {1279, false}}) {
        in.cursorX = x;
        EXPECT_EQ(DecideTriggerAction(in) == TriggerAction::PlaceAndShow, shows) << x;
    }
}

TEST(Trigger, TheStripEndsWithThePrimaryScreenAboveOrBelowAnotherMonitor) {
    // The primary screen 1920 x 600 at y 0, another monitor below it from y 600.
    TriggerInputs in = Hidden(0, 10, 1915);
    in.screenHeight = 600 * 15;
    for (const auto& [y, shows] : {std::pair{0, true}, {599, true}, {600, false}, {1000, false}}) {
        in.cursorY = y;
        EXPECT_EQ(DecideTriggerAction(in) == TriggerAction::PlaceAndShow, shows) << y;
    }
    // The primary one below: from y 600 to 1199.
    in.screenTop = 600;
    for (const auto& [y, shows] :
         {std::pair{599, false}, {600, true}, {1199, true}, {1200, false}}) {
        in.cursorY = y;
        EXPECT_EQ(DecideTriggerAction(in) == TriggerAction::PlaceAndShow, shows) << y;
    }
}

TEST(Trigger, ALockedScreenIsAskedOnlyBeforeShowingAndKeepsThePanelHidden) {
    velmora::testing::PanelFixture f;
    f.screen.x = 100;
    f.logic.Tick();
    EXPECT_EQ(f.screen.lockQueries, 0);
    f.screen.x = 1915;
    f.screen.locked = true;
    f.logic.Tick();
    EXPECT_TRUE(f.panel.calls.empty());
    EXPECT_EQ(f.screen.lockQueries, 1);
    f.screen.locked = false;
    f.logic.Tick();
    EXPECT_EQ(f.panel.calls, (std::vector<std::string>{"left", "top", "show"}));
}

// KWin in a Wayland session gets the one window kind it keeps above full-screen windows and sends
// drags and keys to; sway's kin a panel that holds the keys after a click; the other compositors
// one that leaves the keyboard's return to them. X11 sessions keep the panel as it is, whatever
// their window manager.
TEST(Trigger, TheWindowKindFollowsTheWaylandCompositorOnly) {
    EXPECT_EQ(ChoosePanelWindowKind(true, "KWin"), PanelWindowKind::CriticalNotification);
    EXPECT_EQ(ChoosePanelWindowKind(false, "KWin"), PanelWindowKind::OutsideManagement);
    EXPECT_EQ(ChoosePanelWindowKind(true, "wlroots wm"),
              PanelWindowKind::OutsideManagementHoldingKeys);
    EXPECT_EQ(ChoosePanelWindowKind(false, "wlroots wm"), PanelWindowKind::OutsideManagement);
    for (const char* name : {"", "wlroots", "GNOME Shell", "Mutter", "kwin", "KWin 5"}) {
        EXPECT_EQ(ChoosePanelWindowKind(true, name),
                  PanelWindowKind::OutsideManagementUnderXwayland)
            << name;
        EXPECT_EQ(ChoosePanelWindowKind(false, name), PanelWindowKind::OutsideManagement) << name;
    }
}

// In a Wayland session the X server knows the pointer only over X windows: a window over the
// strip lets it see the edge, and a pointer over the session's own windows is neither in the
// strip nor over the panel, whatever its stale coordinates say.
TEST(Trigger, UnderXwaylandTheStripIsWatchedAndAPointerElsewhereHidesThePanel) {
    EXPECT_TRUE(IsXwaylandOutputs({"XWAYLAND0", "XWAYLAND1"}));
    EXPECT_FALSE(IsXwaylandOutputs({"XWAYLAND0", "HDMI-1"}));
    EXPECT_FALSE(IsXwaylandOutputs({"screen"}));
    EXPECT_FALSE(IsXwaylandOutputs({}));

    velmora::testing::PanelFixture f;
    f.screen.leftTwips = 1280 * 15;  // beside another monitor
    f.screen.widthTwips = 1280 * 15;
    f.screen.heightTwips = 800 * 15;
    f.screen.reportsEdge = true;
    f.screen.ownWindowsOnly = true;
    f.screen.x = 2555;
    f.screen.elsewhere = true;
    f.logic.Tick();
    EXPECT_EQ(f.screen.watched, (PixelRect{2550, 0, 10, 800}));
    EXPECT_TRUE(f.panel.calls.empty());
    EXPECT_TRUE(f.timer.idle) << "the strip reports the pointer: nothing to poll";
    // The pointer comes onto the strip: decided at once, and polled while the panel shows.
    f.screen.elsewhere = false;
    f.screen.y = 3;
    f.screen.edgeEvent();
    EXPECT_EQ(f.panel.calls, (std::vector<std::string>{"left", "top", "show"}));
    EXPECT_FALSE(f.timer.idle);
    // Bands around the shown panel, within the screen, let it see the pointer leave.
    EXPECT_EQ(f.screen.around, (std::vector<PixelRect>{{2355, 0, 32, 481}, {2387, 449, 173, 32}}));
    // Left for a native window: the coordinates stay where they were, over the panel. Believed at
    // the second look (crossing between two windows of ours may show "over none" for a moment).
    f.panel.calls.clear();
    f.screen.x = static_cast<int>(f.panel.left / 15) + 5;
    f.screen.y = 5;
    f.screen.elsewhere = true;
    f.logic.Tick();
    EXPECT_TRUE(f.panel.calls.empty());
    f.logic.Tick();
    EXPECT_EQ(f.panel.calls, (std::vector<std::string>{"hide"}));
    // The panel gone from under those coordinates, the X server puts the pointer back on the
    // strip there: not believed until the pointer is seen somewhere else.
    f.panel.calls.clear();
    f.screen.x = 2555;
    f.screen.elsewhere = true;
    f.logic.Tick();
    f.screen.elsewhere = false;
    f.screen.edgeEvent();
    EXPECT_TRUE(f.panel.calls.empty());
    f.screen.y = 6;
    f.screen.edgeEvent();
    EXPECT_EQ(f.panel.calls, (std::vector<std::string>{"left", "top", "show"}));

    // The watched strip follows a change of the corner and of its width.
    f.settings.WindowPosition = 2;
    f.settings.CapturePixel = 4;
    f.logic.Tick();
    EXPECT_EQ(f.screen.watched, (PixelRect{1280, 0, 4, 800}));

    TriggerInputs in = Hidden(3, 10, 0);
    EXPECT_EQ(TriggerStripRect(in), (PixelRect{0, 0, 10, 1080}));
    in.windowPosition = 7;
    EXPECT_EQ(TriggerStripRect(in), PixelRect{});
}

// A Wayland session's X server reports input only over its own windows: the pointer brought back
// to the very point it left from, where the stale point is disbelieved, is believed once the X
// server reports it moving; the hidden panel listens for that only while it disbelieves a point.
TEST(Trigger, UnderXwaylandAMoveReportedAtTheStalePointBringsThePanel) {
    velmora::testing::PanelFixture f;
    f.screen.reportsEdge = true;
    f.screen.reportsMotion = true;
    f.screen.ownWindowsOnly = true;
    f.screen.x = 1919;
    f.logic.Tick();
    EXPECT_EQ(f.panel.calls, (std::vector<std::string>{"left", "top", "show"}));
    EXPECT_FALSE(f.screen.watchingMotion);
    // Straight off onto a native window from the corner, and hidden at the second look; the X
    // server then puts the pointer back on the strip at those coordinates.
    f.panel.calls.clear();
    f.screen.elsewhere = true;
    f.logic.Tick();
    f.logic.Tick();
    EXPECT_EQ(f.panel.calls, (std::vector<std::string>{"hide"}));
    f.screen.elsewhere = false;
    f.screen.edgeEvent();
    EXPECT_EQ(f.panel.calls, (std::vector<std::string>{"hide"})) << "the point it left from";
    EXPECT_TRUE(f.screen.watchingMotion);
    EXPECT_TRUE(f.timer.idle) << "listening costs no polling";
    // Flicked back into the corner: no crossing, no new coordinates, only the move reported.
    f.screen.pointerActivity(PointerActivity::Moved);
    EXPECT_EQ(f.panel.calls, (std::vector<std::string>{"hide", "left", "top", "show"}));
    EXPECT_FALSE(f.screen.watchingMotion) << "nothing disbelieved: nothing to listen for";
    // Hidden over a native window far from the strip, where no point is held: a move the X
    // server reports over another program's X window is looked at too, and shows nothing there.
    f.panel.calls.clear();
    f.screen.x = 600;
    f.screen.elsewhere = true;
    f.logic.Tick();
    f.logic.Tick();
    EXPECT_EQ(f.panel.calls, (std::vector<std::string>{"hide"}));
    EXPECT_TRUE(f.screen.watchingMotion);
    f.screen.elsewhere = false;
    f.screen.x = 500;
    f.screen.pointerActivity(PointerActivity::Pressed);
    EXPECT_EQ(f.panel.calls, (std::vector<std::string>{"hide"}));
    EXPECT_FALSE(f.screen.watchingMotion);
    EXPECT_TRUE(f.timer.idle);
}

// A panel shown under a pointer at rest in a Wayland session's strip is, to its X server, under
// the pointer at once, while KWin and sway have the pointer over the strip until it moves: the X
// server's pointer is parked on the strip just clear of the panel and its bands, where their
// leaving of the strip is heard. Only there, and only from over the panel.
TEST(Trigger, UnderXwaylandAPanelShownUnderARestingPointerParksTheServersPointerBesideIt) {
    velmora::testing::PanelFixture f;
    f.screen.reportsEdge = true;
    f.screen.ownWindowsOnly = true;
    f.screen.keepsRestingPointer = true;
    f.screen.x = 1915;
    f.screen.y = 300;
    f.logic.Tick();
    EXPECT_EQ(f.panel.calls, (std::vector<std::string>{"left", "top", "show"}));
    using Park = std::pair<std::pair<int, int>, std::pair<int, int>>;
    EXPECT_EQ(f.screen.parks, (std::vector<Park>{{{1915, 300}, {1915, 449 + 32}}}));
    f.logic.Tick();  // seen there, on the strip: it stays
    EXPECT_EQ(f.panel.calls, (std::vector<std::string>{"left", "top", "show"}));
    // Below the panel, where the compositor has it too: left alone.
    f.screen.x = 600;
    f.logic.Tick();
    f.screen.x = 1915;
    f.screen.y = 900;
    f.logic.Tick();
    EXPECT_EQ(f.screen.parks.size(), 1u);
    // The bottom corner: above the panel and its band.
    f.screen.x = 600;
    f.logic.Tick();
    f.settings.WindowPosition = 1;
    f.screen.x = 1915;
    f.logic.Tick();
    EXPECT_EQ(f.screen.parks.back(), (Park{{1915, 900}, {1915, 1080 - 449 - 33}}));
    // A screen with no row clear of the panel and its bands leaves the pointer alone.
    EXPECT_EQ(StripPointClearOfPanel({1910, 0, 10, 481}, {1747, 0, 173, 449}, 1915), std::nullopt);
    EXPECT_EQ(StripPointClearOfPanel({1910, 0, 10, 482}, {1747, 0, 173, 449}, 1915),
              (std::pair{1915, 481}));
    EXPECT_EQ(StripPointClearOfPanel({1910, 0, 10, 800}, {1747, 0, 173, 449}, 1900), std::nullopt);
    // On X11 the X server has the pointer where it is, and so does a compositor that neither keeps
    // a resting pointer where it was nor looks again as it shows the panel.
    for (const bool ownWindowsOnly : {false, true}) {
        velmora::testing::PanelFixture other;
        other.screen.ownWindowsOnly = ownWindowsOnly;
        other.screen.keepsRestingPointer = !ownWindowsOnly;
        other.screen.x = 1915;
        other.screen.y = 300;
        other.logic.Tick();
        EXPECT_EQ(other.panel.calls, (std::vector<std::string>{"left", "top", "show"}));
        EXPECT_TRUE(other.screen.parks.empty());
    }
    EXPECT_TRUE(KeepsRestingPointerWhereItWas(PanelWindowKind::CriticalNotification));
    EXPECT_TRUE(KeepsRestingPointerWhereItWas(PanelWindowKind::OutsideManagementHoldingKeys));
    EXPECT_FALSE(KeepsRestingPointerWhereItWas(PanelWindowKind::OutsideManagementUnderXwayland));
}

// mutter has a resting pointer over the strip until it shows the panel and looks again: the X
// server's pointer is parked there too, and a pointer seen gone within a few timer ticks may be
// one that moved onto the panel before mutter showed it. Gone, the panel hides then;
// on the panel, mutter's look finds it there.
TEST(Trigger, UnderMutterAPointerSeenGoneAsThePanelShowsCountsAFewTicksLater) {
    const auto shownUnderRestingPointer = [](velmora::testing::PanelFixture& f) {
        f.screen.reportsEdge = true;
        f.screen.ownWindowsOnly = true;
        f.screen.looksAgain = true;
        f.screen.x = 1915;
        f.screen.y = 300;
        f.logic.Tick();
        ASSERT_EQ(f.screen.parks.size(), 1u);
        ASSERT_EQ(f.screen.parks[0].second, (std::pair{1915, 449 + 32}));
        // The pointer leaves before mutter shows the panel: the X server has it elsewhere, at the
        // parked point.
        f.screen.x = 1915;
        f.screen.y = 449 + 32;
        f.screen.elsewhere = true;
    };
    velmora::testing::PanelFixture gone;
    shownUnderRestingPointer(gone);
    gone.logic.Tick();  // at once, from the strip's leave
    gone.logic.Tick();
    for (int tick = 1; tick < PointerWatch::kTicksUntilGoneCounts; ++tick) {
        gone.timer.tick();  // the first may follow the show at once
        EXPECT_EQ(gone.panel.calls.back(), "show") << "still believed on the strip";
    }
    gone.timer.tick();
    EXPECT_EQ(gone.panel.calls.back(), "hide");
    EXPECT_EQ(gone.screen.parks.size(), 1u);

    velmora::testing::PanelFixture onPanel;
    shownUnderRestingPointer(onPanel);
    onPanel.logic.Tick();
    onPanel.timer.tick();
    onPanel.screen.elsewhere = false;  // mutter shows the panel and finds the pointer over it
    onPanel.screen.x = 1800;
    onPanel.screen.y = 200;
    onPanel.timer.tick();
    onPanel.timer.tick();
    EXPECT_EQ(onPanel.panel.calls.back(), "show");
    // Gone from there, the panel hides as it does anywhere: no wait once the panel is seen.
    onPanel.screen.elsewhere = true;
    onPanel.logic.Tick();
    onPanel.logic.Tick();
    EXPECT_EQ(onPanel.panel.calls.back(), "hide");

    // The kind that stands for mutter (and weston), and no other.
    EXPECT_TRUE(LooksForPointerAgainAsItShows(PanelWindowKind::OutsideManagementUnderXwayland));
    EXPECT_FALSE(LooksForPointerAgainAsItShows(PanelWindowKind::CriticalNotification));
    EXPECT_FALSE(LooksForPointerAgainAsItShows(PanelWindowKind::OutsideManagementHoldingKeys));
    EXPECT_FALSE(LooksForPointerAgainAsItShows(PanelWindowKind::OutsideManagement));
}

// Windows: a window over the strip tells when the cursor comes onto it (set there by a program
// too), and raw input reports moves wherever the cursor is: the hidden panel polls nothing and
// looks at the pointer's pace.
TEST(Trigger, WhereTheStripAndRawInputReportThePointerTheHiddenPanelRests) {
    velmora::testing::PanelFixture f;
    f.screen.reportsEdge = true;
    f.screen.reportsMotion = true;
    f.screen.x = 100;
    f.logic.Tick();
    EXPECT_EQ(f.screen.watched, (PixelRect{1910, 0, 10, 1080}));
    EXPECT_TRUE(f.screen.watchingMotion);
    EXPECT_TRUE(f.timer.idle) << "hidden: nothing to poll";
    // Set onto the strip by a program, which makes no input: the strip tells.
    f.screen.x = 1915;
    f.screen.edgeEvent();
    EXPECT_EQ(f.panel.calls, (std::vector<std::string>{"left", "top", "show"}));
    EXPECT_FALSE(f.timer.idle) << "the shown panel polls";
    EXPECT_FALSE(f.screen.watchingMotion);
    // Hidden again: moves anywhere are looked at, at most once a frame.
    f.screen.x = 500;
    f.logic.Tick();
    EXPECT_TRUE(f.timer.idle);
    f.panel.calls.clear();
    f.screen.pointerActivity(PointerActivity::Moved);
    EXPECT_EQ(f.timer.soonIn, PointerWatch::kFrameMs);
    f.screen.x = 1916;
    f.screen.pointerActivity(PointerActivity::Moved);
    EXPECT_TRUE(f.panel.calls.empty()) << "within the frame";
    f.timer.FireSoon();
    EXPECT_EQ(f.panel.calls, (std::vector<std::string>{"left", "top", "show"}));
}

// Where the screen reports the user's input, the hidden panel listens instead of polling: a move
// is looked at at once and then at most once a frame, a key or button a moment later (a program
// may warp the pointer in answer) and at the tick for a second.
TEST(Trigger, AHiddenPanelListensAndLooksAtThePointersPace) {
    velmora::testing::PanelFixture f;
    f.screen.reportsMotion = true;
    f.screen.x = 100;
    f.logic.Tick();
    EXPECT_TRUE(f.screen.watchingMotion);
    EXPECT_TRUE(f.timer.idle) << "hidden: nothing to poll";
    EXPECT_FALSE(f.timer.soonIn);

    // A move onto the strip: shown at once; the next look comes no sooner than a frame.
    f.screen.x = 1915;
    f.screen.pointerActivity(PointerActivity::Moved);
    EXPECT_EQ(f.panel.calls, (std::vector<std::string>{"left", "top", "show"}));
    EXPECT_EQ(f.timer.soonIn, PointerWatch::kFrameMs);
    EXPECT_FALSE(f.timer.idle) << "the shown panel polls";
    EXPECT_FALSE(f.screen.watchingMotion);
    // Hidden again, the pointer moving on within that frame: looked at when the frame is over,
    // and a frame after that only if it moved again.
    f.screen.x = 500;
    f.logic.Tick();
    f.panel.calls.clear();
    f.screen.pointerActivity(PointerActivity::Moved);  // the frame's first look
    f.screen.x = 1916;
    f.screen.pointerActivity(PointerActivity::Moved);
    EXPECT_TRUE(f.panel.calls.empty());
    f.timer.FireSoon();
    EXPECT_EQ(f.panel.calls, (std::vector<std::string>{"left", "top", "show"}));
    f.screen.x = 500;
    f.logic.Tick();
    f.timer.FireSoon();
    EXPECT_FALSE(f.timer.soonIn) << "no move in the last frame: no more looks";
    EXPECT_TRUE(f.timer.idle);

    // A key, then the pointer warped into the strip (no motion of its own): seen at one of the
    // looks after the key, or at the ticks of the next second.
    f.panel.calls.clear();
    f.screen.pointerActivity(PointerActivity::Pressed);
    EXPECT_EQ(f.timer.soonIn, PointerWatch::kAfterPressMs);
    EXPECT_FALSE(f.timer.idle);
    f.timer.FireSoon();
    EXPECT_TRUE(f.panel.calls.empty()) << "nothing moved yet";
    EXPECT_EQ(f.timer.soonIn, PointerWatch::kAfterPressMs);
    f.screen.x = 1915;
    f.timer.FireSoon();
    EXPECT_EQ(f.panel.calls, (std::vector<std::string>{"left", "top", "show"}));
    f.screen.x = 500;
    f.logic.Tick();
    for (int i = 2; i < PointerWatch::kLooksAfterPress; ++i) f.timer.FireSoon();
    EXPECT_FALSE(f.timer.soonIn) << "the looks after a key are over";
    // Another key, and a warp later in that second: seen at a tick.
    f.panel.calls.clear();
    f.screen.pointerActivity(PointerActivity::Pressed);
    for (int i = 0; i < PointerWatch::kLooksAfterPress; ++i) f.timer.FireSoon();
    EXPECT_TRUE(f.panel.calls.empty());
    for (int i = 1; i < PointerWatch::kTicksAfterPress; ++i) {
        f.timer.tick();
        EXPECT_FALSE(f.timer.idle);
    }
    f.screen.x = 1915;
    f.timer.tick();
    EXPECT_EQ(f.panel.calls, (std::vector<std::string>{"left", "top", "show"}));
    f.screen.x = 500;
    f.timer.tick();
    EXPECT_TRUE(f.timer.idle) << "a second after the key, resting again";

    // Moved while the screen was starting to listen (as the panel hid): looked at at once.
    f.panel.calls.clear();
    f.screen.x = 1915;
    f.logic.Tick();
    f.screen.x = 500;
    f.screen.xOnceWatched = 1917;
    f.logic.Tick();
    EXPECT_EQ(f.timer.soonIn, 0);
    f.timer.FireSoon();
    EXPECT_EQ(f.panel.calls,
              (std::vector<std::string>{"left", "top", "show", "hide", "left", "top", "show"}));
}

TEST(Trigger, AHiddenPanelPollsOverALockedScreenAndListensToNothingWhileADialogIsOpen) {
    velmora::testing::PanelFixture f;
    f.screen.reportsMotion = true;
    // Resting in the strip over a locked screen: polled, so the panel comes once it is unlocked.
    f.screen.locked = true;
    f.screen.x = 1915;
    f.logic.Tick();
    EXPECT_TRUE(f.panel.calls.empty());
    EXPECT_FALSE(f.timer.idle);
    f.screen.locked = false;
    f.logic.Tick();
    EXPECT_EQ(f.panel.calls, (std::vector<std::string>{"left", "top", "show"}));
    // A timer stopped (a dialog open) stops listening too.
    f.panel.Hide();
    f.screen.x = 100;
    f.logic.Tick();
    ASSERT_TRUE(f.screen.watchingMotion);
    f.timer.SetEnabled(false);
    f.screen.pointerActivity(PointerActivity::Moved);
    EXPECT_FALSE(f.screen.watchingMotion);
    f.timer.SetEnabled(true);
    f.logic.Tick();
    EXPECT_TRUE(f.screen.watchingMotion);
}
