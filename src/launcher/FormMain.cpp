#include "launcher/FormMain.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "app/TextToInteger.h"
#include "dialogs/Twips.h"
#include "launcher/ArgumentLabel.h"
#include "launcher/CompactTextLabel.h"
#include "launcher/Geometry.h"
#include "launcher/ItemListWidget.h"

namespace velmora {

namespace {
constexpr double kBottomLineY = 6720;  // twips; one pixel inside the design height
}

FormMain::FormMain(Settings& settings, IScreen& screen, IMessageBox& messages, IShell& shell,
                   IDialogHost& dialogs, PathStyle pathStyle, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    // Appearing under the pointer must not take the keyboard from the window being worked in.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowTitle(QString());
    setFont(GothicFont(9.75));
    setFixedSize(TwipsToPixelsX(kDesignPanelWidth), TwipsToPixelsY(kDesignPanelHeight));
    BuildControls();

    list1Control_ = std::make_unique<QtListControl>(list1_);
    logic_ = std::make_unique<FormMainLogic>(
        settings,
        FormMainLogic::Controls{*this, *list1Control_, list2_, screen, *this, messages, shell, dialogs},
        pathStyle);

    connect(list1_, &ItemListWidget::keyReleased, this,
            [this](ListKey key, int modifiers) { logic_->OnListKeyUp(key, modifiers); });
    connect(list1_, &ItemListWidget::mouseReleased, this,
            [this](MouseButton button, int modifiers) { logic_->OnListMouseUp(button, modifiers); });
    connect(list1_, &ItemListWidget::doubleClicked, this, [this] { logic_->OnListDoubleClick(); });
    connect(list1_, &ItemListWidget::dropped, this,
            [this](const std::optional<DroppedContent>& content) { logic_->OnListDrop(content); });
    connect(list1_, &QListWidget::itemSelectionChanged, this, [this] { logic_->OnListClick(); });
    connect(list1_, &QListWidget::itemClicked, this, [this] { logic_->OnListClick(); });
    connect(label2_, &ArgumentLabel::dropped, this,
            [this](const std::optional<DroppedContent>& content, int modifiers) {
                logic_->OnArgumentDrop(content, modifiers);
            });
    connect(label2_, &ArgumentLabel::doubleClicked, this, [this] { logic_->OnArgumentDoubleClick(); });
    connect(command1_[0], &QPushButton::clicked, this, [this] { logic_->OnExitClick(); });
    connect(command1_[1], &QPushButton::clicked, this, [this] { logic_->OnSettingsClick(); });
    connect(command1_[2], &QPushButton::clicked, this, [this] { logic_->OnSeparatorClick(); });
    connect(command2_, &QPushButton::clicked, this, [this] { logic_->OnAboutClick(); });
    connect(&timer1_, &QTimer::timeout, this, [this] { logic_->Tick(); });

    timer1_.setInterval(250);
    timer1_.start();
    logic_->Load();
    borderX_ = TwipsPerPixelX() * (width() - 1);
}

FormMain::~FormMain() = default;

void FormMain::BuildControls() {
    list1_ = new ItemListWidget(this);
    PlaceInTwips(list1_, 60, 660, 2475, 5325);

    auto* frame1 = new QWidget(this);
    PlaceInTwips(frame1, 15, 15, 2565, 660);
    const char* captions[] = {"終了(&E)", "設定(&C)", "空白(&S)"};
    const double lefts[] = {45, 1365, 1365};
    const double tops[] = {45, 45, 345};
    for (int i = 0; i < 3; ++i) {
        command1_[i] = new QPushButton(QString::fromUtf8(captions[i]), frame1);
        command1_[i]->setAutoDefault(false);
        PlaceInTwips(command1_[i], lefts[i], tops[i], 1155, 255);
    }
    label2_ = new ArgumentLabel(frame1);
    label2_->setText(QStringLiteral("引数 D&D"));
    label2_->setAlignment(Qt::AlignCenter);
    label2_->setFrameStyle(QFrame::Box | QFrame::Plain);
    PlaceInTwips(label2_, 45, 345, 1155, 255);

    label1_ = new CompactTextLabel(this);
    label1_->setTextFormat(Qt::PlainText);
    label1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label1_->setFrameStyle(QFrame::Box | QFrame::Plain);
    PlaceInTwips(label1_, 60, 6000, 2475, 675);

    // Frame2 lies over the right end of the key help, drawn above it.
    auto* frame2 = new QWidget(this);
    PlaceInTwips(frame2, 2145, 6030, 375, 315);
    command2_ = new QPushButton(QStringLiteral("？"), frame2);
    command2_->setAutoDefault(false);
    PlaceInTwips(command2_, 0, 0, 375, 255);
    frame2->raise();

    setTabOrder(list1_, command1_[0]);
    setTabOrder(command1_[0], command1_[1]);
    setTabOrder(command1_[1], command1_[2]);
    setTabOrder(command1_[2], command2_);
}

void FormMain::MakeTopmost() {
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    move(0, 0);
}

double FormMain::Width() const { return width() * TwipsPerPixelX(); }

void FormMain::SetWidth(double twips) { setFixedSize(TwipsToPixelsX(twips), height()); }

double FormMain::Height() const { return height() * TwipsPerPixelY(); }
double FormMain::Left() const { return x() * TwipsPerPixelX(); }
double FormMain::Top() const { return y() * TwipsPerPixelY(); }
void FormMain::SetLeft(double twips) { move(TwipsToPixelsX(twips), y()); }
void FormMain::SetTop(double twips) { move(x(), TwipsToPixelsY(twips)); }
bool FormMain::IsVisible() const { return isVisible(); }

void FormMain::Show() {
    show();
    raise();
}

void FormMain::Hide() { hide(); }

double FormMain::ListWidth() const { return list1_->width() * TwipsPerPixelX(); }

void FormMain::SetListWidth(double twips) { list1_->resize(TwipsToPixelsX(twips), list1_->height()); }

void FormMain::SetBorderX(double twips) {
    borderX_ = twips;
    update();
}

void FormMain::SetKeyHelp(const std::string& text) { label1_->setText(DisplayText(text)); }

void FormMain::SetArgumentLabelLook(bool bold, const std::string& toolTip) {
    QFont font = label2_->font();
    font.setBold(bold);
    label2_->setFont(font);
    label2_->setToolTip(QString::fromStdString(toolTip));
}

void FormMain::Unload() { close(); }

bool FormMain::Enabled() const { return timer1_.isActive(); }

void FormMain::SetEnabled(bool enabled) {
    if (enabled) {
        timer1_.start();
    } else {
        timer1_.stop();
    }
}

void FormMain::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const int x = TwipsToPixelsX(borderX_);
    const int bottom = TwipsToPixelsY(kBottomLineY);
    painter.drawLine(0, 0, x, 0);            // Line1, top
    painter.drawLine(0, bottom, x, bottom);  // Line2, bottom
    painter.drawLine(0, 0, 0, bottom);       // Line3, left
    painter.drawLine(x, 0, x, bottom);       // Line4, right
}

void FormMain::closeEvent(QCloseEvent* event) {
    event->accept();
    if (unloaded_) return;
    unloaded_ = true;
    timer1_.stop();
    if (onUnload) onUnload();
}

}  // namespace velmora
