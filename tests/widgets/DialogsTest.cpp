#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "Fakes.h"
#include "ModalHelper.h"
#include "dialogs/FormChangeItemInfo.h"
#include "dialogs/FormConfig.h"
#include "dialogs/FormQuestion.h"
#include "dialogs/MessageBox.h"
#include "dialogs/QtDialogHost.h"
#include "dialogs/SelectAllLineEdit.h"
#include "launcher/FormMain.h"
#include "launcher/ItemListWidget.h"

using namespace velmora;
using namespace velmora::testing;

namespace {

// The panel with the real dialogs; message boxes are answered by the test hook.
struct Panel {
    Settings settings;
    FakeScreen screen;
    MessageBox messages;
    FakeShell shell;
    QtDialogHost dialogs{messages, shell, "/opt/velmora/"};
    FormMain form{settings, screen, messages, shell, dialogs, PathStyle::Posix};
    std::vector<std::string> shown;

    Panel() {
        MessageBox::SetTestHook([this](const std::string& text) { shown.push_back(text); });
        form.show();
    }
    ~Panel() { MessageBox::SetTestHook({}); }

    void EditItem(int row) {
        form.list1()->setCurrentRow(row);
        QTest::mouseClick(form.list1()->viewport(), Qt::RightButton, {}, QPoint(3, 3));
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
        WhenModalOpens<FormConfig>([&](FormConfig* d) {
            timerWasOn = p.form.timer1()->isActive();
            QCOMPARE(d->windowTitle(), QString("設定"));
            QCOMPARE(d->size(), QSize(222, 167));
            QCOMPARE(d->combo1(0)->currentText(), QString("左下"));
            QCOMPARE(d->text1()->text(), QString("10"));
            QCOMPARE(d->combo1(1)->currentText(), QString("2 倍"));
            QCOMPARE(d->text1()->maxLength(), 3);
            QTest::keyClick(d, Qt::Key_Escape);
        });
        QTest::mouseClick(p.form.command1(1), Qt::LeftButton);
        QVERIFY(!timerWasOn);
        QVERIFY(p.form.timer1()->isActive());
    }

    void refusedPixelEntriesKeepTheDialogOpen() {
        for (const QString entry : {"", "0", "-5", "abc", "0.5"}) {
            Panel p;
            bool stillOpen = false, focused = false, allSelected = false;
            WhenModalOpens<FormConfig>([&](FormConfig* d) {
                Retype(d->text1(), entry);
                d->combo1(0)->setCurrentIndex(2);
                QTest::mouseClick(d->command1(0), Qt::LeftButton);
                stillOpen = d->isVisible();
                focused = d->focusWidget() == d->text1();
                allSelected = d->text1()->selectedText() == d->text1()->text();
                d->reject();
            });
            QTest::mouseClick(p.form.command1(1), Qt::LeftButton);
            QCOMPARE(p.shown, std::vector<std::string>{"1～999 の値を入力してください。"});
            QVERIFY(stillOpen);
            QVERIFY(focused);
            QVERIFY(allSelected);
            QCOMPARE(p.settings.CapturePixel, 10);
            QCOMPARE(p.settings.WindowPosition, 0);
        }
    }

    void acceptedEntriesAndWidthChangeApply() {
        for (const auto& [entry, pixels] : {std::pair{"1", 1}, {"999", 999}, {"12a", 12}, {"1.5", 2}, {"2.5", 2}}) {
            Panel p;
            WhenModalOpens<FormConfig>([&](FormConfig* d) {
                Retype(d->text1(), entry);
                QTest::mouseClick(d->command1(0), Qt::LeftButton);
            });
            QTest::mouseClick(p.form.command1(1), Qt::LeftButton);
            QCOMPARE(p.settings.CapturePixel, pixels);
            QVERIFY(p.shown.empty());
        }
        Panel p;
        p.screen.widthTwips = 1280 * 15;
        p.form.move(10, 10);
        WhenModalOpens<FormConfig>([&](FormConfig* d) {
            d->combo1(0)->setCurrentIndex(2);  // corner alone: nothing moves
            QTest::mouseClick(d->command1(0), Qt::LeftButton);
        });
        QTest::mouseClick(p.form.command1(1), Qt::LeftButton);
        QCOMPARE(p.settings.WindowPosition, 2);
        QCOMPARE(p.form.pos(), QPoint(10, 10));
        WhenModalOpens<FormConfig>([&](FormConfig* d) {
            d->combo1(0)->setCurrentIndex(0);
            d->combo1(1)->setCurrentIndex(4);
            QTest::mouseClick(d->command1(0), Qt::LeftButton);
        });
        QTest::mouseClick(p.form.command1(1), Qt::LeftButton);
        QCOMPARE(p.form.width(), 519);
        QCOMPARE(p.form.pos(), QPoint(1280 - 519, 0));
    }

    void enterDoesNotConfirmAndCancelChangesNothing() {
        Panel p;
        bool openAfterEnter = false;
        WhenModalOpens<FormConfig>([&](FormConfig* d) {
            Retype(d->text1(), "55");
            d->combo1(1)->setCurrentIndex(3);
            QTest::keyClick(d->text1(), Qt::Key_Return);
            openAfterEnter = d->isVisible();
            QTest::mouseClick(d->command1(1), Qt::LeftButton);
        });
        QTest::mouseClick(p.form.command1(1), Qt::LeftButton);
        QVERIFY(openAfterEnter);
        QCOMPARE(p.settings.CapturePixel, 10);
        QCOMPARE(p.settings.WindowWidth, 0);
        QCOMPARE(p.form.width(), 173);
    }

    void itemDialogChangesTheSelectedItem() {
        Panel p;
        p.form.logic().AppendItem("a", "/a");
        bool timerWasOn = true;
        WhenModalOpens<FormChangeItemInfo>([&](FormChangeItemInfo* d) {
            timerWasOn = p.form.timer1()->isActive();
            QCOMPARE(d->windowTitle(), QString("情報変更"));
            QCOMPARE(d->text1(0)->text(), QString("a"));
            QCOMPARE(d->text1(1)->text(), QString("/a"));
            QVERIFY(d->text1(1)->isEnabled());
            Retype(d->text1(0), "renamed");
            Retype(d->text1(1), "/b c");
            QTest::keyClick(d->text1(1), Qt::Key_Return);  // Enter is "変更(&U)"
        });
        p.EditItem(0);
        QVERIFY(!timerWasOn);
        QVERIFY(p.form.timer1()->isActive());
        QCOMPARE(p.form.list1()->item(0)->text(), QString("renamed"));
        QCOMPARE(p.form.list2().Text(0), std::string("/b c"));
    }

    void itemDialogValidatesLabelFirst() {
        Panel p;
        p.form.logic().AppendItem("a", "/a");
        bool stillOpen = false;
        QString focusedBox;
        WhenModalOpens<FormChangeItemInfo>([&](FormChangeItemInfo* d) {
            Retype(d->text1(0), "");
            Retype(d->text1(1), "");
            QTest::mouseClick(d->command1(0), Qt::LeftButton);
            stillOpen = d->isVisible();
            focusedBox = d->focusWidget() == d->text1(0) ? "label" : "other";
            QTest::keyClick(d, Qt::Key_Escape);
        });
        p.EditItem(0);
        QVERIFY(stillOpen);
        QCOMPARE(focusedBox, QString("label"));
        QCOMPARE(p.shown, std::vector<std::string>{"表示ラベルは空に出来ません。"});
        QCOMPARE(p.form.list1()->item(0)->text(), QString("a"));
    }

    void separatorTargetIsDisabledAndDuplicateCopiesTheStoredItem() {
        Panel p;
        p.form.logic().AppendItem("--------------------", "");
        p.form.logic().AppendItem("x", "/x");
        WhenModalOpens<FormChangeItemInfo>([&](FormChangeItemInfo* d) {
            QVERIFY(!d->text1(1)->isEnabled());
            QVERIFY(d->text1(1)->isReadOnly());
            QCOMPARE(d->text1(1)->palette().color(QPalette::Disabled, QPalette::Base),
                     d->palette().color(QPalette::Window));
            Retype(d->text1(0), "== tools ==");
            QTest::mouseClick(d->command1(0), Qt::LeftButton);
        });
        p.EditItem(0);
        QCOMPARE(p.form.list1()->item(0)->text(), QString("== tools =="));
        QCOMPARE(p.form.list2().Text(0), std::string());
        QVERIFY(p.shown.empty());

        WhenModalOpens<FormChangeItemInfo>([&](FormChangeItemInfo* d) {
            QVERIFY(d->text1(1)->isEnabled());  // a fresh dialog each time
            Retype(d->text1(0), "typed");
            Retype(d->text1(1), "/typed");
            QTest::mouseClick(d->command1(2), Qt::LeftButton);
        });
        p.EditItem(1);
        QCOMPARE(p.form.list1()->count(), 3);
        QCOMPARE(p.form.list1()->item(1)->text(), QString("x"));
        QCOMPARE(p.form.list1()->item(2)->text(), QString("x"));
        QCOMPARE(p.form.list2().Text(2), std::string("/x"));
    }

    void aboutWindowTextsAndReadme() {
        Panel p;
        bool timerWasOn = true;
        WhenModalOpens<FormQuestion>([&](FormQuestion* d) {
            timerWasOn = p.form.timer1()->isActive();
            QCOMPARE(d->windowTitle(), QString("バージョン情報"));
            QCOMPARE(d->size(), QSize(305, 270));
            QCOMPARE(d->label1()->text(), QString("Velmora Ver 1.00 (2007/08/01)"));
            const QStringList description = d->label4()->text().split('\n');
            QCOMPARE(description.size(), 4);
            QVERIFY(description[1].isEmpty());
            QVERIFY(description[3].contains("読んで☆.txt"));
            const QString credits = d->text1()->toPlainText();
            QCOMPARE(credits.split('\n').size(), 5);
            QVERIFY(credits.split('\n')[2].isEmpty());
            QVERIFY(credits.startsWith("開発環境：Qt "));
            QVERIFY(!credits.endsWith('\n'));
            QVERIFY(d->text1()->isReadOnly());
            QCOMPARE(d->focusWidget(), d->command1());
            QTest::mouseDClick(d->label4(), Qt::LeftButton);
            QVERIFY(d->isVisible());
            QTest::keyClick(d, Qt::Key_Return);
        });
        QTest::mouseClick(p.form.command2(), Qt::LeftButton);
        QVERIFY(!timerWasOn);
        QVERIFY(p.form.timer1()->isActive());
        QCOMPARE(p.shell.calls.size(), size_t(1));
        QCOMPARE(p.shell.calls[0].file, std::string("/opt/velmora/読んで☆.txt"));
        QVERIFY(p.shown.empty());

        WhenModalOpens<FormQuestion>([&](FormQuestion* d) { QTest::keyClick(d, Qt::Key_Escape); });
        QTest::mouseClick(p.form.command2(), Qt::LeftButton);
        QVERIFY(p.form.timer1()->isActive());
    }
};

QTEST_MAIN(DialogsTest)
#include "DialogsTest.moc"
