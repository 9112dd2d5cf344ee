#include "dialogs/MessageBox.h"

#include <QMessageBox>

namespace velmora {

namespace {
MessageBox::Hook& TestHook() {
    static MessageBox::Hook hook;
    return hook;
}
}  // namespace

void MessageBox::SetTestHook(Hook hook) { TestHook() = std::move(hook); }

void MessageBox::Warn(const std::string& text) {
    if (TestHook()) {
        TestHook()(text);
        return;
    }
    QMessageBox box(QMessageBox::Warning, QString::fromUtf8(kTitle), QString::fromStdString(text),
                    QMessageBox::Ok);
    // Above the always-on-top panel, like the dialogs.
    box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    box.exec();
}

}  // namespace velmora
