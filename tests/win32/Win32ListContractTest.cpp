#include "ListControlContract.h"
#include "Win32Harness.h"

namespace velmora::testing {

namespace {

WPARAM VirtualKey(ListKey key) {
    switch (key) {
        case ListKey::Delete:
            return VK_DELETE;
        case ListKey::Up:
            return VK_UP;
        case ListKey::Down:
            return VK_DOWN;
        case ListKey::Other:
            break;
    }
    return 'A';
}

// The Win32 list box in the real panel, driven with the messages a user's actions send.
class Win32ListDriver {
  public:
    Win32ListDriver() {
        for (const char* text : {"a", "b", "c"}) List().Append(text);
        panel_.window.Show();
    }
    ~Win32ListDriver() { HoldKeys(0); }
    IListControl& List() { return panel_.window.listControl(); }
    void KeyPress(ListKey key, int modifiers) { Key(key, modifiers, true, false); }
    void KeyRelease(ListKey key, int modifiers) { Key(key, modifiers, false, false); }
    void KeyRepeat(ListKey key, int modifiers) { Key(key, modifiers, true, true); }
    void Click(int row) { Mouse(WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON, row); }
    void RightClick(int row) { Mouse(WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON, row); }

  private:
    void Key(ListKey key, int modifiers, bool down, bool repeat) {
        HoldKeys(modifiers);
        const bool alt = (modifiers & 4) != 0;
        const UINT message =
            down ? (alt ? WM_SYSKEYDOWN : WM_KEYDOWN) : (alt ? WM_SYSKEYUP : WM_KEYUP);
        LPARAM lParam = 1;
        if (alt) lParam |= 1 << 29;
        if (repeat) lParam |= 1 << 30;
        if (!down) lParam |= 3u << 30;
        ::SendMessageW(panel_.list(), message, VirtualKey(key), lParam);
    }
    void Mouse(UINT down, UINT up, WPARAM button, int row) {
        HoldKeys(0);
        RECT item{};
        ::SendMessageW(panel_.list(), LB_GETITEMRECT, static_cast<WPARAM>(row),
                       reinterpret_cast<LPARAM>(&item));
        const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
        ::SendMessageW(panel_.list(), down, button, at);
        ::SendMessageW(panel_.list(), up, 0, at);
    }

    Win32Panel panel_;
};

}  // namespace

using Win32ListDrivers = ::testing::Types<Win32ListDriver>;
INSTANTIATE_TYPED_TEST_SUITE_P(Win32List, ListControlContract, Win32ListDrivers);

}  // namespace velmora::testing
