#pragma once

#include <string>

namespace velmora {

// Where the program reports what no window can show: standard error on POSIX, the debugger's
// output on Windows.
class IDiagnostics {
  public:
    virtual ~IDiagnostics() = default;
    virtual void Report(const std::string& text) = 0;
};

}  // namespace velmora
