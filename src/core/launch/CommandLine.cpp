#include "core/launch/CommandLine.h"

namespace velmora {

std::vector<std::string> SplitCommandLine(std::string_view text) {
    std::vector<std::string> args;
    std::string word;
    bool inWord = false;
    enum class Quote { None, Single, Double } quote = Quote::None;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        switch (quote) {
            case Quote::Single:
                if (c == '\'') {
                    quote = Quote::None;
                } else {
                    word += c;
                }
                continue;
            case Quote::Double:
                if (c == '"') {
                    quote = Quote::None;
                } else if (c == '\\' && i + 1 < text.size() &&
                           std::string_view("\\\"$`\n").find(text[i + 1]) !=
                               std::string_view::npos) {
                    if (text[++i] != '\n') word += text[i];
                } else {
                    word += c;
                }
                continue;
            case Quote::None:
                break;
        }
        if (c == ' ' || c == '\t' || c == '\n') {
            if (inWord) args.push_back(std::move(word));
            word.clear();
            inWord = false;
            continue;
        }
        inWord = true;
        if (c == '\'') {
            quote = Quote::Single;
        } else if (c == '"') {
            quote = Quote::Double;
        } else if (c == '\\') {
            if (i + 1 < text.size()) {
                if (text[++i] != '\n') word += text[i];
            }
        } else {
            word += c;
        }
    }
    if (inWord) args.push_back(std::move(word));
    return args;
}

}  // namespace velmora
