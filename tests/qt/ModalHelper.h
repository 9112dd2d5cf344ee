#pragma once

#include <functional>

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <QWidget>

namespace velmora::testing {

// Runs `act` on the next modal dialog once it is open and active (polling with a deadline), so
// a test can drive a dialog whose exec() blocks the code that opened it. A dialog that a failed
// check left open is closed, so the test ends instead of waiting forever.
template <typename Dialog>
void WhenModalOpens(std::function<void(Dialog*)> act) {
    auto* clock = new QElapsedTimer;
    clock->start();
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, clock, act] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        const bool ready = dialog != nullptr && dialog->isActiveWindow();
        if (!ready && clock->elapsed() < 5000) return;
        poll->stop();
        poll->deleteLater();
        delete clock;
        if (dialog == nullptr) {
            qWarning("no modal dialog opened");
            return;
        }
        act(dialog);
        if (QTest::currentTestFailed() && dialog->isVisible()) dialog->reject();
    });
    poll->start();
}

}  // namespace velmora::testing
