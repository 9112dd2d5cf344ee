#pragma once

#include <QWidget>
#include <functional>

#include "core/panel/WindowKind.h"

namespace velmora {

// A transparent window over the trigger strip, for a Wayland session's X server: it knows where
// the pointer is only while the pointer is over a window of its own, so without one at the edge
// the pointer reaching the edge over the session's own windows goes unseen. It takes the clicks
// in its band. Of the panel's own kind, so that the compositor keeps it above the session's
// windows (and, where the panel is a managed window, sends it the drags coming to the edge).
class EdgeStrip : public QWidget {
  public:
    explicit EdgeStrip(PanelWindowKind kind = PanelWindowKind::OutsideManagement);

    // Where it lies, in the toolkit's pixels; an empty rectangle hides it.
    void Place(const QRect& strip);

    // The pointer came onto the strip, or moved on it.
    std::function<void()> touched;

  protected:
    void enterEvent(QEnterEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    PanelWindowKind kind_;
};

}  // namespace velmora
