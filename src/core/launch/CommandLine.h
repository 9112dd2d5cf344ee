#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// Splits a parameter text into arguments the way a POSIX shell splits words, without any
// expansion and without ever running a shell: blanks separate, double and single quotes group,
// a backslash escapes the next character (inside double quotes only before \ " $ ` and a line
// break). An unterminated quote runs to the end of the text.
std::vector<std::string> SplitCommandLine(std::string_view text);

}  // namespace velmora
