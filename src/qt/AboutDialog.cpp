#include "qt/AboutDialog.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "core/ui/Texts.h"
#include "qt/CompactTextLabel.h"
#include "qt/QtTwips.h"

namespace velmora {

namespace ui = layout::about;

AboutDialog::AboutDialog(AboutDialogLogic& logic)
    : ModalDialog(texts::kAboutTitle, ui::kClientWidth, ui::kClientHeight, ui::kFontPoints,
                  ui::kKeys, [&logic](int index) { logic.OnButtonClick(index); }),
      logic_(logic) {
    titleLine_ = new QLabel(this);
    titleLine_->setFont(GothicFont(ui::kTitleFontPoints));
    titleLine_->setAlignment(Qt::AlignCenter);
    titleLine_->setFrameStyle(QFrame::Box | QFrame::Plain);
    PlaceInTwips(titleLine_, ui::kTitle);

    auto* upperFrame = new QGroupBox(this);
    PlaceInTwips(upperFrame, ui::kUpperFrame);
    description_ = new CompactTextLabel(upperFrame);
    description_->setTextFormat(Qt::PlainText);
    description_->setWordWrap(true);
    description_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    description_->setFrameStyle(QFrame::Box | QFrame::Plain);
    description_->installEventFilter(this);
    PlaceInTwips(description_, ui::kDescription);
    backButton_ = AddButton(ui::Back, texts::kBackButton, upperFrame, ui::kBackButton);

    auto* lowerFrame = new QGroupBox(this);
    PlaceInTwips(lowerFrame, ui::kLowerFrame);
    credits_ = new QPlainTextEdit(lowerFrame);
    credits_->setReadOnly(true);
    QPalette palette = credits_->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    credits_->setPalette(palette);
    PlaceInTwips(credits_, ui::kCredits);

    setTabOrder(backButton_, credits_);
    backButton_->setFocus(Qt::OtherFocusReason);
}

void AboutDialog::SetTitleLine(const std::string& text) {
    titleLine_->setText(QString::fromStdString(text));
}
void AboutDialog::SetDescription(const std::string& text) {
    description_->setText(DisplayText(text));
}
void AboutDialog::SetCredits(const std::string& text) { credits_->setPlainText(DisplayText(text)); }
void AboutDialog::Close() { CloseDialog(); }

bool AboutDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == description_ && event->type() == QEvent::MouseButtonDblClick) {
        logic_.OnDescriptionDoubleClick();
        return true;
    }
    return ModalDialog::eventFilter(watched, event);
}

}  // namespace velmora
