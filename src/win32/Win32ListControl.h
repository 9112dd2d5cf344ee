#pragma once

#include <windows.h>

#include "core/panel/ListControl.h"
#include "win32/ToolTipWindow.h"
#include "win32/Win32Window.h"

namespace velmora::win32 {

// The item list: a list box behind the list primitives. The list box is subclassed for key releases
// (Alt+arrows arrive as WM_SYSKEYUP) and mouse releases; its parent forwards LBN_SELCHANGE and
// LBN_DBLCLK through OnNotify.
class Win32ListControl : public IListControl {
  public:
    Win32ListControl(HWND listBox, ToolTipWindow& toolTip);

    int Count() const override;
    std::string Text(int index) const override;
    void SetText(int index, const std::string& text) override;
    void Insert(int index, const std::string& text) override;
    void Remove(int index) override;
    int SelectedIndex() const override;
    void SetSelectedIndex(int index) override;
    bool IsSelected(int index) const override;
    void SetToolTip(const std::string& text) override;
    std::string ToolTip() const override;

    HWND hwnd() const { return list_; }
    // While the panel is hidden, entries change without redrawing (10000 stored items would
    // otherwise redraw and re-measure the list 10000 times at start-up); the panel calls this
    // before it shows itself.
    void ResumeDrawing();
    // A list box notification (the high word of WM_COMMAND's wParam).
    void OnNotify(WORD code);

  private:
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    void DeferDrawingWhileHidden();

    HWND list_;
    ToolTipWindow& toolTip_;
    std::string toolTipText_;
    bool drawingDeferred_ = false;
    SubclassHandler handler_;
};

}  // namespace velmora::win32
