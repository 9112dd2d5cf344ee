#include "app/Application.h"

#include <iostream>

#include "app/AppPaths.h"

namespace velmora {

Application::Application(const StartupEnvironment& env, IFileStore& store, IShell& shell,
                         IMessageBox& messages)
    : appDir_(InitAppPath(env.executableDirectory, env.separator)),
      settingsFile_(std::make_unique<SettingsFile>(
          MakeSettingsFilePath(appDir_, env.executableBaseName, env.userName), store)),
      messages_(messages),
      dialogs_(messages, shell, appDir_) {
    const double halfScreenWidthPx = screen_.WidthTwips() / screen_.TwipsPerPixelX() / 2;
    const LoadedSettings loaded = settingsFile_->Load(halfScreenWidthPx);
    settings_ = loaded.settings;

    // The panel's load step runs after the settings are read and before any item is listed.
    panel_ = std::make_unique<FormMain>(settings_, screen_, messages, shell, dialogs_, env.pathStyle);
    for (const StoredItem& item : loaded.items) panel_->logic().AppendItem(item.label, item.target);
    panel_->onUnload = [this] { SaveOnUnload(); };

    panel_->hide();
    panel_->logic().ChangeWindowWidth();
    panel_->MakeTopmost();
}

Application::~Application() = default;

void Application::UnloadForShutdown() {
    interactive_ = false;
    panel_->close();
}

void Application::SaveOnUnload() {
    const SaveResult result = settingsFile_->Save(settings_, panel_->logic().Items());
    if (!result.ok) {
        std::cerr << "Velmora: " << result.message << std::endl;
        if (interactive_) messages_.Warn(result.message);
    }
    if (onFinished) onFinished();
}

}  // namespace velmora
