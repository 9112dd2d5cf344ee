#include "dialogs/FormQuestion.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "dialogs/Twips.h"
#include "dialogs/VersionInfo.h"

namespace velmora {

std::string FormQuestion::ToolCredit() {
#if defined(__clang__)
    const std::string compiler = "Clang " __clang_version__;
#elif defined(__GNUC__)
    const std::string compiler = "GCC " __VERSION__;
#elif defined(_MSC_VER)
    const std::string compiler = "MSVC " + std::to_string(_MSC_FULL_VER);
#else
    const std::string compiler = "C++";
#endif
    return "開発環境：Qt " QT_VERSION_STR " / " + compiler;
}

FormQuestion::FormQuestion(IShell& shell, std::string appDir)
    : QDialog(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                           Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      shell_(shell),
      appDir_(std::move(appDir)) {
    setWindowTitle(QStringLiteral("バージョン情報"));
    setFont(GothicFont(9));
    setFixedSize(TwipsToPixelsX(4575), TwipsToPixelsY(4050));
    const VersionInfo info = BuiltInVersionInfo();

    label1_ = new QLabel(QString::fromStdString(AboutTitleLine(info)), this);
    label1_->setFont(GothicFont(9.75));
    label1_->setAlignment(Qt::AlignCenter);
    label1_->setFrameStyle(QFrame::Box | QFrame::Plain);
    PlaceInTwips(label1_, 120, 120, 4335, 255);

    auto* frame1 = new QGroupBox(this);
    PlaceInTwips(frame1, 240, 420, 4095, 1995);
    label4_ = new QLabel(DisplayText(AboutDescription(info)), frame1);
    label4_->setTextFormat(Qt::PlainText);
    label4_->setWordWrap(true);
    label4_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label4_->setFrameStyle(QFrame::Box | QFrame::Plain);
    label4_->installEventFilter(this);
    PlaceInTwips(label4_, 180, 240, 3735, 1215);
    command1_ = new QPushButton(QStringLiteral("戻る"), frame1);
    PlaceInTwips(command1_, 300, 1560, 3495, 315);
    command1_->setDefault(true);
    connect(command1_, &QPushButton::clicked, this, &QDialog::accept);

    auto* frame2 = new QGroupBox(this);
    PlaceInTwips(frame2, 120, 2460, 4335, 1515);
    text1_ = new QPlainTextEdit(frame2);
    text1_->setReadOnly(true);
    text1_->setPlainText(DisplayText(AboutCredits(info, ToolCredit())));
    QPalette palette = text1_->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    text1_->setPalette(palette);
    PlaceInTwips(text1_, 120, 180, 4095, 1215);

    setTabOrder(command1_, text1_);
    command1_->setFocus(Qt::OtherFocusReason);
}

void FormQuestion::OpenReadme() { shell_.Open(appDir_ + kReadmeFileName, "", ""); }

bool FormQuestion::eventFilter(QObject* watched, QEvent* event) {
    if (watched == label4_ && event->type() == QEvent::MouseButtonDblClick) {
        OpenReadme();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace velmora
