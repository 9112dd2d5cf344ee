#pragma once

#include <functional>
#include <memory>
#include <string>

#include "app/SettingsFile.h"
#include "dialogs/QtDialogHost.h"
#include "launcher/FormMain.h"
#include "launcher/QtScreen.h"

namespace velmora {

// Who runs the program and where it lies, as the platform reports it.
struct StartupEnvironment {
    std::string userName;
    std::string executableDirectory;
    std::string executableBaseName;
    char separator = '/';
    PathStyle pathStyle = PathStyle::Posix;
};

// Start-up and shutdown: finds the per-user settings file, loads it into a hidden, topmost
// panel at its configured width, and saves once when the panel unloads.
class Application {
public:
    Application(const StartupEnvironment& env, IFileStore& store, IShell& shell, IMessageBox& messages);
    ~Application();

    FormMain& panel() { return *panel_; }
    Settings& settings() { return settings_; }
    const std::string& appDir() const { return appDir_; }
    const std::string& settingsFilePath() const { return settingsFile_->path(); }

    // Unloads the panel (and so saves) when the session ends or a signal asks the program to
    // stop; a failed save is then reported on standard error, as no window can be shown.
    void UnloadForShutdown();

    // Called after the save, to end the event loop.
    std::function<void()> onFinished;

private:
    void SaveOnUnload();

    Settings settings_;
    std::string appDir_;
    std::unique_ptr<SettingsFile> settingsFile_;
    IMessageBox& messages_;
    QtScreen screen_;
    QtDialogHost dialogs_;
    std::unique_ptr<FormMain> panel_;
    bool interactive_ = true;
};

}  // namespace velmora
