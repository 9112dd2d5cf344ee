#pragma once

#include <functional>
#include <string>

#include "launcher/PanelInterfaces.h"

namespace velmora {

// Every message box of the program goes through here, so tests can answer them: with a test
// hook set, no box is shown and the hook receives the text instead.
class MessageBox : public IMessageBox {
public:
    static constexpr const char* kTitle = "処理中断";

    void Warn(const std::string& text) override;

    using Hook = std::function<void(const std::string& text)>;
    static void SetTestHook(Hook hook);
};

}  // namespace velmora
