#include "qt/QtDialogHost.h"

#include "qt/AboutDialog.h"
#include "qt/ItemDialog.h"
#include "qt/SettingsDialog.h"

namespace velmora {

namespace {
template <typename Dialog, typename Logic>
void Run(Logic& logic) {
    Dialog dialog(logic);
    logic.Load(dialog);
    dialog.exec();
}
}  // namespace

void QtDialogHost::RunSettingsDialog(SettingsDialogLogic& logic) { Run<SettingsDialog>(logic); }
void QtDialogHost::RunItemDialog(ItemDialogLogic& logic) { Run<ItemDialog>(logic); }
void QtDialogHost::RunAboutDialog(AboutDialogLogic& logic) { Run<AboutDialog>(logic); }

}  // namespace velmora
