#pragma once

#include <string>

#include "core/ports/MessageBox.h"

namespace velmora {

// What the item dialog asks the panel to do with the item once it has closed.
enum class ItemDialogAction { Unchanged = 0, Change = 1, Duplicate = 2 };

struct ItemDialogOutcome {
    ItemDialogAction ItemDialogResult = ItemDialogAction::Unchanged;
    std::string EditedItemName;  // with Change only
    std::string EditedItemPath;  // with Change only
};

// The item dialog's controls: the label box and the target box.
class IItemView {
  public:
    virtual ~IItemView() = default;
    virtual std::string LabelText() const = 0;
    virtual void SetLabelText(const std::string& text) = 0;
    virtual std::string TargetText() const = 0;
    virtual void SetTargetText(const std::string& text) = 0;
    // A separator's target box is disabled, locked and painted like the window background.
    virtual void DisableTarget() = 0;
    virtual bool TargetEnabled() const = 0;
    virtual void FocusLabel() = 0;
    virtual void FocusTarget() = 0;
    virtual void Close() = 0;
};

// The item dialog's behaviour for one item. The outcome is read after the dialog has closed;
// closing it any way but its buttons leaves the item unchanged.
class ItemDialogLogic {
  public:
    ItemDialogLogic(IMessageBox& messages, std::string label, std::string target);

    void Load(IItemView& view);
    // layout::item::Change, Abort or Duplicate.
    void OnButtonClick(int index);
    const ItemDialogOutcome& Outcome() const { return outcome_; }

  private:
    IMessageBox& messages_;
    std::string label_;
    std::string target_;
    IItemView* view_ = nullptr;
    ItemDialogOutcome outcome_;
};

}  // namespace velmora
