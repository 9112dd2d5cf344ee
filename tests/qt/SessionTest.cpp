#include <QPushButton>
#include <QTest>

#include "Fakes.h"
#include "TempDir.h"
#include "core/app/Session.h"
#include "platform/FileStore.h"
#include "platform/LegacyCodec.h"
#include "qt/ItemListWidget.h"
#include "qt/PanelWindow.h"
#include "qt/QtDialogHost.h"

using namespace velmora;
using namespace velmora::testing;

namespace {

// The real Qt panel and the real file system under one session.
struct Fixture {
    TempDir dir;
    FakeInstanceLock instanceLock;
    platform::SystemFileStore store;
    platform::SystemLegacyCodec codec;
    FakeShell shell;
    FakeMessages messages;
    FakeDiagnostics diagnostics;
    QtDialogHost dialogs;
    FakeScreen screen;
    PanelWindow panel;
    StartupEnvironment env;
    int finished = 0;

    Fixture() {
        env.userName = "tester";
        env.executableDirectory = dir.path().string();
        env.executableBaseName = "Velmora";
    }
    std::unique_ptr<Session> Start() {
        auto session = std::make_unique<Session>(
            env, SessionServices{instanceLock, store, codec, shell, messages, diagnostics, dialogs},
            PanelViews{panel, panel.listControl(), screen, panel});
        session->onFinished = [this] { ++finished; };
        return session;
    }
    std::string SettingsPath() const { return dir / "Velmora_tester.ini"; }
};

}  // namespace

class SessionTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void startsHiddenAtTheConfiguredWidthWithTheStoredItems() {
        Fixture f;
        WriteFile(f.SettingsPath(),
                  "[Config]\nWindowPosition=1\nCapturePixel=4\nWindowWidth=2\n[Item]\n"
                  "ItemName0=a\nItemPath0=/a\nItemName1=b\nItemPath1=/b\n");
        auto session = f.Start();
        QCOMPARE(session->settingsFilePath(), f.SettingsPath());
        QVERIFY(!f.panel.isVisible());
        QCOMPARE(f.panel.width(), 346);
        QCOMPARE(f.panel.list()->width(), 338);
        QCOMPARE(f.panel.pos(), QPoint(0, 0));
        QVERIFY(f.panel.windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(f.panel.list()->count(), 2);
    }

    void exitButtonSavesTheEditedListOnce() {
        Fixture f;
        WriteFile(f.SettingsPath(),
                  "[Item]\nItemName0=a\nItemPath0=/a\nItemName1=b\nItemPath1=/b\n");
        auto session = f.Start();
        f.panel.list()->setCurrentRow(0);
        QTest::keyClick(f.panel.list(), Qt::Key_Delete);
        session->settings().WindowPosition = 2;
        QTest::mouseClick(f.panel.exitButton(), Qt::LeftButton);
        QCOMPARE(f.finished, 1);
        QVERIFY(!f.panel.timer()->isActive());
        QCOMPARE(ReadFile(f.SettingsPath()),
                 std::string("[Item]\nItemName0=b\nItemPath0=/b\n[Config]\nWindowPosition=2\n"
                             "CapturePixel=10\nWindowWidth=0\n"));
        f.panel.close();
        QCOMPARE(f.finished, 1);
        QVERIFY(f.messages.shown.empty());
    }
};

QTEST_MAIN(SessionTest)
#include "SessionTest.moc"
