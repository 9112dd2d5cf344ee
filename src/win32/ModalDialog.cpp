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
      onButton_(std::move(onButton)) {}

ModalDialog::~ModalDialog() {
    if (font_ != nullptr) ::DeleteObject(font_);
}

void ModalDialog::Run(HWND owner, std::function<void()> loaded) {
    loaded_ = std::move(loaded);
    // An empty template: the controls are made in WM_INITDIALOG at the screen's DPI.
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
    HWND control = CreateControl(hwnd_, className, text, style, exStyle, ToPixelRect(place), id);
    ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    return control;
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
    font_ = CreateGothicFont(fontPoints_);
    // The client area from the layout, the window around it, centred on the screen.
    RECT frame{0, 0, TwipsToPixelsX(clientWidth_), TwipsToPixelsY(clientHeight_)};
    ::AdjustWindowRectEx(&frame, static_cast<DWORD>(::GetWindowLongPtrW(hwnd_, GWL_STYLE)), FALSE,
                         static_cast<DWORD>(::GetWindowLongPtrW(hwnd_, GWL_EXSTYLE)));
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    ::SetWindowPos(hwnd_, nullptr, (::GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                   (::GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    BuildControls();
}

INT_PTR CALLBACK ModalDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<ModalDialog*>(lParam);
        self->hwnd_ = hwnd;
        ::SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
    }
    auto* self = reinterpret_cast<ModalDialog*>(::GetWindowLongPtrW(hwnd, DWLP_USER));
    if (self == nullptr) return FALSE;
    INT_PTR result = FALSE;
    Win32Window::Guard([&] { result = self->HandleMessage(message, wParam, lParam); });
    return result;
}

INT_PTR ModalDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
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
