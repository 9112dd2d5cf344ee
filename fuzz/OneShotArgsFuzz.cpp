// Composing the one-shot argument: Ctrl alone extends an armed text, anything else replaces it.
#include "FuzzInput.h"
#include "core/launch/OneShotArgs.h"

using namespace velmora;
using velmora::fuzzing::FuzzInput;
using velmora::fuzzing::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const int flags = input.NextByte();
    const bool armed = flags & 8;
    const int modifiers = flags & 7;
    const std::string current = input.Next();
    DroppedContent dropped;
    if (flags & 16) {
        dropped = DroppedText(input.Next());
    } else {
        DroppedFiles files;
        for (int i = input.NextByte() % 5; i > 0; --i) files.push_back(input.Next());
        dropped = files;
    }
    const std::string result = ComposeOneShotArgs(current, armed, modifiers, dropped);
    const std::string fresh = ComposeOneShotArgs("", false, 0, dropped);
    if (armed && modifiers == 2) {
        Require(result == current + " " + fresh);
    } else {
        Require(result == fresh);
    }
    return 0;
}
