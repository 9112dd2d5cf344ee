#pragma once

#include "core/dialogs/AboutDialogLogic.h"
#include "core/dialogs/ItemDialogLogic.h"
#include "core/dialogs/SettingsDialogLogic.h"

namespace velmora {

// Shows the three modal dialogs: each call builds the dialog afresh with the panel as its owner
// (so the panel takes no input meanwhile), loads the given behaviour into it, forwards its
// events and returns when it has closed.
class IDialogHost {
  public:
    virtual ~IDialogHost() = default;
    virtual void RunSettingsDialog(SettingsDialogLogic& logic) = 0;
    virtual void RunItemDialog(ItemDialogLogic& logic) = 0;
    virtual void RunAboutDialog(AboutDialogLogic& logic) = 0;
};

}  // namespace velmora
