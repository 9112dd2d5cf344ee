#include "core/settings/TextToInteger.h"

#include <algorithm>
#include <cfenv>
#include <charconv>
#include <cmath>
#include <stdexcept>
#include <string>

namespace velmora {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

double ReadRadix(const std::string& s, std::size_t pos, int radix) {
    double value = 0;
    for (; pos < s.size(); ++pos) {
        const char c = s[pos];
        int digit = -1;
        if (IsDigit(c)) {
            digit = c - '0';
        } else if (c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else if (c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        }
        if (digit < 0 || digit >= radix) break;
        value = value * radix + digit;
    }
    return value;
}

// The C library's strtod follows LC_NUMERIC, which the toolkit sets from the user's locale: under a
// locale with a decimal comma it would stop at the point. from_chars reads the same everywhere.
double ReadDecimal(std::string_view number, bool negative) {
    if (!number.empty() && number[0] == '+') number.remove_prefix(1);
    double value = 0;
    const std::from_chars_result read =
        std::from_chars(number.data(), number.data() + number.size(), value);
    if (read.ec != std::errc::result_out_of_range) return value;
    // Too large or too small for a double: infinity or zero, as strtod gives. The decimal
    // exponent of the first significant digit tells which.
    const std::size_t point =
        std::min({number.find('.'), number.find_first_of("eE"), number.size()});
    const std::size_t first = number.find_first_of("123456789");
    long long magnitude = first < point ? static_cast<long long>(point - first) - 1
                                        : -static_cast<long long>(first - point);
    const std::size_t e = number.find_first_of("eE");
    if (e != std::string_view::npos) {
        long long exponent = 0;
        const bool minus = number[e + 1] == '-';
        for (std::size_t k = e + 1; k < number.size(); ++k) {
            if (IsDigit(number[k]))
                exponent = std::min(exponent * 10 + (number[k] - '0'), 1000000LL);
        }
        magnitude += minus ? -exponent : exponent;
    }
    const double result = magnitude > 0 ? HUGE_VAL : 0.0;
    return negative ? -result : result;
}

}  // namespace

double LenientNumber(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') s += c;
    }
    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'h' || s[1] == 'H') return ReadRadix(s, 2, 16);
        if (s[1] == 'o' || s[1] == 'O') return ReadRadix(s, 2, 8);
        return 0;
    }
    // Take the longest prefix that has the shape [sign] digits [. digits] [e [sign] digits].
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    const std::size_t mantissaStart = i;
    while (i < s.size() && IsDigit(s[i])) ++i;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i])) ++i;
    }
    const std::size_t mantissaEnd = i;
    // A lone sign or point has no digits at all.
    bool hasDigit = false;
    for (std::size_t k = mantissaStart; k < mantissaEnd; ++k) hasDigit = hasDigit || IsDigit(s[k]);
    if (!hasDigit) return 0;
    std::size_t end = mantissaEnd;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t k = i + 1;
        if (k < s.size() && (s[k] == '+' || s[k] == '-')) ++k;
        if (k < s.size() && IsDigit(s[k])) {
            while (k < s.size() && IsDigit(s[k])) ++k;
            end = k;
        }
    }
    return ReadDecimal(std::string_view(s).substr(0, end), s[0] == '-');
}

double RoundHalfEven(double value) {
    const int saved = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    std::fesetround(saved);
    return rounded;
}

std::optional<std::int32_t> ToInt32(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    const double rounded = RoundHalfEven(value);
    if (rounded < -2147483648.0 || rounded > 2147483647.0) return std::nullopt;
    return static_cast<std::int32_t>(rounded);
}

std::int32_t CheckedInt32(double value) {
    const auto v = ToInt32(value);
    if (!v) throw std::overflow_error("value out of the 32-bit range");
    return *v;
}

std::optional<std::int32_t> TextToInteger(std::string_view text) {
    return ToInt32(LenientNumber(text));
}

}  // namespace velmora
