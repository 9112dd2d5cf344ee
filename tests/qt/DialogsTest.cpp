#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "Fakes.h"
#include "ModalHelper.h"
#include "qt/AboutDialog.h"
#include "qt/CompactTextLabel.h"
#include "qt/ItemDialog.h"
#include "qt/ItemListWidget.h"
#include "qt/PanelWindow.h"
#include "qt/QtDialogHost.h"
#include "qt/QtMessageBox.h"
#include "qt/SelectAllLineEdit.h"
#include "qt/SettingsDialog.h"

using namespace velmora;
using namespace velmora::testing;

namespace {

// The Qt panel with the real dialogs; message boxes are answered by a fake.
struct Panel {
    Settings settings;
    FakeScreen screen;
    FakeMessages messages;
    FakeShell shell;
    QtDialogHost dialogs;
    PanelWindow form;
    PanelLogic logic{settings,
                     {form, form.listControl(), screen, form},
                     {messages, shell, dialogs},
                     {PathStyle::Posix, "/opt/velmora/読んで☆.txt", "Qt " QT_VERSION_STR}};
    std::vector<std::string>& shown = messages.shown;

    Panel() {
        logic.Load();
        form.show();
    }

    void EditItem(int row) {
        form.list()->setCurrentRow(row);
        QTest::mouseClick(form.list()->viewport(), Qt::RightButton, {}, QPoint(3, 3));
    }
};

// Types into a text box the way a user does: focus selects all, typing replaces it.
void Retype(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
}

}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void settingsDialogShowsTheCurrentValues() {
        Panel p;
        p.settings = {3, 10, 2, 0};
        bool timerWasOn = true;
        WhenModalOpens<SettingsDialog>([&](SettingsDialog* d) {
            timerWasOn = p.form.timer()->isActive();
            QCOMPARE(d->windowTitle(), QString("設定"));
            QCOMPARE(d->size(), QSize(222, 167));
            QCOMPARE(d->cornerList()->currentText(), QString("左下"));
            QCOMPARE(d->pixelBox()->text(), QString("10"));
            QCOMPARE(d->widthList()->currentText(), QString("2 倍"));
            QCOMPARE(d->pixelBox()->maxLength(), 3);
            QTest::keyClick(d, Qt::Key_Escape);
        });
        QTest::mouseClick(p.form.settingsButton(), Qt::LeftButton);
        QVERIFY(!timerWasOn);
        QVERIFY(p.form.timer()->isActive());
    }

    void refusedPixelEntriesKeepTheDialogOpen() {
        for (const QString entry : {"", "0", "-5", "abc", "0.5", "1e5"}) {
            Panel p;
            bool stillOpen = false, focused = false, allSelected = false;
            WhenModalOpens<SettingsDialog>([&](SettingsDialog* d) {
                Retype(d->pixelBox(), entry);
                d->cornerList()->setCurrentIndex(2);
                QTest::mouseClick(d->updateButton(), Qt::LeftButton);
                stillOpen = d->isVisible();
                focused = d->focusWidget() == d->pixelBox();
                allSelected = d->pixelBox()->selectedText() == d->pixelBox()->text();
                d->reject();
            });
            QTest::mouseClick(p.form.settingsButton(), Qt::LeftButton);
            QCOMPARE(p.shown, std::vector<std::string>{"1～999 の値を入力してください。"});
            QVERIFY(stillOpen);
            QVERIFY(focused);
            QVERIFY(allSelected);
            QCOMPARE(p.settings.CapturePixel, 10);
            QCOMPARE(p.settings.WindowPosition, 0);
        }
    }

    void acceptedEntriesAndWidthChangeApply() {
        for (const auto& [entry, pixels] :
             {std::pair{"1", 1}, {"999", 999}, {"12a", 12}, {"1.5", 2}, {"2.5", 2}}) {
            Panel p;
            WhenModalOpens<SettingsDialog>([&](SettingsDialog* d) {
                Retype(d->pixelBox(), entry);
                QTest::mouseClick(d->updateButton(), Qt::LeftButton);
            });
            QTest::mouseClick(p.form.settingsButton(), Qt::LeftButton);
            QCOMPARE(p.settings.CapturePixel, pixels);
            QVERIFY(p.shown.empty());
        }
        Panel p;
        p.screen.widthTwips = 1280 * 15;
        p.form.move(10, 10);
        WhenModalOpens<SettingsDialog>([&](SettingsDialog* d) {
            d->cornerList()->setCurrentIndex(2);  // corner alone: nothing moves
            QTest::mouseClick(d->updateButton(), Qt::LeftButton);
        });
        QTest::mouseClick(p.form.settingsButton(), Qt::LeftButton);
        QCOMPARE(p.settings.WindowPosition, 2);
        QCOMPARE(p.form.pos(), QPoint(10, 10));
        WhenModalOpens<SettingsDialog>([&](SettingsDialog* d) {
            d->cornerList()->setCurrentIndex(0);
            d->widthList()->setCurrentIndex(4);
            QTest::mouseClick(d->updateButton(), Qt::LeftButton);
        });
        QTest::mouseClick(p.form.settingsButton(), Qt::LeftButton);
        QCOMPARE(p.form.width(), 519);
        QCOMPARE(p.form.pos(), QPoint(1280 - 519, 0));
    }

    void enterDoesNotConfirmAndCancelChangesNothing() {
        Panel p;
        bool openAfterEnter = false;
        WhenModalOpens<SettingsDialog>([&](SettingsDialog* d) {
            Retype(d->pixelBox(), "55");
            d->widthList()->setCurrentIndex(3);
            QTest::keyClick(d->pixelBox(), Qt::Key_Return);
            openAfterEnter = d->isVisible();
            QTest::mouseClick(d->abortButton(), Qt::LeftButton);
        });
        QTest::mouseClick(p.form.settingsButton(), Qt::LeftButton);
        QVERIFY(openAfterEnter);
        QCOMPARE(p.settings.CapturePixel, 10);
        QCOMPARE(p.settings.WindowWidth, 0);
        QCOMPARE(p.form.width(), 173);
    }

    void itemDialogChangesTheSelectedItem() {
        Panel p;
        p.logic.AppendItem("a", "/a");
        bool timerWasOn = true;
        WhenModalOpens<ItemDialog>([&](ItemDialog* d) {
            timerWasOn = p.form.timer()->isActive();
            QCOMPARE(d->windowTitle(), QString("情報変更"));
            QCOMPARE(d->labelBox()->text(), QString("a"));
            QCOMPARE(d->targetBox()->text(), QString("/a"));
            QVERIFY(d->targetBox()->isEnabled());
            Retype(d->labelBox(), "renamed");
            Retype(d->targetBox(), "/b c");
            QTest::keyClick(d->targetBox(), Qt::Key_Return);  // Enter is "変更(&U)"
        });
        p.EditItem(0);
        QVERIFY(!timerWasOn);
        QVERIFY(p.form.timer()->isActive());
        QCOMPARE(p.form.list()->item(0)->text(), QString("renamed"));
        QCOMPARE(p.logic.TargetList().Text(0), std::string("/b c"));
    }

    // Enter on a focused button clicks that button: a cancel never turns into an apply.
    void enterClicksTheFocusedButton() {
        Panel p;
        p.logic.AppendItem("a", "/a");
        WhenModalOpens<ItemDialog>([&](ItemDialog* d) {
            Retype(d->labelBox(), "renamed");
            d->abortButton()->setFocus();
            QTest::keyClick(d->abortButton(), Qt::Key_Return);
        });
        p.EditItem(0);
        QCOMPARE(p.form.list()->item(0)->text(), QString("a"));
        WhenModalOpens<ItemDialog>([&](ItemDialog* d) {
            d->duplicateButton()->setFocus();
            QTest::keyClick(d->duplicateButton(), Qt::Key_Enter, Qt::KeypadModifier);
        });
        p.EditItem(0);
        QCOMPARE(p.form.list()->count(), 2);
        QCOMPARE(p.form.list()->item(1)->text(), QString("a"));
    }

    void itemDialogValidatesLabelFirst() {
        Panel p;
        p.logic.AppendItem("a", "/a");
        bool stillOpen = false;
        QString focusedBox;
        WhenModalOpens<ItemDialog>([&](ItemDialog* d) {
            Retype(d->labelBox(), "");
            Retype(d->targetBox(), "");
            QTest::mouseClick(d->changeButton(), Qt::LeftButton);
            stillOpen = d->isVisible();
            focusedBox = d->focusWidget() == d->labelBox() ? "label" : "other";
            QTest::keyClick(d, Qt::Key_Escape);
        });
        p.EditItem(0);
        QVERIFY(stillOpen);
        QCOMPARE(focusedBox, QString("label"));
        QCOMPARE(p.shown, std::vector<std::string>{"表示ラベルは空に出来ません。"});
        QCOMPARE(p.form.list()->item(0)->text(), QString("a"));
    }

    void separatorTargetIsDisabledAndDuplicateCopiesTheStoredItem() {
        Panel p;
        p.logic.AppendItem("--------------------", "");
        p.logic.AppendItem("x", "/x");
        WhenModalOpens<ItemDialog>([&](ItemDialog* d) {
            QVERIFY(!d->targetBox()->isEnabled());
            QVERIFY(d->targetBox()->isReadOnly());
            QCOMPARE(d->targetBox()->palette().color(QPalette::Disabled, QPalette::Base),
                     d->palette().color(QPalette::Window));
            Retype(d->labelBox(), "== tools ==");
            QTest::mouseClick(d->changeButton(), Qt::LeftButton);
        });
        p.EditItem(0);
        QCOMPARE(p.form.list()->item(0)->text(), QString("== tools =="));
        QCOMPARE(p.logic.TargetList().Text(0), std::string());
        QVERIFY(p.shown.empty());

        WhenModalOpens<ItemDialog>([&](ItemDialog* d) {
            QVERIFY(d->targetBox()->isEnabled());  // a fresh dialog each time
            Retype(d->labelBox(), "typed");
            Retype(d->targetBox(), "/typed");
            QTest::mouseClick(d->duplicateButton(), Qt::LeftButton);
        });
        p.EditItem(1);
        QCOMPARE(p.form.list()->count(), 3);
        QCOMPARE(p.form.list()->item(1)->text(), QString("x"));
        QCOMPARE(p.form.list()->item(2)->text(), QString("x"));
        QCOMPARE(p.logic.TargetList().Text(2), std::string("/x"));
    }

    void aboutWindowTextsAndReadme() {
        Panel p;
        bool timerWasOn = true;
        WhenModalOpens<AboutDialog>([&](AboutDialog* d) {
            timerWasOn = p.form.timer()->isActive();
            QCOMPARE(d->windowTitle(), QString("バージョン情報"));
            QCOMPARE(d->size(), QSize(305, 270));
            QCOMPARE(d->titleLine()->text(), QString("Velmora Ver 1.00 (2007/08/01)"));
            const QStringList description = d->description()->text().split('\n');
            QCOMPARE(description.size(), 4);
            QVERIFY(description[1].isEmpty());
            QVERIFY(description[3].contains("読んで☆.txt"));
            const QString credits = d->credits()->toPlainText();
            QCOMPARE(credits.split('\n').size(), 5);
            QVERIFY(credits.split('\n')[2].isEmpty());
            QVERIFY(credits.startsWith("開発環境：Qt "));
            QVERIFY(!credits.endsWith('\n'));
            QVERIFY(d->credits()->isReadOnly());
            QCOMPARE(d->focusWidget(), d->backButton());
            QTest::mouseDClick(d->description(), Qt::LeftButton);
            QVERIFY(d->isVisible());
            QTest::keyClick(d, Qt::Key_Return);
        });
        QTest::mouseClick(p.form.aboutButton(), Qt::LeftButton);
        QVERIFY(!timerWasOn);
        QVERIFY(p.form.timer()->isActive());
        QCOMPARE(p.shell.calls.size(), size_t(1));
        QCOMPARE(p.shell.calls[0].file, std::string("/opt/velmora/読んで☆.txt"));
        QVERIFY(p.shown.empty());

        WhenModalOpens<AboutDialog>([&](AboutDialog* d) { QTest::keyClick(d, Qt::Key_Escape); });
        QTest::mouseClick(p.form.aboutButton(), Qt::LeftButton);
        QVERIFY(p.form.timer()->isActive());
    }

    // A key held down (or whose release never came) repeats: the repeats must not answer the
    // box, nor the box shown again after a retry that failed once more. The X server repeats a
    // key as a release and a press of the same moment; the toolkit may flag repeats itself.
    void messageBoxesAnswerOnlyAFreshKeyPress() {
        QtMessageBox messages;
        bool stayedOpen = false;
        const auto send = [](QWidget* target, QEvent::Type type, Qt::Key key, ulong time,
                             bool flagged) {
            QKeyEvent event(type, key, Qt::NoModifier, QString(), flagged);
            event.setTimestamp(time);
            QApplication::sendEvent(target, &event);
        };
        // Repeats of a held key, then as long as a button's click takes to land, then the key's
        // release and a fresh press.
        const auto holdThen = [&](Qt::Key held, bool flagged, Qt::Key fresh) {
            WhenModalOpens<QMessageBox>(
                [&stayedOpen, &send, held, flagged, fresh](QMessageBox* box) {
                    QWidget* target = box->focusWidget() != nullptr ? box->focusWidget() : box;
                    for (ulong time = 100; time < 400; time += 100) {
                        if (!flagged) send(target, QEvent::KeyRelease, held, time, false);
                        send(target, QEvent::KeyPress, held, time, flagged);
                    }
                    QTest::qWait(300);
                    stayedOpen = box->isVisible();
                    send(target, QEvent::KeyRelease, held, 900, false);
                    if (stayedOpen) QTest::keyClick(target, fresh);
                });
        };
        holdThen(Qt::Key_Return, false, Qt::Key_Escape);
        QVERIFY(!messages.AskRetry("保存できませんでした。"));
        QVERIFY(stayedOpen);
        holdThen(Qt::Key_Escape, true, Qt::Key_Return);
        QVERIFY(messages.AskRetry("保存できませんでした。"));
        QVERIFY(stayedOpen);
        holdThen(Qt::Key_Return, false, Qt::Key_Return);
        messages.Warn("設定ファイルに書き込めません。");
        QVERIFY(stayedOpen);
    }
};

QTEST_MAIN(DialogsTest)
#include "DialogsTest.moc"
