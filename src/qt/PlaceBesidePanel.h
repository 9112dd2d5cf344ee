#pragma once

class QWidget;

namespace velmora {

// Moves a window of ours that is about to show (a dialog, a message) to where the core places
// dialogs: clear of the shown panel, which compositing window managers paint above every managed
// window whatever the stacking says.
void PlaceBesidePanel(QWidget* window);

}  // namespace velmora
