#include "app/Main.h"

#include <QApplication>
#include <QSessionManager>
#include <QTimer>

#include "app/Application.h"
#include "app/ShutdownSignals.h"
#include "dialogs/MessageBox.h"
#include "platform/ExecutablePath.h"
#include "platform/FileStore.h"
#include "platform/ProcessSetup.h"
#include "platform/ShellOpen.h"
#include "platform/UserName.h"

namespace velmora {

int Main(int argc, char** argv, const MainOptions& options) {
    platform::PrepareProcess();
    if (const std::string gui = platform::PreferredGuiPlatform();
        !gui.empty() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(gui));
    }
    QApplication qtApp(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);

    StartupEnvironment env;
    env.userName = platform::LoginName();
    const platform::ExecutableLocation exe = platform::GetExecutableLocation();
    env.executableDirectory = exe.directory;
    env.executableBaseName = exe.baseName;
    env.separator = platform::PathSeparator();
    env.pathStyle = platform::NativePathStyle();

    platform::SystemFileStore store;
    platform::SystemShell shell;
    MessageBox messages;
    Application app(env, store, shell, messages);
    app.onFinished = [] { QCoreApplication::quit(); };

    WatchShutdownSignals(&qtApp, [&app] { app.UnloadForShutdown(); });
    QObject::connect(&qtApp, &QGuiApplication::commitDataRequest, &qtApp,
                     [&app](QSessionManager&) { app.UnloadForShutdown(); });
    if (options.quitWhenIdle) QTimer::singleShot(0, &qtApp, [] { QCoreApplication::exit(0); });
    return QApplication::exec();
}

}  // namespace velmora
