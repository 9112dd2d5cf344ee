#include <gtest/gtest.h>

#include "core/settings/Utf8.h"

using namespace velmora;

TEST(Utf8, ValidityAndLength) {
    const struct {
        std::string text;
        bool valid;
        std::size_t length;
    } cases[] = {
        {"", true, 0},
        {"abc", true, 3},
        {"日本語", true, 3},
        {"é☆😀", true, 3},
        {"\xE0\x80\x80", false, 3},      // overlong three-byte form
        {"\xED\xA0\x80", false, 3},      // a surrogate
        {"\xE3\x81", false, 2},          // cut short
        {"\xE3\x41\x81", false, 3},      // not a continuation
        {"\xC0\xAF", false, 2},          // overlong two-byte form
        {"\xF4\x90\x80\x80", false, 4},  // past U+10FFFF
        {"\x93\xfa\x96\x7b", false, 4},  // Shift-JIS
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsValidUtf8(c.text), c.valid) << c.text;
        EXPECT_EQ(Utf8Length(c.text), c.length) << c.text;
    }
    std::string out;
    for (char32_t cp : {U'a', U'é', U'☆', U'😀'}) AppendUtf8(out, cp);
    EXPECT_EQ(out, "aé☆😀");
}
