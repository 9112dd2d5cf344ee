#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace velmora {

// The lenient number reading used for every number the user or the settings file gives:
// blanks, tabs and line feeds are ignored wherever they stand, an optional sign, digits,
// a decimal point and an exponent are taken, "&H"/"&O" introduce hexadecimal/octal, and the
// first character that does not fit ends the number. No number at all reads as 0.
double LenientNumber(std::string_view text);

// Rounds to the nearest integer, ties to the even neighbour (2.5 -> 2, 3.5 -> 4).
double RoundHalfEven(double value);

// Converts a floating-point value to a 32-bit integer the way the window system's integer
// properties are filled: rounded half to even. nullopt when the result does not fit.
std::optional<std::int32_t> ToInt32(double value);

// ToInt32 for window geometry, where a value past 32 bits cannot come from a real screen: such a
// value is a fatal fault (std::overflow_error), not something to carry on with.
std::int32_t CheckedInt32(double value);

// LenientNumber followed by ToInt32.
std::optional<std::int32_t> TextToInteger(std::string_view text);

}  // namespace velmora
