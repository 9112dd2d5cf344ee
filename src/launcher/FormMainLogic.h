#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/Settings.h"
#include "app/SettingsRules.h"
#include "launcher/ListControl.h"
#include "launcher/OneShotArgs.h"
#include "launcher/PanelInterfaces.h"
#include "launcher/PathRules.h"

namespace velmora {

inline constexpr const char* kSeparatorLabel = "--------------------";
inline constexpr const char* kKeyHelpText = "削除： DEL キー\r\n上へ： Alt+↑\r\n下へ： Alt+↓";
inline constexpr const char* kArgumentHelpText =
    "ここにファイルやテキストをドラッグ＆ドロップすると、次回だけの引数に出来ます。";

enum class ListKey { Delete, Up, Down, Other };
enum class MouseButton { Left, Right, Other };

// The panel's behaviour: every event handler, the tick, the item list operations and the
// launch, driving the controls through small interfaces. The window class only forwards events.
class FormMainLogic {
public:
    struct Controls {
        IPanelView& panel;
        IListControl& list1;  // labels
        IListControl& list2;  // targets
        IScreen& screen;
        ITimer& timer1;
        IMessageBox& messages;
        IShell& shell;
        IDialogHost& dialogs;
    };

    FormMainLogic(Settings& settings, Controls controls, PathStyle pathStyle);

    // The panel's load step: base widths, key help, the argument label's first look.
    void Load();

    void ChangeWindowPosition();
    void ChangeWindowWidth();
    void RefreshArgumentLabel();

    // One edge-trigger tick.
    void Tick();

    // Items read from the settings file are appended as they were stored.
    void AppendItem(const std::string& label, const std::string& target);
    std::vector<StoredItem> Items() const;

    // Event handlers.
    void OnListDrop(const std::optional<DroppedContent>& dropped);  // AddDroppedFiles
    void OnListKeyUp(ListKey key, int modifiers);
    void OnListClick();        // ShowItemTarget
    void OnListDoubleClick();  // LaunchItem
    void OnListMouseUp(MouseButton button, int modifiers);  // EditItem
    void OnArgumentDrop(const std::optional<DroppedContent>& dropped, int modifiers);
    void OnArgumentDoubleClick();
    void OnExitClick();
    void OnSettingsClick();
    void OnSeparatorClick();  // InsertSeparator
    void OnAboutClick();

    bool HasOneShotArgs() const { return hasOneShotArgs_; }
    const std::string& OneShotArgs() const { return oneShotArgs_; }
    std::int32_t BaseWidth() const { return baseWidth_; }
    std::int32_t BaseListWidth() const { return baseListWidth_; }

private:
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

    Settings& settings_;
    Controls c_;
    PathStyle pathStyle_;
    std::int32_t baseWidth_ = 0;
    std::int32_t baseListWidth_ = 0;
    bool hasOneShotArgs_ = false;
    std::string oneShotArgs_;
};

}  // namespace velmora
