#include "core/ui/Twips.h"

#include "core/settings/TextToInteger.h"

namespace velmora {

double TwipsPerPixelForDpi(double dpi) { return 1440.0 / (dpi > 0 ? dpi : 96.0); }

int TwipsToPixels(double twips, double twipsPerPixel) {
    return static_cast<int>(RoundHalfEven(twips / twipsPerPixel));
}

PixelRect ToPixels(const TwipRect& rect, double twipsPerPixelX, double twipsPerPixelY) {
    return {TwipsToPixels(rect.left, twipsPerPixelX), TwipsToPixels(rect.top, twipsPerPixelY),
            TwipsToPixels(rect.width, twipsPerPixelX), TwipsToPixels(rect.height, twipsPerPixelY)};
}

}  // namespace velmora
