#include "dialogs/FormConfig.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "dialogs/SelectAllLineEdit.h"
#include "dialogs/Twips.h"

namespace velmora {

FormConfig::FormConfig(Settings& settings, IMessageBox& messages, std::function<void()> applyWidthChange)
    : QDialog(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                           Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      logic_(settings, *this, messages, std::move(applyWidthChange)) {
    setWindowTitle(QStringLiteral("設定"));
    setFont(GothicFont(9.75));
    setFixedSize(TwipsToPixelsX(3330), TwipsToPixelsY(2505));

    const char* captions[] = {"1. マウスカーソル反応場所", "2. マウスカーソル捕捉ピクセル",
                              "3. メインウィンドウ幅"};
    const double captionTops[] = {60, 660, 1320};
    const double captionWidths[] = {2895, 3195, 3195};
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(QString::fromUtf8(captions[i]), this);
        PlaceInTwips(label, 60, captionTops[i], captionWidths[i], 195);
    }
    combo1_[0] = new QComboBox(this);
    combo1_[0]->addItems({QStringLiteral("右上"), QStringLiteral("右下"), QStringLiteral("左上"),
                          QStringLiteral("左下")});
    PlaceInTwips(combo1_[0], 360, 300, 855, 315);

    text1_ = new SelectAllLineEdit(this);
    text1_->setMaxLength(3);
    PlaceInTwips(text1_, 360, 900, 555, 315);
    auto* range = new QLabel(QStringLiteral("（1～999）"), this);
    PlaceInTwips(range, 1020, 960, 2235, 255);

    combo1_[1] = new QComboBox(this);
    combo1_[1]->addItems({QStringLiteral("標準"), QStringLiteral("1.5 倍"), QStringLiteral("2 倍"),
                          QStringLiteral("2.5 倍"), QStringLiteral("3 倍")});
    PlaceInTwips(combo1_[1], 360, 1560, 1095, 315);

    auto* line1 = new QFrame(this);
    line1->setFrameShape(QFrame::HLine);
    line1->setFrameShadow(QFrame::Plain);
    line1->setGeometry(TwipsToPixelsX(60), TwipsToPixelsY(1980), TwipsToPixelsX(3240 - 60), 1);

    auto* frame1 = new QWidget(this);
    PlaceInTwips(frame1, 60, 2040, 3195, 435);
    command1_[0] = new QPushButton(QStringLiteral("更新(&U)"), frame1);
    PlaceInTwips(command1_[0], 60, 60, 1215, 315);
    command1_[1] = new QPushButton(QStringLiteral("中断(&A)"), frame1);
    PlaceInTwips(command1_[1], 1920, 60, 1215, 315);
    // No default button: Enter does not confirm this dialog.
    for (QPushButton* button : command1_) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    connect(command1_[0], &QPushButton::clicked, this, [this] { logic_.OnButtonClick(0); });
    connect(command1_[1], &QPushButton::clicked, this, [this] { logic_.OnButtonClick(1); });

    setTabOrder(combo1_[0], text1_);
    setTabOrder(text1_, combo1_[1]);
    setTabOrder(combo1_[1], command1_[0]);
    setTabOrder(command1_[0], command1_[1]);

    logic_.Load();
}

int FormConfig::CornerIndex() const { return combo1_[0]->currentIndex(); }
void FormConfig::SetCornerIndex(int index) { combo1_[0]->setCurrentIndex(index); }
std::string FormConfig::PixelText() const { return text1_->text().toStdString(); }
void FormConfig::SetPixelText(const std::string& text) { text1_->setText(QString::fromStdString(text)); }
int FormConfig::WidthIndex() const { return combo1_[1]->currentIndex(); }
void FormConfig::SetWidthIndex(int index) { combo1_[1]->setCurrentIndex(index); }

void FormConfig::FocusPixelText() {
    text1_->setFocus(Qt::OtherFocusReason);
    text1_->selectAll();
}

void FormConfig::Close() { accept(); }

}  // namespace velmora
