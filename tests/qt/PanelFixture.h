#pragma once

#include <QStringList>

#include "Fakes.h"
#include "qt/ItemListWidget.h"
#include "qt/PanelWindow.h"

namespace velmora::testing {

// The Qt panel driven by the core's panel logic, with fakes for the screen, the messages, the
// shell and the dialogs.
struct Panel {
    Settings settings;
    FakeScreen screen;
    FakeMessages messages;
    FakeShell shell;
    FakeDialogs dialogs;
    PanelWindow form;
    PanelLogic logic{settings,
                     {form, form.listControl(), screen, form},
                     {messages, shell, dialogs},
                     {PathStyle::Posix, "/opt/velmora/読んで☆.txt", "Qt"}};

    Panel() {
        dialogs.timer = &form;
        logic.Load();
    }

    void Add(const char* label, const char* target) { logic.AppendItem(label, target); }
    QStringList Labels() const {
        QStringList out;
        for (int i = 0; i < form.list()->count(); ++i) out << form.list()->item(i)->text();
        return out;
    }
};

}  // namespace velmora::testing
