#pragma once

#include <memory>

namespace velmora::platform {

// Tells, without polling, that the pointer moved anywhere on the X display: the X server's raw
// motion events (XInput 2.2), which every pointing device and XTest's fake motion (remote
// desktops) produce, whatever window is under the pointer and whoever grabbed it. A program
// warping the pointer (XWarpPointer) produces none. X11 only; in a Wayland session's X server
// there are none while the pointer is over the session's own windows.
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
    // Reads what came; true if the pointer moved while listening.
    bool TakeMotion();

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace velmora::platform
