#include "win32/ModalDialog.h"

#include <commctrl.h>

#include "win32/Dpi.h"

namespace velmora::win32 {

std::function<void(ModalDialog&)> ModalDialog::onOpened;

ModalDialog::ModalDialog(const char* title, double clientWidth, double clientHeight,
                         double fontPoints, layout::DialogKeys keys,
                         std::function<void(int)> onButton)
    : title_(title),
      clientWidth_(clientWidth),
      clientHeight_(clientHeight),
      fontPoints_(fontPoints),
      keys_(keys),
      onButton_(std::move(onButton)),
      layout_(ScreenDpi()) {}

ModalDialog::~ModalDialog() = default;

void ModalDialog::Run(HWND owner, std::function<void()> loaded) {
    loaded_ = std::move(loaded);
    // An empty template: the controls are made in WM_INITDIALOG at the window's DPI.
    struct alignas(DWORD) Template {
        DLGTEMPLATE header;
        WORD menu, windowClass, title;
    } dialog{};
    dialog.header.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    dialog.header.dwExtendedStyle = WS_EX_DLGMODALFRAME | WS_EX_TOPMOST;
    ::DialogBoxIndirectParamW(::GetModuleHandleW(nullptr), &dialog.header, owner,
                              &ModalDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    hwnd_ = nullptr;
}

void ModalDialog::CloseDialog() {
    if (hwnd_ != nullptr) ::EndDialog(hwnd_, IDOK);
}

bool ModalDialog::OnCommand(int, int) { return false; }

HWND ModalDialog::AddControl(const wchar_t* className, const std::string& text, DWORD style,
                             DWORD exStyle, const TwipRect& place, int id) {
    return layout_.Add(hwnd_, className, text, style, exStyle, place, id, font());
}

HWND ModalDialog::AddButton(int index, const char* caption, const TwipRect& place) {
    const DWORD kind = index == keys_.enterButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    return AddControl(L"BUTTON", caption, kind | WS_TABSTOP, 0, place, kFirstButtonId + index);
}

HWND ModalDialog::AddTextBox(const TwipRect& place, int id, DWORD style) {
    HWND box =
        AddControl(L"EDIT", "", ES_AUTOHSCROLL | WS_TABSTOP | style, WS_EX_CLIENTEDGE, place, id);
    auto handler = std::make_unique<SubclassHandler>(
        [selectOnClick = false](HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                LRESULT* result) mutable {
            if (message == WM_SETFOCUS) {
                *result = CallOriginal(edit, message, wParam, lParam);
                ::SendMessageW(edit, EM_SETSEL, 0, -1);
                // A click that brought the focus would place the caret and drop the selection.
                selectOnClick = (::GetKeyState(VK_LBUTTON) & 0x8000) != 0;
                return true;
            }
            if (message == WM_LBUTTONUP && selectOnClick) {
                selectOnClick = false;
                *result = CallOriginal(edit, message, wParam, lParam);
                ::SendMessageW(edit, EM_SETSEL, 0, -1);
                return true;
            }
            return false;
        });
    Subclass(box, handler.get());
    handlers_.push_back(std::move(handler));
    return box;
}

void ModalDialog::Initialise() {
    SetText(hwnd_, title_);
    layout_.Rescale(WindowDpi(hwnd_));
    // The client area from the layout, the window around it, centred on the screen.
    const SIZE size = WindowSize();
    ::SetWindowPos(hwnd_, nullptr, (::GetSystemMetrics(SM_CXSCREEN) - size.cx) / 2,
                   (::GetSystemMetrics(SM_CYSCREEN) - size.cy) / 2, size.cx, size.cy,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    BuildControls();
}

SIZE ModalDialog::WindowSize() const {
    // The frame as the window has it now: at a DPI change Windows may not have scaled it yet,
    // and Wine does not scale it.
    RECT window{}, client{};
    ::GetWindowRect(hwnd_, &window);
    ::GetClientRect(hwnd_, &client);
    return {layout_.ToPixels(clientWidth_) + (window.right - window.left) - client.right,
            layout_.ToPixels(clientHeight_) + (window.bottom - window.top) - client.bottom};
}

void ModalDialog::FitClientArea() {
    // Once more if the frame changed with the size (a wrapped menu bar, a rescaled frame).
    for (int i = 0; i < 2; ++i) {
        const SIZE size = WindowSize();
        ::SetWindowPos(hwnd_, nullptr, 0, 0, size.cx, size.cy,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void ModalDialog::OnDpiChanged() {}

INT_PTR CALLBACK ModalDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<ModalDialog*>(lParam);
        self->hwnd_ = hwnd;
        ::SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
    }
    auto* self = reinterpret_cast<ModalDialog*>(::GetWindowLongPtrW(hwnd, DWLP_USER));
    if (self == nullptr) return FALSE;
    // Nothing reaches the object once its window is gone.
    if (message == WM_NCDESTROY) ::SetWindowLongPtrW(hwnd, DWLP_USER, 0);
    INT_PTR result = FALSE;
    Win32Window::Guard([&] { result = self->HandleMessage(message, wParam, lParam); });
    return result;
}

INT_PTR ModalDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_DPICHANGED: {
            // Another monitor's scale, or a changed one: the layout again at the new DPI, where
            // Windows suggests, sized from the layout so that the client area is exact.
            layout_.Rescale(HIWORD(wParam));
            const auto* suggested = reinterpret_cast<const RECT*>(lParam);
            ::SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top,
                           suggested->right - suggested->left, suggested->bottom - suggested->top,
                           SWP_NOZORDER | SWP_NOACTIVATE);
            FitClientArea();
            OnDpiChanged();
            ::InvalidateRect(hwnd_, nullptr, TRUE);
            ::SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, 0);
            return TRUE;
        }
        case WM_INITDIALOG:
            Initialise();
            if (loaded_) loaded_();
            // The texts first, then the focus, to the first control in tab order: the dialog
            // manager selects a text box's whole text as it gets the focus, so typing replaces
            // it (a text set after the focus would clear that selection).
            if (HWND first = ::GetNextDlgTabItem(hwnd_, nullptr, FALSE))
                ::SendMessageW(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(first), TRUE);
            if (onOpened) onOpened(*this);
            return FALSE;  // the focus is set
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            const int code = HIWORD(wParam);
            if (id == IDOK) {
                // Enter: the default button, if the dialog has one; otherwise nothing.
                if (keys_.enterButton != layout::kNoButton) onButton_(keys_.enterButton);
                return TRUE;
            }
            if (id == IDCANCEL) {
                // Esc and the title bar's close.
                if (keys_.escapeButton != layout::kNoButton) {
                    onButton_(keys_.escapeButton);
                } else {
                    CloseDialog();
                }
                return TRUE;
            }
            if (id >= kFirstButtonId && id < kFirstButtonId + 16 && code == BN_CLICKED) {
                onButton_(id - kFirstButtonId);
                return TRUE;
            }
            return OnCommand(id, code) ? TRUE : FALSE;
        }
        default:
            return FALSE;
    }
}

}  // namespace velmora::win32
