#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include "ListControlContract.h"
#include "qt/ItemListWidget.h"
#include "qt/QtListControl.h"

namespace velmora::testing {

namespace {

Qt::Key QtKey(ListKey key) {
    switch (key) {
        case ListKey::Delete:
            return Qt::Key_Delete;
        case ListKey::Up:
            return Qt::Key_Up;
        case ListKey::Down:
            return Qt::Key_Down;
        case ListKey::Other:
            break;
    }
    return Qt::Key_A;
}

Qt::KeyboardModifiers QtModifiers(int mask) {
    Qt::KeyboardModifiers modifiers;
    if (mask & kShiftMask) modifiers |= Qt::ShiftModifier;
    if (mask & kCtrlMask) modifiers |= Qt::ControlModifier;
    if (mask & kAltMask) modifiers |= Qt::AltModifier;
    return modifiers;
}

// The Qt list as the user drives it: real key and mouse events sent to the widget.
class QtListDriver {
  public:
    QtListDriver() : control_(&widget_) {
        for (const char* text : {"a", "b", "c"}) control_.Append(text);
        widget_.resize(200, 200);
        widget_.show();
        if (!QTest::qWaitForWindowExposed(&widget_)) ADD_FAILURE() << "the list was not shown";
    }
    IListControl& List() { return control_; }
    void KeyPress(ListKey key, int modifiers) { Send(QEvent::KeyPress, key, modifiers, false); }
    void KeyRelease(ListKey key, int modifiers) { Send(QEvent::KeyRelease, key, modifiers, false); }
    void KeyRepeat(ListKey key, int modifiers) {
        Send(QEvent::KeyRelease, key, modifiers, true);
        Send(QEvent::KeyPress, key, modifiers, true);
    }
    void Click(int row) { QTest::mouseClick(widget_.viewport(), Qt::LeftButton, {}, Centre(row)); }
    void RightClick(int row) {
        QTest::mouseClick(widget_.viewport(), Qt::RightButton, {}, Centre(row));
    }

  private:
    void Send(QEvent::Type type, ListKey key, int modifiers, bool autoRepeat) {
        QKeyEvent event(type, QtKey(key), QtModifiers(modifiers), QString(), autoRepeat);
        QCoreApplication::sendEvent(&widget_, &event);
    }
    QPoint Centre(int row) { return widget_.visualItemRect(widget_.item(row)).center(); }

    ItemListWidget widget_;
    QtListControl control_;
};

}  // namespace

using QtListDrivers = ::testing::Types<QtListDriver>;
INSTANTIATE_TYPED_TEST_SUITE_P(QtList, ListControlContract, QtListDrivers);

}  // namespace velmora::testing

int main(int argc, char** argv) {
    // Listing the tests at build time happens without a display too.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
