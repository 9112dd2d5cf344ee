#include "core/dialogs/AboutDialogLogic.h"

#include "core/dialogs/VersionInfo.h"

namespace velmora {

AboutDialogLogic::AboutDialogLogic(IShell& shell, std::string readmePath, std::string toolkit)
    : shell_(shell), readmePath_(std::move(readmePath)), toolkit_(std::move(toolkit)) {}

void AboutDialogLogic::Load(IAboutView& view) {
    view_ = &view;
    const VersionInfo info = BuiltInVersionInfo();
    view.SetTitleLine(AboutTitleLine(info));
    view.SetDescription(AboutDescription(info));
    view.SetCredits(AboutCredits(info, ToolCredit(toolkit_)));
}

void AboutDialogLogic::OnDescriptionDoubleClick() { shell_.Open(readmePath_, "", ""); }

void AboutDialogLogic::OnButtonClick(int) {
    if (view_ != nullptr) view_->Close();
}

}  // namespace velmora
