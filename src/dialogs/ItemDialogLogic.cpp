#include "dialogs/ItemDialogLogic.h"

namespace velmora {

ItemDialogLogic::ItemDialogLogic(IItemView& view, IMessageBox& messages)
    : view_(view), messages_(messages) {}

void ItemDialogLogic::Load(const std::string& label, const std::string& target) {
    outcome_ = {};
    view_.SetLabelText(label);
    view_.SetTargetText(target);
    if (target.empty()) view_.DisableTarget();
}

void ItemDialogLogic::OnButtonClick(int index) {
    outcome_.ItemDialogResult = 0;
    switch (index) {
        case 0:
            if (view_.LabelText().empty()) {
                messages_.Warn(kEmptyLabelMessage);
                view_.FocusLabel();
                return;
            }
            if (view_.TargetText().empty() && view_.TargetEnabled()) {
                messages_.Warn(kEmptyTargetMessage);
                view_.FocusTarget();
                return;
            }
            outcome_.EditedItemName = view_.LabelText();
            outcome_.EditedItemPath = view_.TargetText();
            outcome_.ItemDialogResult = 1;
            break;
        case 2:
            outcome_.ItemDialogResult = 2;
            break;
        default:
            break;
    }
    view_.Close();
}

}  // namespace velmora
