#pragma once

#include <windows.h>

#include "core/dialogs/DialogHost.h"

namespace velmora::win32 {

// Builds each dialog afresh, owned by the panel (so the panel takes no drops, keys or clicks
// while it is open), loads the core's behaviour into it and runs it modally.
class Win32DialogHost : public IDialogHost {
  public:
    void SetOwner(HWND owner) { owner_ = owner; }

    void RunSettingsDialog(SettingsDialogLogic& logic) override;
    void RunItemDialog(ItemDialogLogic& logic) override;
    void RunAboutDialog(AboutDialogLogic& logic) override;

  private:
    HWND owner_ = nullptr;
};

}  // namespace velmora::win32
