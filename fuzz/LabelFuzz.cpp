// Every dropped path gets a label that is part of it, and never the empty one.
#include "FuzzInput.h"
#include "core/launch/PathRules.h"

using namespace velmora;
using velmora::fuzzing::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path(reinterpret_cast<const char*>(data), size);
    for (const PathStyle style : {PathStyle::Windows, PathStyle::Posix}) {
        const std::string label = LabelFromPath(path, style);
        Require(path.find(label) != std::string::npos);
        if (!path.empty()) Require(!label.empty());
    }
    return 0;
}
