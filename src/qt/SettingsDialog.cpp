#include "qt/SettingsDialog.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "core/ui/Texts.h"
#include "qt/QtTwips.h"
#include "qt/SelectAllLineEdit.h"

namespace velmora {

namespace ui = layout::settings;

namespace {

template <std::size_t N>
QComboBox* MakeChoices(const std::array<const char*, N>& choices, QWidget* parent,
                       const TwipRect& place) {
    auto* combo = new QComboBox(parent);
    for (const char* choice : choices) combo->addItem(QString::fromUtf8(choice));
    PlaceInTwips(combo, place);
    return combo;
}

}  // namespace

SettingsDialog::SettingsDialog(SettingsDialogLogic& logic)
    : ModalDialog(texts::kSettingsTitle, ui::kClientWidth, ui::kClientHeight, layout::kFontPoints,
                  ui::kKeys, [&logic](int index) { logic.OnButtonClick(index); }) {
    for (std::size_t i = 0; i < ui::kCaptions.size(); ++i) {
        auto* caption = new QLabel(QString::fromUtf8(texts::kSettingsCaptions[i]), this);
        PlaceInTwips(caption, ui::kCaptions[i]);
    }
    cornerList_ = MakeChoices(texts::kCornerChoices, this, ui::kCornerList);
    pixelBox_ = new SelectAllLineEdit(this);
    pixelBox_->setMaxLength(ui::kPixelMaxLength);
    PlaceInTwips(pixelBox_, ui::kPixelBox);
    auto* range = new QLabel(QString::fromUtf8(texts::kPixelRange), this);
    PlaceInTwips(range, ui::kPixelRange);
    widthList_ = MakeChoices(texts::kWidthChoices, this, ui::kWidthList);

    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Plain);
    rule->setGeometry(TwipsToPixelsX(ui::kRuleLeft), TwipsToPixelsY(ui::kRuleY),
                      TwipsToPixelsX(ui::kRuleRight - ui::kRuleLeft), 1);

    auto* buttonFrame = new QWidget(this);
    PlaceInTwips(buttonFrame, ui::kButtonFrame);
    updateButton_ = AddButton(ui::Update, texts::kUpdateButton, buttonFrame, ui::kUpdateButton);
    abortButton_ = AddButton(ui::Abort, texts::kAbortButton, buttonFrame, ui::kAbortButton);

    QWidget* previous = nullptr;
    for (const ui::Control control : ui::kTabOrder) {
        QWidget* widget = nullptr;
        switch (control) {
            case ui::Control::CornerList:
                widget = cornerList_;
                break;
            case ui::Control::PixelBox:
                widget = pixelBox_;
                break;
            case ui::Control::WidthList:
                widget = widthList_;
                break;
            case ui::Control::UpdateButton:
                widget = updateButton_;
                break;
            case ui::Control::AbortButton:
                widget = abortButton_;
                break;
        }
        if (previous != nullptr) setTabOrder(previous, widget);
        previous = widget;
    }
    cornerList_->setFocus(Qt::OtherFocusReason);
}

int SettingsDialog::CornerIndex() const { return cornerList_->currentIndex(); }
void SettingsDialog::SetCornerIndex(int index) { cornerList_->setCurrentIndex(index); }
std::string SettingsDialog::PixelText() const { return pixelBox_->text().toStdString(); }
void SettingsDialog::SetPixelText(const std::string& text) {
    pixelBox_->setText(QString::fromStdString(text));
}
int SettingsDialog::WidthIndex() const { return widthList_->currentIndex(); }
void SettingsDialog::SetWidthIndex(int index) { widthList_->setCurrentIndex(index); }

void SettingsDialog::FocusPixelText() {
    pixelBox_->setFocus(Qt::OtherFocusReason);
    pixelBox_->selectAll();
}

void SettingsDialog::Close() { CloseDialog(); }

}  // namespace velmora
