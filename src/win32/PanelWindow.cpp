#include "win32/PanelWindow.h"

#include "core/ui/Layout.h"
#include "core/ui/Texts.h"
#include "win32/Dpi.h"

namespace velmora::win32 {

namespace panel = layout::panel;

namespace {
constexpr UINT_PTR kTimerId = 1;
constexpr UINT_PTR kSoonTimerId = 2;
}  // namespace

PanelWindow::PanelWindow() : layout_(ScreenDpi()) {
    const RECT rect{0, 0, layout_.ToPixels(panel::kWidth), layout_.ToPixels(panel::kHeight)};
    Create(L"VelmoraPanel", WS_POPUP | WS_CLIPCHILDREN, WS_EX_TOPMOST | WS_EX_TOOLWINDOW, rect,
           nullptr);
    // Shown on a monitor scaled otherwise than the screen was at sign-in: sized for that one.
    if (const int dpi = WindowDpi(hwnd()); dpi != layout_.dpi()) {
        layout_.Rescale(dpi);
        ::SetWindowPos(hwnd(), nullptr, 0, 0, layout_.ToPixels(panel::kWidth),
                       layout_.ToPixels(panel::kHeight), SWP_NOZORDER | SWP_NOACTIVATE);
    }
    toolTip_ = std::make_unique<ToolTipWindow>(hwnd());
    BuildControls();
    SetEnabled(true);
}

PanelWindow::~PanelWindow() {
    if (listDrop_) listDrop_->Revoke();
    if (argumentDrop_) argumentDrop_->Revoke();
    if (hwnd() != nullptr) ::DestroyWindow(hwnd());
}

int PanelWindow::IdOf(panel::Control control) {
    switch (control) {
        case panel::Control::List:
            return kList;
        case panel::Control::Exit:
            return kExit;
        case panel::Control::Settings:
            return kSettings;
        case panel::Control::Separator:
            return kSeparator;
        case panel::Control::About:
            return kAbout;
    }
    return 0;
}

void PanelWindow::BuildControls() {
    HWND self = hwnd();
    HFONT font = layout_.Font(layout::kFontPoints);
    HWND list =
        layout_.Add(self, L"LISTBOX", "",
                    WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_CLIPSIBLINGS,
                    WS_EX_CLIENTEDGE, panel::kList, kList, font);
    const auto button = [&](const char* caption, const TwipRect& place, int id) {
        return layout_.Add(self, L"BUTTON", caption, BS_PUSHBUTTON | WS_TABSTOP, 0,
                           InFrame(panel::kButtonBar, place), id, font);
    };
    button(texts::kExitButton, panel::kExitButton, kExit);
    button(texts::kSettingsButton, panel::kSettingsButton, kSettings);
    button(texts::kSeparatorButton, panel::kSeparatorButton, kSeparator);
    layout_.Add(self, L"BUTTON", texts::kAboutButton, BS_PUSHBUTTON | WS_TABSTOP, 0,
                InFrame(panel::kAboutFrame, panel::kAboutButton), kAbout, font);
    HWND argument = layout_.Add(self, L"STATIC", texts::kArgumentLabel,
                                SS_CENTER | SS_CENTERIMAGE | SS_NOTIFY | WS_BORDER, 0,
                                InFrame(panel::kButtonBar, panel::kArgumentLabel), kArgument, font);
    // The key help lies under the About button and does not paint over it.
    HWND keyHelp =
        layout_.Add(self, L"STATIC", "", SS_LEFT | SS_NOPREFIX | WS_BORDER | WS_CLIPSIBLINGS, 0,
                    panel::kKeyHelp, kKeyHelp, font);
    ::SetWindowPos(keyHelp, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ApplyTabOrder(self, panel::kTabOrder, &IdOf);

    list_ = std::make_unique<Win32ListControl>(list, *toolTip_);
    toolTip_->Add(argument);
    argumentRelay_ = [this](HWND label, UINT message, WPARAM wParam, LPARAM lParam, LRESULT*) {
        toolTip_->Relay(label, message, wParam, lParam);
        return false;
    };
    Subclass(argument, &argumentRelay_);
    listDrop_ = std::make_unique<DropTarget>(list, [this](const DropData& data, int) {
        if (list_->events.drop) list_->events.drop(data);
    });
    argumentDrop_ =
        std::make_unique<DropTarget>(argument, [this](const DropData& data, int modifiers) {
            if (events.argumentDrop) events.argumentDrop(data, modifiers);
        });
}

void PanelWindow::Raise(const std::function<void()>& event) {
    if (event) event();
}

LRESULT PanelWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND: {
            const WORD code = HIWORD(wParam);
            switch (LOWORD(wParam)) {
                case kList:
                    list_->OnNotify(code);
                    break;
                case kExit:
                    if (code == BN_CLICKED) Raise(events.exitClick);
                    break;
                case kSettings:
                    if (code == BN_CLICKED) Raise(events.settingsClick);
                    break;
                case kSeparator:
                    if (code == BN_CLICKED) Raise(events.separatorClick);
                    break;
                case kAbout:
                    if (code == BN_CLICKED) Raise(events.aboutClick);
                    break;
                case kArgument:
                    if (code == STN_DBLCLK) Raise(events.argumentDoubleClick);
                    break;
                default:
                    break;
            }
            return 0;
        }
        case WM_TIMER:
            if (wParam == kTimerId && timerEnabled_) Raise(tick);
            if (wParam == kSoonTimerId) {
                ::KillTimer(hwnd(), kSoonTimerId);
                soonDue_.reset();
                Raise(soon);
            }
            return 0;
        case WM_PAINT:
            Paint();
            return 0;
        case WM_DPICHANGED: {
            // Moved to a monitor scaled otherwise, or the scale changed: the same layout in
            // twips at the new DPI, where Windows suggests. The size is the panel's own (the
            // core may have widened it).
            layout_.Rescale(HIWORD(wParam));
            const auto* suggested = reinterpret_cast<const RECT*>(lParam);
            ::SetWindowPos(hwnd(), nullptr, suggested->left, suggested->top,
                           layout_.ToPixels(widthTwips_), layout_.ToPixels(panel::kHeight),
                           SWP_NOZORDER | SWP_NOACTIVATE);
            ::InvalidateRect(hwnd(), nullptr, TRUE);
            return 0;
        }
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            if (wParam) Raise(onEndSession);
            return 0;
        case kUnloadMessage:
            ::DestroyWindow(hwnd());
            return 0;
        case WM_CLOSE:
            // Closed from outside (Alt+F4, the task manager): ended as the exit button ends it,
            // saving while the window still stands.
            Raise(events.exitClick);
            return 0;
        case WM_DESTROY:
            ::KillTimer(hwnd(), kTimerId);
            ::KillTimer(hwnd(), kSoonTimerId);
            timerEnabled_ = false;
            ticking_ = false;
            if (listDrop_) listDrop_->Revoke();
            if (argumentDrop_) argumentDrop_->Revoke();
            Raise(events.closed);
            return 0;
        default:
            return Win32Window::HandleMessage(message, wParam, lParam);
    }
}

void PanelWindow::Paint() {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(hwnd(), &ps);
    HGDIOBJ old = ::SelectObject(dc, ::GetStockObject(BLACK_PEN));
    const int x = layout_.ToPixels(borderX_);
    const int bottom = layout_.ToPixels(panel::kBottomLineY);
    const POINT outline[] = {{0, 0}, {x, 0}, {x, bottom}, {0, bottom}, {0, 0}};
    ::Polyline(dc, outline, 5);
    ::SetPixel(dc, x, bottom, RGB(0, 0, 0));
    ::SelectObject(dc, old);
    ::EndPaint(hwnd(), &ps);
}

RECT PanelWindow::WindowRect() const {
    RECT r{};
    ::GetWindowRect(hwnd(), &r);
    return r;
}

double PanelWindow::Width() const {
    const RECT r = WindowRect();
    return (r.right - r.left) * layout_.twipsPerPixel();
}

void PanelWindow::SetWidth(double twips) {
    widthTwips_ = twips;
    const RECT r = WindowRect();
    ::SetWindowPos(hwnd(), nullptr, 0, 0, layout_.ToPixels(twips), r.bottom - r.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

double PanelWindow::Height() const {
    const RECT r = WindowRect();
    return (r.bottom - r.top) * layout_.twipsPerPixel();
}

double PanelWindow::Left() const { return WindowRect().left * layout_.twipsPerPixel(); }
double PanelWindow::Top() const { return WindowRect().top * layout_.twipsPerPixel(); }

void PanelWindow::SetLeft(double twips) {
    ::SetWindowPos(hwnd(), nullptr, layout_.ToPixels(twips), WindowRect().top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void PanelWindow::SetTop(double twips) {
    ::SetWindowPos(hwnd(), nullptr, WindowRect().left, layout_.ToPixels(twips), 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool PanelWindow::IsVisible() const { return ::IsWindowVisible(hwnd()) != FALSE; }

void PanelWindow::Show() {
    list_->ResumeDrawing();
    // Appearing under the pointer must not take the keyboard from the window being worked in.
    ::SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void PanelWindow::Hide() { ::ShowWindow(hwnd(), SW_HIDE); }

void PanelWindow::MakeTopmost() {
    ::SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
}

double PanelWindow::ListWidth() const {
    RECT r{};
    ::GetWindowRect(list_->hwnd(), &r);
    return (r.right - r.left) * layout_.twipsPerPixel();
}

void PanelWindow::SetListWidth(double twips) {
    TwipRect place = panel::kList;
    place.width = twips;
    layout_.Place(list_->hwnd(), place);
}

void PanelWindow::SetBorderX(double twips) {
    borderX_ = twips;
    ::InvalidateRect(hwnd(), nullptr, TRUE);
}

void PanelWindow::SetKeyHelp(const std::string& text) { SetText(control(kKeyHelp), text); }

void PanelWindow::SetArgumentLabelLook(bool bold, const std::string& toolTip) {
    argumentBold_ = bold;
    argumentToolTip_ = toolTip;
    HWND label = control(kArgument);
    ::SendMessageW(label, WM_SETFONT,
                   reinterpret_cast<WPARAM>(layout_.Font(layout::kFontPoints, bold)), TRUE);
    toolTip_->SetText(label, toolTip);
}

// Destroyed from the message loop, never from inside a callback of its own controls (a fault in
// the list's key handler ends the program from within the list box's WM_KEYUP).
void PanelWindow::Unload() {
    if (hwnd() != nullptr) ::PostMessageW(hwnd(), kUnloadMessage, 0, 0);
}

bool PanelWindow::Enabled() const { return timerEnabled_; }

void PanelWindow::SetEnabled(bool enabled) {
    timerEnabled_ = enabled;
    idle_ = false;
    RunTimer();
}

void PanelWindow::SetIdle(bool idle) {
    idle_ = idle;
    RunTimer();
}

void PanelWindow::RunTimer() {
    const bool tick = timerEnabled_ && !idle_;
    if (tick == ticking_) return;  // a running timer keeps its rhythm
    ticking_ = tick;
    if (tick) {
        ::SetTimer(hwnd(), kTimerId, layout::panel::kTickIntervalMs, nullptr);
    } else {
        ::KillTimer(hwnd(), kTimerId);
    }
}

void PanelWindow::TickSoon(int ms) {
    const ULONGLONG due = ::GetTickCount64() + static_cast<ULONGLONG>(ms < 0 ? 0 : ms);
    if (soonDue_ && *soonDue_ <= due) return;  // one due sooner stands
    soonDue_ = due;
    ::SetTimer(hwnd(), kSoonTimerId, static_cast<UINT>(ms < 0 ? 0 : ms), nullptr);
}

}  // namespace velmora::win32
