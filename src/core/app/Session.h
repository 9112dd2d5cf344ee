#pragma once

#include <functional>
#include <memory>
#include <string>

#include "core/app/AppPaths.h"
#include "core/panel/PanelLogic.h"
#include "core/ports/Diagnostics.h"
#include "core/ports/FileStore.h"
#include "core/ports/InstanceLock.h"
#include "core/settings/SettingsFile.h"

namespace velmora {

// Who runs the program and where it lies, as the platform reports it.
struct StartupEnvironment {
    std::string userName;
    std::string executableDirectory;
    std::string executableBaseName;
    char separator = '/';
    PathStyle pathStyle = PathStyle::Posix;
    std::string toolkit;  // what the windows are made with, for the About window
    // The user's own folder for the settings file when the program's folder takes none
    // (AppPaths.h), ending in the separator; empty: none.
    std::string userSettingsFolder;
    // The read-me's folder in a system install, relative to the executable's folder; empty: none.
    std::string documentationFolder;
};

struct SessionServices {
    IInstanceLock& instanceLock;
    IFileStore& store;
    ILegacyCodec& codec;
    IShell& shell;
    IMessageBox& messages;
    IDiagnostics& diagnostics;
    IDialogHost& dialogs;
};

// One run of the program. Start-up, in order: the settings file's place from the login name,
// the executable's place and whether a file can be saved there, the settings and items read, the
// panel's load step, the items listed, the panel hidden, at its configured width and topmost. At
// the end, once, before any window is torn down: the timer off, the save (a failed one reported,
// and offered again to the user until it succeeds or they end without saving), then onFinished.
class Session {
  public:
    // Starts a session, or tells the user that Velmora already runs on this settings file and
    // returns nothing: the file is not touched then.
    static std::unique_ptr<Session> Start(const StartupEnvironment& env, SessionServices services,
                                          PanelViews views);

    // Where this environment's settings file lives (AppPaths.h: ChooseSettingsLocation).
    static SettingsLocation SettingsLocationFor(const StartupEnvironment& env, IFileStore& store);

    Session(const StartupEnvironment& env, SessionServices services, PanelViews views);
    Session(const StartupEnvironment& env, SessionServices services, PanelViews views,
            const SettingsLocation& location);
    ~Session();

    // Tells the user, once the program runs, when the save at the end is bound to fail, so
    // no one edits a whole session in vain.
    void WarnIfSavingWillFail();
    // The panel has been unloaded and the settings saved (or the save reported).
    bool Finished() const { return panel_->Unloaded(); }

    PanelLogic& panel() { return *panel_; }
    Settings& settings() { return settings_; }
    const std::string& appDir() const { return appDir_; }
    const std::string& settingsFilePath() const { return settingsFile_.path(); }

    // The system asks the program to end (the desktop session ends, a signal): unloads the
    // panel, and so saves, without showing anything; a failed save goes to the diagnostics.
    void UnloadForShutdown();
    // The window system is gone and the program is ending: the unload and the save run without
    // touching any window.
    void SaveBeforeExit();

    // Called after the save, to end the event loop.
    std::function<void()> onFinished;

  private:
    void SaveOnUnload();
    void OnFault(const std::string& what);

    SessionServices services_;
    Settings settings_;
    std::string appDir_;
    SettingsFile settingsFile_;
    std::unique_ptr<PanelLogic> panel_;
    bool interactive_ = true;
};

}  // namespace velmora
