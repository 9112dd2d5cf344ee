#include "dialogs/QtDialogHost.h"

#include "dialogs/FormChangeItemInfo.h"
#include "dialogs/FormConfig.h"
#include "dialogs/FormQuestion.h"

namespace velmora {

QtDialogHost::QtDialogHost(IMessageBox& messages, IShell& shell, std::string appDir)
    : messages_(messages), shell_(shell), appDir_(std::move(appDir)) {}

void QtDialogHost::RunConfigDialog(Settings& settings, const std::function<void()>& applyWidthChange) {
    FormConfig dialog(settings, messages_, applyWidthChange);
    dialog.exec();
}

ItemDialogOutcome QtDialogHost::RunItemDialog(const std::string& label, const std::string& target) {
    FormChangeItemInfo dialog(messages_);
    dialog.Load(label, target);
    dialog.exec();
    return dialog.Outcome();
}

void QtDialogHost::RunAboutDialog() {
    FormQuestion dialog(shell_, appDir_);
    dialog.exec();
}

}  // namespace velmora
