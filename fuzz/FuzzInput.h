#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace velmora::fuzzing {

// Splits fuzzer bytes into parts at NUL bytes, so one input can feed several arguments.
class FuzzInput {
  public:
    FuzzInput(const std::uint8_t* data, std::size_t size)
        : rest_(reinterpret_cast<const char*>(data), size) {}

    std::string Next() {
        const auto nul = rest_.find('\0');
        std::string part(rest_.substr(0, nul));
        rest_ = nul == std::string_view::npos ? std::string_view() : rest_.substr(nul + 1);
        return part;
    }
    int NextByte() {
        if (rest_.empty()) return 0;
        const auto b = static_cast<unsigned char>(rest_.front());
        rest_.remove_prefix(1);
        return b;
    }

  private:
    std::string_view rest_;
};

// A failed property aborts, so the fuzzer keeps the input.
inline void Require(bool condition) {
    if (!condition) __builtin_trap();
}

}  // namespace velmora::fuzzing
