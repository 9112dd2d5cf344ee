#include "qt/QtMessageBox.h"

#include <QMessageBox>

#include "core/ui/Texts.h"

namespace velmora {

void QtMessageBox::Warn(const std::string& text) {
    QMessageBox box(QMessageBox::Warning, QString::fromUtf8(texts::kMessageTitle),
                    QString::fromStdString(text), QMessageBox::Ok);
    // Above the always-on-top panel, like the dialogs.
    box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    box.exec();
}

}  // namespace velmora
