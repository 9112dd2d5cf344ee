#pragma once

#include <functional>
#include <string>

#include "app/Settings.h"
#include "launcher/PanelInterfaces.h"

namespace velmora {

inline constexpr const char* kPixelRangeMessage = "1～999 の値を入力してください。";

// The settings dialog's controls: the corner list, the pixel text box, the width list.
class IConfigView {
public:
    virtual ~IConfigView() = default;
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
class ConfigDialogLogic {
public:
    ConfigDialogLogic(Settings& settings, IConfigView& view, IMessageBox& messages,
                      std::function<void()> applyWidthChange);

    void Load();
    // 0 "更新(&U)" confirms; any other index cancels.
    void OnButtonClick(int index);

private:
    Settings& settings_;
    IConfigView& view_;
    IMessageBox& messages_;
    std::function<void()> applyWidthChange_;
};

}  // namespace velmora
