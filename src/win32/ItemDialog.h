#pragma once

#include "core/dialogs/ItemDialogLogic.h"
#include "win32/ModalDialog.h"

namespace velmora::win32 {

// The item dialog "情報変更": label and target of one item.
class ItemDialog : public ModalDialog, public IItemView {
  public:
    enum ControlId { kLabelBox = 100, kTargetBox };

    explicit ItemDialog(ItemDialogLogic& logic);

    std::string LabelText() const override;
    void SetLabelText(const std::string& text) override;
    std::string TargetText() const override;
    void SetTargetText(const std::string& text) override;
    void DisableTarget() override;
    bool TargetEnabled() const override;
    void FocusLabel() override;
    void FocusTarget() override;
    void Close() override;

    // The child id of a control of the core's layout.
    static int IdOf(layout::item::Control control);

  protected:
    void BuildControls() override;

  private:
    void Focus(int id);
};

}  // namespace velmora::win32
