#include "core/app/Session.h"

#include "core/app/AppPaths.h"
#include "core/ui/Texts.h"

namespace velmora {

std::unique_ptr<Session> Session::Start(const StartupEnvironment& env, SessionServices services,
                                        PanelViews views) {
    const SettingsLocation location = SettingsLocationFor(env, services.store);
    if (!services.instanceLock.Acquire(InstanceLockName(location.path))) {
        services.messages.Warn(texts::AlreadyRunningMessage(location.path));
        return nullptr;
    }
    return std::make_unique<Session>(env, services, views, location);
}

SettingsLocation Session::SettingsLocationFor(const StartupEnvironment& env, IFileStore& store) {
    const std::string appDir = InitAppPath(env.executableDirectory, env.separator);
    const std::string beside = MakeSettingsFilePath(appDir, env.executableBaseName, env.userName);
    const std::string own =
        env.userSettingsFolder.empty()
            ? std::string()
            : MakeSettingsFilePath(env.userSettingsFolder, env.executableBaseName, env.userName);
    return ChooseSettingsLocation(beside, own, store);
}

Session::Session(const StartupEnvironment& env, SessionServices services, PanelViews views)
    : Session(env, services, views, SettingsLocationFor(env, services.store)) {}

Session::Session(const StartupEnvironment& env, SessionServices services, PanelViews views,
                 const SettingsLocation& location)
    : services_(services),
      appDir_(InitAppPath(env.executableDirectory, env.separator)),
      settingsFile_(location.path, services.store, services.codec, location.startFrom) {
    const double halfScreenWidthPx = views.screen.WidthTwips() / views.screen.TwipsPerPixelX() / 2;
    LoadedSettings loaded = settingsFile_.Load(halfScreenWidthPx);
    settings_ = loaded.settings;

    panel_ = std::make_unique<PanelLogic>(
        settings_, views, PanelServices{services.messages, services.shell, services.dialogs},
        PanelContext{env.pathStyle, ReadmePath(appDir_, env.documentationFolder, services.store),
                     env.toolkit});
    panel_->onUnload = [this] { SaveOnUnload(); };
    panel_->onFault = [this](const std::string& what) { OnFault(what); };

    // The load step runs after the settings are read and before any item is listed.
    panel_->Load();
    for (const StoredItem& item : loaded.items) panel_->AppendItem(item.label, item.target);
    views.panel.Hide();
    panel_->ChangeWindowWidth();
    views.panel.MakeTopmost();
}

Session::~Session() = default;

void Session::WarnIfSavingWillFail() {
    if (const auto problem = settingsFile_.ProblemForSaving()) {
        services_.diagnostics.Report("Velmora: " + *problem);
        services_.messages.Warn(*problem);
    }
}

void Session::UnloadForShutdown() {
    interactive_ = false;
    panel_->OnExitClick();
}

void Session::SaveBeforeExit() {
    interactive_ = false;
    panel_->OnClosed();
}

void Session::SaveOnUnload() {
    // The windows still stand: a failed save can be put right by the user and tried again.
    for (;;) {
        const SaveResult result = settingsFile_.Save(settings_, panel_->Items());
        if (result.ok) break;
        services_.diagnostics.Report("Velmora: " + result.message);
        if (!interactive_) break;
        if (!result.retryable) {
            services_.messages.Warn(result.message);
            break;
        }
        if (!services_.messages.AskRetry(texts::SaveRetryMessage(result.message))) break;
    }
    if (onFinished) onFinished();
}

void Session::OnFault(const std::string& what) {
    // A fault inside an event handler: nothing sensible can go on, but the items can still be
    // saved. The unload saves (once) and ends the program.
    services_.diagnostics.Report("Velmora: " + what);
    if (panel_->Unloaded()) return;
    if (interactive_) services_.messages.Warn(texts::FaultMessage(what));
    panel_->OnExitClick();
}

}  // namespace velmora
