#include "qt/QtTwips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "core/ui/Layout.h"

namespace velmora {

namespace {

double TwipsPerPixel(bool horizontal) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen == nullptr ? 0.0
                                         : (horizontal ? screen->logicalDotsPerInchX()
                                                       : screen->logicalDotsPerInchY());
    return TwipsPerPixelForDpi(dpi);
}

}  // namespace

double TwipsPerPixelX() { return TwipsPerPixel(true); }
double TwipsPerPixelY() { return TwipsPerPixel(false); }

int TwipsToPixelsX(double twips) { return TwipsToPixels(twips, TwipsPerPixelX()); }
int TwipsToPixelsY(double twips) { return TwipsToPixels(twips, TwipsPerPixelY()); }

QRect TwipsRect(const TwipRect& rect) {
    const PixelRect p = ToPixels(rect, TwipsPerPixelX(), TwipsPerPixelY());
    return {p.left, p.top, p.width, p.height};
}

void PlaceInTwips(QWidget* widget, const TwipRect& rect) { widget->setGeometry(TwipsRect(rect)); }

QFont GothicFont(double pointSize) {
    QFont font;
    // IPAGothic shares MS Gothic's metrics, so the fixed layouts keep their room; Noto CJK
    // renders the texts where neither is installed.
    font.setFamilies({QString::fromUtf8(layout::kFontFamily), QStringLiteral("MS Gothic"),
                      QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans Mono CJK JP"),
                      QStringLiteral("Noto Sans CJK JP")});
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Normal);
    return font;
}

QString DisplayText(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return s;
}

}  // namespace velmora
