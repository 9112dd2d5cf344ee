#pragma once

#include <string>

#include "core/ports/Shell.h"

namespace velmora {

// The About window's three texts and its one action.
class IAboutView {
  public:
    virtual ~IAboutView() = default;
    virtual void SetTitleLine(const std::string& text) = 0;
    virtual void SetDescription(const std::string& text) = 0;  // lines joined by CR LF
    virtual void SetCredits(const std::string& text) = 0;      // lines joined by CR LF
    virtual void Close() = 0;
};

// The About window's behaviour: the texts composed afresh at every opening from the version
// record, and the read-me (core/app/AppPaths.h: ReadmePath) opened on a double-click of the
// description.
class AboutDialogLogic {
  public:
    // toolkit names what the windows are made with, for the credit line.
    AboutDialogLogic(IShell& shell, std::string readmePath, std::string toolkit);

    void Load(IAboutView& view);
    // The shell's answer is not looked at, and the window stays open.
    void OnDescriptionDoubleClick();
    // layout::about::Back, also Enter, Esc and closing the window.
    void OnButtonClick(int index);

  private:
    IShell& shell_;
    std::string readmePath_;
    std::string toolkit_;
    IAboutView* view_ = nullptr;
};

}  // namespace velmora
