#pragma once

#include <windows.h>

#include "core/ports/MessageBox.h"

namespace velmora::win32 {

// Every message of the Windows front end: MessageBoxW with the warning icon and the program's
// title, owned by the window in front (a dialog, else the panel) so that window
// takes no input meanwhile.
class Win32MessageBox : public IMessageBox {
  public:
    void SetPanel(HWND panel) { panel_ = panel; }
    void Warn(const std::string& text) override;
    // MessageBoxW's own Retry and Cancel buttons, which Windows labels in its language.
    bool AskRetry(const std::string& text) override;

  private:
    HWND panel_ = nullptr;
};

}  // namespace velmora::win32
