#include "platform/PointerQuery.h"

#include <windows.h>

namespace velmora::platform {

struct PointerQuery::Impl {};

PointerQuery::PointerQuery() : impl_(std::make_unique<Impl>()) {}
PointerQuery::~PointerQuery() = default;

std::optional<std::pair<int, int>> PointerQuery::Position() {
    // The result is not examined: a failed query leaves (0, 0).
    POINT p{0, 0};
    ::GetCursorPos(&p);
    return std::pair<int, int>{p.x, p.y};
}

}  // namespace velmora::platform
