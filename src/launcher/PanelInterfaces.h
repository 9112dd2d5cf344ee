#pragma once

#include <functional>
#include <string>
#include <utility>

#include "app/Settings.h"

namespace velmora {

// The panel window as its behaviour sees it. Geometry in twips.
class IPanelView {
public:
    virtual ~IPanelView() = default;
    virtual double Width() const = 0;
    virtual void SetWidth(double twips) = 0;
    virtual double Height() const = 0;
    virtual double Left() const = 0;
    virtual double Top() const = 0;
    virtual void SetLeft(double twips) = 0;
    virtual void SetTop(double twips) = 0;
    virtual bool IsVisible() const = 0;
    virtual void Show() = 0;
    virtual void Hide() = 0;
    virtual double ListWidth() const = 0;
    virtual void SetListWidth(double twips) = 0;
    // The right border line at x; the top and bottom lines end there.
    virtual void SetBorderX(double twips) = 0;
    virtual void SetKeyHelp(const std::string& text) = 0;
    virtual void SetArgumentLabelLook(bool bold, const std::string& toolTip) = 0;
    // Closes the panel for good; the application saves and ends.
    virtual void Unload() = 0;
};

// Screen metrics and the pointer, read afresh whenever asked.
class IScreen {
public:
    virtual ~IScreen() = default;
    virtual double WidthTwips() const = 0;
    virtual double HeightTwips() const = 0;
    virtual double TwipsPerPixelX() const = 0;
    virtual double TwipsPerPixelY() const = 0;
    // Screen pixels.
    virtual std::pair<int, int> CursorPos() const = 0;
};

class ITimer {
public:
    virtual ~ITimer() = default;
    virtual bool Enabled() const = 0;
    virtual void SetEnabled(bool enabled) = 0;
};

// Every message the program shows: a warning icon, one OK button, the title "処理中断".
class IMessageBox {
public:
    virtual ~IMessageBox() = default;
    virtual void Warn(const std::string& text) = 0;
};

// The shell's open operation. Returns the empty text when the launch was handed over, or a
// reason to show where the platform's own shell would have reported the failure itself.
class IShell {
public:
    virtual ~IShell() = default;
    virtual std::string Open(const std::string& file, const std::string& parameters,
                             const std::string& workingDirectory) = 0;
};

// How the item dialog ended: 0 unchanged, 1 change to name and path, 2 duplicate.
struct ItemDialogOutcome {
    int ItemDialogResult = 0;
    std::string EditedItemName;
    std::string EditedItemPath;
};

// Opens the three modal dialogs and returns when they have closed.
class IDialogHost {
public:
    virtual ~IDialogHost() = default;
    // applyWidthChange re-fits and re-places the panel when the width factor changed.
    virtual void RunConfigDialog(Settings& settings, const std::function<void()>& applyWidthChange) = 0;
    virtual ItemDialogOutcome RunItemDialog(const std::string& label, const std::string& target) = 0;
    virtual void RunAboutDialog() = 0;
};

}  // namespace velmora
