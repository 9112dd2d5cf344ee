#include "win32/Win32DialogHost.h"

#include "win32/AboutDialog.h"
#include "win32/ItemDialog.h"
#include "win32/SettingsDialog.h"

namespace velmora::win32 {

namespace {

template <typename Dialog, typename Logic>
void Run(Logic& logic, HWND owner) {
    Dialog dialog(logic);
    dialog.Run(owner, [&] { logic.Load(dialog); });
}

}  // namespace

void Win32DialogHost::RunSettingsDialog(SettingsDialogLogic& logic) {
    Run<SettingsDialog>(logic, owner_);
}
void Win32DialogHost::RunItemDialog(ItemDialogLogic& logic) { Run<ItemDialog>(logic, owner_); }
void Win32DialogHost::RunAboutDialog(AboutDialogLogic& logic) { Run<AboutDialog>(logic, owner_); }

}  // namespace velmora::win32
