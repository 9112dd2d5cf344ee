#include <functional>
#include <memory>

#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QToolTip>
#include <QUrl>

#include "Fakes.h"
#include "PanelFixture.h"
#include "qt/ArgumentLabel.h"
#include "qt/CompactTextLabel.h"
#include "qt/EdgeStrip.h"
#include "qt/ItemListWidget.h"
#include "qt/PanelWindow.h"
#include "qt/StripInputForwarder.h"

using namespace velmora;
using namespace velmora::testing;

namespace {

// A drag entering `target` and dropped there; `meanwhile` runs between the two.
void Drop(QWidget* target, QMimeData* mime, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
          const std::function<void()>& meanwhile = {}) {
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, mime, Qt::LeftButton, modifiers);
    QCoreApplication::sendEvent(target, &enter);
    if (meanwhile) meanwhile();
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, mime, Qt::LeftButton, modifiers);
    QCoreApplication::sendEvent(target, &drop);
    QVERIFY(drop.isAccepted());  // the drop is over before anything comes of it
    QCoreApplication::processEvents();
}

void Drop(QWidget* target, std::unique_ptr<QMimeData> mime,
          Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    Drop(target, mime.get(), modifiers);
}

std::unique_ptr<QMimeData> Files(const QStringList& paths) {
    auto mime = std::make_unique<QMimeData>();
    QList<QUrl> urls;
    QString text;
    for (const QString& p : paths) {
        urls << QUrl::fromLocalFile(p);
        text += QUrl::fromLocalFile(p).toString() + "\n";
    }
    mime->setUrls(urls);
    mime->setText(text);  // as X11 file drags offer them
    return mime;
}

// A file drag's source that answers or does not (its file list is offered throughout, as the
// type list comes with the drag).
class SlowSource : public QMimeData {
  public:
    SlowSource(const QString& path, bool answering)
        : answering(answering), list_(QUrl::fromLocalFile(path).toEncoded() + "\r\n") {}
    QStringList formats() const override { return {"text/uri-list"}; }
    bool hasFormat(const QString& type) const override { return type == "text/uri-list"; }
    bool answering;

  protected:
    QVariant retrieveData(const QString& type, QMetaType) const override {
        return type == "text/uri-list" && answering ? QVariant(list_) : QVariant();
    }

  private:
    QByteArray list_;
};

// A file dragged onto `target`, its source answering as the drag enters or only at the drop.
void DropFromSlowSource(QWidget* target, const QString& path, bool answersAsItEnters) {
    SlowSource source(path, answersAsItEnters);
    Drop(target, &source, Qt::NoModifier, [&] { source.answering = !answersAsItEnters; });
}

std::unique_ptr<QMimeData> Text(const QString& text) {
    auto mime = std::make_unique<QMimeData>();
    mime->setText(text);
    return mime;
}

}  // namespace

class PanelWindowTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void layoutFollowsTheDesignInPixels() {
        Panel p;
        QCOMPARE(p.form.size(), QSize(173, 449));
        QVERIFY(p.form.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(p.form.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY((p.form.windowFlags() & Qt::Tool) == Qt::Tool);
        QCOMPARE(p.form.list()->geometry(), QRect(4, 44, 165, 355));
        QCOMPARE(p.form.exitButton()->text(), QString("終了(&E)"));
        QCOMPARE(p.form.settingsButton()->text(), QString("設定(&C)"));
        QCOMPARE(p.form.separatorButton()->text(), QString("空白(&S)"));
        QCOMPARE(p.form.aboutButton()->text(), QString("？"));
        QCOMPARE(p.form.argumentLabel()->text(), QString("引数 D&D"));
        QCOMPARE(p.form.keyHelpLabel()->text(),
                 QString("削除： DEL キー\n上へ： Alt+↑\n下へ： Alt+↓"));
        QCOMPARE(p.form.keyHelpLabel()->geometry(), QRect(4, 400, 165, 45));
        QVERIFY(!p.form.argumentLabel()->font().bold());
        QCOMPARE(
            p.form.argumentLabel()->toolTip(),
            QString(
                "ここにファイルやテキストをドラッグ＆ドロップすると、次回だけの引数に出来ます。"));
        QCOMPARE(p.form.timer()->interval(), 250);
        QVERIFY(p.form.timer()->isActive());
        QCOMPARE(p.logic.BaseWidth(), 2595);
        QCOMPARE(p.logic.BaseListWidth(), 2475);
    }

    void widthFactorsStretchOnlyTheListAndLines() {
        Panel p;
        const QRect buttonBefore = p.form.settingsButton()->geometry();
        for (const auto& [factor, panel, list] :
             {std::tuple{2, 346, 338}, {4, 519, 511}, {1, 260, 252}, {0, 173, 165}}) {
            p.settings.WindowWidth = factor;
            p.logic.ChangeWindowWidth();
            QCOMPARE(p.form.width(), panel);
            QCOMPARE(p.form.height(), 449);
            QCOMPARE(p.form.list()->width(), list);
            QCOMPARE(p.form.borderX(), (panel - 1) * 15.0);
            QCOMPARE(p.form.settingsButton()->geometry(), buttonBefore);
        }
    }

    void tickShowsThePanelInItsCornerAndHidesIt() {
        Panel p;
        p.screen.widthTwips = 1280 * 15;
        p.screen.heightTwips = 800 * 15;
        p.screen.x = 1275;
        p.logic.Tick();
        QVERIFY(p.form.isVisible());
        QCOMPARE(p.form.pos(), QPoint(1280 - 173, 0));
        p.screen.x = 100;
        p.logic.Tick();
        QVERIFY(!p.form.isVisible());
        p.settings.WindowPosition = 3;
        p.screen.x = 3;
        p.logic.Tick();
        QCOMPARE(p.form.pos(), QPoint(0, 800 - 449));
    }

    void filesDroppedOnTheListBecomeItemsTextDoesNot() {
        Panel p;
        Drop(p.form.list()->viewport(), Files({"/usr/bin/env", "/home/me/My Music/"}));
        QCOMPARE(p.Labels(), QStringList({"env", "My Music"}));
        QCOMPARE(p.logic.TargetList().Text(1), std::string("/home/me/My Music/"));
        Drop(p.form.list()->viewport(), Text("plain text"));
        QCOMPARE(p.form.list()->count(), 2);
    }

    void dropsOnTheArgumentLabelArmExtendAndDisarm() {
        Panel p;
        Drop(p.form.argumentLabel(), Files({"/tmp/a.txt", "/tmp/My Docs/b.txt"}));
        QVERIFY(p.form.argumentLabel()->font().bold());
        QCOMPARE(p.form.argumentLabel()->toolTip(), QString("/tmp/a.txt '/tmp/My Docs/b.txt'"));
        Drop(p.form.argumentLabel(), Text("-v"), Qt::ControlModifier);
        QCOMPARE(p.logic.OneShotArgs(), std::string("/tmp/a.txt '/tmp/My Docs/b.txt' -v"));
        Drop(p.form.argumentLabel(), Text("-w"), Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(p.logic.OneShotArgs(), std::string("-w"));
        QTest::mouseDClick(p.form.argumentLabel(), Qt::LeftButton);
        QVERIFY(!p.logic.HasOneShotArgs());
        QVERIFY(!p.form.argumentLabel()->font().bold());
    }

    // What a drag carries is read as it enters: a source that no longer answers once the button
    // goes up (a Wayland compositor busy drawing the drop's end) still drops its file, on the list
    // and on the label; one that answers only at the drop is read then.
    void aDropCarriesWhatTheDragCarriedAsItEntered() {
        Panel p;
        DropFromSlowSource(p.form.list()->viewport(), "/usr/bin/env", true);
        QCOMPARE(p.Labels(), QStringList({"env"}));
        DropFromSlowSource(p.form.argumentLabel(), "/tmp/a.txt", true);
        QCOMPARE(p.logic.OneShotArgs(), std::string("/tmp/a.txt"));
        DropFromSlowSource(p.form.list()->viewport(), "/usr/bin/true", false);
        QCOMPARE(p.Labels(), QStringList({"env", "true"}));
    }

    // A tooltip is a window of its own, which would come between a lingering drag and the panel.
    void noTooltipComesUnderADrag() {
        Panel p;
        QWidget* label = p.form.argumentLabel();
        const auto hover = [label] {
            QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), label->mapToGlobal(QPoint(5, 5)));
            QCoreApplication::sendEvent(label, &help);
            return QToolTip::isVisible();
        };
        QVERIFY(hover());  // the label's help
        const auto mime = Files({"/tmp/a.txt"});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, mime.get(), Qt::LeftButton, {});
        QCoreApplication::sendEvent(label, &enter);
        QVERIFY2(!QToolTip::isVisible(), "the tooltip there is gone at once");
        QVERIFY(!hover());
        QDragLeaveEvent leave;
        QCoreApplication::sendEvent(label, &leave);
        QVERIFY(hover());
    }

    void keysActOnReleaseWithTheWholeModifierMask() {
        Panel p;
        p.Add("a", "/a");
        p.Add("b", "/b");
        p.Add("c", "/c");
        p.form.show();
        p.form.list()->setCurrentRow(0);
        QTest::keyClick(p.form.list(), Qt::Key_Down, Qt::AltModifier);
        QCOMPARE(p.Labels(), QStringList({"b", "a", "c"}));
        QCOMPARE(p.form.list()->currentRow(), 1);
        QCOMPARE(p.form.list()->toolTip(), QString("/a"));
        QTest::keyClick(p.form.list(), Qt::Key_Up, Qt::AltModifier | Qt::ShiftModifier);
        QCOMPARE(p.Labels(), QStringList({"b", "a", "c"}));
        QTest::keyClick(p.form.list(), Qt::Key_Delete, Qt::ShiftModifier);
        QTest::keyClick(p.form.list(), Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(p.form.list()->count(), 3);
        QTest::keyClick(p.form.list(), Qt::Key_Delete);
        QCOMPARE(p.Labels(), QStringList({"b", "c"}));
        QVERIFY(p.form.list()->selectedItems().isEmpty());
        QCOMPARE(p.logic.TargetList().Text(1), std::string("/c"));
        // A held key repeats its press, but only the real release acts.
        p.form.list()->setCurrentRow(0);
        QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_Delete, Qt::NoModifier, QString(), true);
        QCoreApplication::sendEvent(p.form.list(), &repeat);
        QCOMPARE(p.form.list()->count(), 2);
    }

    void separatorButtonInsertsAboveTheSelection() {
        Panel p;
        p.Add("a", "/a");
        QTest::mouseClick(p.form.separatorButton(), Qt::LeftButton);
        p.form.list()->setCurrentRow(0);
        QTest::mouseClick(p.form.separatorButton(), Qt::LeftButton);
        QCOMPARE(p.Labels(), QStringList({"--------------------", "a", "--------------------"}));
    }

    void doubleClickLaunchesTheSelectedItem() {
        Panel p;
        p.Add("sep", "");
        p.Add("env", "\"/usr/bin/env\" -i");
        p.form.show();
        p.form.list()->setCurrentRow(0);
        QTest::mouseDClick(p.form.list()->viewport(), Qt::LeftButton, {}, QPoint(2, 2));
        QVERIFY(p.shell.calls.empty());
        QVERIFY(p.form.isVisible());
        p.form.list()->setCurrentRow(1);
        QTest::mouseDClick(p.form.list()->viewport(), Qt::LeftButton, {}, QPoint(2, 100));
        QCOMPARE(p.shell.calls.size(), size_t(1));
        QCOMPARE(p.shell.calls[0].file, std::string("\"/usr/bin/env\""));
        QCOMPARE(p.shell.calls[0].parameters, std::string("-i"));
        QCOMPARE(p.shell.calls[0].directory, std::string("\"/usr/bin/"));
        QVERIFY(!p.form.isVisible());
    }

    void rightClickKeepsTheSelectionAndEditsTheSelectedItem() {
        Panel p;
        p.Add("a", "/a");
        p.Add("b", "/b");
        p.form.show();
        p.form.list()->setCurrentRow(0);
        const QPoint overB = p.form.list()->visualItemRect(p.form.list()->item(1)).center();
        QTest::mouseClick(p.form.list()->viewport(), Qt::RightButton, Qt::ShiftModifier, overB);
        QVERIFY(p.dialogs.shownLabel.empty());
        QTest::mouseClick(p.form.list()->viewport(), Qt::RightButton, {}, overB);
        QCOMPARE(p.form.list()->currentRow(), 0);
        QCOMPARE(p.dialogs.shownLabel, std::string("a"));
        QCOMPARE(p.dialogs.timerWhileOpen, std::vector<bool>{false});
        QVERIFY(p.form.timer()->isActive());
    }

    // In a Wayland session the X server's pointer may be parked on the strip while the user's
    // rests over the panel: what the user does there comes to the strip at the parked point and
    // goes to the panel's control under the user's pointer, until the pointer moves or the panel
    // hides.
    void inputAtTheParkedPointGoesToThePanelUnderTheUsersPointer() {
        Panel p;
        for (int i = 0; i < 40; ++i) p.Add("env", "/usr/bin/env");
        p.form.move(1107, 0);
        p.form.show();
        EdgeStrip strip;
        strip.Place(QRect(1270, 0, 10, 800));
        StripInputForwarder forwarder(strip, p.form);
        const QPoint parked(1275, 481);
        const QPoint onStrip = strip.mapFromGlobal(parked);
        const auto moveTo = [&](QPoint local) {
            QMouseEvent move(QEvent::MouseMove, local, strip.mapToGlobal(local), Qt::NoButton,
                             Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(&strip, &move);
        };
        const auto park = [&](QWidget* over, QPoint local) {
            forwarder.Park(over->mapToGlobal(local), parked);
            moveTo(onStrip);  // the parking's own move
        };
        QListWidget* list = p.form.list();
        park(list->viewport(), QPoint(2, 1));
        QWheelEvent wheel(onStrip, parked, {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&strip, &wheel);
        QVERIFY2(list->verticalScrollBar()->value() > 0, "the wheel scrolls the list");
        list->scrollToTop();
        // A click on the separator button, then, the pointer moved, the strip's own.
        QWidget* separator = p.form.separatorButton();
        park(separator, separator->rect().center());
        QTest::mouseClick(&strip, Qt::LeftButton, {}, onStrip);
        QCOMPARE(list->count(), 41);
        moveTo(onStrip + QPoint(0, 100));
        QTest::mouseClick(&strip, Qt::LeftButton, {}, onStrip);
        QCOMPARE(list->count(), 41);
        // Parked again and the panel hidden and shown: nothing is handed on either.
        park(separator, separator->rect().center());
        p.form.hide();
        p.form.show();
        QTest::mouseClick(&strip, Qt::LeftButton, {}, onStrip);
        QCOMPARE(list->count(), 41);
        // A double click launches the item under the user's pointer.
        park(list->viewport(), list->visualItemRect(list->item(3)).center());
        QTest::mouseDClick(&strip, Qt::LeftButton, {}, onStrip);
        QCOMPARE(p.shell.calls.size(), size_t(1));
        QCOMPARE(list->currentRow(), 3);
    }

    void exitButtonUnloadsOnce() {
        Panel p;
        int unloads = 0;
        p.logic.onUnload = [&] { ++unloads; };
        p.form.show();
        QTest::mouseClick(p.form.exitButton(), Qt::LeftButton);
        p.form.close();
        QCOMPARE(unloads, 1);
        QVERIFY(!p.form.timer()->isActive());
    }
};

QTEST_MAIN(PanelWindowTest)
#include "PanelWindowTest.moc"
