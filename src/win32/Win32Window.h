#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace velmora::win32 {

// A window bound to its C++ object at WM_NCCREATE. Messages go to HandleMessage; no exception
// leaves the window procedure (unwinding through the system's frames is undefined): one that
// reaches it is reported through OnUncaughtException and the message gets the default answer.
class Win32Window {
  public:
    Win32Window() = default;
    virtual ~Win32Window();
    Win32Window(const Win32Window&) = delete;
    Win32Window& operator=(const Win32Window&) = delete;

    HWND hwnd() const { return hwnd_; }

    // Where an exception that reached a window or dialog procedure is reported.
    static std::function<void(const std::string& what)> OnUncaughtException;
    // Runs f; an exception from it goes to OnUncaughtException.
    static void Guard(const std::function<void()>& f);

  protected:
    // Registers the class once and creates the window with this object bound to it; throws
    // CreationFailed when it cannot.
    void Create(const wchar_t* className, DWORD style, DWORD exStyle, const RECT& rect,
                HWND parent);
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
};

// Subclasses a control: every message goes to handler first, which returns true when it
// handled the message (result in *result); the rest go to the control's own procedure, which
// CallOriginal reaches too. The handler must outlive the control. (The window procedure is
// replaced directly: comctl32's SetWindowSubclass looks its data up per message, which costs a
// server round trip under Wine.)
using SubclassHandler = std::function<bool(HWND, UINT, WPARAM, LPARAM, LRESULT* result)>;
void Subclass(HWND control, SubclassHandler* handler);
LRESULT CallOriginal(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

// Why a window could not be created (the last error), to be thrown: nothing runs on without it.
std::runtime_error CreationFailed(const wchar_t* className);

// A child control of a system class; throws CreationFailed when it cannot be made.
HWND CreateControl(HWND parent, const wchar_t* className, const std::string& text, DWORD style,
                   DWORD exStyle, const RECT& pixels, int id);

void SetText(HWND window, const std::string& utf8);

// Puts the controls one after another in the z-order, the order Tab follows in a dialog and
// under IsDialogMessage; other controls keep their places.
void ApplyTabOrder(const std::vector<HWND>& controls);

// The same from one of the core's tab-order tables, with the child id of each control.
template <typename Control, std::size_t N>
void ApplyTabOrder(HWND parent, const std::array<Control, N>& order, int (*idOf)(Control)) {
    std::vector<HWND> controls;
    for (const Control control : order) controls.push_back(::GetDlgItem(parent, idOf(control)));
    ApplyTabOrder(controls);
}
std::string GetText(HWND window);

// Shift 1, Ctrl 2, Alt 4, as held now (for the message being handled).
int HeldModifiers();

}  // namespace velmora::win32
