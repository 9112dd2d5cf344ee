#include "win32/Win32ListControl.h"

#include <windowsx.h>

#include "platform/WideText_windows.h"

namespace velmora::win32 {

using platform::Narrow;
using platform::Widen;

namespace {

ListKey KeyOf(WPARAM virtualKey) {
    switch (virtualKey) {
        case VK_DELETE:
            return ListKey::Delete;
        case VK_UP:
            return ListKey::Up;
        case VK_DOWN:
            return ListKey::Down;
        default:
            return ListKey::Other;
    }
}

}  // namespace

Win32ListControl::Win32ListControl(HWND listBox, ToolTipWindow& toolTip)
    : list_(listBox), toolTip_(toolTip) {
    handler_ = [this](HWND, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
        return HandleMessage(message, wParam, lParam, result);
    };
    Subclass(list_, &handler_);
    toolTip_.Add(list_);
}

bool Win32ListControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    toolTip_.Relay(list_, message, wParam, lParam);
    switch (message) {
        case WM_KEYUP:
        case WM_SYSKEYUP:
            if (events.keyUp) events.keyUp(KeyOf(wParam), HeldModifiers());
            return false;
        case WM_SYSKEYDOWN:
            // Alt+Up and Alt+Down are the move commands: they must not move the selection.
            if (wParam == VK_UP || wParam == VK_DOWN) {
                *result = 0;
                return true;
            }
            return false;
        case WM_RBUTTONDOWN:
            // The right button acts on the selected item, wherever it is pressed.
            ::SetFocus(list_);
            *result = 0;
            return true;
        case WM_RBUTTONUP:
            if (events.mouseUp) events.mouseUp(MouseButton::Right, HeldModifiers());
            *result = 0;
            return true;
        case WM_LBUTTONUP:
            if (events.mouseUp) events.mouseUp(MouseButton::Left, HeldModifiers());
            return false;
        default:
            return false;
    }
}

void Win32ListControl::OnNotify(WORD code) {
    if (code == LBN_SELCHANGE && events.click) events.click();
    if (code == LBN_DBLCLK && events.doubleClick) events.doubleClick();
}

int Win32ListControl::Count() const {
    return static_cast<int>(::SendMessageW(list_, LB_GETCOUNT, 0, 0));
}

std::string Win32ListControl::Text(int index) const {
    const LRESULT length = ::SendMessageW(list_, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied = ::SendMessageW(list_, LB_GETTEXT, static_cast<WPARAM>(index),
                                          reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == LB_ERR ? 0 : static_cast<std::size_t>(copied));
    return Narrow(text);
}

void Win32ListControl::SetText(int index, const std::string& text) {
    const bool selected = IsSelected(index);
    const std::wstring wide = Widen(text);
    ::SendMessageW(list_, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
    ::SendMessageW(list_, LB_INSERTSTRING, static_cast<WPARAM>(index),
                   reinterpret_cast<LPARAM>(wide.c_str()));
    // Quietly: a changed entry is not a click.
    if (selected) ::SendMessageW(list_, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void Win32ListControl::DeferDrawingWhileHidden() {
    if (drawingDeferred_ || ::IsWindowVisible(::GetAncestor(list_, GA_ROOT))) return;
    ::SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
    drawingDeferred_ = true;
}

void Win32ListControl::ResumeDrawing() {
    if (!drawingDeferred_) return;
    drawingDeferred_ = false;
    ::SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(list_, nullptr, TRUE);
}

void Win32ListControl::Insert(int index, const std::string& text) {
    DeferDrawingWhileHidden();
    const int selected = SelectedIndex();
    const std::wstring wide = Widen(text);
    ::SendMessageW(list_, LB_INSERTSTRING, static_cast<WPARAM>(index),
                   reinterpret_cast<LPARAM>(wide.c_str()));
    // The selection follows its entry.
    if (selected >= index)
        ::SendMessageW(list_, LB_SETCURSEL, static_cast<WPARAM>(selected + 1), 0);
}

void Win32ListControl::Remove(int index) {
    const int selected = SelectedIndex();
    ::SendMessageW(list_, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
    if (selected == index) {
        ::SendMessageW(list_, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    } else if (selected > index) {
        ::SendMessageW(list_, LB_SETCURSEL, static_cast<WPARAM>(selected - 1), 0);
    }
}

int Win32ListControl::SelectedIndex() const {
    const LRESULT selected = ::SendMessageW(list_, LB_GETCURSEL, 0, 0);
    return selected == LB_ERR ? -1 : static_cast<int>(selected);
}

void Win32ListControl::SetSelectedIndex(int index) {
    // LB_SETCURSEL raises no LBN_SELCHANGE; selecting in code is a click all the same.
    ::SendMessageW(list_, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    if (events.click) events.click();
}

bool Win32ListControl::IsSelected(int index) const {
    return ::SendMessageW(list_, LB_GETSEL, static_cast<WPARAM>(index), 0) > 0;
}

void Win32ListControl::SetToolTip(const std::string& text) {
    toolTipText_ = text;
    toolTip_.SetText(list_, text);
}

std::string Win32ListControl::ToolTip() const { return toolTipText_; }

}  // namespace velmora::win32
