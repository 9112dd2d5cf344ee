#pragma once

#include <functional>
#include <string>
#include <vector>

namespace velmora {

// The list-box primitives the item list is built on. List1 (labels, shown) and List2 (targets,
// never shown) are two of these, kept parallel by every operation.
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
    // Selecting raises the list's Click, as a user's click does.
    virtual void SetSelectedIndex(int index) = 0;
    virtual bool IsSelected(int index) const = 0;
    virtual void SetToolTip(const std::string& text) = 0;
    virtual std::string ToolTip() const = 0;

    void Append(const std::string& text) { Insert(Count(), text); }
};

// A list control held in plain memory: List2, which nobody sees, and the fake in tests.
// The selection follows its entry on inserts and removals, as a list box's does.
class StringListControl : public IListControl {
public:
    int Count() const override { return static_cast<int>(items_.size()); }
    std::string Text(int index) const override { return items_.at(static_cast<std::size_t>(index)); }
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
        if (onClick) onClick();
    }
    bool IsSelected(int index) const override { return index == selected_; }
    void SetToolTip(const std::string& text) override { toolTip_ = text; }
    std::string ToolTip() const override { return toolTip_; }

    std::function<void()> onClick;

private:
    std::vector<std::string> items_;
    int selected_ = -1;
    std::string toolTip_;
};

}  // namespace velmora
