#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/launch/OneShotArgs.h"
#include "core/panel/ListControl.h"

// The conventions of IListControl, checked for every implementation. A driver owns one list
// with the entries "a", "b", "c" and plays the user's part:
//   IListControl& List();
//   void KeyPress(ListKey key, int modifiers);   // the key goes down
//   void KeyRelease(ListKey key, int modifiers); // and comes up
//   void KeyRepeat(ListKey key, int modifiers);  // an auto-repeated press and release
//   void Click(int row);                         // left button on an entry
//   void RightClick(int row);                    // right button on an entry
namespace velmora::testing {

template <typename Driver>
class ListControlContract : public ::testing::Test {
  protected:
    ListControlContract() {
        IListControl& list = driver.List();
        list.events.click = [this] { clicks.push_back(driver.List().SelectedIndex()); };
        list.events.keyUp = [this](ListKey key, int modifiers) {
            keys.emplace_back(key, modifiers);
        };
        list.events.mouseUp = [this](MouseButton button, int modifiers) {
            buttons.emplace_back(button, modifiers);
        };
    }

    Driver driver;
    std::vector<int> clicks;  // the selection each click saw
    std::vector<std::pair<ListKey, int>> keys;
    std::vector<std::pair<MouseButton, int>> buttons;
};

TYPED_TEST_SUITE_P(ListControlContract);

TYPED_TEST_P(ListControlContract, KeysActOnReleaseOnceWithTheMaskHeldThen) {
    this->driver.KeyPress(ListKey::Delete, 0);
    EXPECT_TRUE(this->keys.empty()) << "a key must not act when it goes down";
    this->driver.KeyRepeat(ListKey::Delete, 0);
    this->driver.KeyRepeat(ListKey::Delete, 0);
    this->driver.KeyRelease(ListKey::Delete, 0);
    EXPECT_EQ(this->keys, (std::vector<std::pair<ListKey, int>>{{ListKey::Delete, 0}}));
    this->driver.KeyPress(ListKey::Down, kAltMask);
    this->driver.KeyRelease(ListKey::Down, kAltMask | kShiftMask);
    EXPECT_EQ(this->keys.back(), (std::pair<ListKey, int>{ListKey::Down, kAltMask | kShiftMask}));
}

TYPED_TEST_P(ListControlContract, AltArrowsAndTheRightButtonLeaveTheSelection) {
    IListControl& list = this->driver.List();
    list.SetSelectedIndex(1);
    for (const ListKey key : {ListKey::Up, ListKey::Down}) {
        this->driver.KeyPress(key, kAltMask);
        this->driver.KeyRelease(key, kAltMask);
        EXPECT_EQ(list.SelectedIndex(), 1);
    }
    this->driver.RightClick(2);
    EXPECT_EQ(list.SelectedIndex(), 1);
    ASSERT_FALSE(this->buttons.empty());
    EXPECT_EQ(this->buttons.back(), (std::pair<MouseButton, int>{MouseButton::Right, 0}));
}

TYPED_TEST_P(ListControlContract, ClicksReportTheNewSelectionAndCodeSelectsLikeAClick) {
    IListControl& list = this->driver.List();
    this->driver.Click(2);
    ASSERT_FALSE(this->clicks.empty());
    EXPECT_EQ(this->clicks.back(), 2);
    EXPECT_TRUE(list.IsSelected(2));
    EXPECT_FALSE(list.IsSelected(0));
    this->clicks.clear();
    list.SetSelectedIndex(0);
    ASSERT_FALSE(this->clicks.empty());
    EXPECT_EQ(this->clicks.back(), 0);
}

TYPED_TEST_P(ListControlContract, ChangingEntriesRaisesNoClickAndTheSelectionFollows) {
    IListControl& list = this->driver.List();
    list.SetSelectedIndex(1);
    this->clicks.clear();
    list.Insert(0, "new");
    EXPECT_EQ(list.SelectedIndex(), 2);
    EXPECT_EQ(list.Text(2), "b");
    list.Append("end");
    list.SetText(0, "renamed");
    list.Remove(0);
    EXPECT_EQ(list.SelectedIndex(), 1);
    EXPECT_EQ(list.Count(), 4);
    EXPECT_EQ(list.Text(3), "end");
    EXPECT_TRUE(this->clicks.empty());
    list.Remove(1);
    EXPECT_EQ(list.SelectedIndex(), -1);
    EXPECT_FALSE(list.IsSelected(1));
    EXPECT_TRUE(this->clicks.empty());
}

TYPED_TEST_P(ListControlContract, KeepsItsToolTipAndUnicodeText) {
    IListControl& list = this->driver.List();
    list.Insert(1, "読んで☆.txt");
    EXPECT_EQ(list.Text(1), "読んで☆.txt");
    list.SetToolTip("\"C:\\Program Files\\x.exe\" -a");
    EXPECT_EQ(list.ToolTip(), "\"C:\\Program Files\\x.exe\" -a");
}

REGISTER_TYPED_TEST_SUITE_P(ListControlContract, KeysActOnReleaseOnceWithTheMaskHeldThen,
                            AltArrowsAndTheRightButtonLeaveTheSelection,
                            ClicksReportTheNewSelectionAndCodeSelectsLikeAClick,
                            ChangingEntriesRaisesNoClickAndTheSelectionFollows,
                            KeepsItsToolTipAndUnicodeText);

}  // namespace velmora::testing
