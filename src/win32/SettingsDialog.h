#pragma once

#include "core/dialogs/SettingsDialogLogic.h"
#include "win32/ModalDialog.h"

namespace velmora::win32 {

// The settings dialog "設定": corner, trigger strip thickness, width factor.
class SettingsDialog : public ModalDialog, public ISettingsView {
  public:
    enum ControlId { kCornerList = 100, kPixelBox, kWidthList };

    explicit SettingsDialog(SettingsDialogLogic& logic);

    int CornerIndex() const override;
    void SetCornerIndex(int index) override;
    std::string PixelText() const override;
    void SetPixelText(const std::string& text) override;
    int WidthIndex() const override;
    void SetWidthIndex(int index) override;
    void FocusPixelText() override;
    void Close() override;

    // The child id of a control of the core's layout.
    static int IdOf(layout::settings::Control control);

  protected:
    void BuildControls() override;
    void OnDpiChanged() override;

  private:
    SettingsDialogLogic& logic_;
    HWND rule_ = nullptr;
};

}  // namespace velmora::win32
