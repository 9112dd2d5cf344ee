#include "core/dialogs/AboutDialogLogic.h"

#include "core/dialogs/VersionInfo.h"
#include "core/ui/Texts.h"

namespace velmora {

AboutDialogLogic::AboutDialogLogic(IShell& shell, std::string appDir, std::string toolkit)
    : shell_(shell), appDir_(std::move(appDir)), toolkit_(std::move(toolkit)) {}

void AboutDialogLogic::Load(IAboutView& view) {
    view_ = &view;
    const VersionInfo info = BuiltInVersionInfo();
    view.SetTitleLine(AboutTitleLine(info));
    view.SetDescription(AboutDescription(info));
    view.SetCredits(AboutCredits(info, ToolCredit(toolkit_)));
}

void AboutDialogLogic::OnDescriptionDoubleClick() {
    shell_.Open(appDir_ + texts::kReadmeFileName, "", "");
}

void AboutDialogLogic::OnButtonClick(int) {
    if (view_ != nullptr) view_->Close();
}

}  // namespace velmora
