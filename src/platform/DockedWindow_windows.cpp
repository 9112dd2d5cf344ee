#include "platform/DockedWindow.h"

namespace velmora::platform {

// A WS_EX_TOOLWINDOW | WS_EX_TOPMOST popup says all of it on Windows.
struct DockedWindow::Impl {};

DockedWindow::DockedWindow() : impl_(std::make_unique<Impl>()) {}
DockedWindow::~DockedWindow() = default;
void DockedWindow::MarkBeforeShowing(std::uintptr_t) {}

}  // namespace velmora::platform
