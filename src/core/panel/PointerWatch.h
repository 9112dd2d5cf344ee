#pragma once

#include <optional>
#include <utility>

#include "core/panel/PanelView.h"
#include "core/ui/Twips.h"

namespace velmora {

// Everything the panel's tick knows of the pointer besides the decision itself: where it is and
// whether that is believed, whether the hidden panel may rest, and what brings the next look.
//
// Where the screen reports the pointer's activity (raw input on X11 and Windows), the hidden panel
// does not poll at all: a move brings a look at once and then at most one a frame while the pointer
// keeps moving; a key or button press (what keyboard pointer tools and window managers warp the
// pointer on, which makes no motion of its own) brings a few looks over the next 100 ms and the
// tick for a second. (The screens changing, which may move the pointer into the strip, runs the
// tick itself.) A strip that reports the pointer coming onto it (Windows, a Wayland session's X
// server) runs the tick itself. Where the window system sees the pointer only over windows of its
// own (that X server), the hidden panel listens only while it disbelieves a stale point, and any
// activity then is looked at at once.
class PointerWatch {
  public:
    // A frame: the shortest time between two looks while the pointer moves.
    static constexpr int kFrameMs = 16;
    // After a key or button press: this many looks this far apart (a warp in answer comes within
    // a few milliseconds, or from another program started by the key a little later), then the
    // tick for this many ticks.
    static constexpr int kAfterPressMs = 20;
    static constexpr int kLooksAfterPress = 5;
    static constexpr int kTicksAfterPress = 4;
    // Parked where the compositor looks again as it shows the panel: the timer ticks until a
    // pointer seen gone counts.
    static constexpr int kTicksUntilGoneCounts = 4;

    PointerWatch(IScreen& screen, ITimer& timer) : screen_(screen), timer_(timer) {}

    struct Reading {
        int x = 0;
        int y = 0;
        // Over a window the window system cannot place it on, and so not over the panel.
        bool elsewhere = false;
    };
    // The pointer as this tick sees it.
    Reading Read(bool panelVisible);
    // After the tick: what to listen for and whether the timer may rest, for the panel as it now
    // is, its trigger strip and the pointer where this tick read it.
    void AfterTick(bool panelVisible, const PixelRect& strip, const Reading& seen);
    // The panel has just been shown, in screen pixels, with the pointer where this tick read it.
    // Where the window system sees the pointer only over windows of its own, a pointer at rest
    // that the panel appeared under is, to the window system, over the panel at once; a
    // compositor that keeps a resting pointer where it was has it over the strip until it moves,
    // and its word that it left the strip then reaches no program. There the window system's
    // pointer is parked on the strip beside the panel, where the compositor has it (its next move
    // puts it right again). A compositor that looks again as it shows the panel has the pointer
    // over the strip until then: parked there too, a pointer seen gone within a few timer ticks
    // is believed on the strip until then (moved onto the panel before the compositor showed it,
    // it is seen there once the compositor looks).
    void Shown(const PixelRect& panel, const PixelRect& strip, const Reading& seen);
    // The timer ticked (before that tick's look).
    void CountTick();
    // The timer is off (a dialog is open): nothing is listened for.
    void Stop();

    // The screen reported activity; true when the tick should look now.
    bool OnActivity(PointerActivity activity);
    // The timer's TickSoon came; true when the tick should look now.
    bool OnSoon();

  private:
    void LookSoon(int ms);

    IScreen& screen_;
    ITimer& timer_;
    // A pointer gone elsewhere leaves its coordinates behind; a window of ours that appears or
    // disappears there makes the window system believe the pointer came back onto it.
    std::optional<std::pair<int, int>> stale_;
    bool elsewhereBefore_ = false;  // the last look saw the pointer elsewhere
    bool listening_ = false;
    bool soonPending_ = false;  // a TickSoon is on its way
    bool lookAtSoon_ = false;   // and it brings a look
    int looksAfterPress_ = 0;
    int ticksAfterPress_ = 0;
    // Parked where the compositor looks again as it shows the panel: the parked point, and the
    // timer ticks left until a pointer seen gone counts.
    std::pair<int, int> parkedAt_;
    int ticksUntilGoneCounts_ = 0;
};

}  // namespace velmora
