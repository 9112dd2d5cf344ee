#pragma once

#include <windows.h>

#include "core/ui/Twips.h"

namespace velmora::win32 {

// The screen's logical DPI and twips per pixel (15 at 96 DPI), read afresh on every call.
double TwipsPerPixelX();
double TwipsPerPixelY();

// A layout rectangle in twips as pixels, relative to its parent.
RECT ToPixelRect(const TwipRect& twips);
int TwipsToPixelsX(double twips);
int TwipsToPixelsY(double twips);

// "ＭＳ ゴシック" with the Japanese character set at a point size for the screen's DPI.
// The caller owns the font (DeleteObject).
HFONT CreateGothicFont(double points, bool bold = false);

}  // namespace velmora::win32
