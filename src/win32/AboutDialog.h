#pragma once

#include "core/dialogs/AboutDialogLogic.h"
#include "win32/ModalDialog.h"

namespace velmora::win32 {

// The About window "バージョン情報".
class AboutDialog : public ModalDialog, public IAboutView {
  public:
    enum ControlId { kTitle = 100, kDescription, kCredits };

    explicit AboutDialog(AboutDialogLogic& logic);
    ~AboutDialog() override;

    void SetTitleLine(const std::string& text) override;
    void SetDescription(const std::string& text) override;
    void SetCredits(const std::string& text) override;
    void Close() override;

    // The child id of a control of the core's layout.
    static int IdOf(layout::about::Control control);

  protected:
    void BuildControls() override;
    bool OnCommand(int id, int code) override;
    void OnDpiChanged() override;

  private:
    void FitDescription();

    AboutDialogLogic& logic_;
    HFONT descriptionFont_ = nullptr;  // smaller than the dialog's, where that does not fit
};

}  // namespace velmora::win32
