#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/panel/DropRule.h"
#include "core/ui/Twips.h"

namespace velmora {

// What the user does to the panel's own controls, as callbacks its behaviour sets.
struct PanelEvents {
    std::function<void()> exitClick;
    std::function<void()> settingsClick;
    std::function<void()> separatorClick;
    std::function<void()> aboutClick;
    std::function<void(const DropData& data, int modifiers)> argumentDrop;
    std::function<void()> argumentDoubleClick;
    // The window is going away, however that happened (the exit button, the session's end,
    // a close from outside). Raised at least once; the behaviour acts on the first.
    std::function<void()> closed;
};

// The panel window as its behaviour sees it. Geometry in twips.
class IPanelView {
  public:
    virtual ~IPanelView() = default;
    virtual double Width() const = 0;
    virtual void SetWidth(double twips) = 0;
    virtual double Height() const = 0;
    virtual double Left() const = 0;
    virtual double Top() const = 0;
    virtual void SetLeft(double twips) = 0;
    virtual void SetTop(double twips) = 0;
    virtual bool IsVisible() const = 0;
    // Shows without taking the keyboard focus.
    virtual void Show() = 0;
    virtual void Hide() = 0;
    // Into the topmost band at the screen origin, keeping the size.
    virtual void MakeTopmost() = 0;
    virtual double ListWidth() const = 0;
    virtual void SetListWidth(double twips) = 0;
    // The right border line at x; the top and bottom lines end there.
    virtual void SetBorderX(double twips) = 0;
    virtual void SetKeyHelp(const std::string& text) = 0;
    virtual void SetArgumentLabelLook(bool bold, const std::string& toolTip) = 0;
    // Closes the window for good; the front end then raises events.closed.
    virtual void Unload() = 0;

    PanelEvents events;
};

// The primary screen's place and size and the pointer, read afresh whenever asked.
// What the screen reports of the user's input while the hidden panel listens (WatchMotion).
enum class PointerActivity {
    Moved,    // a pointing device, a touch, a remote desktop moved the pointer
    Pressed,  // a key or button: a program may warp the pointer in answer
};

class IScreen {
  public:
    virtual ~IScreen() = default;
    // The primary screen's top-left corner among all monitors (0, 0 with one monitor).
    virtual double LeftTwips() const = 0;
    virtual double TopTwips() const = 0;
    virtual double WidthTwips() const = 0;
    virtual double HeightTwips() const = 0;
    virtual double TwipsPerPixelX() const = 0;
    virtual double TwipsPerPixelY() const = 0;
    // Screen pixels.
    virtual std::pair<int, int> CursorPos() const = 0;
    // As of the last CursorPos: the pointer is over a window the window system cannot place it
    // on (a Wayland session's own, seen from its X server), and its coordinates are stale.
    virtual bool PointerElsewhere() const { return false; }
    // The trigger strip and the bands around the shown panel in screen pixels, after every tick
    // (empty: none). Where the window system sees the pointer only over windows of its own,
    // windows there let it see the pointer reach the edge and leave the panel.
    virtual void WatchEdge(const PixelRect& strip, const std::vector<PixelRect>& aroundPanel) {
        (void)strip;
        (void)aroundPanel;
    }
    // The watched places tell when the pointer comes onto them (edgeEvent): a hidden panel then
    // needs no polling.
    virtual bool ReportsEdge() const { return false; }
    // Where ReportsMotion, pointerActivity comes while WatchMotion(true): a hidden panel then
    // needs no polling (core/panel/PointerWatch.h). WatchMotion(true) returns once a move would
    // be reported.
    virtual bool ReportsMotion() const { return false; }
    virtual void WatchMotion(bool on) { (void)on; }
    // The window system hears of the pointer only while it is over windows of its own (a Wayland
    // session's X server): its place may be stale, and a move it reports means the pointer is
    // back on one. Elsewhere (X11, Windows) motion is reported wherever the pointer is.
    virtual bool SeesPointerOnlyOverOwnWindows() const { return false; }
    // There, where the compositor goes on treating a pointer at rest as over the window it was
    // over when another one is shown under it (core/panel/WindowKind.h).
    virtual bool KeepsRestingPointerWhereItWas() const { return false; }
    // There, where the compositor looks again for the window under the pointer as it shows one, a
    // while after the window system has mapped it (core/panel/WindowKind.h).
    virtual bool LooksForPointerAgainAsItShows() const { return false; }
    // Under either: moves the window system's pointer to `to` (screen pixels) without moving the
    // pointer the user sees, which stays at `from`. What the user does there before the pointer
    // moves again comes to the window at `to`, and is handed to the one at `from`.
    virtual void ParkServerPointer(std::pair<int, int> from, std::pair<int, int> to) {
        (void)from;
        (void)to;
    }
    std::function<void(PointerActivity)> pointerActivity;

    // The pointer came onto a watched place or moved there, or the screens changed.
    std::function<void()> edgeEvent;
    // The screen is locked or the screen saver is on: nothing of the program may show.
    virtual bool Locked() const = 0;
};

// The panel's timer; it ticks every layout::panel::kTickIntervalMs while enabled.
class ITimer {
  public:
    virtual ~ITimer() = default;
    virtual bool Enabled() const = 0;
    virtual void SetEnabled(bool enabled) = 0;
    // An enabled timer that has nothing to poll for a while skips its ticks (it stays Enabled);
    // SetEnabled(true) ends that.
    virtual void SetIdle(bool idle) { (void)idle; }
    // One call of soon after ms milliseconds, idle or not; one due sooner stands, a later one is
    // brought forward.
    virtual void TickSoon(int ms) = 0;

    std::function<void()> tick;
    std::function<void()> soon;
};

}  // namespace velmora
