#include "qt/PanelWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPixmapCache>
#include <QPushButton>
#include <QWindow>

#include "core/ui/Layout.h"
#include "core/ui/Texts.h"
#include "platform/DockedWindow.h"
#include "platform/WindowManager.h"
#include "qt/ArgumentLabel.h"
#include "qt/CompactTextLabel.h"
#include "qt/ItemListWidget.h"
#include "qt/QtTwips.h"

namespace velmora {

namespace panel = layout::panel;

namespace {

QPushButton* MakeButton(const char* caption, QWidget* parent, const TwipRect& place,
                        const std::function<void()>& forward) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setAutoDefault(false);
    PlaceInTwips(button, place);
    QObject::connect(button, &QPushButton::clicked, button, [forward] { forward(); });
    return button;
}

// Outside window management: window managers push managed windows off their own panels and out
// of the corner, and list them in taskbars. A critical notification is managed, but a window
// manager that knows the kind leaves it where it is put, above everything, and lists it nowhere.
Qt::WindowFlags PanelFlags(PanelWindowKind kind) {
    if (kind == PanelWindowKind::CriticalNotification) return Qt::Window | Qt::FramelessWindowHint;
    return Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
           Qt::BypassWindowManagerHint;
}

}  // namespace

PanelWindow::PanelWindow(PanelWindowKind kind, QWidget* parent)
    : QWidget(parent, PanelFlags(kind)), kind_(kind) {
    // Appearing under the pointer must not take the keyboard from the window being worked in.
    setAttribute(Qt::WA_ShowWithoutActivating);
    // Its tooltips (the armed one-shot arguments, an item's target) show on hover, though the
    // panel rarely has the keyboard.
    setAttribute(Qt::WA_AlwaysShowToolTips);
    // ...but a click on it does, which no window manager does for such a window.
    qApp->installEventFilter(this);
    setWindowTitle(QString());
    setFont(GothicFont(layout::kFontPoints));
    setFixedSize(TwipsToPixelsX(panel::kWidth), TwipsToPixelsY(panel::kHeight));
    BuildControls();
    listControl_ = std::make_unique<QtListControl>(list_);

    connect(argumentLabel_, &ArgumentLabel::dropped, this,
            [this](const DropData& data, int modifiers) {
                if (events.argumentDrop) events.argumentDrop(data, modifiers);
            });
    connect(argumentLabel_, &ArgumentLabel::doubleClicked, this, [this] {
        if (events.argumentDoubleClick) events.argumentDoubleClick();
    });
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (tick) tick();
        // Not over a message or dialog of ours, which the panel goes below.
        if (docked_ && isVisible() && QApplication::activeModalWidget() == nullptr)
            docked_->KeepAbove(static_cast<std::uintptr_t>(winId()));
    });
    // The window manager does all that for a managed panel.
    if (QGuiApplication::platformName() == QLatin1String("xcb") &&
        kind_ != PanelWindowKind::CriticalNotification) {
        docked_ = std::make_unique<platform::DockedWindow>();
    }
    timer_.setInterval(panel::kTickIntervalMs);
    timer_.start();
    soonTimer_.setSingleShot(true);
    soonTimer_.setTimerType(Qt::PreciseTimer);  // a frame's time, not a coarse 5 %
    connect(&soonTimer_, &QTimer::timeout, this, [this] {
        if (soon) soon();
    });
}

PanelWindow::~PanelWindow() = default;

void PanelWindow::BuildControls() {
    list_ = new ItemListWidget(this);
    PlaceInTwips(list_, panel::kList);

    auto* buttonBar = new QWidget(this);
    PlaceInTwips(buttonBar, panel::kButtonBar);
    const auto forward = [](std::function<void()>& event) {
        return [&event] {
            if (event) event();
        };
    };
    exitButton_ =
        MakeButton(texts::kExitButton, buttonBar, panel::kExitButton, forward(events.exitClick));
    settingsButton_ = MakeButton(texts::kSettingsButton, buttonBar, panel::kSettingsButton,
                                 forward(events.settingsClick));
    separatorButton_ = MakeButton(texts::kSeparatorButton, buttonBar, panel::kSeparatorButton,
                                  forward(events.separatorClick));
    argumentLabel_ = new ArgumentLabel(buttonBar);
    argumentLabel_->setText(
        QString::fromStdString(texts::WithoutAccessKeyMarks(texts::kArgumentLabel)));
    argumentLabel_->setAlignment(Qt::AlignCenter);
    argumentLabel_->setFrameStyle(QFrame::Box | QFrame::Plain);
    PlaceInTwips(argumentLabel_, panel::kArgumentLabel);

    keyHelpLabel_ = new CompactTextLabel(this);
    keyHelpLabel_->setTextFormat(Qt::PlainText);
    keyHelpLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    keyHelpLabel_->setFrameStyle(QFrame::Box | QFrame::Plain);
    PlaceInTwips(keyHelpLabel_, panel::kKeyHelp);

    // The About button's frame lies over the right end of the key help, drawn above it.
    auto* aboutFrame = new QWidget(this);
    PlaceInTwips(aboutFrame, panel::kAboutFrame);
    aboutButton_ = MakeButton(texts::kAboutButton, aboutFrame, panel::kAboutButton,
                              forward(events.aboutClick));
    aboutFrame->raise();

    QWidget* previous = nullptr;
    for (const panel::Control control : panel::kTabOrder) {
        QWidget* widget = nullptr;
        switch (control) {
            case panel::Control::List:
                widget = list_;
                break;
            case panel::Control::Exit:
                widget = exitButton_;
                break;
            case panel::Control::Settings:
                widget = settingsButton_;
                break;
            case panel::Control::Separator:
                widget = separatorButton_;
                break;
            case panel::Control::About:
                widget = aboutButton_;
                break;
        }
        if (previous != nullptr) setTabOrder(previous, widget);
        previous = widget;
    }
}

void PanelWindow::MakeTopmost() {
    // A critical notification is above everything already; new flags would make the toolkit
    // write the window's type afresh.
    if (kind_ != PanelWindowKind::CriticalNotification)
        setWindowFlag(Qt::WindowStaysOnTopHint, true);
    move(0, 0);
}

double PanelWindow::Width() const { return width() * TwipsPerPixelX(); }

void PanelWindow::SetWidth(double twips) { setFixedSize(TwipsToPixelsX(twips), height()); }

double PanelWindow::Height() const { return height() * TwipsPerPixelY(); }
double PanelWindow::Left() const { return x() * TwipsPerPixelX(); }
double PanelWindow::Top() const { return y() * TwipsPerPixelY(); }
void PanelWindow::SetLeft(double twips) { move(TwipsToPixelsX(twips), y()); }
void PanelWindow::SetTop(double twips) { move(x(), TwipsToPixelsY(twips)); }
bool PanelWindow::IsVisible() const { return isVisible(); }

void PanelWindow::Show() {
    if (kind_ == PanelWindowKind::CriticalNotification && !isVisible())
        platform::MarkAsCriticalNotification(static_cast<std::uintptr_t>(winId()));
    show();
    raise();
}

void PanelWindow::Hide() {
    dragOver_ = false;
    HoldKeysFor(nullptr);
    // In a Wayland session the compositor gives the keyboard back itself once the focused window
    // goes; an X focus handed on first would leave it with no window at all (GNOME).
    if (docked_ && kind_ == PanelWindowKind::OutsideManagement)
        docked_->ReturnFocus(static_cast<std::uintptr_t>(winId()));
    hide();
    // The style's cached pixmaps would wake the hidden panel once, half a minute after its last
    // paint, to flush themselves; nothing is painted until it shows again.
    QPixmapCache::clear();
}

double PanelWindow::ListWidth() const { return list_->width() * TwipsPerPixelX(); }

void PanelWindow::SetListWidth(double twips) {
    list_->resize(TwipsToPixelsX(twips), list_->height());
}

void PanelWindow::SetBorderX(double twips) {
    borderX_ = twips;
    update();
}

void PanelWindow::SetKeyHelp(const std::string& text) { keyHelpLabel_->setText(DisplayText(text)); }

void PanelWindow::SetArgumentLabelLook(bool bold, const std::string& toolTip) {
    QFont font = argumentLabel_->font();
    font.setBold(bold);
    argumentLabel_->setFont(font);
    argumentLabel_->setToolTip(QString::fromStdString(toolTip));
}

void PanelWindow::Unload() { close(); }

bool PanelWindow::Enabled() const { return enabled_; }

void PanelWindow::SetEnabled(bool enabled) {
    enabled_ = enabled;
    idle_ = false;
    RunTimer();
}

void PanelWindow::SetIdle(bool idle) {
    idle_ = idle;
    RunTimer();
}

void PanelWindow::TickSoon(int ms) {
    if (!soonTimer_.isActive() || soonTimer_.remainingTime() > ms) soonTimer_.start(ms);
}

void PanelWindow::RunTimer() {
    if (!enabled_ || idle_) {
        timer_.stop();
    } else if (!timer_.isActive()) {
        timer_.start();
    }
}

bool PanelWindow::eventFilter(QObject* watched, QEvent* event) {
    if (!watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    // No tooltip under a drag: it would be a window of its own between the drag and the panel,
    // which takes no drop. A drag that lingers over the panel may still seem to the toolkit a
    // pointer at rest there (the drag of a Wayland program, seen through Xwayland).
    switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove:
            if (widget->window() == this && !dragOver_) {
                dragOver_ = true;
                // At once: the toolkit's own hiding leaves the tooltip up a while longer.
                for (QWidget* top : QApplication::topLevelWidgets()) {
                    if (top->windowType() == Qt::ToolTip && top->isVisible()) top->hide();
                }
            }
            break;
        case QEvent::DragLeave:
        case QEvent::Drop:
            if (widget->window() == this) dragOver_ = false;
            break;
        case QEvent::ToolTip:
            if (dragOver_ && widget->window() == this) return true;
            break;
        default:
            break;
    }
    if (event->type() == QEvent::MouseButtonPress && widget->window() == this) {
        if (!isActiveWindow()) {
            if (docked_ && kind_ == PanelWindowKind::OutsideManagement)
                docked_->RememberFocus(static_cast<std::uintptr_t>(winId()));
            activateWindow();
        }
        if (kind_ == PanelWindowKind::OutsideManagementHoldingKeys) HoldKeysFor(this);
        return false;
    }
    // Our dialogs and messages from here on.
    if (!docked_ || !widget->isWindow() || widget == this || widget->windowType() == Qt::ToolTip ||
        widget->windowType() == Qt::Popup)
        return false;
    if (kind_ == PanelWindowKind::OutsideManagementHoldingKeys) {
        // sway shows only windows outside window management above a full-screen window, and
        // gives them the keys as it gives the panel its own. Not mapped yet as it shows, the
        // window takes the keys once it is activated.
        if (event->type() == QEvent::Show && widget->windowHandle() != nullptr) {
            widget->windowHandle()->setFlags(widget->windowHandle()->flags() |
                                             Qt::BypassWindowManagerHint);
            HoldKeysFor(nullptr);
        }
        if (event->type() == QEvent::WindowActivate) HoldKeysFor(widget);
        // The keys go on to the dialog under a closed message, or back to the panel.
        if (event->type() == QEvent::Hide && keysHolder_ == widget) {
            QWidget* next = QApplication::activeModalWidget();
            HoldKeysFor(next != nullptr ? next : isVisible() ? this : nullptr);
        }
    }
    if (event->type() == QEvent::Show || event->type() == QEvent::WindowActivate) {
        // Managed elsewhere, they would be covered by the panel.
        docked_->StayBelow(static_cast<std::uintptr_t>(winId()),
                           static_cast<std::uintptr_t>(widget->winId()));
    }
    return false;
}

void PanelWindow::HoldKeysFor(QWidget* window) {
    if (window == keysHolder_ || !docked_ || windowHandle() == nullptr) return;
    // The X server's grab, not the toolkit's own: the keys still go to the window's focused
    // control. The program has one grab: taken for another window, it moves there.
    if (window != nullptr && window->windowHandle() != nullptr &&
        window->windowHandle()->setKeyboardGrabEnabled(true)) {
        docked_->RequestKeyboard(static_cast<std::uintptr_t>(window->winId()));
        keysHolder_ = window;
        return;
    }
    if (keysHolder_ != nullptr || window != nullptr) windowHandle()->setKeyboardGrabEnabled(false);
    docked_->ReleaseKeyboard();
    keysHolder_ = nullptr;
}

void PanelWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const int x = TwipsToPixelsX(borderX_);
    const int bottom = TwipsToPixelsY(panel::kBottomLineY);
    painter.drawLine(0, 0, x, 0);            // top
    painter.drawLine(0, bottom, x, bottom);  // bottom
    painter.drawLine(0, 0, 0, bottom);       // left
    painter.drawLine(x, 0, x, bottom);       // right
}

void PanelWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (events.closed) events.closed();
}

}  // namespace velmora
