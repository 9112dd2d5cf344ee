#include "qt/Main.h"

#include <cstdlib>

#include <QApplication>
#include <QIcon>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QTimer>

#include "core/app/Session.h"
#include "platform/Diagnostics.h"
#include "platform/FileStore.h"
#include "platform/InstanceLock.h"
#include "platform/LegacyCodec.h"
#include "platform/ProcessSetup.h"
#include "platform/ShellOpen.h"
#include "platform/ShutdownSignals.h"
#include "platform/Startup.h"
#include "qt/PanelWindow.h"
#include "qt/QtDialogHost.h"
#include "qt/QtMessageBox.h"
#include "qt/QtScreen.h"

// The icon lives in the front end's static library, from which the linker would drop it unless
// something refers to it.
static void LoadResources() { Q_INIT_RESOURCE(velmora); }

namespace velmora {

namespace {

// The panel needs the global pointer position and free placement of an always-on-top window,
// which Wayland does not grant to ordinary programs: on Linux the build asks for X11 (XWayland
// there), unless the user chose otherwise.
void PreferX11() {
    constexpr const char* kPlatform = VELMORA_QT_PLATFORM;
    if (kPlatform[0] != '\0' && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", kPlatform);
    }
}

// When the X connection breaks, the toolkit ends the process with exit(): the unload and the
// save run from there, since no event will come any more.
Session* g_running = nullptr;

void SaveAtExit() {
    if (g_running != nullptr && !g_running->Finished()) g_running->SaveBeforeExit();
}

struct RunningSession {
    explicit RunningSession(Session& session) {
        g_running = &session;
        static const bool registered = std::atexit(&SaveAtExit) == 0;
        (void)registered;
    }
    ~RunningSession() { g_running = nullptr; }
};

}  // namespace

int Main(int argc, char** argv, const MainOptions& options) {
    platform::PrepareProcess();
    PreferX11();
    // The program takes no options: the toolkit gets the program's name alone, so that no
    // argument (-platform, -style, -reverse, -session ...) changes or ends it.
    char fallbackName[] = "Velmora";
    int toolkitArgc = 1;
    char* toolkitArgv[] = {argc > 0 && argv[0] != nullptr ? argv[0] : fallbackName, nullptr};
    QApplication qtApp(toolkitArgc, toolkitArgv);
    QApplication::setQuitOnLastWindowClosed(false);
    LoadResources();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/velmora.png")));

    const StartupEnvironment env = platform::CurrentStartupEnvironment("Qt " QT_VERSION_STR);

    platform::SystemInstanceLock instanceLock;
    platform::SystemFileStore store;
    platform::SystemLegacyCodec codec;
    platform::SystemShell shell;
    platform::SystemDiagnostics diagnostics;
    QtMessageBox messages;
    QtDialogHost dialogs;
    QtScreen screen;
    PanelWindow panel(screen.windowKind());
    screen.ForwardStripInputTo(panel);
    const std::unique_ptr<Session> started =
        Session::Start(env, {instanceLock, store, codec, shell, messages, diagnostics, dialogs},
                       {panel, panel.listControl(), screen, panel});
    if (!started) return 0;  // another Velmora has this settings file
    Session& session = *started;
    const RunningSession running(session);
    // exit(), not quit(): quit() may be refused while a modal box is open, and nothing may keep
    // the program alive once the settings are saved.
    session.onFinished = [] { QCoreApplication::exit(0); };

    if (const std::string failure = platform::ShutdownSignals::Start(); !failure.empty()) {
        diagnostics.Report("Velmora: SIGTERM and SIGHUP will end the program without saving: " +
                           failure);
    } else if (platform::ShutdownSignals::ReadDescriptor() >= 0) {
        auto* notifier = new QSocketNotifier(platform::ShutdownSignals::ReadDescriptor(),
                                             QSocketNotifier::Read, &qtApp);
        QObject::connect(notifier, &QSocketNotifier::activated, &qtApp, [&session] {
            platform::ShutdownSignals::Drain();
            session.UnloadForShutdown();
        });
    }
    QObject::connect(&qtApp, &QGuiApplication::commitDataRequest, &qtApp,
                     [&session](QSessionManager&) { session.UnloadForShutdown(); });
    if (options.quitWhenIdle) {
        QTimer::singleShot(0, &qtApp, [] { QCoreApplication::exit(0); });
    } else {
        session.WarnIfSavingWillFail();
        if (session.Finished()) return 0;  // ended while the warning was shown
    }
    return QApplication::exec();
}

}  // namespace velmora
