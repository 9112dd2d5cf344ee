#pragma once

#include <functional>

#include "core/panel/PanelView.h"
#include "win32/Win32Window.h"

namespace velmora::win32 {

// A nearly transparent topmost window over the trigger strip, so that the hidden panel need not
// poll the cursor: Windows tells it when the cursor comes onto the strip, whether a device moved
// it, a touch or a program setting it. It hears the screens change too, and, while the hidden
// panel rests, the raw input of mice, touch screens, pens and keyboards (a move anywhere brings a
// look, so does a key a keyboard pointer tool answers with a jump of the cursor). It takes the
// clicks in its band, where the panel appears anyway; the shown panel lies above it.
class EdgeStripWindow : public Win32Window {
  public:
    EdgeStripWindow();

    // Where it lies, in screen pixels; an empty rectangle hides it.
    void Place(const PixelRect& strip);
    // Raw input of the devices that move the cursor or answer keys, on or off.
    void WatchRawInput(bool on);

    // The cursor came onto the strip or moved on it, or the screens changed.
    std::function<void()> touched;
    // Raw input, while watched.
    std::function<void(PointerActivity)> activity;

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void OnRawInput(HRAWINPUT input);

    PixelRect placed_;
    bool watching_ = false;
};

}  // namespace velmora::win32
