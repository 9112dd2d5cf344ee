#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>

#include "core/settings/TextToInteger.h"

using namespace velmora;

TEST(LenientNumber, ReadsTheLeadingNumberLeniently) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"", 0},       {"abc", 0},     {"12x", 12},  {"2.5", 2.5},  {"1e2", 100},
        {" 1 2 ", 12}, {"\t-5\n", -5}, {"+7", 7},    {".5", 0.5},   {"5.", 5},
        {"-", 0},      {"--5", 0},     {"1e", 1},    {"1e+", 1},    {"1.5e1x", 15},
        {"&H1F", 31},  {"&hff", 255},  {"&O17", 15}, {"&o8", 0},    {"&", 0},
        {"&X1", 0},    {"0010", 10},   {"1,000", 1}, {"3 .5", 3.5}, {"1E-1", 0.1},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(LenientNumber(c.text), c.value) << c.text;
}

TEST(TextToInteger, RoundsHalfToEvenAndRefusesWhatDoesNotFit) {
    EXPECT_EQ(TextToInteger("2.5"), 2);
    EXPECT_EQ(TextToInteger("3.5"), 4);
    EXPECT_EQ(TextToInteger("-2.5"), -2);
    EXPECT_EQ(TextToInteger("1.4999"), 1);
    EXPECT_EQ(TextToInteger("2147483647"), 2147483647);
    EXPECT_EQ(TextToInteger("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(TextToInteger("2147483648"), std::nullopt);
    EXPECT_EQ(TextToInteger("9e9"), std::nullopt);
    EXPECT_EQ(TextToInteger("1e999"), std::nullopt);
    EXPECT_EQ(TextToInteger("abc"), 0);
}

// The toolkit switches the C library's numeric locale to the user's: a decimal comma there must
// not change how "1.5" or "1,5" read.
TEST(TextToInteger, ReadsTheSameUnderALocaleWithADecimalComma) {
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    const char* german = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "German_Germany.1252", "deu"}) {
        if (std::setlocale(LC_NUMERIC, name) != nullptr) {
            german = name;
            break;
        }
    }
    ASSERT_NE(german, nullptr) << "no German locale here (the test setup generates de_DE.UTF-8)";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    EXPECT_EQ(TextToInteger("1.5"), 2);
    EXPECT_EQ(TextToInteger("1,5"), 1);
    EXPECT_DOUBLE_EQ(LenientNumber("-2.25e1"), -22.5);
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(LenientNumber, NumbersPastADoubleAreInfiniteOrZero) {
    EXPECT_EQ(LenientNumber("1e999"), HUGE_VAL);
    EXPECT_EQ(LenientNumber("-1e999"), -HUGE_VAL);
    EXPECT_EQ(LenientNumber("1e-999"), 0.0);
    EXPECT_EQ(LenientNumber("0.000001e-400"), 0.0);
    EXPECT_EQ(LenientNumber(std::string(400, '9')), HUGE_VAL);
}
