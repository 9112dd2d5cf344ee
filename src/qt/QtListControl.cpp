#include "qt/QtListControl.h"

#include <QSignalBlocker>

#include "qt/ItemListWidget.h"

namespace velmora {

QtListControl::QtListControl(ItemListWidget* list) : list_(list) {
    QObject::connect(list, &ItemListWidget::keyReleased, list, [this](ListKey key, int modifiers) {
        if (events.keyUp) events.keyUp(key, modifiers);
    });
    QObject::connect(list, &ItemListWidget::mouseReleased, list,
                     [this](MouseButton button, int modifiers) {
                         if (events.mouseUp) events.mouseUp(button, modifiers);
                     });
    QObject::connect(list, &ItemListWidget::doubleClicked, list, [this] {
        if (events.doubleClick) events.doubleClick();
    });
    QObject::connect(list, &ItemListWidget::dropped, list, [this](const DropData& data) {
        if (events.drop) events.drop(data);
    });
    const auto click = [this] {
        if (events.click) events.click();
    };
    QObject::connect(list, &QListWidget::itemSelectionChanged, list, click);
    QObject::connect(list, &QListWidget::itemClicked, list, click);
}

int QtListControl::Count() const { return list_->count(); }

std::string QtListControl::Text(int index) const {
    return list_->item(index)->text().toStdString();
}

void QtListControl::SetText(int index, const std::string& text) {
    list_->item(index)->setText(QString::fromStdString(text));
}

// Changing the entries is not a click: the list's Click reaches the behaviour only when the
// user or the behaviour selects an entry, never half-way through an insert or a removal.
void QtListControl::Insert(int index, const std::string& text) {
    const QSignalBlocker quiet(list_);
    list_->insertItem(index, QString::fromStdString(text));
}

void QtListControl::Remove(int index) {
    const QSignalBlocker quiet(list_);
    const bool wasSelected = list_->item(index)->isSelected();
    delete list_->takeItem(index);
    // Like a list box, removing the selected entry leaves nothing selected.
    if (wasSelected) list_->clearSelection();
}

int QtListControl::SelectedIndex() const {
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    return selected.isEmpty() ? -1 : list_->row(selected.front());
}

void QtListControl::SetSelectedIndex(int index) {
    list_->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
}

bool QtListControl::IsSelected(int index) const { return list_->item(index)->isSelected(); }

void QtListControl::SetToolTip(const std::string& text) {
    list_->setToolTip(QString::fromStdString(text));
}

std::string QtListControl::ToolTip() const { return list_->toolTip().toStdString(); }

}  // namespace velmora
