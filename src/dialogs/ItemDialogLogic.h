#pragma once

#include <string>

#include "launcher/PanelInterfaces.h"

namespace velmora {

inline constexpr const char* kEmptyLabelMessage = "表示ラベルは空に出来ません。";
inline constexpr const char* kEmptyTargetMessage = "ファイル名が空であってはなりません。";

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

// The item dialog's behaviour. The outcome is read by the panel after the dialog has closed.
class ItemDialogLogic {
public:
    ItemDialogLogic(IItemView& view, IMessageBox& messages);

    void Load(const std::string& label, const std::string& target);
    // 0 "変更(&U)", 1 "中断(&A)", 2 "コピー生成(&D)".
    void OnButtonClick(int index);
    // Closing by any other way counts as "中断(&A)".
    const ItemDialogOutcome& Outcome() const { return outcome_; }

private:
    IItemView& view_;
    IMessageBox& messages_;
    ItemDialogOutcome outcome_;
};

}  // namespace velmora
