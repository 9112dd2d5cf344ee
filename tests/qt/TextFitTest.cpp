// Every text of the panel and the dialogs is wholly visible, at whatever scale the test runs
// (registered at 1x, 1.5x and 2x): wrapped lines inside their boxes, captions inside their
// buttons.
#include <QPushButton>
#include <QTest>

#include "Fakes.h"
#include "PanelFixture.h"
#include "core/dialogs/AboutDialogLogic.h"
#include "qt/AboutDialog.h"
#include "qt/CompactTextLabel.h"
#include "qt/ItemDialog.h"
#include "qt/PanelWindow.h"
#include "qt/SettingsDialog.h"

using namespace velmora;
using namespace velmora::testing;

namespace {

void CheckButtons(const QWidget& window) {
    for (const QPushButton* button : window.findChildren<QPushButton*>()) {
        QString caption = button->text();
        caption.remove(QLatin1Char('&'));
        const QFontMetrics fm = button->fontMetrics();
        QVERIFY2(fm.horizontalAdvance(caption) <= button->width() - 2,
                 qPrintable(caption + QStringLiteral(" is wider than its button")));
        QVERIFY2(fm.ascent() + fm.descent() <= button->height(),
                 qPrintable(caption + QStringLiteral(" is taller than its button")));
    }
}

}  // namespace

class TextFitTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void panelTextsFit() {
        Panel panel;
        QVERIFY2(panel.form.keyHelpLabel()->TextFits(), "the key help does not fit");
        CheckButtons(panel.form);
    }

    void aboutTextsFit() {
        FakeShell shell;
        AboutDialogLogic logic(shell, "/opt/velmora/読んで☆.txt", "Qt " QT_VERSION_STR);
        AboutDialog dialog(logic);
        logic.Load(dialog);
        QCOMPARE(dialog.description()->DrawnLines().last().trimmed(),
                 QString("詳しくは「読んで☆.txt」をご覧下さい。"));
        QVERIFY2(dialog.description()->TextFits(), "the About description does not fit");
        CheckButtons(dialog);
    }

    void dialogButtonsFit() {
        Settings settings;
        FakeMessages messages;
        SettingsDialogLogic settingsLogic(settings, messages, {});
        SettingsDialog settingsDialog(settingsLogic);
        CheckButtons(settingsDialog);
        ItemDialogLogic itemLogic(messages, "a", "/a");
        ItemDialog itemDialog(itemLogic);
        CheckButtons(itemDialog);
    }
};

QTEST_MAIN(TextFitTest)
#include "TextFitTest.moc"
