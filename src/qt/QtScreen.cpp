#include "qt/QtScreen.h"

#include <QAbstractNativeEventFilter>
#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QSocketNotifier>

#include "core/panel/Geometry.h"
#include "core/panel/Trigger.h"
#include "platform/PointerMotion.h"
#include "platform/PointerQuery.h"
#include "platform/ScreenLock.h"
#include "platform/WindowManager.h"
#include "qt/EdgeStrip.h"
#include "qt/QtTwips.h"
#include "qt/StripInputForwarder.h"

namespace velmora {

namespace {
// Hands the X connection's events to the pointer query, which follows the drags over our
// windows in a Wayland session; a drag's arrival runs the core's tick.
class DragMessages : public QAbstractNativeEventFilter {
  public:
    DragMessages(platform::PointerQuery& pointer, std::function<void()> arrived,
                 const std::vector<std::uintptr_t>& strips)
        : pointer_(pointer), arrived_(std::move(arrived)), strips_(strips) {
        qApp->installNativeEventFilter(this);
    }
    ~DragMessages() override { qApp->removeNativeEventFilter(this); }

    // The strip's own messages are answered first and kept from the toolkit: it takes no drops,
    // and the toolkit, answering one, would take the first message for the panel the drag comes
    // onto meanwhile as its own (and the drag would never reach the panel).
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        if (eventType != "xcb_generic_event_t") return false;
        const bool arrived = pointer_.NoteDragMessage(message);
        const bool declined = pointer_.DeclineDragMessage(message, strips_);
        if (arrived) arrived_();
        return declined;
    }

  private:
    platform::PointerQuery& pointer_;
    std::function<void()> arrived_;
    const std::vector<std::uintptr_t>& strips_;  // the windows that take no drops
};

// The X server counts device pixels; the toolkit's screen geometry is in logical ones.
std::vector<Monitor> Monitors() {
    std::vector<Monitor> monitors;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect g = screen->geometry();
        monitors.push_back({{g.x(), g.y(), g.width(), g.height()}, screen->devicePixelRatio()});
    }
    return monitors;
}

QRect PrimaryGeometry() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen == nullptr ? QRect(0, 0, 1024, 768) : screen->geometry();
}
}  // namespace

QtScreen::QtScreen() {
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        pointer_ = std::make_unique<platform::PointerQuery>();
        lock_ = std::make_unique<platform::ScreenLock>();
        // On the X11 back end a screen's name is its RandR output's.
        std::vector<std::string> outputs;
        for (const QScreen* screen : QGuiApplication::screens())
            outputs.push_back(screen->name().toStdString());
        xwayland_ = IsXwaylandOutputs(outputs);
        if (xwayland_) windowKind_ = ChoosePanelWindowKind(true, platform::WindowManagerName());
        // The input the X server reports; in a Wayland session only what happens over its own
        // windows, which tells a stale pointer from one truly back on them.
        auto motion = std::make_unique<platform::PointerMotion>();
        if (motion->Descriptor() >= 0) {
            motion_ = std::move(motion);
            motionNotifier_ =
                std::make_unique<QSocketNotifier>(motion_->Descriptor(), QSocketNotifier::Read);
            QObject::connect(motionNotifier_.get(), &QSocketNotifier::activated,
                             motionNotifier_.get(), [this] {
                                 const auto activity = motion_->TakeActivity();
                                 if (!pointerActivity) return;
                                 if (activity.moved) pointerActivity(PointerActivity::Moved);
                                 if (activity.pressed) pointerActivity(PointerActivity::Pressed);
                             });
        }
    }
    // A change of the screens runs the core's tick even while the hidden panel does not poll:
    // the strip follows it, and a smaller screen may have moved the pointer into the strip.
    screenWatch_ = std::make_unique<QObject>();
    const auto changed = [this] {
        if (edgeEvent) edgeEvent();
    };
    QObject* context = screenWatch_.get();
    QObject::connect(qApp, &QGuiApplication::primaryScreenChanged, context, changed);
    QObject::connect(qApp, &QGuiApplication::screenAdded, context, [context, changed](QScreen* s) {
        QObject::connect(s, &QScreen::geometryChanged, context, changed);
        changed();
    });
    for (QScreen* screen : QGuiApplication::screens())
        QObject::connect(screen, &QScreen::geometryChanged, context, changed);
    if (xwayland_) {
        // The pointer onto the strip runs the core's tick.
        strip_ = std::make_unique<EdgeStrip>(windowKind_);
        strip_->touched = changed;
        // A drag from the session's own programs coming onto the strip, say.
        stripWindows_.push_back(static_cast<std::uintptr_t>(strip_->winId()));
        dragMessages_ = std::make_unique<DragMessages>(*pointer_, changed, stripWindows_);
    }
}

QtScreen::~QtScreen() = default;

double QtScreen::LeftTwips() const { return PrimaryGeometry().x() * TwipsPerPixelX(); }
double QtScreen::TopTwips() const { return PrimaryGeometry().y() * TwipsPerPixelY(); }
double QtScreen::WidthTwips() const { return PrimaryGeometry().width() * TwipsPerPixelX(); }
double QtScreen::HeightTwips() const { return PrimaryGeometry().height() * TwipsPerPixelY(); }
double QtScreen::TwipsPerPixelX() const { return velmora::TwipsPerPixelX(); }
double QtScreen::TwipsPerPixelY() const { return velmora::TwipsPerPixelY(); }

std::pair<int, int> QtScreen::CursorPos() const {
    if (pointer_) {
        if (const auto position = pointer_->Position()) {
            elsewhere_ = xwayland_ && !position->overWindow;
            return DeviceToLogical({position->x, position->y}, Monitors());
        }
    }
    const QPoint p = QCursor::pos();
    return {p.x(), p.y()};
}

void QtScreen::WatchMotion(bool on) {
    if (motion_) motion_->Watch(on);
}

void QtScreen::WatchEdge(const PixelRect& strip, const std::vector<PixelRect>& aroundPanel) {
    if (!strip_) return;
    const auto place = [](EdgeStrip& window, const PixelRect& r) {
        window.Place({r.left, r.top, r.width, r.height});
    };
    place(*strip_, strip);
    while (bands_.size() < aroundPanel.size()) {
        bands_.push_back(std::make_unique<EdgeStrip>());
        bands_.back()->touched = strip_->touched;
        stripWindows_.push_back(static_cast<std::uintptr_t>(bands_.back()->winId()));
    }
    for (std::size_t i = 0; i < bands_.size(); ++i)
        place(*bands_[i], i < aroundPanel.size() ? aroundPanel[i] : PixelRect{});
}

void QtScreen::ParkServerPointer(std::pair<int, int> from, std::pair<int, int> to) {
    if (!pointer_ || !forwarder_) return;
    const auto [x, y] = LogicalToDevice(to, Monitors());
    if (pointer_->Warp(x, y)) forwarder_->Park({from.first, from.second}, {to.first, to.second});
}

void QtScreen::ForwardStripInputTo(QWidget& panel) {
    if (strip_ && !forwarder_) forwarder_ = std::make_unique<StripInputForwarder>(*strip_, panel);
}

bool QtScreen::Locked() const { return lock_ && lock_->Locked(); }

}  // namespace velmora
