#pragma once

#include "core/panel/ListControl.h"

namespace velmora {

class ItemListWidget;

// The item list: the visible list widget behind the list primitives; its user events become the
// list's events.
class QtListControl : public IListControl {
  public:
    explicit QtListControl(ItemListWidget* list);

    int Count() const override;
    std::string Text(int index) const override;
    void SetText(int index, const std::string& text) override;
    void Insert(int index, const std::string& text) override;
    void Remove(int index) override;
    int SelectedIndex() const override;
    void SetSelectedIndex(int index) override;
    bool IsSelected(int index) const override;
    void SetToolTip(const std::string& text) override;
    std::string ToolTip() const override;

    ItemListWidget* widget() const { return list_; }

  private:
    ItemListWidget* list_;
};

}  // namespace velmora
