#include "qt/ModalDialog.h"

#include <QKeyEvent>
#include <QPushButton>

#include "qt/PlaceBesidePanel.h"
#include "qt/QtTwips.h"

namespace velmora {

ModalDialog::ModalDialog(const char* title, double clientWidth, double clientHeight,
                         double fontPoints, layout::DialogKeys keys,
                         std::function<void(int)> onButton)
    : QDialog(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                           Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      keys_(keys),
      onButton_(std::move(onButton)) {
    setWindowTitle(QString::fromUtf8(title));
    setFont(GothicFont(fontPoints));
    setFixedSize(TwipsToPixelsX(clientWidth), TwipsToPixelsY(clientHeight));
}

QPushButton* ModalDialog::AddButton(int index, const char* caption, QWidget* parent,
                                    const TwipRect& place) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    PlaceInTwips(button, place);
    button->setAutoDefault(false);
    button->setDefault(index == keys_.enterButton);
    connect(button, &QPushButton::clicked, this, [this, index] { onButton_(index); });
    return button;
}

void ModalDialog::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    auto* focused = qobject_cast<QPushButton*>(focusWidget());
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (enter && plain && focused != nullptr && focused->isEnabled()) {
        focused->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ModalDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    PlaceBesidePanel(this);
}

void ModalDialog::CloseDialog() { done(QDialog::Accepted); }

void ModalDialog::reject() {
    if (keys_.escapeButton == layout::kNoButton) {
        QDialog::reject();
    } else {
        onButton_(keys_.escapeButton);
    }
}

}  // namespace velmora
