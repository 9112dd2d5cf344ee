#pragma once

#include <windows.h>

#include <string>

namespace velmora::win32 {

// One tooltip window serving several controls, each with a text of its own; an empty text
// shows no tip. The controls relay their mouse messages (Relay) from their own subclass.
class ToolTipWindow {
  public:
    explicit ToolTipWindow(HWND owner);
    ~ToolTipWindow();
    ToolTipWindow(const ToolTipWindow&) = delete;
    ToolTipWindow& operator=(const ToolTipWindow&) = delete;

    void Add(HWND control);
    void SetText(HWND control, const std::string& text);
    void Relay(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

  private:
    HWND owner_;
    HWND tip_;
};

}  // namespace velmora::win32
