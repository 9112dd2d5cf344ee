#pragma once

#include <string>

namespace velmora {

// Every message the program shows: a warning icon and the title kMessageTitle (core/ui/Texts.h).
// Each front end has one implementation; tests answer with a fake.
class IMessageBox {
  public:
    virtual ~IMessageBox() = default;
    // One OK button.
    virtual void Warn(const std::string& text) = 0;
    // The buttons kRetryButton (the default) and kCancelButton: true for the first.
    virtual bool AskRetry(const std::string& text) = 0;
};

}  // namespace velmora
