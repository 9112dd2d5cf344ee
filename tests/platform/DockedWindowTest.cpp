// The docked panel's focus and stacking care against a real X server (a private Xvfb, no window
// manager): windows are made here with plain xcb, as a window manager and other programs would.
#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "XcbProperties.h"
#include "platform/DockedWindow.h"

namespace velmora::platform {
namespace {

class DockedWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        c_ = xcb_connect(nullptr, nullptr);
        ASSERT_EQ(xcb_connection_has_error(c_), 0) << "no X display";
        root_ = xcb_setup_roots_iterator(xcb_get_setup(c_)).data->root;
        panel_ = Window(1000, 0, 180, 450, true);
    }
    void TearDown() override {
        std::free(xcb_request_check(
            c_, xcb_set_input_focus_checked(c_, XCB_INPUT_FOCUS_POINTER_ROOT,
                                            XCB_INPUT_FOCUS_POINTER_ROOT, XCB_CURRENT_TIME)));
        for (const xcb_window_t window : made_) xcb_destroy_window(c_, window);
        xcb_disconnect(c_);
    }

    // A mapped top-level window; overrideRedirect: a menu, a tooltip or the panel itself.
    // With a parent: a window inside a window manager's frame.
    xcb_window_t Window(int x, int y, int width, int height, bool overrideRedirect,
                        xcb_window_t parent = XCB_NONE) {
        const xcb_window_t window = xcb_generate_id(c_);
        const std::uint32_t values[] = {overrideRedirect ? 1u : 0u};
        xcb_create_window(c_, XCB_COPY_FROM_PARENT, window, parent != XCB_NONE ? parent : root_,
                          static_cast<std::int16_t>(x), static_cast<std::int16_t>(y),
                          static_cast<std::uint16_t>(width), static_cast<std::uint16_t>(height), 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT,
                          XCB_CW_OVERRIDE_REDIRECT, values);
        xcb_map_window(c_, window);
        made_.push_back(window);
        Sync();
        return window;
    }

    void Sync() { std::free(xcb_get_input_focus_reply(c_, xcb_get_input_focus(c_), nullptr)); }

    void Focus(xcb_window_t window) {
        xcb_set_input_focus(c_, XCB_INPUT_FOCUS_POINTER_ROOT, window, XCB_CURRENT_TIME);
        Sync();
    }

    xcb_window_t Focused() {
        xcb_get_input_focus_reply_t* reply =
            xcb_get_input_focus_reply(c_, xcb_get_input_focus(c_), nullptr);
        const xcb_window_t focus = reply != nullptr ? reply->focus : XCB_NONE;
        std::free(reply);
        return focus;
    }

    // Root's children, bottom to top, of those made here.
    std::vector<xcb_window_t> Stacking() {
        std::vector<xcb_window_t> order;
        xcb_query_tree_reply_t* tree = xcb_query_tree_reply(c_, xcb_query_tree(c_, root_), nullptr);
        const xcb_window_t* children = xcb_query_tree_children(tree);
        for (int i = 0; i < xcb_query_tree_children_length(tree); ++i) {
            for (const xcb_window_t window : made_) {
                if (children[i] == window) order.push_back(window);
            }
        }
        std::free(tree);
        return order;
    }

    xcb_connection_t* c_ = nullptr;
    xcb_window_t root_ = XCB_NONE;
    xcb_window_t panel_ = XCB_NONE;
    std::vector<xcb_window_t> made_;
    DockedWindow docked_;
};

TEST_F(DockedWindowTest, ComesBackJustAboveAManagedWindowThatCoversItNeverOverALocker) {
    const xcb_window_t program = Window(900, 100, 300, 200, false);
    const xcb_window_t locker = Window(0, 0, 1280, 800, true);  // a lock screen's window
    ASSERT_EQ(Stacking().back(), locker);
    docked_.KeepAbove(panel_);
    EXPECT_EQ(Stacking(), (std::vector<xcb_window_t>{program, panel_, locker}));
}

TEST_F(DockedWindowTest, ComesBackAboveADesktopPanelOutsideWindowManagement) {
    const xcb_window_t taskbar = Window(0, 0, 1280, 26, true);  // icewm's, along the top
    const xcb_window_t side = Window(1150, 0, 130, 800, true);  // along the right side
    docked_.KeepAbove(panel_);
    EXPECT_EQ(Stacking(), (std::vector<xcb_window_t>{taskbar, side, panel_}));
}

TEST_F(DockedWindowTest, LeavesMenusAndWindowsElsewhereAbove) {
    const xcb_window_t menu = Window(1050, 50, 100, 100, true);
    const xcb_window_t elsewhere = Window(0, 0, 400, 300, false);
    const xcb_window_t hidden = Window(1000, 0, 100, 100, false);
    xcb_unmap_window(c_, hidden);
    Sync();
    docked_.KeepAbove(panel_);
    EXPECT_EQ(Stacking(), (std::vector<xcb_window_t>{panel_, menu, elsewhere, hidden}));
}

TEST_F(DockedWindowTest, GoesJustBelowTheProgramsOwnDialogAndItsFrame) {
    const xcb_window_t below = Window(0, 0, 400, 300, false);
    const xcb_window_t frame = Window(700, 300, 500, 150, false);
    const xcb_window_t dialog = Window(5, 20, 490, 125, false, frame);
    const xcb_window_t message = Window(600, 400, 300, 100, false);
    docked_.KeepAbove(panel_);
    ASSERT_EQ(Stacking(), (std::vector<xcb_window_t>{below, frame, panel_, message}));

    docked_.StayBelow(panel_, dialog);
    EXPECT_EQ(Stacking(), (std::vector<xcb_window_t>{below, panel_, frame, message}));
    docked_.StayBelow(panel_, message);
    EXPECT_EQ(Stacking(), (std::vector<xcb_window_t>{below, frame, panel_, message}));
}

TEST_F(DockedWindowTest, HandsTheFocusBackWhenItHides) {
    const xcb_window_t editor = Window(0, 0, 400, 300, false);
    Focus(editor);
    docked_.RememberFocus(panel_);
    Focus(panel_);
    docked_.RememberFocus(panel_);  // a second click: the editor is still the one to go back to
    docked_.ReturnFocus(panel_);
    EXPECT_EQ(Focused(), editor);
}

TEST_F(DockedWindowTest, LeavesTheFocusWhereItMovedOnOrWhenNeverTaken) {
    const xcb_window_t editor = Window(0, 0, 400, 300, false);
    const xcb_window_t dialog = Window(400, 300, 300, 200, false);
    Focus(editor);
    docked_.RememberFocus(panel_);
    Focus(dialog);
    docked_.ReturnFocus(panel_);
    EXPECT_EQ(Focused(), dialog);

    Focus(panel_);  // focus the panel got without a click on it
    docked_.ReturnFocus(panel_);
    EXPECT_EQ(Focused(), panel_);
}

TEST_F(DockedWindowTest, GivesTheFocusToThePointerWhenTheFormerWindowIsGone) {
    const xcb_window_t editor = Window(0, 0, 400, 300, false);
    Focus(editor);
    docked_.RememberFocus(panel_);
    Focus(panel_);
    xcb_destroy_window(c_, editor);
    Sync();
    docked_.ReturnFocus(panel_);
    EXPECT_EQ(Focused(), static_cast<xcb_window_t>(XCB_INPUT_FOCUS_POINTER_ROOT));
}

// The window that asks the compositor for the keyboard: one pixel over the panel's corner, above
// it, outside window management, of the kind that asks for the keyboard; gone again on release,
// and back where the panel is now on the next request.
TEST_F(DockedWindowTest, AsksForTheKeyboardWithAPixelOverThePanelUntilReleased) {
    const auto mappedOthers = [this] {
        std::vector<xcb_window_t> found;
        xcb_query_tree_reply_t* tree = xcb_query_tree_reply(c_, xcb_query_tree(c_, root_), nullptr);
        const xcb_window_t* children = xcb_query_tree_children(tree);
        for (int i = 0; i < xcb_query_tree_children_length(tree); ++i) {
            xcb_get_window_attributes_reply_t* a = xcb_get_window_attributes_reply(
                c_, xcb_get_window_attributes(c_, children[i]), nullptr);
            if (a != nullptr && a->map_state == XCB_MAP_STATE_VIEWABLE &&
                std::find(made_.begin(), made_.end(), children[i]) == made_.end())
                found.push_back(children[i]);
            std::free(a);
        }
        std::free(tree);
        return found;
    };
    docked_.RequestKeyboard(panel_);
    std::vector<xcb_window_t> asking = mappedOthers();
    ASSERT_EQ(asking.size(), 1u);
    const xcb_window_t proxy = asking[0];
    xcb_get_geometry_reply_t* g = xcb_get_geometry_reply(c_, xcb_get_geometry(c_, proxy), nullptr);
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(std::vector<int>({g->x, g->y, g->width, g->height}),
              std::vector<int>({1000, 0, 1, 1}));
    std::free(g);
    xcb_get_window_attributes_reply_t* a =
        xcb_get_window_attributes_reply(c_, xcb_get_window_attributes(c_, proxy), nullptr);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->override_redirect, 1);
    std::free(a);
    EXPECT_EQ(AtomsOf(c_, proxy, "_NET_WM_WINDOW_TYPE"),
              std::vector<xcb_atom_t>{InternAtom(c_, "_NET_WM_WINDOW_TYPE_NORMAL")});
    EXPECT_EQ(Stacking().back(), panel_);  // the panel is topmost of ours, the pixel above it
    docked_.RequestKeyboard(panel_);       // a second click: still the one window
    EXPECT_EQ(mappedOthers(), std::vector<xcb_window_t>{proxy});

    docked_.ReleaseKeyboard();
    Sync();
    EXPECT_TRUE(mappedOthers().empty());

    const std::uint32_t moved[] = {20, 30};
    xcb_configure_window(c_, panel_, XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y, moved);
    Sync();
    docked_.RequestKeyboard(panel_);
    g = xcb_get_geometry_reply(c_, xcb_get_geometry(c_, proxy), nullptr);
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(std::vector<int>({g->x, g->y}), std::vector<int>({20, 30}));
    std::free(g);
    docked_.ReleaseKeyboard();
}

}  // namespace
}  // namespace velmora::platform
