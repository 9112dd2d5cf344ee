#include "qt/QtMessageBox.h"

#include <QMessageBox>
#include <QPushButton>

#include "core/ui/Texts.h"
#include "qt/PlaceBesidePanel.h"

namespace velmora {

namespace {

// Sizes itself as it shows, and is then placed clear of the panel before it maps.
class PlacedMessageBox : public QMessageBox {
  public:
    using QMessageBox::QMessageBox;

  protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);
        PlaceBesidePanel(this);
    }
};

}  // namespace

void QtMessageBox::Warn(const std::string& text) {
    PlacedMessageBox box(QMessageBox::Warning, QString::fromUtf8(texts::kMessageTitle),
                         QString::fromStdString(text), QMessageBox::Ok);
    // Above the always-on-top panel, like the dialogs.
    box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    box.exec();
}

bool QtMessageBox::AskRetry(const std::string& text) {
    PlacedMessageBox box(QMessageBox::Warning, QString::fromUtf8(texts::kMessageTitle),
                         QString::fromStdString(text));
    QPushButton* retry =
        box.addButton(QString::fromUtf8(texts::kRetryButton), QMessageBox::AcceptRole);
    QPushButton* cancel =
        box.addButton(QString::fromUtf8(texts::kCancelButton), QMessageBox::RejectRole);
    box.setDefaultButton(retry);
    box.setEscapeButton(cancel);
    box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    box.exec();
    return box.clickedButton() == retry;
}

}  // namespace velmora
