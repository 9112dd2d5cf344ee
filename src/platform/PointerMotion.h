#pragma once

#include <memory>

namespace velmora::platform {

// Tells, without polling, what the user's input did anywhere on the X display: the X server's raw
// events (XInput 2.2), whatever window is under the pointer and whoever grabbed it. Motion comes
// from every pointing device, touches and XTest's fake motion (remote desktops); a program
// warping the pointer (XWarpPointer) makes none, but such programs (keyboard pointer tools,
// window managers) warp in answer to a key or button, which is reported. Only that something
// happened is read, never which key. X11 only; in a Wayland session's X server there are none
// while the pointer is over the session's own windows.
class PointerMotion {
  public:
    PointerMotion();
    ~PointerMotion();
    PointerMotion(const PointerMotion&) = delete;
    PointerMotion& operator=(const PointerMotion&) = delete;

    // The connection's file descriptor, readable when motion may have come; -1 when the display
    // has no XInput 2.2 (then nothing is reported).
    int Descriptor() const;
    // Starts or stops listening. Starting returns once the X server listens, so that a move
    // after the call is reported.
    void Watch(bool on);
    struct Activity {
        bool moved = false;    // motion or a touch
        bool pressed = false;  // a key or a button
    };
    // Reads what came while listening.
    Activity TakeActivity();

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace velmora::platform
