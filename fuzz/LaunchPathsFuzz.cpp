// Splitting, normalising and deriving the working directory, in both path styles.
#include "FuzzInput.h"
#include "core/launch/PathRules.h"

using namespace velmora;
using velmora::fuzzing::FuzzInput;
using velmora::fuzzing::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const bool armed = input.NextByte() % 2 == 1;
    const std::string target = input.Next();
    const std::string oneShot = input.Next();
    for (const PathStyle style : {PathStyle::Windows, PathStyle::Posix}) {
        SplitTargetResult split = SplitTarget(target, armed, oneShot);
        if (armed) Require(split.file == target && split.parameters == oneShot);
        NormalizePath(split.file, style);
        std::string twice = split.file;
        NormalizePath(twice, style);
        // Normalising is idempotent, but for a lone separator pair (quoted or not): three
        // separators keep their leading pair, and a pair of two characters is no UNC prefix and
        // collapses.
        const std::string pair(2, style == PathStyle::Windows ? '\\' : '/');
        Require(twice == split.file || split.file == pair || split.file == '"' + pair);
        const std::string directory = DeriveWorkingDirectory(split.file, style);
        Require(split.file.compare(0, directory.size(), directory) == 0);  // a prefix of the file
    }
    return 0;
}
