// The parameter splitter: any text splits; arguments quoted the shell's way split back whole.
#include "FuzzInput.h"
#include "core/launch/CommandLine.h"

using namespace velmora;
using velmora::fuzzing::FuzzInput;
using velmora::fuzzing::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> args = SplitCommandLine(text);
    std::string quoted;
    for (const std::string& arg : args) {
        quoted += " '";
        for (const char c : arg) {
            if (c == '\'') {
                quoted += "'\\''";
            } else {
                quoted += c;
            }
        }
        quoted += "'";
    }
    Require(SplitCommandLine(quoted) == args);
    return 0;
}
