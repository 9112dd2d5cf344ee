#pragma once

#include <QFont>
#include <QRect>

class QWidget;

namespace velmora {

// Window layouts are given in twips (1/1440 inch); the screen's logical DPI turns them into
// pixels (15 twips per pixel at 96 DPI).
double TwipsPerPixelX();
double TwipsPerPixelY();
int TwipsToPixelsX(double twips);
int TwipsToPixelsY(double twips);
QRect TwipsRect(double left, double top, double width, double height);
void PlaceInTwips(QWidget* widget, double left, double top, double width, double height);

// "ＭＳ ゴシック" where installed, else a Japanese gothic font that is.
QFont GothicFont(double pointSize);

// CR LF line breaks as the toolkit's labels want them.
QString DisplayText(const std::string& text);

}  // namespace velmora
