#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/dialogs/DialogHost.h"
#include "core/panel/PanelLogic.h"
#include "core/ports/Diagnostics.h"
#include "core/ports/FileStore.h"
#include "core/ports/InstanceLock.h"
#include "core/ui/Layout.h"

namespace velmora::testing {

// A panel that takes every width it is asked for, as the worked examples assume.
struct FakePanel : IPanelView {
    double width = 2595, height = 6735, left = 0, top = 0, listWidth = 2475, borderX = 2580;
    bool visible = false, topmost = false;
    bool bold = false;
    std::string argumentToolTip, keyHelp;
    int unloads = 0;
    std::vector<std::string> calls;  // order of geometry changes

    double Width() const override { return width; }
    void SetWidth(double w) override {
        width = w;
        calls.push_back("width");
    }
    double Height() const override { return height; }
    double Left() const override { return left; }
    double Top() const override { return top; }
    void SetLeft(double v) override {
        left = v;
        calls.push_back("left");
    }
    void SetTop(double v) override {
        top = v;
        calls.push_back("top");
    }
    bool IsVisible() const override { return visible; }
    void Show() override {
        visible = true;
        calls.push_back("show");
    }
    void Hide() override {
        visible = false;
        calls.push_back("hide");
    }
    void MakeTopmost() override {
        topmost = true;
        left = top = 0;
        calls.push_back("topmost");
    }
    double ListWidth() const override { return listWidth; }
    void SetListWidth(double v) override { listWidth = v; }
    void SetBorderX(double v) override { borderX = v; }
    void SetKeyHelp(const std::string& text) override { keyHelp = text; }
    void SetArgumentLabelLook(bool b, const std::string& tip) override {
        bold = b;
        argumentToolTip = tip;
    }
    // Like a window: closing it reports the closing.
    void Unload() override {
        ++unloads;
        visible = false;
        if (events.closed) events.closed();
    }
};

struct FakeScreen : IScreen {
    double leftTwips = 0, topTwips = 0, widthTwips = 1920 * 15, heightTwips = 1080 * 15, tppX = 15,
           tppY = 15;
    int x = 0, y = 0;
    bool locked = false;
    bool elsewhere = false;
    PixelRect watched;
    mutable int lockQueries = 0;
    double LeftTwips() const override { return leftTwips; }
    double TopTwips() const override { return topTwips; }
    double WidthTwips() const override { return widthTwips; }
    double HeightTwips() const override { return heightTwips; }
    double TwipsPerPixelX() const override { return tppX; }
    double TwipsPerPixelY() const override { return tppY; }
    std::pair<int, int> CursorPos() const override { return {x, y}; }
    bool PointerElsewhere() const override { return elsewhere; }
    bool reportsEdge = false;
    bool ReportsEdge() const override { return reportsEdge; }
    bool reportsMotion = false;
    bool watchingMotion = false;
    int xOnceWatched = -1;  // where the pointer goes while WatchMotion(true) starts listening
    bool ReportsMotion() const override { return reportsMotion; }
    bool ownWindowsOnly = false;
    bool SeesPointerOnlyOverOwnWindows() const override { return ownWindowsOnly; }
    void WatchMotion(bool on) override {
        watchingMotion = on;
        if (on && xOnceWatched >= 0) x = std::exchange(xOnceWatched, -1);
    }
    bool keepsRestingPointer = false;
    bool KeepsRestingPointerWhereItWas() const override { return keepsRestingPointer; }
    bool looksAgain = false;
    bool LooksForPointerAgainAsItShows() const override { return looksAgain; }
    // Where the X server's pointer was parked, and where the user's was: {from, to} each time.
    std::vector<std::pair<std::pair<int, int>, std::pair<int, int>>> parks;
    void ParkServerPointer(std::pair<int, int> from, std::pair<int, int> to) override {
        parks.push_back({from, to});
        std::tie(x, y) = to;
    }
    std::vector<PixelRect> around;
    void WatchEdge(const PixelRect& strip, const std::vector<PixelRect>& aroundPanel) override {
        watched = strip;
        around = aroundPanel;
    }
    bool Locked() const override {
        ++lockQueries;
        return locked;
    }
};

struct FakeTimer : ITimer {
    bool enabled = true;
    bool Enabled() const override { return enabled; }
    void SetEnabled(bool e) override {
        enabled = e;
        if (e) idle = false;
    }
    bool idle = false;
    void SetIdle(bool i) override { idle = i; }
    std::optional<int> soonIn;  // a TickSoon on its way, due in this many milliseconds
    void TickSoon(int ms) override {
        if (!soonIn || *soonIn > ms) soonIn = ms;
    }
    // Time passes until TickSoon's call.
    void FireSoon() {
        soonIn.reset();
        if (soon) soon();
    }
};

struct FakeMessages : IMessageBox {
    std::vector<std::string> shown;
    std::vector<std::string> asked;
    std::function<bool()> answerRetry = [] { return false; };
    void Warn(const std::string& text) override { shown.push_back(text); }
    bool AskRetry(const std::string& text) override {
        asked.push_back(text);
        return answerRetry();
    }
};

struct FakeDiagnostics : IDiagnostics {
    std::vector<std::string> reports;
    void Report(const std::string& text) override { reports.push_back(text); }
};

// Locks shared by every "process" that holds the same table.
struct FakeInstanceLock : IInstanceLock {
    std::shared_ptr<std::set<std::string>> held = std::make_shared<std::set<std::string>>();
    std::vector<std::string> mine;
    bool Acquire(const std::string& name) override {
        if (!held->insert(name).second) return false;
        mine.push_back(name);
        return true;
    }
    ~FakeInstanceLock() override {
        for (const std::string& name : mine) held->erase(name);
    }
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
    std::map<std::string, std::string> applicationNames;
    std::optional<std::string> ApplicationName(const std::string& path) override {
        const auto it = applicationNames.find(path);
        if (it == applicationNames.end()) return std::nullopt;
        return it->second;
    }
};

struct FakeSettingsView : ISettingsView {
    int corner = -1, widthIndex = -1;
    std::string pixels;
    bool focused = false, closed = false;
    int CornerIndex() const override { return corner; }
    void SetCornerIndex(int i) override { corner = i; }
    std::string PixelText() const override { return pixels; }
    void SetPixelText(const std::string& t) override { pixels = t; }
    int WidthIndex() const override { return widthIndex; }
    void SetWidthIndex(int i) override { widthIndex = i; }
    void FocusPixelText() override { focused = true; }
    void Close() override { closed = true; }
};

struct FakeItemView : IItemView {
    std::string label, target;
    bool targetEnabled = true, closed = false;
    std::string focus;
    std::string LabelText() const override { return label; }
    void SetLabelText(const std::string& t) override { label = t; }
    std::string TargetText() const override { return target; }
    void SetTargetText(const std::string& t) override { target = t; }
    void DisableTarget() override { targetEnabled = false; }
    bool TargetEnabled() const override { return targetEnabled; }
    void FocusLabel() override { focus = "label"; }
    void FocusTarget() override { focus = "target"; }
    void Close() override { closed = true; }
};

struct FakeAboutView : IAboutView {
    std::string title, description, credits;
    bool closed = false;
    void SetTitleLine(const std::string& t) override { title = t; }
    void SetDescription(const std::string& t) override { description = t; }
    void SetCredits(const std::string& t) override { credits = t; }
    void Close() override { closed = true; }
};

// Runs the dialogs' real behaviour on fake views: a test says what the user does in them.
struct FakeDialogs : IDialogHost {
    ITimer* timer = nullptr;
    std::vector<bool> timerWhileOpen;
    std::function<void(SettingsDialogLogic&, FakeSettingsView&)> settings;
    // The item dialog: the user types name and path and presses the button; pressing
    // layout::item::Abort by default.
    int itemButton = layout::item::Abort;
    std::string typedName, typedPath;
    std::string shownLabel, shownTarget;
    FakeAboutView about;
    bool openReadme = false;  // the About window's description double-clicked
    int aboutOpened = 0;

    void RunSettingsDialog(SettingsDialogLogic& logic) override {
        timerWhileOpen.push_back(timer->Enabled());
        FakeSettingsView view;
        logic.Load(view);
        if (settings) settings(logic, view);
    }
    void RunItemDialog(ItemDialogLogic& logic) override {
        timerWhileOpen.push_back(timer->Enabled());
        FakeItemView view;
        logic.Load(view);
        shownLabel = view.label;
        shownTarget = view.target;
        view.label = typedName;
        view.target = typedPath;
        logic.OnButtonClick(itemButton);
    }
    void RunAboutDialog(AboutDialogLogic& logic) override {
        timerWhileOpen.push_back(timer->Enabled());
        logic.Load(about);
        if (openReadme) logic.OnDescriptionDoubleClick();
        ++aboutOpened;
    }
};

// The panel's behaviour wired to fakes.
struct PanelFixture {
    Settings settings;
    FakePanel panel;
    StringListControl itemList;
    FakeScreen screen;
    FakeTimer timer;
    FakeMessages messages;
    FakeShell shell;
    FakeDialogs dialogs;
    PanelLogic logic;
    const IListControl& targetList;

    explicit PanelFixture(PathStyle style = PathStyle::Windows)
        : logic(
              settings, {panel, itemList, screen, timer}, {messages, shell, dialogs},
              {style,
               style == PathStyle::Windows ? "C:\\Tools\\読んで☆.txt" : "/opt/velmora/読んで☆.txt",
               "Toolkit 1"}),
          targetList(logic.TargetList()) {
        dialogs.timer = &timer;
        logic.Load();
    }

    void Add(const std::string& label, const std::string& target) {
        logic.AppendItem(label, target);
    }

    std::vector<std::string> Labels() const {
        std::vector<std::string> out;
        for (int i = 0; i < itemList.Count(); ++i) out.push_back(itemList.Text(i));
        return out;
    }
    std::vector<std::string> Targets() const {
        std::vector<std::string> out;
        for (int i = 0; i < targetList.Count(); ++i) out.push_back(targetList.Text(i));
        return out;
    }
};

}  // namespace velmora::testing
