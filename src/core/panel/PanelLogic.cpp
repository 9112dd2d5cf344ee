#include "core/panel/PanelLogic.h"

#include <exception>

#include "core/panel/Geometry.h"
#include "core/panel/Trigger.h"
#include "core/settings/TextToInteger.h"
#include "core/ui/Texts.h"

namespace velmora {

PanelLogic::PanelLogic(Settings& settings, PanelViews views, PanelServices services,
                       PanelContext context)
    : settings_(settings),
      v_(views),
      s_(services),
      context_(std::move(context)),
      pointer_(views.screen, views.tickTimer) {
    BindEvents();
}

PanelLogic::~PanelLogic() {
    // The views may outlive the behaviour: leave them nothing that points here.
    v_.panel.events = {};
    v_.itemList.events = {};
    v_.tickTimer.tick = {};
    v_.tickTimer.soon = {};
    v_.screen.edgeEvent = {};
    v_.screen.pointerActivity = {};
}

template <typename... Args>
std::function<void(Args...)> PanelLogic::Guarded(void (PanelLogic::*handler)(Args...)) {
    return [this, handler](Args... args) {
        try {
            (this->*handler)(args...);
        } catch (const std::exception& e) {
            if (onFault) onFault(e.what());
        } catch (...) {
            if (onFault) onFault("unknown exception");
        }
    };
}

void PanelLogic::BindEvents() {
    ListEvents& list = v_.itemList.events;
    list.click = Guarded(&PanelLogic::OnListClick);
    list.doubleClick = Guarded(&PanelLogic::OnListDoubleClick);
    list.keyUp = Guarded(&PanelLogic::OnListKeyUp);
    list.mouseUp = Guarded(&PanelLogic::OnListMouseUp);
    list.drop = Guarded(&PanelLogic::HandleDrop);
    PanelEvents& panel = v_.panel.events;
    panel.exitClick = Guarded(&PanelLogic::OnExitClick);
    panel.settingsClick = Guarded(&PanelLogic::OnSettingsClick);
    panel.separatorClick = Guarded(&PanelLogic::OnSeparatorClick);
    panel.aboutClick = Guarded(&PanelLogic::OnAboutClick);
    panel.argumentDrop = Guarded(&PanelLogic::HandleArgumentDrop);
    panel.argumentDoubleClick = Guarded(&PanelLogic::OnArgumentDoubleClick);
    panel.closed = Guarded(&PanelLogic::OnClosed);
    v_.tickTimer.tick = Guarded(&PanelLogic::OnTimerTick);
    v_.tickTimer.soon = Guarded(&PanelLogic::OnSoonTick);
    v_.screen.edgeEvent = Guarded(&PanelLogic::Tick);
    v_.screen.pointerActivity = Guarded(&PanelLogic::OnPointerActivity);
}

void PanelLogic::OnPointerActivity(PointerActivity activity) {
    if (pointer_.OnActivity(activity)) Tick();
}

void PanelLogic::OnTimerTick() {
    pointer_.CountTick();
    Tick();
}

void PanelLogic::OnSoonTick() {
    if (pointer_.OnSoon()) Tick();
}

void PanelLogic::HandleDrop(const DropData& data) { OnListDrop(ReadDroppedContent(data)); }

void PanelLogic::HandleArgumentDrop(const DropData& data, int modifiers) {
    OnArgumentDrop(ReadDroppedContent(data), modifiers);
}

void PanelLogic::Load() {
    baseWidth_ = CheckedInt32(v_.panel.Width());
    baseListWidth_ = CheckedInt32(v_.panel.ListWidth());
    v_.panel.SetKeyHelp(texts::kKeyHelp);
    RefreshArgumentLabel();
}

void PanelLogic::ChangeWindowPosition() {
    const CornerPoint p =
        CornerPosition(settings_.WindowPosition, v_.screen.WidthTwips(), v_.screen.HeightTwips(),
                       v_.panel.Width(), v_.panel.Height());
    // In the primary screen's corner, wherever that screen lies among the monitors.
    v_.panel.SetLeft(v_.screen.LeftTwips() + p.left);
    v_.panel.SetTop(v_.screen.TopTwips() + p.top);
}

void PanelLogic::ChangeWindowWidth() {
    if (const auto width = ScaledWindowWidth(settings_.WindowWidth, baseWidth_)) {
        v_.panel.SetWidth(*width);
    }
    const StretchedLayout layout =
        StretchLayout(v_.panel.Width(), baseWidth_, baseListWidth_, v_.screen.TwipsPerPixelX());
    v_.panel.SetListWidth(layout.listWidth);
    v_.panel.SetBorderX(layout.borderX);
}

void PanelLogic::RefreshArgumentLabel() {
    if (hasOneShotArgs_) {
        v_.panel.SetArgumentLabelLook(true, oneShotArgs_);
    } else {
        v_.panel.SetArgumentLabelLook(false, texts::kArgumentHelp);
    }
}

void PanelLogic::Tick() {
    if (!v_.tickTimer.Enabled()) {
        pointer_.Stop();
        return;
    }
    // Gather: the screen, the panel, the settings and the pointer.
    TriggerInputs in;
    in.timerEnabled = true;
    in.screenLeft = CheckedInt32(v_.screen.LeftTwips() / v_.screen.TwipsPerPixelX());
    in.screenTop = CheckedInt32(v_.screen.TopTwips() / v_.screen.TwipsPerPixelY());
    in.screenWidth = v_.screen.WidthTwips();
    in.screenHeight = v_.screen.HeightTwips();
    in.twipsPerPixelX = v_.screen.TwipsPerPixelX();
    in.twipsPerPixelY = v_.screen.TwipsPerPixelY();
    ReadPanel(in);
    in.windowPosition = settings_.WindowPosition;
    in.capturePixel = settings_.CapturePixel;
    const PointerWatch::Reading pointer = pointer_.Read(in.panelVisible);
    in.cursorX = pointer.x;
    in.cursorY = pointer.y;
    in.pointerElsewhere = pointer.elsewhere;
    // Decide. Nothing of ours over a locked screen: asked only when about to show, since finding
    // out may take a few round trips to the window system.
    TriggerAction action = DecideTriggerAction(in);
    if (action == TriggerAction::PlaceAndShow && v_.screen.Locked())
        action = TriggerAction::Nothing;
    // Apply.
    switch (action) {
        case TriggerAction::PlaceAndShow:
            ChangeWindowPosition();
            v_.panel.Show();
            break;
        case TriggerAction::Hide:
            v_.panel.Hide();
            break;
        case TriggerAction::Nothing:
            break;
    }
    // The watched places and what brings the next look follow the panel as it now is.
    ReadPanel(in);
    const PixelRect strip = TriggerStripRect(in);
    if (action == TriggerAction::PlaceAndShow) pointer_.Shown(PanelPixelRect(in), strip, pointer);
    v_.screen.WatchEdge(strip, PanelSurroundings(in));
    pointer_.AfterTick(in.panelVisible, strip, pointer);
}

void PanelLogic::ReadPanel(TriggerInputs& in) const {
    in.panelVisible = v_.panel.IsVisible();
    if (in.panelVisible) {
        in.panelLeft = v_.panel.Left();
        in.panelTop = v_.panel.Top();
        in.panelWidth = v_.panel.Width();
        in.panelHeight = v_.panel.Height();
    }
}

void PanelLogic::AppendItem(const std::string& label, const std::string& target) {
    v_.itemList.Append(label);
    targets_.Append(target);
}

std::vector<StoredItem> PanelLogic::Items() const {
    std::vector<StoredItem> items;
    const int count = v_.itemList.Count();
    items.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) items.push_back({v_.itemList.Text(i), targets_.Text(i)});
    return items;
}

void PanelLogic::InsertItem(int index, const std::string& label, const std::string& target) {
    targets_.Insert(index, target);
    v_.itemList.Insert(index, label);
}

bool PanelLogic::RefuseWhenFull() {
    if (v_.itemList.Count() < kMaxItemCount) return false;
    s_.messages.Warn(texts::ItemLimitMessage(kMaxItemCount));
    return true;
}

int PanelLogic::FirstSelected() const {
    const int count = v_.itemList.Count();
    for (int i = 0; i < count; ++i) {
        if (v_.itemList.IsSelected(i)) return i;
    }
    return -1;
}

void PanelLogic::WithTimerOff(const std::function<void()>& runDialog) {
    v_.tickTimer.SetEnabled(false);
    runDialog();
    v_.tickTimer.SetEnabled(true);
}

void PanelLogic::OnListDrop(const std::optional<DroppedContent>& dropped) {
    if (!dropped) return;
    if (const auto* files = std::get_if<DroppedFiles>(&*dropped)) AddDroppedFiles(*files);
}

void PanelLogic::AddDroppedFiles(const DroppedFiles& files) {
    for (const std::string& path : files) {
        if (RefuseWhenFull()) return;
        targets_.Append(path);
        // A dropped application entry is labelled with the application's name.
        v_.itemList.Append(
            s_.shell.ApplicationName(path).value_or(LabelFromPath(path, context_.pathStyle)));
    }
}

void PanelLogic::OnSeparatorClick() { InsertSeparator(); }

void PanelLogic::InsertSeparator() {
    if (RefuseWhenFull()) return;
    int p = v_.itemList.SelectedIndex();
    if (p < 0) p = v_.itemList.Count();
    InsertItem(p, texts::kSeparatorLabel, "");
}

void PanelLogic::OnListKeyUp(ListKey key, int modifiers) {
    if (key == ListKey::Delete && modifiers == 0) {
        DeleteItem();
    } else if (key == ListKey::Up && modifiers == kAltMask) {
        MoveItem(-1);
    } else if (key == ListKey::Down && modifiers == kAltMask) {
        MoveItem(+1);
    }
}

void PanelLogic::DeleteItem() {
    const int p = v_.itemList.SelectedIndex();
    if (p < 0) return;
    targets_.Remove(p);
    v_.itemList.Remove(p);
}

void PanelLogic::MoveItem(int delta) {
    const int p = v_.itemList.SelectedIndex();
    if (p < 0) return;
    if (delta < 0 && p == 0) return;
    if (delta > 0 && p == v_.itemList.Count() - 1) return;
    const std::string label = v_.itemList.Text(p);
    const std::string target = targets_.Text(p);
    v_.itemList.Remove(p);
    targets_.Remove(p);
    v_.itemList.Insert(p + delta, label);
    targets_.Insert(p + delta, target);
    v_.itemList.SetSelectedIndex(p + delta);
}

void PanelLogic::OnListClick() { ShowItemTarget(); }

void PanelLogic::ShowItemTarget() {
    const int p = FirstSelected();
    if (p >= 0) v_.itemList.SetToolTip(targets_.Text(p));
}

void PanelLogic::OnListDoubleClick() { LaunchItem(); }

void PanelLogic::LaunchItem() {
    const int p = FirstSelected();
    if (p < 0) return;
    const std::string target = targets_.Text(p);
    if (target.empty()) return;
    v_.panel.Hide();
    SplitTargetResult split = SplitTarget(target, hasOneShotArgs_, oneShotArgs_);
    NormalizePath(split.file, context_.pathStyle);
    const std::string directory = DeriveWorkingDirectory(split.file, context_.pathStyle);
    const std::string failure = s_.shell.Open(split.file, split.parameters, directory);
    hasOneShotArgs_ = false;
    RefreshArgumentLabel();
    if (!failure.empty()) s_.messages.Warn(texts::LaunchFailedMessage(split.file, failure));
}

void PanelLogic::OnListMouseUp(MouseButton button, int modifiers) {
    if (button == MouseButton::Right && modifiers == 0 && v_.itemList.SelectedIndex() >= 0)
        EditItem();
}

void PanelLogic::EditItem() {
    const int p = v_.itemList.SelectedIndex();
    ItemDialogLogic dialog(s_.messages, v_.itemList.Text(p), targets_.Text(p));
    WithTimerOff([&] { s_.dialogs.RunItemDialog(dialog); });
    const ItemDialogOutcome& outcome = dialog.Outcome();
    switch (outcome.ItemDialogResult) {
        case ItemDialogAction::Change:
            v_.itemList.SetText(p, outcome.EditedItemName);
            targets_.SetText(p, outcome.EditedItemPath);
            break;
        case ItemDialogAction::Duplicate: {
            if (RefuseWhenFull()) return;
            const std::string label = v_.itemList.Text(p);
            const std::string target = targets_.Text(p);
            v_.itemList.Insert(p + 1, label);
            targets_.Insert(p + 1, target);
            break;
        }
        case ItemDialogAction::Unchanged:
            break;
    }
}

void PanelLogic::OnArgumentDrop(const std::optional<DroppedContent>& dropped, int modifiers) {
    if (dropped) {
        oneShotArgs_ = ComposeOneShotArgs(oneShotArgs_, hasOneShotArgs_, modifiers, *dropped,
                                          context_.pathStyle);
        hasOneShotArgs_ = true;
    }
    RefreshArgumentLabel();
}

void PanelLogic::OnArgumentDoubleClick() {
    if (!hasOneShotArgs_) return;
    hasOneShotArgs_ = false;
    RefreshArgumentLabel();
}

void PanelLogic::OnExitClick() {
    // Saved while every window still stands, so that a failed save can be offered again.
    OnClosed();
    v_.panel.Unload();
}

void PanelLogic::OnClosed() {
    if (unloaded_) return;
    unloaded_ = true;
    v_.tickTimer.SetEnabled(false);
    if (onUnload) onUnload();
}

void PanelLogic::OnSettingsClick() {
    SettingsDialogLogic dialog(settings_, s_.messages, [this] {
        ChangeWindowWidth();
        ChangeWindowPosition();
    });
    WithTimerOff([&] { s_.dialogs.RunSettingsDialog(dialog); });
}

void PanelLogic::OnAboutClick() {
    AboutDialogLogic dialog(s_.shell, context_.readmePath, context_.toolkit);
    WithTimerOff([&] { s_.dialogs.RunAboutDialog(dialog); });
}

}  // namespace velmora
