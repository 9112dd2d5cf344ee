#pragma once

#include <string>
#include <vector>

#include "launcher/FormMainLogic.h"

namespace velmora::testing {

// A panel that takes every width it is asked for, as the worked examples assume.
struct FakePanel : IPanelView {
    double width = 2595, height = 6735, left = 0, top = 0, listWidth = 2475, borderX = 2580;
    bool visible = false;
    bool bold = false;
    std::string argumentToolTip, keyHelp;
    int unloads = 0;
    std::vector<std::string> calls;  // order of geometry changes

    double Width() const override { return width; }
    void SetWidth(double w) override { width = w; calls.push_back("width"); }
    double Height() const override { return height; }
    double Left() const override { return left; }
    double Top() const override { return top; }
    void SetLeft(double v) override { left = v; calls.push_back("left"); }
    void SetTop(double v) override { top = v; calls.push_back("top"); }
    bool IsVisible() const override { return visible; }
    void Show() override { visible = true; calls.push_back("show"); }
    void Hide() override { visible = false; calls.push_back("hide"); }
    double ListWidth() const override { return listWidth; }
    void SetListWidth(double v) override { listWidth = v; }
    void SetBorderX(double v) override { borderX = v; }
    void SetKeyHelp(const std::string& text) override { keyHelp = text; }
    void SetArgumentLabelLook(bool b, const std::string& tip) override {
        bold = b;
        argumentToolTip = tip;
    }
    void Unload() override { ++unloads; }
};

struct FakeScreen : IScreen {
    double widthTwips = 1920 * 15, heightTwips = 1080 * 15, tppX = 15, tppY = 15;
    int x = 0, y = 0;
    double WidthTwips() const override { return widthTwips; }
    double HeightTwips() const override { return heightTwips; }
    double TwipsPerPixelX() const override { return tppX; }
    double TwipsPerPixelY() const override { return tppY; }
    std::pair<int, int> CursorPos() const override { return {x, y}; }
};

struct FakeTimer : ITimer {
    bool enabled = true;
    bool Enabled() const override { return enabled; }
    void SetEnabled(bool e) override { enabled = e; }
};

struct FakeMessages : IMessageBox {
    std::vector<std::string> shown;
    void Warn(const std::string& text) override { shown.push_back(text); }
};

struct FakeShell : IShell {
    struct Call {
        std::string file, parameters, directory;
    };
    std::vector<Call> calls;
    std::string failure;
    std::string Open(const std::string& f, const std::string& p, const std::string& d) override {
        calls.push_back({f, p, d});
        return failure;
    }
};

// Records how dialogs were opened and whether the timer was off meanwhile.
struct FakeDialogs : IDialogHost {
    ITimer* timer = nullptr;
    std::vector<bool> timerWhileOpen;
    ItemDialogOutcome nextOutcome;
    std::string shownLabel, shownTarget;
    std::function<void(Settings&, const std::function<void()>&)> config;
    int aboutOpened = 0;

    void RunConfigDialog(Settings& s, const std::function<void()>& apply) override {
        timerWhileOpen.push_back(timer->Enabled());
        if (config) config(s, apply);
    }
    ItemDialogOutcome RunItemDialog(const std::string& label, const std::string& target) override {
        timerWhileOpen.push_back(timer->Enabled());
        shownLabel = label;
        shownTarget = target;
        return nextOutcome;
    }
    void RunAboutDialog() override {
        timerWhileOpen.push_back(timer->Enabled());
        ++aboutOpened;
    }
};

// The panel's behaviour wired to fakes.
struct PanelFixture {
    Settings settings;
    FakePanel panel;
    StringListControl list1, list2;
    FakeScreen screen;
    FakeTimer timer;
    FakeMessages messages;
    FakeShell shell;
    FakeDialogs dialogs;
    FormMainLogic logic;

    explicit PanelFixture(PathStyle style = PathStyle::Windows)
        : logic(settings, {panel, list1, list2, screen, timer, messages, shell, dialogs}, style) {
        dialogs.timer = &timer;
        list1.onClick = [this] { logic.OnListClick(); };
        logic.Load();
    }

    void Add(const std::string& label, const std::string& target) { logic.AppendItem(label, target); }

    std::vector<std::string> Labels() const {
        std::vector<std::string> out;
        for (int i = 0; i < list1.Count(); ++i) out.push_back(list1.Text(i));
        return out;
    }
    std::vector<std::string> Targets() const {
        std::vector<std::string> out;
        for (int i = 0; i < list2.Count(); ++i) out.push_back(list2.Text(i));
        return out;
    }
};

}  // namespace velmora::testing
