#include "win32/SettingsDialog.h"

#include "core/ui/Texts.h"
#include "platform/WideText_windows.h"
#include "win32/Dpi.h"

namespace velmora::win32 {

namespace ui = layout::settings;

SettingsDialog::SettingsDialog(SettingsDialogLogic& logic)
    : ModalDialog(texts::kSettingsTitle, ui::kClientWidth, ui::kClientHeight, layout::kFontPoints,
                  ui::kKeys, [&logic](int index) { logic.OnButtonClick(index); }),
      logic_(logic) {}

int SettingsDialog::IdOf(ui::Control control) {
    switch (control) {
        case ui::Control::CornerList:
            return kCornerList;
        case ui::Control::PixelBox:
            return kPixelBox;
        case ui::Control::WidthList:
            return kWidthList;
        case ui::Control::UpdateButton:
            return kFirstButtonId + ui::Update;
        case ui::Control::AbortButton:
            return kFirstButtonId + ui::Abort;
    }
    return 0;
}

// The rule is one pixel thick at every DPI.
void SettingsDialog::OnDpiChanged() {
    RECT r{};
    ::GetWindowRect(rule_, &r);
    ::SetWindowPos(rule_, nullptr, 0, 0, r.right - r.left, 1, SWP_NOMOVE | SWP_NOZORDER);
}

void SettingsDialog::BuildControls() {
    const auto choices = [&](const auto& texts, const TwipRect& place, int id) {
        // A drop-down list's height includes its opened list.
        TwipRect opened = place;
        opened.height *= static_cast<double>(texts.size() + 1);
        HWND combo =
            AddControl(L"COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, opened, id);
        for (const char* text : texts) {
            ::SendMessageW(combo, CB_ADDSTRING, 0,
                           reinterpret_cast<LPARAM>(platform::Widen(text).c_str()));
        }
        return combo;
    };
    for (std::size_t i = 0; i < ui::kCaptions.size(); ++i) {
        AddControl(L"STATIC", texts::kSettingsCaptions[i], SS_LEFT | SS_NOPREFIX, 0,
                   ui::kCaptions[i], -1);
    }
    choices(texts::kCornerChoices, ui::kCornerList, kCornerList);
    HWND pixels = AddTextBox(ui::kPixelBox, kPixelBox);
    ::SendMessageW(pixels, EM_LIMITTEXT, ui::kPixelMaxLength, 0);
    AddControl(L"STATIC", texts::kPixelRange, SS_LEFT | SS_NOPREFIX, 0, ui::kPixelRange, -1);
    choices(texts::kWidthChoices, ui::kWidthList, kWidthList);
    rule_ = AddControl(L"STATIC", "", SS_BLACKRECT, 0,
                       TwipRect{ui::kRuleLeft, ui::kRuleY, ui::kRuleRight - ui::kRuleLeft, 15}, -1);
    OnDpiChanged();
    AddButton(ui::Update, texts::kUpdateButton, InFrame(ui::kButtonFrame, ui::kUpdateButton));
    AddButton(ui::Abort, texts::kAbortButton, InFrame(ui::kButtonFrame, ui::kAbortButton));
    ApplyTabOrder(hwnd(), ui::kTabOrder, &IdOf);
}

int SettingsDialog::CornerIndex() const {
    return static_cast<int>(::SendDlgItemMessageW(hwnd(), kCornerList, CB_GETCURSEL, 0, 0));
}
void SettingsDialog::SetCornerIndex(int index) {
    ::SendDlgItemMessageW(hwnd(), kCornerList, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}
std::string SettingsDialog::PixelText() const { return GetText(::GetDlgItem(hwnd(), kPixelBox)); }
void SettingsDialog::SetPixelText(const std::string& text) {
    SetText(::GetDlgItem(hwnd(), kPixelBox), text);
}
int SettingsDialog::WidthIndex() const {
    return static_cast<int>(::SendDlgItemMessageW(hwnd(), kWidthList, CB_GETCURSEL, 0, 0));
}
void SettingsDialog::SetWidthIndex(int index) {
    ::SendDlgItemMessageW(hwnd(), kWidthList, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void SettingsDialog::FocusPixelText() {
    HWND box = ::GetDlgItem(hwnd(), kPixelBox);
    ::SendMessageW(hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(box), TRUE);
    ::SendMessageW(box, EM_SETSEL, 0, -1);
}

void SettingsDialog::Close() { CloseDialog(); }

}  // namespace velmora::win32
