#pragma once

#include "launcher/ListControl.h"

class QListWidget;

namespace velmora {

// List1: the visible list widget behind the list primitives.
class QtListControl : public IListControl {
public:
    explicit QtListControl(QListWidget* list);

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

private:
    QListWidget* list_;
};

}  // namespace velmora
