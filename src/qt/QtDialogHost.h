#pragma once

#include "core/dialogs/DialogHost.h"

namespace velmora {

// Builds each Qt dialog afresh, loads the core's behaviour into it and runs it modally.
class QtDialogHost : public IDialogHost {
  public:
    void RunSettingsDialog(SettingsDialogLogic& logic) override;
    void RunItemDialog(ItemDialogLogic& logic) override;
    void RunAboutDialog(AboutDialogLogic& logic) override;
};

}  // namespace velmora
