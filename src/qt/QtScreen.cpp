#include "qt/QtScreen.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

#include "platform/PointerQuery.h"
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
            const QScreen* screen = QGuiApplication::primaryScreen();
            const double ratio = screen == nullptr ? 1.0 : screen->devicePixelRatio();
            if (ratio == 1.0) return *position;
            return {static_cast<int>(position->first / ratio),
                    static_cast<int>(position->second / ratio)};
        }
    }
    const QPoint p = QCursor::pos();
    return {p.x(), p.y()};
}

}  // namespace velmora
