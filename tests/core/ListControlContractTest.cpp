#include "ListControlContract.h"

namespace velmora::testing {

namespace {

// The list held in memory (the targets, and the list in the core's tests): the user's actions
// arrive as the events a list box would raise for them.
class StringListDriver {
  public:
    StringListDriver() {
        for (const char* text : {"a", "b", "c"}) list_.Append(text);
    }
    IListControl& List() { return list_; }
    void KeyPress(ListKey, int) {}
    void KeyRelease(ListKey key, int modifiers) { list_.events.keyUp(key, modifiers); }
    void KeyRepeat(ListKey, int) {}
    void Click(int row) { list_.SetSelectedIndex(row); }
    void RightClick(int) { list_.events.mouseUp(MouseButton::Right, 0); }

  private:
    StringListControl list_;
};

}  // namespace

using StringListDrivers = ::testing::Types<StringListDriver>;
INSTANTIATE_TYPED_TEST_SUITE_P(StringList, ListControlContract, StringListDrivers);

}  // namespace velmora::testing
