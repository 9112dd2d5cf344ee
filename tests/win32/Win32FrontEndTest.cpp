#include <gtest/gtest.h>

// windows.h comes before every other Windows header.
#include <windows.h>

#include <commctrl.h>
#include <ole2.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "TestDataObject.h"
#include "Win32Harness.h"
#include "core/ui/Texts.h"
#include "platform/WideText_windows.h"
#include "win32/AboutDialog.h"
#include "win32/ItemDialog.h"
#include "win32/SettingsDialog.h"
#include "win32/Win32MessageBox.h"
#include "win32/Win32Screen.h"
#include "win32/Win32Window.h"

using namespace velmora;
using namespace velmora::testing;
using win32::PanelWindow;
using Strings = std::vector<std::string>;

namespace {

Strings Labels(const IListControl& list) {
    Strings out;
    for (int i = 0; i < list.Count(); ++i) out.push_back(list.Text(i));
    return out;
}

RECT ClientRectOf(HWND child) {
    RECT r{};
    ::GetWindowRect(child, &r);
    ::MapWindowPoints(nullptr, ::GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

int Dpi() {
    HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSX);
    ::ReleaseDC(nullptr, screen);
    return dpi;
}

// Tab walks the controls in the order of the core's table.
template <typename Control, std::size_t N>
void ExpectTabOrder(HWND parent, const std::array<Control, N>& order, int (*idOf)(Control)) {
    HWND at = ::GetDlgItem(parent, idOf(order[0]));
    for (std::size_t i = 1; i < N; ++i) {
        at = ::GetNextDlgTabItem(parent, at, FALSE);
        EXPECT_EQ(::GetDlgCtrlID(at), idOf(order[i])) << i;
    }
}

void Drop(win32::DropTarget& target, TestDataObject& data, DWORD keyState = 0) {
    DWORD effect = DROPEFFECT_COPY;
    target.DragEnter(&data, keyState, POINTL{5, 5}, &effect);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
    target.Drop(&data, keyState, POINTL{5, 5}, &effect);
    // Handed on from the message loop, once the drop is over.
    EXPECT_TRUE(win32::DropTarget::AnyPending());
    const ULONGLONG end = ::GetTickCount64() + 2000;
    MSG message;
    while (win32::DropTarget::AnyPending() && ::GetTickCount64() < end) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&message);
    }
    EXPECT_FALSE(win32::DropTarget::AnyPending());
}

}  // namespace

TEST(Win32Panel, PlacesEveryControlFromTheLayoutAtTheScreensDpi) {
    ASSERT_EQ(Dpi(), 96) << "these sizes are for 96 DPI";
    Win32Panel p;
    HWND panel = p.window.hwnd();
    RECT r{};
    ::GetWindowRect(panel, &r);
    EXPECT_EQ(r.right - r.left, 173);
    EXPECT_EQ(r.bottom - r.top, 449);
    const LONG_PTR style = ::GetWindowLongPtrW(panel, GWL_STYLE);
    const LONG_PTR exStyle = ::GetWindowLongPtrW(panel, GWL_EXSTYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & WS_CAPTION);
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
    const RECT list = ClientRectOf(p.list());
    EXPECT_EQ(list.left, 4);
    EXPECT_EQ(list.top, 44);
    EXPECT_EQ(list.right - list.left, 165);
    EXPECT_EQ(list.bottom - list.top, 355);
    const RECT exit = ClientRectOf(p.window.control(PanelWindow::kExit));
    EXPECT_EQ(exit.left, 4);
    EXPECT_EQ(exit.top, 4);
    EXPECT_EQ(win32::GetText(p.window.control(PanelWindow::kExit)), "終了(&E)");
    EXPECT_EQ(win32::GetText(p.window.control(PanelWindow::kArgument)), "引数 D&&D");
    EXPECT_EQ(win32::GetText(p.window.control(PanelWindow::kAbout)), "？");
    EXPECT_EQ(win32::GetText(p.window.control(PanelWindow::kKeyHelp)),
              "削除： DEL キー\r\n上へ： Alt+↑\r\n下へ： Alt+↓");
    EXPECT_FALSE(p.window.argumentBold());
    EXPECT_EQ(p.window.argumentToolTip(), texts::kArgumentHelp);

    ExpectTabOrder(panel, layout::panel::kTabOrder, &PanelWindow::IdOf);
    EXPECT_EQ(p.logic.BaseWidth(), 2595);
    EXPECT_EQ(p.logic.BaseListWidth(), 2475);
}

TEST(Win32Panel, WidthFactorsStretchTheListAndShowingTakesNoFocus) {
    Win32Panel p;
    HWND other = ::CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 300, 300, 50, 50,
                                   nullptr, nullptr, nullptr, nullptr);
    ::SetForegroundWindow(other);
    ::SetActiveWindow(other);
    p.settings.WindowWidth = 4;
    p.logic.ChangeWindowWidth();
    RECT r{};
    ::GetWindowRect(p.window.hwnd(), &r);
    EXPECT_EQ(r.right - r.left, 519);
    EXPECT_EQ(ClientRectOf(p.list()).right - ClientRectOf(p.list()).left, 511);
    EXPECT_DOUBLE_EQ(p.window.borderX(), 518 * 15.0);
    p.screen.x = 1915;
    p.logic.Tick();
    EXPECT_TRUE(::IsWindowVisible(p.window.hwnd()));
    ::GetWindowRect(p.window.hwnd(), &r);
    EXPECT_EQ(r.left, 1920 - 519);
    EXPECT_EQ(::GetActiveWindow(), other);
    p.screen.x = 100;
    p.logic.Tick();
    EXPECT_FALSE(::IsWindowVisible(p.window.hwnd()));
    ::DestroyWindow(other);
}

// The hidden panel rests on what the strip's window hears: the cursor on it, the screens changing,
// raw input while watched.
TEST(Win32Screen, TheStripWindowLiesOverTheEdgeAndTellsOfTheCursor) {
    win32::Win32Screen screen([] { return 96; });
    int touched = 0;
    screen.edgeEvent = [&touched] { ++touched; };
    HWND strip = screen.stripWindow();
    screen.WatchEdge({1910, 0, 10, 1080}, {});
    ASSERT_TRUE(::IsWindowVisible(strip));
    RECT r{};
    ::GetWindowRect(strip, &r);
    EXPECT_EQ(r.left, 1910);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right, 1920);
    EXPECT_EQ(r.bottom, 1080);
    const LONG_PTR ex = ::GetWindowLongPtrW(strip, GWL_EXSTYLE);
    EXPECT_EQ(ex & (WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW),
              WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW);
    ::SendMessageW(strip, WM_MOUSEMOVE, 0, MAKELPARAM(3, 300));
    ::SendMessageW(strip, WM_DISPLAYCHANGE, 32, MAKELPARAM(1280, 800));
    EXPECT_EQ(touched, 2);
    EXPECT_EQ(::SendMessageW(strip, WM_MOUSEACTIVATE, 0, 0), MA_NOACTIVATE);

    const auto registered = [] {
        UINT count = 0;
        ::GetRegisteredRawInputDevices(nullptr, &count, sizeof(RAWINPUTDEVICE));
        std::vector<RAWINPUTDEVICE> devices(count);
        if (count > 0)
            ::GetRegisteredRawInputDevices(devices.data(), &count, sizeof(RAWINPUTDEVICE));
        return devices;
    };
    screen.WatchMotion(true);
    const std::vector<RAWINPUTDEVICE> devices = registered();
    ASSERT_FALSE(devices.empty());
    for (const RAWINPUTDEVICE& d : devices) {
        EXPECT_EQ(d.hwndTarget, strip);
        EXPECT_TRUE(d.dwFlags & RIDEV_INPUTSINK) << "heard while another program is in front";
    }
    screen.WatchMotion(false);
    EXPECT_TRUE(registered().empty());

    screen.WatchEdge({}, {});
    EXPECT_FALSE(::IsWindowVisible(strip));
}

TEST(Win32Panel, DropsOfFilesAndTextReachTheListAndTheArgumentLabel) {
    Win32Panel p;
    // Other programs' drags find the two targets through OLE's registration of their windows.
    EXPECT_EQ(::RegisterDragDrop(p.list(), &p.window.listDropTarget()),
              DRAGDROP_E_ALREADYREGISTERED);
    EXPECT_EQ(::RegisterDragDrop(p.window.control(PanelWindow::kArgument),
                                 &p.window.argumentDropTarget()),
              DRAGDROP_E_ALREADYREGISTERED);
    TestDataObject files;
    files.SetFiles({L"C:\\Windows\\notepad.exe", L"D:\\", L"C:\\My Docs\\読んで☆.txt"});
    Drop(p.window.listDropTarget(), files);
    EXPECT_EQ(Labels(p.window.listControl()), (Strings{"notepad.exe", "D:\\", "読んで☆.txt"}));
    EXPECT_EQ(p.logic.TargetList().Text(2), "C:\\My Docs\\読んで☆.txt");
    TestDataObject text;
    text.SetText(L"just text");
    Drop(p.window.listDropTarget(), text);
    EXPECT_EQ(p.window.listControl().Count(), 3);

    TestDataObject two;
    two.SetFiles({L"C:\\a.txt", L"C:\\My Docs\\b.txt"});
    Drop(p.window.argumentDropTarget(), two);
    EXPECT_EQ(p.logic.OneShotArgs(), "C:\\a.txt \"C:\\My Docs\\b.txt\"");
    EXPECT_TRUE(p.window.argumentBold());
    EXPECT_EQ(p.window.argumentToolTip(), p.logic.OneShotArgs());
    TestDataObject flag;
    flag.SetText(L"-v");
    Drop(p.window.argumentDropTarget(), flag, MK_CONTROL);
    EXPECT_EQ(p.logic.OneShotArgs(), "C:\\a.txt \"C:\\My Docs\\b.txt\" -v");
    // Ctrl held for real, where the key state of the drop does not say so.
    HoldKeys(2);
    Drop(p.window.argumentDropTarget(), flag);
    HoldKeys(0);
    EXPECT_EQ(p.logic.OneShotArgs(), "C:\\a.txt \"C:\\My Docs\\b.txt\" -v -v");
    ::SendMessageW(p.window.hwnd(), WM_COMMAND, MAKEWPARAM(PanelWindow::kArgument, STN_DBLCLK),
                   reinterpret_cast<LPARAM>(p.window.control(PanelWindow::kArgument)));
    EXPECT_FALSE(p.logic.HasOneShotArgs());
    EXPECT_FALSE(p.window.argumentBold());
    // Text from older programs, offered as ANSI only.
    TestDataObject ansi;
    ansi.SetAnsiText("-legacy");
    Drop(p.window.argumentDropTarget(), ansi);
    EXPECT_EQ(p.logic.OneShotArgs(), "-legacy");
}

TEST(Win32Panel, KeyReleasesWithTheirModifiersEditTheList) {
    Win32Panel p;
    for (const char* name : {"a", "b", "c"})
        p.logic.AppendItem(name, std::string("C:\\") + name + ".exe");
    p.window.listControl().SetSelectedIndex(0);
    HoldKeys(4);
    ::SendMessageW(p.list(), WM_SYSKEYDOWN, VK_DOWN, 1 << 29);
    EXPECT_EQ(p.window.listControl().SelectedIndex(), 0) << "Alt+Down must not move the selection";
    ::SendMessageW(p.list(), WM_SYSKEYUP, VK_DOWN, (1 << 29) | (3u << 30));
    EXPECT_EQ(Labels(p.window.listControl()), (Strings{"b", "a", "c"}));
    EXPECT_EQ(p.window.listControl().SelectedIndex(), 1);
    EXPECT_EQ(p.window.listControl().ToolTip(), "C:\\a.exe");
    HoldKeys(1);
    ::SendMessageW(p.list(), WM_KEYUP, VK_DELETE, 3u << 30);  // Shift+Delete does nothing
    EXPECT_EQ(p.window.listControl().Count(), 3);
    HoldKeys(0);
    ::SendMessageW(p.list(), WM_KEYUP, VK_DELETE, 3u << 30);
    EXPECT_EQ(Labels(p.window.listControl()), (Strings{"b", "c"}));
    EXPECT_EQ(p.window.listControl().SelectedIndex(), -1);
}

TEST(Win32Panel, RightClickOpensTheItemDialogOwnedByThePanelAndEnterChanges) {
    Win32Panel p;
    for (const char* name : {"a", "b"})
        p.logic.AppendItem(name, std::string("C:\\") + name + ".exe");
    p.window.listControl().SetSelectedIndex(1);
    bool ownerDisabled = false, timerOff = false, labelSelected = false;
    std::string shownLabel, title;
    WhenDialogOpens([&](win32::ModalDialog& dialog) {
        HWND d = dialog.hwnd();
        title = win32::GetText(d);
        ownerDisabled =
            ::GetWindow(d, GW_OWNER) == p.window.hwnd() && !::IsWindowEnabled(p.window.hwnd());
        timerOff = !p.window.Enabled();
        ExpectTabOrder(d, layout::item::kTabOrder, &win32::ItemDialog::IdOf);
        HWND labelBox = ::GetDlgItem(d, win32::ItemDialog::kLabelBox);
        shownLabel = win32::GetText(labelBox);
        // It opens with the label wholly selected: typing replaces it.
        DWORD from = 1, to = 0;
        ::SendMessageW(labelBox, EM_GETSEL, reinterpret_cast<WPARAM>(&from),
                       reinterpret_cast<LPARAM>(&to));
        labelSelected = from == 0 && to == 1;
        win32::SetText(labelBox, "renamed");
        win32::SetText(::GetDlgItem(d, win32::ItemDialog::kTargetBox), "\"C:\\A B\\x.exe\" -y");
        ::SendMessageW(d, WM_COMMAND, IDOK, 0);  // Enter
    });
    HoldKeys(0);
    ::SendMessageW(p.list(), WM_RBUTTONUP, 0, MAKELPARAM(3, 3));
    EXPECT_EQ(title, "情報変更");
    EXPECT_TRUE(ownerDisabled);
    EXPECT_TRUE(timerOff);
    EXPECT_EQ(shownLabel, "b");
    EXPECT_TRUE(labelSelected);
    EXPECT_EQ(Labels(p.window.listControl()), (Strings{"a", "renamed"}));
    EXPECT_EQ(p.logic.TargetList().Text(1), "\"C:\\A B\\x.exe\" -y");
    EXPECT_TRUE(p.window.Enabled());
    EXPECT_TRUE(::IsWindowEnabled(p.window.hwnd()));

    // Esc leaves the item as it was; a separator's target box is disabled.
    p.logic.OnSeparatorClick();
    p.window.listControl().SetSelectedIndex(1);
    bool targetEnabled = true;
    WhenDialogOpens([&](win32::ModalDialog& dialog) {
        targetEnabled =
            ::IsWindowEnabled(::GetDlgItem(dialog.hwnd(), win32::ItemDialog::kTargetBox));
        win32::SetText(::GetDlgItem(dialog.hwnd(), win32::ItemDialog::kLabelBox), "== tools ==");
        ::SendMessageW(dialog.hwnd(), WM_COMMAND, IDCANCEL, 0);
    });
    ::SendMessageW(p.list(), WM_RBUTTONUP, 0, MAKELPARAM(3, 3));
    EXPECT_FALSE(targetEnabled);
    EXPECT_EQ(p.window.listControl().Text(1), texts::kSeparatorLabel);
}

TEST(Win32Dialogs, SettingsRefusesEntriesOutsideTheRangeAndEnterDoesNotConfirm) {
    Win32Panel p;
    std::vector<bool> openAfter;
    std::vector<bool> pixelBoxFocused;
    std::string corner, pixels, width;
    WhenDialogOpens([&](win32::ModalDialog& dialog) {
        HWND d = dialog.hwnd();
        HWND box = ::GetDlgItem(d, win32::SettingsDialog::kPixelBox);
        if (openAfter.empty())
            ExpectTabOrder(d, layout::settings::kTabOrder, &win32::SettingsDialog::IdOf);
        corner = win32::GetText(::GetDlgItem(d, win32::SettingsDialog::kCornerList));
        pixels = win32::GetText(box);
        width = win32::GetText(::GetDlgItem(d, win32::SettingsDialog::kWidthList));
        EXPECT_EQ(::SendMessageW(box, EM_GETLIMITTEXT, 0, 0), 3);
        for (const char* entry : {"0", "abc", "1e5"}) {
            win32::SetText(box, entry);
            PressButton(dialog, layout::settings::Update);
            openAfter.push_back(::IsWindowVisible(d) != FALSE);
            pixelBoxFocused.push_back(::GetFocus() == box);
        }
        win32::SetText(box, "5");
        ::SendMessageW(d, WM_COMMAND, IDOK, 0);  // Enter: no default button here
        openAfter.push_back(::IsWindowVisible(d) != FALSE);
        PressButton(dialog, layout::settings::Abort);
    });
    p.Click(PanelWindow::kSettings);
    EXPECT_EQ(corner, "右上");
    EXPECT_EQ(pixels, "10");
    EXPECT_EQ(width, "標準");
    EXPECT_EQ(openAfter, (std::vector<bool>{true, true, true, true}));
    EXPECT_EQ(pixelBoxFocused, (std::vector<bool>{true, true, true}));
    EXPECT_EQ(p.messages.shown, Strings(3, texts::kPixelRangeMessage));
    EXPECT_EQ(p.settings.CapturePixel, 10);
    EXPECT_TRUE(p.window.Enabled());
}

TEST(Win32Dialogs, SettingsWidthChangeResizesAndReplacesThePanel) {
    Win32Panel p;
    WhenDialogOpens([&](win32::ModalDialog& dialog) {
        HWND d = dialog.hwnd();
        ::SendDlgItemMessageW(d, win32::SettingsDialog::kCornerList, CB_SETCURSEL, 2, 0);
        ::SendDlgItemMessageW(d, win32::SettingsDialog::kWidthList, CB_SETCURSEL, 2, 0);
        win32::SetText(::GetDlgItem(d, win32::SettingsDialog::kPixelBox), "2.5");
        PressButton(dialog, layout::settings::Update);
    });
    p.Click(PanelWindow::kSettings);
    EXPECT_TRUE(p.messages.shown.empty());
    EXPECT_EQ(p.settings.WindowPosition, 2);
    EXPECT_EQ(p.settings.CapturePixel, 2);
    EXPECT_EQ(p.settings.WindowWidth, 2);
    RECT r{};
    ::GetWindowRect(p.window.hwnd(), &r);
    EXPECT_EQ(r.right - r.left, 346);
    EXPECT_EQ(r.left, 0);
}

TEST(Win32Dialogs, AboutShowsTheVersionAndOpensTheReadmeBesideTheExecutable) {
    Win32Panel p;
    std::string title, description, credits;
    bool backFocused = false, openAfterDoubleClick = false;
    WhenDialogOpens([&](win32::ModalDialog& dialog) {
        HWND d = dialog.hwnd();
        ExpectTabOrder(d, layout::about::kTabOrder, &win32::AboutDialog::IdOf);
        title = win32::GetText(::GetDlgItem(d, win32::AboutDialog::kTitle));
        description = win32::GetText(::GetDlgItem(d, win32::AboutDialog::kDescription));
        credits = win32::GetText(::GetDlgItem(d, win32::AboutDialog::kCredits));
        backFocused = ::GetFocus() == dialog.button(layout::about::Back);
        ::SendMessageW(d, WM_COMMAND, MAKEWPARAM(win32::AboutDialog::kDescription, STN_DBLCLK),
                       reinterpret_cast<LPARAM>(::GetDlgItem(d, win32::AboutDialog::kDescription)));
        openAfterDoubleClick = ::IsWindowVisible(d) != FALSE;
        ::SendMessageW(d, WM_COMMAND, IDCANCEL, 0);  // Esc
    });
    p.Click(PanelWindow::kAbout);
    EXPECT_EQ(title, "Velmora Ver 1.00 (2007/08/01)");
    EXPECT_EQ(description.substr(0, description.find("\r\n")), "このプログラムは：");
    EXPECT_EQ(credits.rfind("開発環境：Win32 API / ", 0), 0u);
    EXPECT_TRUE(backFocused);
    EXPECT_TRUE(openAfterDoubleClick);
    ASSERT_EQ(p.shell.calls.size(), 1u);
    EXPECT_EQ(p.shell.calls[0].file, "C:\\Tools\\読んで☆.txt");
    EXPECT_TRUE(p.window.Enabled());
}

// A key held down (or whose release never came) repeats, flagged as already down: the repeats
// must not answer the box, nor the box shown again after a retry that failed once more.
TEST(Win32MessageBox, OnlyAFreshKeyPressAnswers) {
    static UINT fresh;
    const auto holdEnterThen = [](UINT key) {
        fresh = key;
        ::SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR id, DWORD) {
            HWND box = ::FindWindowW(L"#32770", platform::Widen(texts::kMessageTitle).c_str());
            if (box == nullptr) return;
            ::KillTimer(nullptr, id);
            HWND target = ::GetFocus() != nullptr ? ::GetFocus() : box;
            constexpr LPARAM kRepeat = 1 | (LPARAM(1) << 30);
            for (int i = 0; i < 3; ++i) ::PostMessageW(target, WM_KEYDOWN, VK_RETURN, kRepeat);
            ::PostMessageW(target, WM_KEYDOWN, fresh, 1);
        });
    };
    win32::Win32MessageBox messages;
    holdEnterThen(VK_ESCAPE);
    EXPECT_FALSE(messages.AskRetry("保存できませんでした。"));
    holdEnterThen(VK_RETURN);
    EXPECT_TRUE(messages.AskRetry("保存できませんでした。"));
}

TEST(Win32Panel, ClosingFromOutsideAndTheEndOfTheSessionUnloadOnce) {
    Win32Panel p;
    int unloads = 0;
    bool sessionEnded = false;
    p.logic.onUnload = [&] { ++unloads; };
    p.window.onEndSession = [&] { sessionEnded = true; };
    HWND panel = p.window.hwnd();
    EXPECT_EQ(::SendMessageW(panel, WM_QUERYENDSESSION, 0, 0), TRUE);
    ::SendMessageW(panel, WM_ENDSESSION, FALSE, 0);  // the end was called off
    EXPECT_FALSE(sessionEnded);
    ::SendMessageW(panel, WM_ENDSESSION, TRUE, 0);
    EXPECT_TRUE(sessionEnded);
    // Closed from outside: saved at once, while the window still stands; destroyed from the
    // message loop.
    ::SendMessageW(panel, WM_CLOSE, 0, 0);
    EXPECT_EQ(unloads, 1);
    EXPECT_TRUE(::IsWindow(panel));
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&message);
    EXPECT_FALSE(::IsWindow(panel));
    EXPECT_EQ(unloads, 1);
    EXPECT_FALSE(p.window.Enabled());
}

TEST(Win32Window, AnExceptionInAWindowProcedureIsReportedNotUnwound) {
    std::string reported;
    win32::Win32Window::OnUncaughtException = [&](const std::string& what) { reported = what; };
    Win32Panel p;
    p.window.events.exitClick = [] { throw std::runtime_error("from a handler"); };
    p.Click(PanelWindow::kExit);
    EXPECT_EQ(reported, "from a handler");
    win32::Win32Window::OnUncaughtException = {};
}

int main(int argc, char** argv) {
    ::OleInitialize(nullptr);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    ::OleUninitialize();
    return result;
}

// Every caption and text in every window fits its control at the DPI of this run (the suite runs
// once at 96 DPI; the fit runs repeat it at 120, 144 and 192).
namespace {
std::vector<std::string> TextsThatDoNotFit(HWND parent) {
    std::vector<std::string> cut;
    for (HWND child = ::GetWindow(parent, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        wchar_t className[32] = {};
        ::GetClassNameW(child, className, 32);
        const std::wstring kind = className;
        const LONG style = ::GetWindowLongW(child, GWL_STYLE);
        const bool button = kind == L"Button" && (style & 0xF) <= BS_DEFPUSHBUTTON;
        if (kind != L"Static" && !button) continue;
        const std::wstring text = platform::Widen(win32::GetText(child));
        if (text.empty()) continue;
        RECT client{};
        ::GetClientRect(child, &client);
        if (button) ::InflateRect(&client, -3, -3);  // the button's edge
        HDC dc = ::GetDC(child);
        HGDIOBJ old =
            ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(child, WM_GETFONT, 0, 0)));
        const bool single = button || (style & SS_CENTERIMAGE);
        RECT needed{0, 0, client.right - client.left, 0};
        ::DrawTextW(dc, text.c_str(), -1, &needed,
                    DT_CALCRECT | (single ? DT_SINGLELINE : DT_WORDBREAK | DT_EDITCONTROL) |
                        ((style & SS_NOPREFIX) && !button ? DT_NOPREFIX : 0));
        RECT line{0, 0, 0, 0};
        ::DrawTextW(dc, L"X", -1, &line, DT_CALCRECT | DT_SINGLELINE);
        ::SelectObject(dc, old);
        ::ReleaseDC(child, dc);
        // A caption on one line must fit its width; a text that wraps, all its lines.
        const bool wraps = !single && needed.bottom - needed.top > line.bottom;
        if (needed.right - needed.left > client.right - client.left ||
            (wraps && needed.bottom - needed.top > client.bottom - client.top)) {
            cut.push_back(win32::GetText(child) + " (" +
                          std::to_string(needed.right - needed.left) + "x" +
                          std::to_string(needed.bottom - needed.top) + " in " +
                          std::to_string(client.right - client.left) + "x" +
                          std::to_string(client.bottom - client.top) + ")");
        }
    }
    return cut;
}
}  // namespace

// Per-monitor DPI: a WM_DPICHANGED as Windows sends it when the panel or a dialog moves to a
// monitor of another scale. dpi.sh also compares the result with a start at that DPI: the fit
// test writes the layout at the start (VELMORA_LAYOUT_OUT), the DPI test compares with it
// (VELMORA_EXPECTED_LAYOUT, VELMORA_DPI_CHANGE).
namespace {
struct Placed {
    std::string what;
    RECT rect;
    LONG fontHeight;
};

std::vector<Placed> LayoutOf(HWND window) {
    RECT client{};
    ::GetClientRect(window, &client);
    std::vector<Placed> out{{"client", client, 0}};
    for (HWND child = ::GetWindow(window, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        LOGFONTW font{};
        const auto handle = reinterpret_cast<HFONT>(::SendMessageW(child, WM_GETFONT, 0, 0));
        if (handle != nullptr) ::GetObjectW(handle, sizeof font, &font);
        out.push_back({std::to_string(::GetDlgCtrlID(child)), ClientRectOf(child), font.lfHeight});
    }
    return out;
}

std::string Lines(const std::vector<Placed>& layout) {
    std::string out;
    for (const Placed& p : layout) {
        out += p.what + " " + std::to_string(p.rect.left) + "," + std::to_string(p.rect.top) + " " +
               std::to_string(p.rect.right - p.rect.left) + "x" +
               std::to_string(p.rect.bottom - p.rect.top) + " font " +
               std::to_string(p.fontHeight) + "\n";
    }
    return out;
}

std::vector<Placed> EveryWindowsLayout(Win32Panel& p, int changeTo) {
    const auto change = [changeTo](HWND window) {
        if (changeTo == 0) return;
        RECT suggested{};
        ::GetWindowRect(window, &suggested);
        ::SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(changeTo, changeTo),
                       reinterpret_cast<LPARAM>(&suggested));
    };
    change(p.window.hwnd());
    std::vector<Placed> out = LayoutOf(p.window.hwnd());
    for (const auto open : {&PanelLogic::OnSettingsClick, &PanelLogic::OnAboutClick}) {
        WhenDialogOpens([&](win32::ModalDialog& dialog) {
            change(dialog.hwnd());
            for (const Placed& placed : LayoutOf(dialog.hwnd())) out.push_back(placed);
        });
        (p.logic.*open)();
    }
    return out;
}

const char* Env(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}
}  // namespace

TEST(Win32Windows, EveryTextFitsItsControl) {
    Win32Panel p;
    if (const std::string out = Env("VELMORA_LAYOUT_OUT"); !out.empty()) {
        p.window.SetListWidth(2000);
        std::ofstream(out) << Lines(EveryWindowsLayout(p, 0));
        p.window.SetListWidth(layout::panel::kList.width);
    }
    EXPECT_EQ(TextsThatDoNotFit(p.window.hwnd()), std::vector<std::string>{}) << Dpi();
    for (const auto open : {&PanelLogic::OnSettingsClick, &PanelLogic::OnAboutClick}) {
        std::vector<std::string> cut;
        WhenDialogOpens(
            [&](win32::ModalDialog& dialog) { cut = TextsThatDoNotFit(dialog.hwnd()); });
        (p.logic.*open)();
        EXPECT_EQ(cut, std::vector<std::string>{}) << Dpi();
    }
    p.logic.AppendItem("a", "C:\\a.exe");
    p.window.listControl().SetSelectedIndex(0);
    std::vector<std::string> cut;
    WhenDialogOpens([&](win32::ModalDialog& dialog) { cut = TextsThatDoNotFit(dialog.hwnd()); });
    HoldKeys(0);
    ::SendMessageW(p.list(), WM_RBUTTONUP, 0, MAKELPARAM(3, 3));
    EXPECT_EQ(cut, std::vector<std::string>{}) << Dpi();
}

TEST(Win32Windows, PlacesEveryControlAgainWhenTheDpiChanges) {
    const std::string expectedFile = Env("VELMORA_EXPECTED_LAYOUT");
    const int to = expectedFile.empty() ? 2 * Dpi() : std::atoi(Env("VELMORA_DPI_CHANGE"));
    Win32Panel p;
    p.window.SetListWidth(2000);  // a width the core set stays in twips
    const std::vector<Placed> before = EveryWindowsLayout(p, 0);
    const std::vector<Placed> after = EveryWindowsLayout(p, to);
    if (!expectedFile.empty()) {
        std::ifstream in(expectedFile);
        const std::string started((std::istreambuf_iterator<char>(in)), {});
        ASSERT_FALSE(started.empty()) << expectedFile;
        EXPECT_EQ(Lines(after), started) << "a change from " << Dpi() << " to " << to;
        return;
    }
    // Every place, width and font twice what it was, but for a pixel of rounding (a drop-down
    // list's height follows its font; dpi.sh compares heights with a start at that DPI).
    ASSERT_EQ(after.size(), before.size());
    EXPECT_GE(after.size(), 20u);
    for (std::size_t i = 0; i < after.size(); ++i) {
        const RECT& a = before[i].rect;
        const RECT& b = after[i].rect;
        const std::string where = before[i].what + ": " + Lines({after[i]});
        EXPECT_NEAR(b.left, 2 * a.left, 2) << where;
        EXPECT_NEAR(b.top, 2 * a.top, 2) << where;
        EXPECT_NEAR(b.right - b.left, 2 * (a.right - a.left), 2) << where;
        EXPECT_NEAR(after[i].fontHeight, 2 * before[i].fontHeight, 2) << where;
    }
}
