#include "qt/ItemDialog.h"

#include <QLabel>
#include <QPushButton>
#include <limits>

#include "core/ui/Texts.h"
#include "qt/QtTwips.h"
#include "qt/SelectAllLineEdit.h"

namespace velmora {

namespace ui = layout::item;

ItemDialog::ItemDialog(ItemDialogLogic& logic)
    : ModalDialog(texts::kItemTitle, ui::kClientWidth, ui::kClientHeight, layout::kFontPoints,
                  ui::kKeys, [&logic](int index) { logic.OnButtonClick(index); }) {
    auto* labelCaption = new QLabel(QString::fromUtf8(texts::kLabelCaption), this);
    PlaceInTwips(labelCaption, ui::kLabelCaption);
    labelBox_ = new SelectAllLineEdit(this);
    PlaceInTwips(labelBox_, ui::kLabelBox);
    auto* targetCaption = new QLabel(QString::fromUtf8(texts::kTargetCaption), this);
    PlaceInTwips(targetCaption, ui::kTargetCaption);
    targetBox_ = new SelectAllLineEdit(this);
    PlaceInTwips(targetBox_, ui::kTargetBox);
    for (SelectAllLineEdit* box : {labelBox_, targetBox_})
        box->setMaxLength(std::numeric_limits<int>::max());

    auto* rightFrame = new QWidget(this);
    PlaceInTwips(rightFrame, ui::kRightFrame);
    changeButton_ = AddButton(ui::Change, texts::kChangeButton, rightFrame, ui::kChangeButton);
    abortButton_ = AddButton(ui::Abort, texts::kAbortButton, rightFrame, ui::kAbortButton);
    auto* leftFrame = new QWidget(this);
    PlaceInTwips(leftFrame, ui::kLeftFrame);
    duplicateButton_ =
        AddButton(ui::Duplicate, texts::kDuplicateButton, leftFrame, ui::kDuplicateButton);

    QWidget* previous = nullptr;
    for (const ui::Control control : ui::kTabOrder) {
        QWidget* widget = nullptr;
        switch (control) {
            case ui::Control::LabelBox:
                widget = labelBox_;
                break;
            case ui::Control::TargetBox:
                widget = targetBox_;
                break;
            case ui::Control::ChangeButton:
                widget = changeButton_;
                break;
            case ui::Control::AbortButton:
                widget = abortButton_;
                break;
            case ui::Control::DuplicateButton:
                widget = duplicateButton_;
                break;
        }
        if (previous != nullptr) setTabOrder(previous, widget);
        previous = widget;
    }
}

std::string ItemDialog::LabelText() const { return labelBox_->text().toStdString(); }
void ItemDialog::SetLabelText(const std::string& text) {
    labelBox_->setText(QString::fromStdString(text));
}
std::string ItemDialog::TargetText() const { return targetBox_->text().toStdString(); }
void ItemDialog::SetTargetText(const std::string& text) {
    targetBox_->setText(QString::fromStdString(text));
}

void ItemDialog::DisableTarget() {
    targetBox_->setEnabled(false);
    targetBox_->setReadOnly(true);
    // Painted like the window itself, so it reads as no box at all.
    QPalette palette = targetBox_->palette();
    const QColor background = this->palette().color(QPalette::Window);
    for (const QPalette::ColorGroup group :
         {QPalette::Disabled, QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Base, background);
    }
    targetBox_->setPalette(palette);
}

bool ItemDialog::TargetEnabled() const { return targetBox_->isEnabled(); }

void ItemDialog::FocusLabel() {
    labelBox_->setFocus(Qt::OtherFocusReason);
    labelBox_->selectAll();
}

void ItemDialog::FocusTarget() {
    targetBox_->setFocus(Qt::OtherFocusReason);
    targetBox_->selectAll();
}

void ItemDialog::Close() { CloseDialog(); }

}  // namespace velmora
