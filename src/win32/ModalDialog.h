#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/ui/Layout.h"
#include "win32/Dpi.h"
#include "win32/Win32Window.h"

namespace velmora::win32 {

// A small modal dialog from an in-memory template: its controls are placed in WM_INITDIALOG
// from the core's twip layout at the window's DPI (placed again when it changes), in the core's tab
// order. Buttons, Enter (IDOK), Esc and the title bar's close (IDCANCEL) go to the core's button
// handler following the dialog's key rules; the handler closes the dialog through CloseDialog. No
// exception leaves the dialog procedure.
class ModalDialog {
  public:
    static constexpr int kFirstButtonId = 1000;

    ModalDialog(const char* title, double clientWidth, double clientHeight, double fontPoints,
                layout::DialogKeys keys, std::function<void(int)> onButton);
    virtual ~ModalDialog();
    ModalDialog(const ModalDialog&) = delete;
    ModalDialog& operator=(const ModalDialog&) = delete;

    // Shows the dialog, owned by owner (which takes no input meanwhile); returns once closed.
    // loaded runs once the controls exist, before the dialog is shown.
    void Run(HWND owner, std::function<void()> loaded);
    void CloseDialog();
    HWND hwnd() const { return hwnd_; }
    HWND button(int index) const { return ::GetDlgItem(hwnd_, kFirstButtonId + index); }

    // Called for every dialog once it is loaded, before it is shown (tests hook in here).
    static std::function<void(ModalDialog&)> onOpened;

  protected:
    virtual void BuildControls() = 0;
    // Notifications other than button clicks; true when handled.
    virtual bool OnCommand(int id, int code);
    // After the controls were placed again at a new DPI.
    virtual void OnDpiChanged();
    DpiLayout& layout() { return layout_; }
    HFONT font() { return layout_.Font(fontPoints_); }

    HWND AddButton(int index, const char* caption, const TwipRect& place);
    HWND AddControl(const wchar_t* className, const std::string& text, DWORD style, DWORD exStyle,
                    const TwipRect& place, int id);
    // A text box that selects its whole text whenever it gets the focus.
    HWND AddTextBox(const TwipRect& place, int id, DWORD style = 0);

  private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Initialise();
    SIZE WindowSize() const;
    void FitClientArea();

    std::string title_;
    double clientWidth_;
    double clientHeight_;
    double fontPoints_;
    layout::DialogKeys keys_;
    std::function<void(int)> onButton_;
    std::function<void()> loaded_;
    HWND hwnd_ = nullptr;
    DpiLayout layout_;
    std::vector<std::unique_ptr<SubclassHandler>> handlers_;
};

}  // namespace velmora::win32
