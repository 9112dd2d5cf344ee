#pragma once

#include <QDialog>

#include "dialogs/ItemDialogLogic.h"

class QPushButton;

namespace velmora {

class SelectAllLineEdit;

// The item dialog "情報変更": label and target of one item.
class FormChangeItemInfo : public QDialog, public IItemView {
    Q_OBJECT
public:
    explicit FormChangeItemInfo(IMessageBox& messages);

    void Load(const std::string& label, const std::string& target) { logic_.Load(label, target); }
    const ItemDialogOutcome& Outcome() const { return logic_.Outcome(); }

    SelectAllLineEdit* text1(int index) const { return text1_[index]; }
    QPushButton* command1(int index) const { return command1_[index]; }

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
    SelectAllLineEdit* text1_[2] = {};
    QPushButton* command1_[3] = {};
    ItemDialogLogic logic_;
};

}  // namespace velmora
