// The lenient number reading on any text.
#include <cmath>

#include "FuzzInput.h"
#include "core/settings/TextToInteger.h"

using namespace velmora;
using velmora::fuzzing::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = LenientNumber(text);
    const auto integer = TextToInteger(text);
    Require(integer == ToInt32(value));
    if (integer) Require(std::fabs(*integer - value) <= 0.5);
    return 0;
}
