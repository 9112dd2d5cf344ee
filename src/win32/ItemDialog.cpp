#include "win32/ItemDialog.h"

#include "core/ui/Texts.h"

namespace velmora::win32 {

namespace ui = layout::item;

ItemDialog::ItemDialog(ItemDialogLogic& logic)
    : ModalDialog(texts::kItemTitle, ui::kClientWidth, ui::kClientHeight, layout::kFontPoints,
                  ui::kKeys, [&logic](int index) { logic.OnButtonClick(index); }) {}

int ItemDialog::IdOf(ui::Control control) {
    switch (control) {
        case ui::Control::LabelBox:
            return kLabelBox;
        case ui::Control::TargetBox:
            return kTargetBox;
        case ui::Control::ChangeButton:
            return kFirstButtonId + ui::Change;
        case ui::Control::AbortButton:
            return kFirstButtonId + ui::Abort;
        case ui::Control::DuplicateButton:
            return kFirstButtonId + ui::Duplicate;
    }
    return 0;
}

void ItemDialog::BuildControls() {
    AddControl(L"STATIC", texts::kLabelCaption, SS_LEFT | SS_NOPREFIX, 0, ui::kLabelCaption, -1);
    AddTextBox(ui::kLabelBox, kLabelBox);
    AddControl(L"STATIC", texts::kTargetCaption, SS_LEFT | SS_NOPREFIX, 0, ui::kTargetCaption, -1);
    AddTextBox(ui::kTargetBox, kTargetBox);
    AddButton(ui::Change, texts::kChangeButton, InFrame(ui::kRightFrame, ui::kChangeButton));
    AddButton(ui::Abort, texts::kAbortButton, InFrame(ui::kRightFrame, ui::kAbortButton));
    AddButton(ui::Duplicate, texts::kDuplicateButton,
              InFrame(ui::kLeftFrame, ui::kDuplicateButton));
    ApplyTabOrder(hwnd(), ui::kTabOrder, &IdOf);
}

std::string ItemDialog::LabelText() const { return GetText(::GetDlgItem(hwnd(), kLabelBox)); }
void ItemDialog::SetLabelText(const std::string& text) {
    SetText(::GetDlgItem(hwnd(), kLabelBox), text);
}
std::string ItemDialog::TargetText() const { return GetText(::GetDlgItem(hwnd(), kTargetBox)); }
void ItemDialog::SetTargetText(const std::string& text) {
    SetText(::GetDlgItem(hwnd(), kTargetBox), text);
}

void ItemDialog::DisableTarget() {
    // A disabled, read-only box is painted with the window's own background.
    HWND box = ::GetDlgItem(hwnd(), kTargetBox);
    ::SendMessageW(box, EM_SETREADONLY, TRUE, 0);
    ::EnableWindow(box, FALSE);
}

bool ItemDialog::TargetEnabled() const {
    return ::IsWindowEnabled(::GetDlgItem(hwnd(), kTargetBox)) != FALSE;
}

void ItemDialog::Focus(int id) {
    HWND box = ::GetDlgItem(hwnd(), id);
    ::SendMessageW(hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(box), TRUE);
    ::SendMessageW(box, EM_SETSEL, 0, -1);
}

void ItemDialog::FocusLabel() { Focus(kLabelBox); }
void ItemDialog::FocusTarget() { Focus(kTargetBox); }
void ItemDialog::Close() { CloseDialog(); }

}  // namespace velmora::win32
