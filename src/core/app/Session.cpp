#include "core/app/Session.h"

#include "core/app/AppPaths.h"
#include "core/ui/Texts.h"

namespace velmora {

std::unique_ptr<Session> Session::Start(const StartupEnvironment& env, SessionServices services,
                                        PanelViews views) {
    const std::string path = MakeSettingsFilePath(
        InitAppPath(env.executableDirectory, env.separator), env.executableBaseName, env.userName);
    if (!services.instanceLock.Acquire(InstanceLockName(path))) {
        services.messages.Warn(texts::AlreadyRunningMessage(path));
        return nullptr;
    }
    return std::make_unique<Session>(env, services, views);
}

Session::Session(const StartupEnvironment& env, SessionServices services, PanelViews views)
    : services_(services),
      appDir_(InitAppPath(env.executableDirectory, env.separator)),
      settingsFile_(MakeSettingsFilePath(appDir_, env.executableBaseName, env.userName),
                    services.store, services.codec) {
    const double halfScreenWidthPx = views.screen.WidthTwips() / views.screen.TwipsPerPixelX() / 2;
    LoadedSettings loaded = settingsFile_.Load(halfScreenWidthPx);
    settings_ = loaded.settings;

    panel_ = std::make_unique<PanelLogic>(
        settings_, views, PanelServices{services.messages, services.shell, services.dialogs},
        PanelContext{env.pathStyle, appDir_, env.toolkit});
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
