#include "core/panel/PointerWatch.h"

#include "core/panel/Trigger.h"

namespace velmora {

PointerWatch::Reading PointerWatch::Read(bool panelVisible) {
    const auto [x, y] = screen_.CursorPos();
    // While the panel shows, "elsewhere" counts at the second look: as the pointer crosses from
    // one window of ours onto another, the window system may for a moment know it over none.
    const bool elsewhere = screen_.PointerElsewhere();
    const bool confirmed = elsewhere && (elsewhereBefore_ || !panelVisible);
    elsewhereBefore_ = elsewhere;
    // Still elsewhere until the pointer is seen at another point.
    const bool believedElsewhere = confirmed || stale_ == std::pair{x, y};
    stale_ = believedElsewhere ? std::optional{std::pair{x, y}} : std::nullopt;
    // Seen off the parked point, the compositor has looked: gone from there counts at once.
    if (!panelVisible || (!believedElsewhere && std::pair{x, y} != parkedAt_))
        ticksUntilGoneCounts_ = 0;
    if (believedElsewhere && ticksUntilGoneCounts_ > 0) return {parkedAt_.first, parkedAt_.second};
    return {x, y, believedElsewhere};
}

void PointerWatch::AfterTick(bool panelVisible, const PixelRect& strip, const Reading& seen) {
    // Where the window system hears of the pointer only over windows of its own (a Wayland
    // session's X server), the hidden panel listens only while it disbelieves a stale point: a
    // move reported then is the pointer truly back on one; the strip reports the rest.
    const bool edge = screen_.ReportsEdge();
    const bool ownOnly = screen_.SeesPointerOnlyOverOwnWindows();
    const bool listen =
        !panelVisible && screen_.ReportsMotion() && (!ownOnly || stale_.has_value());
    if (!listen) {
        // The shown panel polls; a hidden one polls where nothing reports the pointer and rests
        // where the strip does.
        if (listening_) screen_.WatchMotion(false);
        listening_ = false;
        ticksAfterPress_ = 0;
        timer_.SetIdle(!panelVisible && edge);
        return;
    }
    if (!listening_) {
        screen_.WatchMotion(true);  // returns once a move would be reported
        listening_ = true;
        // It may have moved before the screen listened (where the coordinates can be trusted).
        if (!ownOnly && screen_.CursorPos() != std::pair{seen.x, seen.y}) LookSoon(0);
    }
    if (ownOnly) {
        timer_.SetIdle(true);
        return;
    }
    // A pointer resting in the strip is looked at on: the screen may be locked, and unlocked
    // without the pointer moving.
    timer_.SetIdle(ticksAfterPress_ == 0 && !strip.Contains(seen.x, seen.y));
}

void PointerWatch::Shown(const PixelRect& panel, const PixelRect& strip, const Reading& seen) {
    const bool looksAgain = screen_.LooksForPointerAgainAsItShows();
    if (!screen_.SeesPointerOnlyOverOwnWindows() ||
        !(screen_.KeepsRestingPointerWhereItWas() || looksAgain) || seen.elsewhere ||
        !panel.Contains(seen.x, seen.y))
        return;
    const auto clear = StripPointClearOfPanel(strip, panel, seen.x);
    if (!clear) return;
    screen_.ParkServerPointer({seen.x, seen.y}, *clear);
    if (looksAgain) {
        parkedAt_ = *clear;
        // Three ticks and more (the next may come at once): mutter shows a window within a frame
        // or two, and in a busy session far later.
        ticksUntilGoneCounts_ = kTicksUntilGoneCounts;
    }
}

void PointerWatch::CountTick() {
    if (ticksAfterPress_ > 0) --ticksAfterPress_;
    if (ticksUntilGoneCounts_ > 0) --ticksUntilGoneCounts_;
}

void PointerWatch::Stop() {
    if (listening_) screen_.WatchMotion(false);
    listening_ = false;
    looksAfterPress_ = 0;
    ticksAfterPress_ = 0;
    lookAtSoon_ = false;
}

bool PointerWatch::OnActivity(PointerActivity activity) {
    if (!timer_.Enabled()) {
        Stop();
        return false;
    }
    if (screen_.SeesPointerOnlyOverOwnWindows()) {
        // The pointer moved or pressed over a window of the X server's: where it now is, is
        // known again.
        stale_.reset();
        return true;
    }
    switch (activity) {
        case PointerActivity::Moved:
            if (soonPending_) {  // looked at within this frame already
                lookAtSoon_ = true;
                return false;
            }
            LookSoon(kFrameMs);
            lookAtSoon_ = false;
            return true;
        case PointerActivity::Pressed:
            looksAfterPress_ = kLooksAfterPress;
            ticksAfterPress_ = kTicksAfterPress;
            timer_.SetIdle(false);
            if (!soonPending_) LookSoon(kAfterPressMs);
            return false;
    }
    return false;
}

bool PointerWatch::OnSoon() {
    soonPending_ = false;
    if (!timer_.Enabled()) return false;
    if (looksAfterPress_ > 0) {
        --looksAfterPress_;
        lookAtSoon_ = false;
        if (looksAfterPress_ > 0) LookSoon(kAfterPressMs);
        return true;
    }
    if (!lookAtSoon_) return false;
    // The pointer moved within the last frame: one more look now, and the next a frame later.
    lookAtSoon_ = false;
    LookSoon(kFrameMs);
    return true;
}

void PointerWatch::LookSoon(int ms) {
    if (ms == 0) lookAtSoon_ = true;
    soonPending_ = true;
    timer_.TickSoon(ms);
}

}  // namespace velmora
