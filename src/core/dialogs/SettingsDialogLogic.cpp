#include "core/dialogs/SettingsDialogLogic.h"

#include "core/settings/TextToInteger.h"
#include "core/ui/Layout.h"
#include "core/ui/Texts.h"

namespace velmora {

SettingsDialogLogic::SettingsDialogLogic(Settings& settings, IMessageBox& messages,
                                         std::function<void()> applyWidthChange)
    : settings_(settings), messages_(messages), applyWidthChange_(std::move(applyWidthChange)) {}

void SettingsDialogLogic::Load(ISettingsView& view) {
    view_ = &view;
    view.SetCornerIndex(settings_.WindowPosition);
    view.SetPixelText(std::to_string(settings_.CapturePixel));
    view.SetWidthIndex(settings_.WindowWidth);
}

void SettingsDialogLogic::OnButtonClick(int index) {
    if (view_ == nullptr) return;
    if (index == layout::settings::Update) {
        const std::string text = view_->PixelText();
        // The range the box states holds whatever the box lets through: "1e5" is three
        // characters too, and a value that rounds past 32 bits ("9e9") is refused as well.
        const auto pixels = TextToInteger(text);
        if (LenientNumber(text) < kMinPixels || !pixels || *pixels > kMaxPixels) {
            messages_.Warn(texts::kPixelRangeMessage);
            view_->FocusPixelText();
            return;
        }
        settings_.WindowPosition = view_->CornerIndex();
        settings_.CapturePixel = *pixels;
        const std::int32_t old = settings_.WindowWidth;
        settings_.WindowWidth = view_->WidthIndex();
        if (settings_.WindowWidth != old && applyWidthChange_) applyWidthChange_();
    }
    view_->Close();
}

}  // namespace velmora
