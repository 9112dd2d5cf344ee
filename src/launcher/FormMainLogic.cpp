#include "launcher/FormMainLogic.h"

#include "app/TextToInteger.h"
#include "launcher/Geometry.h"
#include "launcher/Trigger.h"

namespace velmora {

FormMainLogic::FormMainLogic(Settings& settings, Controls controls, PathStyle pathStyle)
    : settings_(settings), c_(controls), pathStyle_(pathStyle) {}

void FormMainLogic::Load() {
    baseWidth_ = CheckedInt32(c_.panel.Width());
    baseListWidth_ = CheckedInt32(c_.panel.ListWidth());
    c_.panel.SetKeyHelp(kKeyHelpText);
    RefreshArgumentLabel();
}

void FormMainLogic::ChangeWindowPosition() {
    const CornerPoint p = CornerPosition(settings_.WindowPosition, c_.screen.WidthTwips(),
                                         c_.screen.HeightTwips(), c_.panel.Width(),
                                         c_.panel.Height());
    c_.panel.SetLeft(p.left);
    c_.panel.SetTop(p.top);
}

void FormMainLogic::ChangeWindowWidth() {
    if (const auto width = ScaledWindowWidth(settings_.WindowWidth, baseWidth_)) {
        c_.panel.SetWidth(*width);
    }
    const StretchedLayout layout =
        StretchLayout(c_.panel.Width(), baseWidth_, baseListWidth_, c_.screen.TwipsPerPixelX());
    c_.panel.SetListWidth(layout.listWidth);
    c_.panel.SetBorderX(layout.borderX);
}

void FormMainLogic::RefreshArgumentLabel() {
    if (hasOneShotArgs_) {
        c_.panel.SetArgumentLabelLook(true, oneShotArgs_);
    } else {
        c_.panel.SetArgumentLabelLook(false, kArgumentHelpText);
    }
}

void FormMainLogic::Tick() {
    if (!c_.timer1.Enabled()) return;
    TriggerInputs in;
    in.timerEnabled = true;
    const auto [x, y] = c_.screen.CursorPos();
    in.cursorX = x;
    in.cursorY = y;
    in.screenWidth = c_.screen.WidthTwips();
    in.twipsPerPixelX = c_.screen.TwipsPerPixelX();
    in.twipsPerPixelY = c_.screen.TwipsPerPixelY();
    in.panelVisible = c_.panel.IsVisible();
    if (in.panelVisible) {
        in.panelLeft = c_.panel.Left();
        in.panelTop = c_.panel.Top();
        in.panelWidth = c_.panel.Width();
        in.panelHeight = c_.panel.Height();
    }
    in.windowPosition = settings_.WindowPosition;
    in.capturePixel = settings_.CapturePixel;
    switch (DecideTriggerAction(in)) {
        case TriggerAction::PlaceAndShow:
            ChangeWindowPosition();
            c_.panel.Show();
            break;
        case TriggerAction::Hide:
            c_.panel.Hide();
            break;
        case TriggerAction::Nothing:
            break;
    }
}

void FormMainLogic::AppendItem(const std::string& label, const std::string& target) {
    c_.list1.Append(label);
    c_.list2.Append(target);
}

std::vector<StoredItem> FormMainLogic::Items() const {
    std::vector<StoredItem> items;
    const int count = c_.list1.Count();
    items.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) items.push_back({c_.list1.Text(i), c_.list2.Text(i)});
    return items;
}

void FormMainLogic::InsertItem(int index, const std::string& label, const std::string& target) {
    c_.list2.Insert(index, target);
    c_.list1.Insert(index, label);
}

bool FormMainLogic::RefuseWhenFull() {
    if (c_.list1.Count() < kMaxItemCount) return false;
    c_.messages.Warn("アイテム数は " + std::to_string(kMaxItemCount) + " 個までです。");
    return true;
}

int FormMainLogic::FirstSelected() const {
    const int count = c_.list1.Count();
    for (int i = 0; i < count; ++i) {
        if (c_.list1.IsSelected(i)) return i;
    }
    return -1;
}

void FormMainLogic::OnListDrop(const std::optional<DroppedContent>& dropped) {
    if (!dropped) return;
    if (const auto* files = std::get_if<DroppedFiles>(&*dropped)) AddDroppedFiles(*files);
}

void FormMainLogic::AddDroppedFiles(const DroppedFiles& files) {
    for (const std::string& path : files) {
        if (RefuseWhenFull()) return;
        c_.list2.Append(path);
        c_.list1.Append(LabelFromPath(path, pathStyle_));
    }
}

void FormMainLogic::OnSeparatorClick() { InsertSeparator(); }

void FormMainLogic::InsertSeparator() {
    if (RefuseWhenFull()) return;
    int p = c_.list1.SelectedIndex();
    if (p < 0) p = c_.list1.Count();
    InsertItem(p, kSeparatorLabel, "");
}

void FormMainLogic::OnListKeyUp(ListKey key, int modifiers) {
    if (key == ListKey::Delete && modifiers == 0) {
        DeleteItem();
    } else if (key == ListKey::Up && modifiers == kAltMask) {
        MoveItem(-1);
    } else if (key == ListKey::Down && modifiers == kAltMask) {
        MoveItem(+1);
    }
}

void FormMainLogic::DeleteItem() {
    const int p = c_.list1.SelectedIndex();
    if (p < 0) return;
    c_.list2.Remove(p);
    c_.list1.Remove(p);
}

void FormMainLogic::MoveItem(int delta) {
    const int p = c_.list1.SelectedIndex();
    if (p < 0) return;
    if (delta < 0 && p == 0) return;
    if (delta > 0 && p == c_.list1.Count() - 1) return;
    const std::string label = c_.list1.Text(p);
    const std::string target = c_.list2.Text(p);
    c_.list1.Remove(p);
    c_.list2.Remove(p);
    c_.list1.Insert(p + delta, label);
    c_.list2.Insert(p + delta, target);
    c_.list1.SetSelectedIndex(p + delta);
}

void FormMainLogic::OnListClick() { ShowItemTarget(); }

void FormMainLogic::ShowItemTarget() {
    const int p = FirstSelected();
    if (p >= 0) c_.list1.SetToolTip(c_.list2.Text(p));
}

void FormMainLogic::OnListDoubleClick() { LaunchItem(); }

void FormMainLogic::LaunchItem() {
    const int p = FirstSelected();
    if (p < 0) return;
    const std::string target = c_.list2.Text(p);
    if (target.empty()) return;
    c_.panel.Hide();
    SplitTargetResult split = SplitTarget(target, hasOneShotArgs_, oneShotArgs_);
    NormalizePath(split.file, pathStyle_);
    const std::string directory = DeriveWorkingDirectory(split.file, pathStyle_);
    const std::string failure = c_.shell.Open(split.file, split.parameters, directory);
    hasOneShotArgs_ = false;
    RefreshArgumentLabel();
    if (!failure.empty()) {
        c_.messages.Warn("「" + split.file + "」を開けませんでした。\n" + failure);
    }
}

void FormMainLogic::OnListMouseUp(MouseButton button, int modifiers) {
    if (button == MouseButton::Right && modifiers == 0 && c_.list1.SelectedIndex() >= 0) EditItem();
}

void FormMainLogic::EditItem() {
    const int p = c_.list1.SelectedIndex();
    c_.timer1.SetEnabled(false);
    const ItemDialogOutcome outcome = c_.dialogs.RunItemDialog(c_.list1.Text(p), c_.list2.Text(p));
    c_.timer1.SetEnabled(true);
    if (outcome.ItemDialogResult == 1) {
        c_.list1.SetText(p, outcome.EditedItemName);
        c_.list2.SetText(p, outcome.EditedItemPath);
    } else if (outcome.ItemDialogResult == 2) {
        if (RefuseWhenFull()) return;
        const std::string label = c_.list1.Text(p);
        const std::string target = c_.list2.Text(p);
        c_.list1.Insert(p + 1, label);
        c_.list2.Insert(p + 1, target);
    }
}

void FormMainLogic::OnArgumentDrop(const std::optional<DroppedContent>& dropped, int modifiers) {
    if (dropped) {
        oneShotArgs_ = ComposeOneShotArgs(oneShotArgs_, hasOneShotArgs_, modifiers, *dropped);
        hasOneShotArgs_ = true;
    }
    RefreshArgumentLabel();
}

void FormMainLogic::OnArgumentDoubleClick() {
    if (!hasOneShotArgs_) return;
    hasOneShotArgs_ = false;
    RefreshArgumentLabel();
}

void FormMainLogic::OnExitClick() { c_.panel.Unload(); }

void FormMainLogic::OnSettingsClick() {
    c_.timer1.SetEnabled(false);
    c_.dialogs.RunConfigDialog(settings_, [this] {
        ChangeWindowWidth();
        ChangeWindowPosition();
    });
    c_.timer1.SetEnabled(true);
}

void FormMainLogic::OnAboutClick() {
    c_.timer1.SetEnabled(false);
    c_.dialogs.RunAboutDialog();
    c_.timer1.SetEnabled(true);
}

}  // namespace velmora
