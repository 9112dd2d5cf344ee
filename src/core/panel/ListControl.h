#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/panel/DropRule.h"

namespace velmora {

enum class ListKey { Delete, Up, Down, Other };
enum class MouseButton { Left, Right, Other };

// What the user does to a list, as callbacks the panel's behaviour sets. Modifier masks as in
// core/launch/OneShotArgs.h (Shift 1, Ctrl 2, Alt 4).
struct ListEvents {
    std::function<void()> click;
    std::function<void()> doubleClick;
    std::function<void(ListKey key, int modifiers)> keyUp;
    std::function<void(MouseButton button, int modifiers)> mouseUp;
    std::function<void(const DropData& data)> drop;
};

// The list-box primitives the item list is built on. The item list (labels, shown) and the
// target list (never shown) are two of these, kept parallel by every operation.
//
// The contract every implementation keeps (one typed test checks them all):
// - keys act on release: keyUp is raised once per release, with the modifier mask held then;
//   a key held down and repeating raises it once;
// - Alt+Up and Alt+Down do not move the selection, and a right click does not select;
// - a click raises click after the selection has changed; SetSelectedIndex raises click too,
//   as a user's click does; Insert, Remove and SetText never raise it;
// - the selection follows its entry on Insert and Remove; removing the selected entry leaves
//   nothing selected.
class IListControl {
  public:
    virtual ~IListControl() = default;
    virtual int Count() const = 0;
    virtual std::string Text(int index) const = 0;
    virtual void SetText(int index, const std::string& text) = 0;
    // Inserts before index; index == Count() appends.
    virtual void Insert(int index, const std::string& text) = 0;
    virtual void Remove(int index) = 0;
    // -1 when nothing is selected.
    virtual int SelectedIndex() const = 0;
    virtual void SetSelectedIndex(int index) = 0;
    virtual bool IsSelected(int index) const = 0;
    virtual void SetToolTip(const std::string& text) = 0;
    virtual std::string ToolTip() const = 0;

    void Append(const std::string& text) { Insert(Count(), text); }

    ListEvents events;
};

// A list control held in plain memory: the targets, which nobody sees, and the list in tests.
class StringListControl : public IListControl {
  public:
    int Count() const override { return static_cast<int>(items_.size()); }
    std::string Text(int index) const override {
        return items_.at(static_cast<std::size_t>(index));
    }
    void SetText(int index, const std::string& text) override {
        items_.at(static_cast<std::size_t>(index)) = text;
    }
    void Insert(int index, const std::string& text) override {
        items_.insert(items_.begin() + index, text);
        if (selected_ >= index) ++selected_;
    }
    void Remove(int index) override {
        items_.erase(items_.begin() + index);
        if (selected_ == index) {
            selected_ = -1;
        } else if (selected_ > index) {
            --selected_;
        }
    }
    int SelectedIndex() const override { return selected_; }
    void SetSelectedIndex(int index) override {
        selected_ = index;
        if (events.click) events.click();
    }
    bool IsSelected(int index) const override { return index == selected_; }
    void SetToolTip(const std::string& text) override { toolTip_ = text; }
    std::string ToolTip() const override { return toolTip_; }

  private:
    std::vector<std::string> items_;
    int selected_ = -1;
    std::string toolTip_;
};

}  // namespace velmora
