#include "platform/PointerQuery.h"

#include <windows.h>

namespace velmora::platform {

struct PointerQuery::Impl {};

PointerQuery::PointerQuery() : impl_(std::make_unique<Impl>()) {}
PointerQuery::~PointerQuery() = default;

std::optional<PointerQuery::Place> PointerQuery::Position() {
    // The result is not examined: a failed query leaves (0, 0).
    POINT p{0, 0};
    ::GetCursorPos(&p);
    return Place{p.x, p.y, true};
}

// Windows moves the cursor during drags.
bool PointerQuery::NoteDragMessage(const void*) { return false; }

// The cursor is where the user has it; nothing is ever parked.
bool PointerQuery::Warp(int, int) { return false; }

bool PointerQuery::DeclineDragMessage(const void*, const std::vector<std::uintptr_t>&) {
    return false;
}

}  // namespace velmora::platform
