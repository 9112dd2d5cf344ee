#include "dialogs/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "app/TextToInteger.h"

namespace velmora {

namespace {

double TwipsPerPixel(bool horizontal) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen == nullptr ? 96.0
                                         : (horizontal ? screen->logicalDotsPerInchX()
                                                       : screen->logicalDotsPerInchY());
    return 1440.0 / (dpi > 0 ? dpi : 96.0);
}

}  // namespace

double TwipsPerPixelX() { return TwipsPerPixel(true); }
double TwipsPerPixelY() { return TwipsPerPixel(false); }

int TwipsToPixelsX(double twips) { return static_cast<int>(RoundHalfEven(twips / TwipsPerPixelX())); }
int TwipsToPixelsY(double twips) { return static_cast<int>(RoundHalfEven(twips / TwipsPerPixelY())); }

QRect TwipsRect(double left, double top, double width, double height) {
    return {TwipsToPixelsX(left), TwipsToPixelsY(top), TwipsToPixelsX(width), TwipsToPixelsY(height)};
}

void PlaceInTwips(QWidget* widget, double left, double top, double width, double height) {
    widget->setGeometry(TwipsRect(left, top, width, height));
}

QFont GothicFont(double pointSize) {
    QFont font;
    // IPAGothic shares MS Gothic's metrics, so the fixed layouts keep their room; Noto CJK
    // renders the texts where neither is installed.
    font.setFamilies({QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic"),
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
