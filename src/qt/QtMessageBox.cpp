#include "qt/QtMessageBox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>

#include <map>
#include <set>

#include "core/ui/Texts.h"
#include "qt/PlaceBesidePanel.h"

namespace velmora {

namespace {

// Sizes itself as it shows, and is then placed clear of the panel before it maps. A key that is
// held down (or whose release was lost) repeats: only a fresh press answers the box, or a box
// shown again after a failed retry would be answered by the same key again and again.
class PlacedMessageBox : public QMessageBox {
  public:
    template <typename... Args>
    explicit PlacedMessageBox(Args&&... args) : QMessageBox(std::forward<Args>(args)...) {
        qApp->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::KeyPress && type != QEvent::KeyRelease &&
            type != QEvent::ShortcutOverride) {
            return QMessageBox::eventFilter(watched, event);
        }
        // Each key event once, where it first arrives: the box's focus widget.
        QWidget* first = focusWidget() != nullptr ? focusWidget() : this;
        if (watched != first) return QMessageBox::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        const quint32 code = key->nativeScanCode() != 0 ? key->nativeScanCode() : key->key();
        if (type == QEvent::KeyRelease) {
            down_.erase(code);
            releasedAt_[code] = key->timestamp();
            return QMessageBox::eventFilter(watched, event);
        }
        // The X server repeats a key as a release and a press of the same moment, or (detectable
        // auto-repeat) as presses alone.
        const auto released = releasedAt_.find(code);
        const bool repeated = key->isAutoRepeat() || down_.count(code) != 0 ||
                              (key->timestamp() != 0 && released != releasedAt_.end() &&
                               released->second == key->timestamp());
        if (type == QEvent::KeyPress) down_.insert(code);
        return repeated || QMessageBox::eventFilter(watched, event);
    }

  protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);
        PlaceBesidePanel(this);
    }

  private:
    std::set<quint32> down_;
    std::map<quint32, ulong> releasedAt_;
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
