#include <gtest/gtest.h>

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
