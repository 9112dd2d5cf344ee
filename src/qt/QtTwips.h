#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <string>

#include "core/ui/Twips.h"

class QWidget;

namespace velmora {

// The core's twip layouts at the primary screen's logical DPI.
double TwipsPerPixelX();
double TwipsPerPixelY();
int TwipsToPixelsX(double twips);
int TwipsToPixelsY(double twips);
QRect TwipsRect(const TwipRect& rect);
void PlaceInTwips(QWidget* widget, const TwipRect& rect);

// "ＭＳ ゴシック" where installed, else a Japanese gothic font that is.
QFont GothicFont(double pointSize);

// CR LF line breaks as the toolkit's labels want them.
QString DisplayText(const std::string& text);

}  // namespace velmora
