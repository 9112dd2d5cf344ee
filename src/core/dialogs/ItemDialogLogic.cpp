#include "core/dialogs/ItemDialogLogic.h"

#include "core/ui/Layout.h"
#include "core/ui/Texts.h"

namespace velmora {

ItemDialogLogic::ItemDialogLogic(IMessageBox& messages, std::string label, std::string target)
    : messages_(messages), label_(std::move(label)), target_(std::move(target)) {}

void ItemDialogLogic::Load(IItemView& view) {
    view_ = &view;
    outcome_ = {};
    view.SetLabelText(label_);
    view.SetTargetText(target_);
    if (target_.empty()) view.DisableTarget();
}

void ItemDialogLogic::OnButtonClick(int index) {
    if (view_ == nullptr) return;
    outcome_.ItemDialogResult = ItemDialogAction::Unchanged;
    switch (index) {
        case layout::item::Change:
            if (view_->LabelText().empty()) {
                messages_.Warn(texts::kEmptyLabelMessage);
                view_->FocusLabel();
                return;
            }
            if (view_->TargetText().empty() && view_->TargetEnabled()) {
                messages_.Warn(texts::kEmptyTargetMessage);
                view_->FocusTarget();
                return;
            }
            outcome_.EditedItemName = view_->LabelText();
            outcome_.EditedItemPath = view_->TargetText();
            outcome_.ItemDialogResult = ItemDialogAction::Change;
            break;
        case layout::item::Duplicate:
            outcome_.ItemDialogResult = ItemDialogAction::Duplicate;
            break;
        default:
            break;
    }
    view_->Close();
}

}  // namespace velmora
