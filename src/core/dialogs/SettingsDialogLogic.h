#pragma once

#include <functional>
#include <string>

#include "core/ports/MessageBox.h"
#include "core/settings/Settings.h"

namespace velmora {

// The settings dialog's controls: the corner list, the pixel text box, the width list.
class ISettingsView {
  public:
    virtual ~ISettingsView() = default;
    virtual int CornerIndex() const = 0;
    virtual void SetCornerIndex(int index) = 0;
    virtual std::string PixelText() const = 0;
    virtual void SetPixelText(const std::string& text) = 0;
    virtual int WidthIndex() const = 0;
    virtual void SetWidthIndex(int index) = 0;
    // Focuses the pixel box, which selects its whole text.
    virtual void FocusPixelText() = 0;
    virtual void Close() = 0;
};

// The settings dialog's behaviour: load the controls, validate, apply.
class SettingsDialogLogic {
  public:
    static constexpr int kMinPixels = 1;
    static constexpr int kMaxPixels = 999;

    SettingsDialogLogic(Settings& settings, IMessageBox& messages,
                        std::function<void()> applyWidthChange);

    void Load(ISettingsView& view);
    // layout::settings::Update confirms; any other index cancels, as Esc and closing do.
    void OnButtonClick(int index);

  private:
    Settings& settings_;
    IMessageBox& messages_;
    std::function<void()> applyWidthChange_;
    ISettingsView* view_ = nullptr;
};

}  // namespace velmora
