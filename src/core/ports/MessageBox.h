#pragma once

#include <string>

namespace velmora {

// Every message the program shows: a warning icon, one OK button and the title kMessageTitle
// (core/ui/Texts.h). Each front end has one implementation; tests answer with a fake.
class IMessageBox {
  public:
    virtual ~IMessageBox() = default;
    virtual void Warn(const std::string& text) = 0;
};

}  // namespace velmora
