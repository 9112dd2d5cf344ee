#include "dialogs/ConfigDialogLogic.h"

#include "app/TextToInteger.h"

namespace velmora {

ConfigDialogLogic::ConfigDialogLogic(Settings& settings, IConfigView& view, IMessageBox& messages,
                                     std::function<void()> applyWidthChange)
    : settings_(settings),
      view_(view),
      messages_(messages),
      applyWidthChange_(std::move(applyWidthChange)) {}

void ConfigDialogLogic::Load() {
    view_.SetCornerIndex(settings_.WindowPosition);
    view_.SetPixelText(std::to_string(settings_.CapturePixel));
    view_.SetWidthIndex(settings_.WindowWidth);
}

void ConfigDialogLogic::OnButtonClick(int index) {
    if (index == 0) {
        const std::string text = view_.PixelText();
        // A value that rounds past 32 bits (reachable through "9e9") is refused like one below 1.
        const auto pixels = TextToInteger(text);
        if (LenientNumber(text) < 1 || !pixels) {
            messages_.Warn(kPixelRangeMessage);
            view_.FocusPixelText();
            return;
        }
        settings_.WindowPosition = view_.CornerIndex();
        settings_.CapturePixel = *pixels;
        const std::int32_t old = settings_.WindowWidth;
        settings_.WindowWidth = view_.WidthIndex();
        if (settings_.WindowWidth != old && applyWidthChange_) applyWidthChange_();
    }
    view_.Close();
}

}  // namespace velmora
