#pragma once

#include <string>

#include "launcher/PanelInterfaces.h"

namespace velmora {

// Creates each dialog afresh, shows it modally without an owner, and discards it.
class QtDialogHost : public IDialogHost {
public:
    QtDialogHost(IMessageBox& messages, IShell& shell, std::string appDir);

    void RunConfigDialog(Settings& settings, const std::function<void()>& applyWidthChange) override;
    ItemDialogOutcome RunItemDialog(const std::string& label, const std::string& target) override;
    void RunAboutDialog() override;

private:
    IMessageBox& messages_;
    IShell& shell_;
    std::string appDir_;
};

}  // namespace velmora
