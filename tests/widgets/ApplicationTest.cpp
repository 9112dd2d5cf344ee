#include <QPushButton>
#include <QTest>

#include "Fakes.h"
#include "TempDir.h"
#include "app/Application.h"
#include "dialogs/MessageBox.h"
#include "launcher/ItemListWidget.h"
#include "platform/FileStore.h"

using namespace velmora;
using namespace velmora::testing;

namespace {

// The real file system, except that writes can be made to fail.
struct FlakyStore : platform::SystemFileStore {
    bool failWrites = false;
    FileWriteResult WriteAtomic(const std::string& path, const std::string& bytes) override {
        if (failWrites) return {false, "No space left on device"};
        return platform::SystemFileStore::WriteAtomic(path, bytes);
    }
};

struct Fixture {
    TempDir dir;
    FlakyStore store;
    FakeShell shell;
    MessageBox messages;
    std::vector<std::string> shown;
    StartupEnvironment env;
    int finished = 0;

    Fixture() {
        env.userName = "tester";
        env.executableDirectory = dir.path().string();
        env.executableBaseName = "Velmora";
        MessageBox::SetTestHook([this](const std::string& text) { shown.push_back(text); });
    }
    ~Fixture() { MessageBox::SetTestHook({}); }
    std::string SettingsPath() const { return dir / "Velmora_tester.ini"; }
};

}  // namespace

class ApplicationTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startsHiddenAtTheConfiguredWidthWithTheStoredItems() {
        Fixture f;
        WriteFile(f.SettingsPath(),
                  "[Config]\nWindowPosition=1\nCapturePixel=4\nWindowWidth=2\n[Item]\n"
                  "ItemName0=a\nItemPath0=/a\nItemName1=b\nItemPath1=/b\nItemName2=\nItemName3=c\n");
        Application app(f.env, f.store, f.shell, f.messages);
        QCOMPARE(app.settingsFilePath(), f.SettingsPath());
        QCOMPARE(app.appDir(), f.dir.path().string() + "/");
        QVERIFY(!app.panel().isVisible());
        QCOMPARE(app.panel().width(), 346);
        QCOMPARE(app.panel().pos(), QPoint(0, 0));
        QVERIFY(app.panel().windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(app.panel().list1()->count(), 2);
        QCOMPARE(app.settings().WindowPosition, 1);
        QCOMPARE(app.settings().CapturePixel, 4);
        QCOMPARE(app.settings().LoadedItemCount, 2);
    }

    void exitSavesTheEditedListOnce() {
        Fixture f;
        WriteFile(f.SettingsPath(), "[Item]\nItemName0=a\nItemPath0=/a\nItemName1=b\nItemPath1=/b\n");
        Application app(f.env, f.store, f.shell, f.messages);
        app.onFinished = [&] { ++f.finished; };
        app.panel().list1()->setCurrentRow(0);
        QTest::keyClick(app.panel().list1(), Qt::Key_Delete);
        app.settings().WindowPosition = 2;
        QTest::mouseClick(app.panel().command1(0), Qt::LeftButton);
        QCOMPARE(f.finished, 1);
        QCOMPARE(ReadFile(f.SettingsPath()),
                 std::string("[Item]\nItemName0=b\nItemPath0=/b\n[Config]\nWindowPosition=2\n"
                             "CapturePixel=10\nWindowWidth=0\n"));
        QVERIFY(f.shown.empty());
    }

    void aFailedSaveIsReported() {
        Fixture f;
        Application app(f.env, f.store, f.shell, f.messages);
        f.store.failWrites = true;
        app.panel().close();
        QCOMPARE(f.shown.size(), size_t(1));
        QVERIFY(f.shown[0].find(f.SettingsPath()) != std::string::npos);
        QVERIFY(f.shown[0].find("No space left on device") != std::string::npos);
    }

    void shutdownSavesWithoutShowingAnything() {
        Fixture f;
        Application app(f.env, f.store, f.shell, f.messages);
        app.onFinished = [&] { ++f.finished; };
        app.panel().logic().AppendItem("x", "/x");
        app.UnloadForShutdown();
        QCOMPARE(f.finished, 1);
        QVERIFY(ReadFile(f.SettingsPath()).find("ItemName0=x\n") != std::string::npos);
        f.store.failWrites = true;
        Fixture g;
        Application failing(g.env, g.store, g.shell, g.messages);
        g.store.failWrites = true;
        failing.UnloadForShutdown();
        QVERIFY(g.shown.empty());  // standard error only: no window can be shown at that point
    }
};

QTEST_MAIN(ApplicationTest)
#include "ApplicationTest.moc"
