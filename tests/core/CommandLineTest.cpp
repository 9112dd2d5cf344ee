#include <gtest/gtest.h>

#include "core/launch/CommandLine.h"

using namespace velmora;
using Args = std::vector<std::string>;

TEST(CommandLine, SplitsLikeAShellWithoutExpanding) {
    const struct {
        const char* text;
        Args args;
    } cases[] = {
        {"", {}},
        {"   ", {}},
        {"-a \"b c\"", {"-a", "b c"}},
        {"  one\ttwo\nthree ", {"one", "two", "three"}},
        {"'single $HOME' \"$HOME\" *", {"single $HOME", "$HOME", "*"}},
        {"a\\ b c\\\"d", {"a b", "c\"d"}},
        {"\"in \\\"quotes\\\" \\n\"", {"in \"quotes\" \\n"}},
        {"x\"y z\"w", {"xy zw"}},
        {"\"\" ''", {"", ""}},
        {"\"unterminated rest", {"unterminated rest"}},
        {"trailing\\", {"trailing"}},
        {"; rm -rf / | cat", {";", "rm", "-rf", "/", "|", "cat"}},
    };
    for (const auto& c : cases) EXPECT_EQ(SplitCommandLine(c.text), c.args) << c.text;
}
