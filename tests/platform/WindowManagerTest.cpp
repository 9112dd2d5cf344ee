// What the program reads of the window manager and tells it, against a real X server (a private
// Xvfb): the window manager's check window is played here with plain xcb.
#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "XcbProperties.h"
#include "platform/WindowManager.h"

namespace velmora::platform {
namespace {

class WindowManagerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        c_ = xcb_connect(nullptr, nullptr);
        ASSERT_EQ(xcb_connection_has_error(c_), 0) << "no X display";
        root_ = xcb_setup_roots_iterator(xcb_get_setup(c_)).data->root;
    }
    void TearDown() override {
        xcb_delete_property(c_, root_, Atom("_NET_SUPPORTING_WM_CHECK"));
        for (const xcb_window_t window : made_) xcb_destroy_window(c_, window);
        Sync();
        xcb_disconnect(c_);
    }

    xcb_atom_t Atom(const char* name) { return InternAtom(c_, name); }
    xcb_window_t Window() {
        const xcb_window_t window = xcb_generate_id(c_);
        xcb_create_window(c_, XCB_COPY_FROM_PARENT, window, root_, 0, 0, 10, 10, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, 0, nullptr);
        made_.push_back(window);
        return window;
    }
    void SetWindow(xcb_window_t on, const char* property, xcb_window_t value) {
        xcb_change_property(c_, XCB_PROP_MODE_REPLACE, on, Atom(property), XCB_ATOM_WINDOW, 32, 1,
                            &value);
    }
    void SetAtoms(xcb_window_t on, const char* property, const std::vector<xcb_atom_t>& atoms) {
        xcb_change_property(c_, XCB_PROP_MODE_REPLACE, on, Atom(property), XCB_ATOM_ATOM, 32,
                            static_cast<std::uint32_t>(atoms.size()), atoms.data());
    }
    std::vector<xcb_atom_t> Atoms(xcb_window_t on, const char* property) {
        return AtomsOf(c_, on, property);
    }
    // A window manager's check window, named as EWMH has it; on the root when `announced`.
    xcb_window_t CheckWindow(const std::string& name, bool announced = true) {
        const xcb_window_t check = Window();
        SetWindow(check, "_NET_SUPPORTING_WM_CHECK", check);
        xcb_change_property(c_, XCB_PROP_MODE_REPLACE, check, Atom("_NET_WM_NAME"),
                            Atom("UTF8_STRING"), 8, static_cast<std::uint32_t>(name.size()),
                            name.data());
        if (announced) SetWindow(root_, "_NET_SUPPORTING_WM_CHECK", check);
        Sync();
        return check;
    }
    void Sync() { std::free(xcb_get_input_focus_reply(c_, xcb_get_input_focus(c_), nullptr)); }

    xcb_connection_t* c_ = nullptr;
    xcb_window_t root_ = XCB_NONE;
    std::vector<xcb_window_t> made_;
};

TEST_F(WindowManagerTest, TheNameIsTheOneTheCheckWindowOfTheRunningWindowManagerGives) {
    EXPECT_EQ(WindowManagerName(), "") << "no window manager";
    CheckWindow("KWin");
    EXPECT_EQ(WindowManagerName(), "KWin");
    CheckWindow("wlroots wm");
    EXPECT_EQ(WindowManagerName(), "wlroots wm");
    // One that ended left its id on the root, and the id now names a window of another program.
    const xcb_window_t other = Window();
    SetWindow(root_, "_NET_SUPPORTING_WM_CHECK", other);
    Sync();
    EXPECT_EQ(WindowManagerName(), "");
    xcb_destroy_window(c_, other);
    Sync();
    EXPECT_EQ(WindowManagerName(), "") << "a check window that is gone";
}

TEST_F(WindowManagerTest, ACriticalNotificationKeepsTheStatesAlreadySetAndIsListedNowhere) {
    const xcb_window_t panel = Window();
    SetAtoms(panel, "_NET_WM_WINDOW_TYPE", {Atom("_NET_WM_WINDOW_TYPE_NORMAL")});
    SetAtoms(panel, "_NET_WM_STATE", {Atom("_NET_WM_STATE_ABOVE")});
    Sync();
    const std::vector<xcb_atom_t> type{Atom("_KDE_NET_WM_WINDOW_TYPE_CRITICAL_NOTIFICATION"),
                                       Atom("_NET_WM_WINDOW_TYPE_NOTIFICATION")};
    const std::vector<xcb_atom_t> states{
        Atom("_NET_WM_STATE_ABOVE"), Atom("_NET_WM_STATE_SKIP_TASKBAR"),
        Atom("_NET_WM_STATE_SKIP_PAGER"), Atom("_KDE_NET_WM_STATE_SKIP_SWITCHER")};
    MarkAsCriticalNotification(panel);
    EXPECT_EQ(Atoms(panel, "_NET_WM_WINDOW_TYPE"), type);
    EXPECT_EQ(Atoms(panel, "_NET_WM_STATE"), states);
    // Before the next show, once the window manager has dropped the states: the same again.
    xcb_delete_property(c_, panel, Atom("_NET_WM_STATE"));
    Sync();
    MarkAsCriticalNotification(panel);
    MarkAsCriticalNotification(panel);
    EXPECT_EQ(Atoms(panel, "_NET_WM_STATE"),
              std::vector<xcb_atom_t>(states.begin() + 1, states.end()));
}

}  // namespace
}  // namespace velmora::platform
