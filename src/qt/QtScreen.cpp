#include "qt/QtScreen.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

#include "core/panel/Geometry.h"
#include "platform/PointerQuery.h"
#include "platform/ScreenLock.h"
#include "qt/QtTwips.h"

namespace velmora {

namespace {
QRect PrimaryGeometry() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen == nullptr ? QRect(0, 0, 1024, 768) : screen->geometry();
}
}  // namespace

QtScreen::QtScreen() {
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        pointer_ = std::make_unique<platform::PointerQuery>();
        lock_ = std::make_unique<platform::ScreenLock>();
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
            // The X server counts device pixels; the toolkit's screen geometry is in logical ones.
            std::vector<Monitor> monitors;
            for (const QScreen* screen : QGuiApplication::screens()) {
                const QRect g = screen->geometry();
                monitors.push_back(
                    {{g.x(), g.y(), g.width(), g.height()}, screen->devicePixelRatio()});
            }
            return DeviceToLogical(*position, monitors);
        }
    }
    const QPoint p = QCursor::pos();
    return {p.x(), p.y()};
}

bool QtScreen::Locked() const { return lock_ && lock_->Locked(); }

}  // namespace velmora
