#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/dialogs/DialogHost.h"
#include "core/launch/OneShotArgs.h"
#include "core/launch/PathRules.h"
#include "core/panel/ListControl.h"
#include "core/panel/PanelView.h"
#include "core/panel/PointerWatch.h"
#include "core/panel/Trigger.h"
#include "core/ports/MessageBox.h"
#include "core/ports/Shell.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsRules.h"

namespace velmora {

// The windows and controls the panel's behaviour drives; the front end makes them.
struct PanelViews {
    IPanelView& panel;
    IListControl& itemList;  // the labels, shown
    IScreen& screen;
    ITimer& tickTimer;  // the edge trigger's poll
};

// The services it uses.
struct PanelServices {
    IMessageBox& messages;
    IShell& shell;
    IDialogHost& dialogs;
};

// What the About window needs to know.
struct PanelContext {
    PathStyle pathStyle = PathStyle::Posix;
    std::string readmePath;  // the read-me the About window opens
    std::string toolkit;
};

// The panel's behaviour: every event handler, the tick, the item list operations and the
// launch. It holds the item targets (TargetList) and the one-shot argument, sets the views' event
// callbacks to its handlers when it is made, and drives the views through their interfaces.
class PanelLogic {
  public:
    PanelLogic(Settings& settings, PanelViews views, PanelServices services, PanelContext context);
    ~PanelLogic();
    PanelLogic(const PanelLogic&) = delete;
    PanelLogic& operator=(const PanelLogic&) = delete;

    // The panel's load step: base widths, key help, the argument label's first look.
    void Load();

    void ChangeWindowPosition();
    void ChangeWindowWidth();
    void RefreshArgumentLabel();

    // One edge-trigger tick: gather the inputs, decide, apply.
    void Tick();
    // The screen reported the user's input, or the timer's TickSoon came (PointerWatch.h).
    void OnPointerActivity(PointerActivity activity);
    void OnSoonTick();
    void OnTimerTick();

    // Items read from the settings file are appended as they were stored.
    void AppendItem(const std::string& label, const std::string& target);
    std::vector<StoredItem> Items() const;
    const IListControl& TargetList() const { return targets_; }

    // Event handlers, called through the views' callbacks.
    void OnListDrop(const std::optional<DroppedContent>& dropped);  // AddDroppedFiles
    void OnListKeyUp(ListKey key, int modifiers);
    void OnListClick();                                     // ShowItemTarget
    void OnListDoubleClick();                               // LaunchItem
    void OnListMouseUp(MouseButton button, int modifiers);  // EditItem
    void OnArgumentDrop(const std::optional<DroppedContent>& dropped, int modifiers);
    void OnArgumentDoubleClick();
    // The exit button: unloads first (onUnload, which saves), then closes the window.
    void OnExitClick();
    void OnSettingsClick();
    void OnSeparatorClick();  // InsertSeparator
    void OnAboutClick();
    // The window is going away: the first call switches the timer off and unloads (onUnload,
    // which saves); later calls do nothing.
    void OnClosed();
    bool Unloaded() const { return unloaded_; }

    // Set by the session: saves the settings and the items.
    std::function<void()> onUnload;
    // Set by the session: an exception escaped an event handler. No exception leaves a
    // callback the views call, since a window procedure must not be unwound through.
    std::function<void(const std::string& what)> onFault;

    bool HasOneShotArgs() const { return hasOneShotArgs_; }
    const std::string& OneShotArgs() const { return oneShotArgs_; }
    std::int32_t BaseWidth() const { return baseWidth_; }
    std::int32_t BaseListWidth() const { return baseListWidth_; }

  private:
    // The panel's visibility and place, as the trigger reads them.
    void ReadPanel(TriggerInputs& in) const;
    void BindEvents();
    template <typename... Args>
    std::function<void(Args...)> Guarded(void (PanelLogic::*handler)(Args...));
    void HandleDrop(const DropData& data);
    void HandleArgumentDrop(const DropData& data, int modifiers);

    void AddDroppedFiles(const DroppedFiles& files);
    void InsertSeparator();
    void DeleteItem();
    void MoveItem(int delta);
    void ShowItemTarget();
    void LaunchItem();
    void EditItem();
    int FirstSelected() const;
    // Warns and refuses when the list is full (drops, separators and duplicates alike).
    bool RefuseWhenFull();
    void InsertItem(int index, const std::string& label, const std::string& target);
    // Runs a modal dialog with the timer off, so the panel neither hides nor moves meanwhile.
    void WithTimerOff(const std::function<void()>& runDialog);

    Settings& settings_;
    PanelViews v_;
    PanelServices s_;
    PanelContext context_;
    StringListControl targets_;
    std::int32_t baseWidth_ = 0;
    std::int32_t baseListWidth_ = 0;
    bool hasOneShotArgs_ = false;
    std::string oneShotArgs_;
    PointerWatch pointer_;
    bool unloaded_ = false;
};

}  // namespace velmora
