#include "launcher/QtScreen.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

#include "dialogs/Twips.h"

namespace velmora {

namespace {
QRect PrimaryGeometry() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen == nullptr ? QRect(0, 0, 1024, 768) : screen->geometry();
}
}  // namespace

double QtScreen::WidthTwips() const { return PrimaryGeometry().width() * TwipsPerPixelX(); }
double QtScreen::HeightTwips() const { return PrimaryGeometry().height() * TwipsPerPixelY(); }
double QtScreen::TwipsPerPixelX() const { return velmora::TwipsPerPixelX(); }
double QtScreen::TwipsPerPixelY() const { return velmora::TwipsPerPixelY(); }

std::pair<int, int> QtScreen::CursorPos() const {
    const QPoint p = QCursor::pos();
    return {p.x(), p.y()};
}

}  // namespace velmora
