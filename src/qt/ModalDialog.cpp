#include "qt/ModalDialog.h"

#include <QPushButton>

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

void ModalDialog::CloseDialog() { done(QDialog::Accepted); }

void ModalDialog::reject() {
    if (keys_.escapeButton == layout::kNoButton) {
        QDialog::reject();
    } else {
        onButton_(keys_.escapeButton);
    }
}

}  // namespace velmora
