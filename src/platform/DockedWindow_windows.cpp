#include "platform/DockedWindow.h"

namespace velmora::platform {

// A WS_EX_TOOLWINDOW | WS_EX_TOPMOST popup says all of it on Windows, and Windows activates the
// next window itself when an active popup hides.
struct DockedWindow::Impl {};

DockedWindow::DockedWindow() : impl_(std::make_unique<Impl>()) {}
DockedWindow::~DockedWindow() = default;
void DockedWindow::RememberFocus(std::uintptr_t) {}
void DockedWindow::ReturnFocus(std::uintptr_t) {}
void DockedWindow::KeepAbove(std::uintptr_t) {}
void DockedWindow::StayBelow(std::uintptr_t, std::uintptr_t) {}
void DockedWindow::RequestKeyboard(std::uintptr_t) {}
void DockedWindow::ReleaseKeyboard() {}

}  // namespace velmora::platform
