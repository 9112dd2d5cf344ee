#include "dialogs/FormChangeItemInfo.h"

#include <limits>

#include <QLabel>
#include <QPushButton>

#include "dialogs/SelectAllLineEdit.h"
#include "dialogs/Twips.h"

namespace velmora {

FormChangeItemInfo::FormChangeItemInfo(IMessageBox& messages)
    : QDialog(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                           Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      logic_(*this, messages) {
    setWindowTitle(QStringLiteral("情報変更"));
    setFont(GothicFont(9.75));
    setFixedSize(TwipsToPixelsX(7155), TwipsToPixelsY(1725));

    auto* caption0 = new QLabel(QStringLiteral("表示ラベル"), this);
    PlaceInTwips(caption0, 60, 60, 1215, 195);
    text1_[0] = new SelectAllLineEdit(this);
    PlaceInTwips(text1_[0], 60, 300, 7035, 285);
    auto* caption1 = new QLabel(QStringLiteral("ファイル名"), this);
    PlaceInTwips(caption1, 60, 660, 1215, 195);
    text1_[1] = new SelectAllLineEdit(this);
    PlaceInTwips(text1_[1], 60, 900, 7035, 285);
    for (SelectAllLineEdit* box : text1_) box->setMaxLength(std::numeric_limits<int>::max());

    auto* frame1 = new QWidget(this);
    PlaceInTwips(frame1, 4680, 1260, 2475, 435);
    command1_[0] = new QPushButton(QStringLiteral("変更(&U)"), frame1);
    PlaceInTwips(command1_[0], 60, 60, 1095, 315);
    command1_[1] = new QPushButton(QStringLiteral("中断(&A)"), frame1);
    PlaceInTwips(command1_[1], 1320, 60, 1095, 315);
    auto* frame2 = new QWidget(this);
    PlaceInTwips(frame2, 60, 1260, 1755, 435);
    command1_[2] = new QPushButton(QStringLiteral("コピー生成(&D)"), frame2);
    PlaceInTwips(command1_[2], 60, 60, 1635, 315);

    // Enter presses "変更(&U)"; Esc and the title bar's close reject, which changes nothing.
    command1_[0]->setDefault(true);
    command1_[1]->setAutoDefault(false);
    command1_[2]->setAutoDefault(false);
    for (int i = 0; i < 3; ++i) {
        connect(command1_[i], &QPushButton::clicked, this, [this, i] { logic_.OnButtonClick(i); });
    }
    setTabOrder(text1_[0], text1_[1]);
    setTabOrder(text1_[1], command1_[0]);
    setTabOrder(command1_[0], command1_[1]);
    setTabOrder(command1_[1], command1_[2]);
}

std::string FormChangeItemInfo::LabelText() const { return text1_[0]->text().toStdString(); }
void FormChangeItemInfo::SetLabelText(const std::string& text) {
    text1_[0]->setText(QString::fromStdString(text));
}
std::string FormChangeItemInfo::TargetText() const { return text1_[1]->text().toStdString(); }
void FormChangeItemInfo::SetTargetText(const std::string& text) {
    text1_[1]->setText(QString::fromStdString(text));
}

void FormChangeItemInfo::DisableTarget() {
    text1_[1]->setEnabled(false);
    text1_[1]->setReadOnly(true);
    // Painted like the window itself, so it reads as no box at all.
    QPalette palette = text1_[1]->palette();
    const QColor background = this->palette().color(QPalette::Window);
    palette.setColor(QPalette::Disabled, QPalette::Base, background);
    palette.setColor(QPalette::Active, QPalette::Base, background);
    palette.setColor(QPalette::Inactive, QPalette::Base, background);
    text1_[1]->setPalette(palette);
}

bool FormChangeItemInfo::TargetEnabled() const { return text1_[1]->isEnabled(); }

void FormChangeItemInfo::FocusLabel() {
    text1_[0]->setFocus(Qt::OtherFocusReason);
    text1_[0]->selectAll();
}

void FormChangeItemInfo::FocusTarget() {
    text1_[1]->setFocus(Qt::OtherFocusReason);
    text1_[1]->selectAll();
}

void FormChangeItemInfo::Close() { accept(); }

}  // namespace velmora
