#pragma once

#include <memory>

namespace velmora::platform {

// Whether the screen is locked or the screen saver is on, asked of the window system directly.
//
// On X11 no one signal holds for every locker, so this asks two: the X server's own screen saver
// (MIT-SCREEN-SAVER: the server's blanking, and savers run through it), and whether another
// client holds the keyboard grabbed, as every X11 locker and screen saver does while it shows
// (xscreensaver, i3lock, slock, xsecurelock, the desktops' own). xscreensaver's status property on
// the root window is no help: it outlives an xscreensaver that was ended while locked. A drag
// holds only the pointer, so a drag to the screen edge still counts as unlocked. The grab test
// takes the keyboard for an instant when it is free: ask only before showing something.
class ScreenLock {
  public:
    ScreenLock();
    ~ScreenLock();
    ScreenLock(const ScreenLock&) = delete;
    ScreenLock& operator=(const ScreenLock&) = delete;

    bool Locked();

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace velmora::platform
