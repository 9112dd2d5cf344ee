#pragma once

#include "core/ports/MessageBox.h"

namespace velmora {

// Every message box of the Qt front end: a warning and the program's title, placed clear of the
// panel.
class QtMessageBox : public IMessageBox {
  public:
    void Warn(const std::string& text) override;
    bool AskRetry(const std::string& text) override;
};

}  // namespace velmora
