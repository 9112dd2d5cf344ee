#include "win32/Main.h"

// windows.h comes before every other Windows header.
#include <windows.h>

#include <commctrl.h>
#include <ole2.h>

#include <exception>
#include <string>

#include "core/app/Session.h"
#include "core/ui/Texts.h"
#include "platform/Diagnostics.h"
#include "platform/FileStore.h"
#include "platform/InstanceLock.h"
#include "platform/LegacyCodec.h"
#include "platform/ProcessSetup.h"
#include "platform/ShellOpen.h"
#include "platform/Startup.h"
#include "win32/PanelWindow.h"
#include "win32/Win32DialogHost.h"
#include "win32/Win32MessageBox.h"
#include "win32/Win32Screen.h"

namespace velmora::win32 {

int Main(const MainOptions& options) {
    platform::PrepareProcess();
    // Drops come through OLE; tooltips and visual styles through the common controls.
    if (FAILED(::OleInitialize(nullptr))) return 1;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);

    const StartupEnvironment env = platform::CurrentStartupEnvironment("Win32 API");

    platform::SystemInstanceLock instanceLock;
    platform::SystemFileStore store;
    platform::SystemLegacyCodec codec;
    platform::SystemShell shell;
    platform::SystemDiagnostics diagnostics;
    Win32MessageBox messages;
    Win32DialogHost dialogs;
    int exitCode = 0;
    try {
        PanelWindow panel;
        Win32Screen screen([&panel] { return panel.dpi(); });
        messages.SetPanel(panel.hwnd());
        dialogs.SetOwner(panel.hwnd());
        const std::unique_ptr<Session> started =
            Session::Start(env, {instanceLock, store, codec, shell, messages, diagnostics, dialogs},
                           {panel, panel.listControl(), screen, panel});
        if (!started) return 0;  // another Velmora has this settings file
        Session& session = *started;
        session.onFinished = [] { ::PostQuitMessage(0); };
        panel.onEndSession = [&session] { session.UnloadForShutdown(); };
        Win32Window::OnUncaughtException = [&diagnostics](const std::string& what) {
            diagnostics.Report("Velmora: " + what);
        };
        if (options.quitWhenIdle) {
            ::PostQuitMessage(0);
        } else {
            session.WarnIfSavingWillFail();
        }

        MSG message;
        while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
            // Tab and the access keys of the panel's buttons, as in a dialog.
            if (::IsWindow(panel.hwnd()) && ::IsDialogMessageW(panel.hwnd(), &message)) continue;
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
        exitCode = static_cast<int>(message.wParam);
        Win32Window::OnUncaughtException = {};
    } catch (const std::exception& e) {
        // A window that could not be made: say so, rather than idle invisibly.
        Win32Window::OnUncaughtException = {};
        diagnostics.Report(std::string("Velmora: ") + e.what());
        messages.SetPanel(nullptr);
        messages.Warn(texts::StartFailedMessage(e.what()));
        exitCode = 1;
    }
    ::OleUninitialize();
    return exitCode;
}

}  // namespace velmora::win32
