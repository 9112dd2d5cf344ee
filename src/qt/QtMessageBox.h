#pragma once

#include "core/ports/MessageBox.h"

namespace velmora {

// Every message box of the Qt front end: a warning, one OK button, the program's title.
class QtMessageBox : public IMessageBox {
  public:
    void Warn(const std::string& text) override;
};

}  // namespace velmora
