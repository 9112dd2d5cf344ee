#include "win32/AboutDialog.h"

#include "core/ui/Texts.h"
#include "platform/WideText_windows.h"
#include "win32/Dpi.h"

namespace velmora::win32 {

namespace ui = layout::about;

AboutDialog::AboutDialog(AboutDialogLogic& logic)
    : ModalDialog(texts::kAboutTitle, ui::kClientWidth, ui::kClientHeight, ui::kFontPoints,
                  ui::kKeys, [&logic](int index) { logic.OnButtonClick(index); }),
      logic_(logic) {}

AboutDialog::~AboutDialog() {
    if (descriptionFont_ != nullptr) ::DeleteObject(descriptionFont_);
}

int AboutDialog::IdOf(ui::Control control) {
    switch (control) {
        case ui::Control::BackButton:
            return kFirstButtonId + ui::Back;
        case ui::Control::Credits:
            return kCredits;
    }
    return 0;
}

void AboutDialog::BuildControls() {
    AddControl(L"BUTTON", "", BS_GROUPBOX, 0, ui::kUpperFrame, -1);
    AddButton(ui::Back, texts::kBackButton, InFrame(ui::kUpperFrame, ui::kBackButton));
    AddControl(L"BUTTON", "", BS_GROUPBOX, 0, ui::kLowerFrame, -1);
    AddControl(L"EDIT", "", ES_MULTILINE | ES_READONLY | WS_TABSTOP, WS_EX_CLIENTEDGE,
               InFrame(ui::kLowerFrame, ui::kCredits), kCredits);
    HWND title = AddControl(L"STATIC", "", SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX | WS_BORDER, 0,
                            ui::kTitle, kTitle);
    ::SendMessageW(title, WM_SETFONT, reinterpret_cast<WPARAM>(layout().Font(ui::kTitleFontPoints)),
                   FALSE);
    AddControl(L"STATIC", "", SS_LEFT | SS_NOPREFIX | SS_NOTIFY | WS_BORDER, 0,
               InFrame(ui::kUpperFrame, ui::kDescription), kDescription);
    ApplyTabOrder(hwnd(), ui::kTabOrder, &IdOf);
}

bool AboutDialog::OnCommand(int id, int code) {
    if (id == kDescription && code == STN_DBLCLK) {
        logic_.OnDescriptionDoubleClick();
        return true;
    }
    return false;
}

void AboutDialog::SetTitleLine(const std::string& text) {
    SetText(::GetDlgItem(hwnd(), kTitle), text);
}
void AboutDialog::SetDescription(const std::string& text) {
    SetText(::GetDlgItem(hwnd(), kDescription), text);
    FitDescription();
}

void AboutDialog::OnDpiChanged() { FitDescription(); }

void AboutDialog::FitDescription() {
    HWND description = ::GetDlgItem(hwnd(), kDescription);
    // At some DPIs the Japanese font's full-width characters are a pixel wider than the layout
    // assumes, and the last line would be cut: the text takes the largest size that fits whole.
    RECT box{};
    ::GetClientRect(description, &box);
    const std::wstring wide = platform::Widen(GetText(description));
    HDC dc = ::GetDC(description);
    HFONT fitting = nullptr;
    for (double points = ui::kFontPoints; points >= ui::kFontPoints - 3; points -= 0.25) {
        HFONT font = CreateGothicFont(points, layout().dpi());
        HGDIOBJ old = ::SelectObject(dc, font);
        RECT needed{0, 0, box.right, 0};
        ::DrawTextW(dc, wide.c_str(), -1, &needed,
                    DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX);
        ::SelectObject(dc, old);
        if (needed.bottom <= box.bottom || points - 0.25 < ui::kFontPoints - 3) {
            if (points != ui::kFontPoints)
                fitting = font;
            else
                ::DeleteObject(font);  // the dialog's own font fits
            break;
        }
        ::DeleteObject(font);
    }
    ::ReleaseDC(description, dc);
    ::SendMessageW(description, WM_SETFONT,
                   reinterpret_cast<WPARAM>(fitting != nullptr ? fitting : font()), TRUE);
    if (descriptionFont_ != nullptr) ::DeleteObject(descriptionFont_);
    descriptionFont_ = fitting;
}

void AboutDialog::SetCredits(const std::string& text) {
    SetText(::GetDlgItem(hwnd(), kCredits), text);
}
void AboutDialog::Close() { CloseDialog(); }

}  // namespace velmora::win32
