#pragma once

#include "core/dialogs/ItemDialogLogic.h"
#include "qt/ModalDialog.h"

class QPushButton;

namespace velmora {

class SelectAllLineEdit;

// The item dialog "情報変更": label and target of one item.
class ItemDialog : public ModalDialog, public IItemView {
    Q_OBJECT
  public:
    explicit ItemDialog(ItemDialogLogic& logic);

    SelectAllLineEdit* labelBox() const { return labelBox_; }
    SelectAllLineEdit* targetBox() const { return targetBox_; }
    QPushButton* changeButton() const { return changeButton_; }
    QPushButton* abortButton() const { return abortButton_; }
    QPushButton* duplicateButton() const { return duplicateButton_; }

    std::string LabelText() const override;
    void SetLabelText(const std::string& text) override;
    std::string TargetText() const override;
    void SetTargetText(const std::string& text) override;
    void DisableTarget() override;
    bool TargetEnabled() const override;
    void FocusLabel() override;
    void FocusTarget() override;
    void Close() override;

  private:
    SelectAllLineEdit* labelBox_ = nullptr;
    SelectAllLineEdit* targetBox_ = nullptr;
    QPushButton* changeButton_ = nullptr;
    QPushButton* abortButton_ = nullptr;
    QPushButton* duplicateButton_ = nullptr;
};

}  // namespace velmora
