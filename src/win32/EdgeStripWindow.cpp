#include "win32/EdgeStripWindow.h"

#include <array>

namespace velmora::win32 {

namespace {

// The devices whose input may move the cursor or make a program move it: mice and touchpads,
// keyboards, touch screens and pens (HID usage pages and usages).
constexpr std::array<std::pair<USHORT, USHORT>, 4> kRawDevices{{
    {0x01, 0x02},  // generic desktop: mouse
    {0x01, 0x06},  // generic desktop: keyboard
    {0x0D, 0x04},  // digitizer: touch screen
    {0x0D, 0x02},  // digitizer: pen
}};

constexpr USHORT kButtonDowns = RI_MOUSE_BUTTON_1_DOWN | RI_MOUSE_BUTTON_2_DOWN |
                                RI_MOUSE_BUTTON_3_DOWN | RI_MOUSE_BUTTON_4_DOWN |
                                RI_MOUSE_BUTTON_5_DOWN;

}  // namespace

EdgeStripWindow::EdgeStripWindow() {
    // Alpha 1 of 255: invisible, yet hit by the cursor (a fully transparent layered window is
    // not).
    Create(L"VelmoraEdgeStrip", WS_POPUP,
           WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_LAYERED, RECT{0, 0, 1, 1},
           nullptr);
    ::SetLayeredWindowAttributes(hwnd(), 0, 1, LWA_ALPHA);
}

void EdgeStripWindow::Place(const PixelRect& strip) {
    if (strip == placed_) return;  // stays where it is in the z-order: below a shown panel
    placed_ = strip;
    if (strip.width <= 0 || strip.height <= 0) {
        ::ShowWindow(hwnd(), SW_HIDE);
        return;
    }
    ::SetWindowPos(hwnd(), HWND_TOPMOST, strip.left, strip.top, strip.width, strip.height,
                   SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void EdgeStripWindow::WatchRawInput(bool on) {
    if (on == watching_) return;
    std::array<RAWINPUTDEVICE, kRawDevices.size()> devices{};
    for (std::size_t i = 0; i < devices.size(); ++i) {
        devices[i].usUsagePage = kRawDevices[i].first;
        devices[i].usUsage = kRawDevices[i].second;
        // Heard while another program has the keyboard; off again with the target forgotten.
        devices[i].dwFlags = on ? RIDEV_INPUTSINK : RIDEV_REMOVE;
        devices[i].hwndTarget = on ? hwnd() : nullptr;
    }
    // A system without one of the devices registers the others all the same; the panel looks
    // at the strip whatever this does.
    ::RegisterRawInputDevices(devices.data(), static_cast<UINT>(devices.size()),
                              sizeof(RAWINPUTDEVICE));
    watching_ = on;
}

void EdgeStripWindow::OnRawInput(HRAWINPUT input) {
    RAWINPUT raw{};
    UINT size = sizeof raw;
    // Only the fixed part is read: a digitizer's report is longer, and its header says enough.
    if (::GetRawInputData(input, RID_INPUT, &raw, &size, sizeof(RAWINPUTHEADER)) ==
        static_cast<UINT>(-1)) {
        size = sizeof(RAWINPUTHEADER);
        if (::GetRawInputData(input, RID_HEADER, &raw.header, &size, sizeof(RAWINPUTHEADER)) ==
            static_cast<UINT>(-1))
            return;
    }
    if (!activity) return;
    switch (raw.header.dwType) {
        case RIM_TYPEMOUSE:
            if (raw.data.mouse.usButtonFlags & kButtonDowns) activity(PointerActivity::Pressed);
            if (raw.data.mouse.lLastX != 0 || raw.data.mouse.lLastY != 0 ||
                (raw.data.mouse.usFlags & MOUSE_MOVE_ABSOLUTE))
                activity(PointerActivity::Moved);
            break;
        case RIM_TYPEKEYBOARD:
            if (!(raw.data.keyboard.Flags & RI_KEY_BREAK)) activity(PointerActivity::Pressed);
            break;
        default:  // a touch screen or a pen
            activity(PointerActivity::Moved);
            break;
    }
}

LRESULT EdgeStripWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MOUSEMOVE:
        case WM_DISPLAYCHANGE:
            if (touched) touched();
            break;
        case WM_INPUT:
            OnRawInput(reinterpret_cast<HRAWINPUT>(lParam));
            break;  // the default answer frees the input
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        default:
            break;
    }
    return Win32Window::HandleMessage(message, wParam, lParam);
}

}  // namespace velmora::win32
