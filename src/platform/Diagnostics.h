#pragma once

#include "core/ports/Diagnostics.h"

namespace velmora::platform {

// Standard error; on Windows also the debugger's output, since a GUI program has no console.
class SystemDiagnostics : public IDiagnostics {
  public:
    void Report(const std::string& text) override;
};

}  // namespace velmora::platform
