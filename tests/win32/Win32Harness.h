#pragma once

#include <windows.h>

#include <functional>

#include "Fakes.h"
#include "win32/ModalDialog.h"
#include "win32/PanelWindow.h"
#include "win32/Win32DialogHost.h"

namespace velmora::testing {

// The real Win32 panel and dialogs with the core's behaviour; services are fakes.
struct Win32Panel {
    Settings settings;
    FakeScreen screen;
    FakeMessages messages;
    FakeShell shell;
    win32::Win32DialogHost dialogs;
    win32::PanelWindow window;
    PanelLogic logic{settings,
                     {window, window.listControl(), screen, window},
                     {messages, shell, dialogs},
                     {PathStyle::Windows, "C:\\Tools\\読んで☆.txt", "Win32 API"}};

    Win32Panel() {
        dialogs.SetOwner(window.hwnd());
        logic.Load();
    }
    HWND list() const { return window.control(win32::PanelWindow::kList); }
    void Click(win32::PanelWindow::ControlId id) {
        ::SendMessageW(window.hwnd(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                       reinterpret_cast<LPARAM>(window.control(id)));
    }
};

// Holds Shift, Ctrl and Alt (mask 1, 2, 4) in this thread's keyboard state, as GetKeyState
// reports it to the message being handled.
inline void HoldKeys(int mask) {
    BYTE state[256];
    ::GetKeyboardState(state);
    const auto set = [&](int key, bool down) { state[key] = down ? 0x80 : 0; };
    set(VK_SHIFT, mask & 1);
    set(VK_LSHIFT, mask & 1);
    set(VK_CONTROL, mask & 2);
    set(VK_LCONTROL, mask & 2);
    set(VK_MENU, mask & 4);
    set(VK_LMENU, mask & 4);
    ::SetKeyboardState(state);
}

// Runs act on the next modal dialog once its message loop runs; a dialog that act leaves open
// is closed afterwards, so a failed check cannot hang the test.
inline void WhenDialogOpens(std::function<void(win32::ModalDialog&)> act) {
    static win32::ModalDialog* opened = nullptr;
    static std::function<void(win32::ModalDialog&)> pending;
    pending = std::move(act);
    win32::ModalDialog::onOpened = [](win32::ModalDialog& dialog) {
        opened = &dialog;
        win32::ModalDialog::onOpened = {};
        ::SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR id, DWORD) {
            ::KillTimer(nullptr, id);
            auto run = std::move(pending);
            pending = {};
            if (run) run(*opened);
            if (opened->hwnd() != nullptr) opened->CloseDialog();
        });
    };
}

inline void Command(HWND dialog, int id) {
    ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

inline void PressButton(win32::ModalDialog& dialog, int index) {
    Command(dialog.hwnd(), win32::ModalDialog::kFirstButtonId + index);
}

}  // namespace velmora::testing
