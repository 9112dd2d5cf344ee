#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <optional>
#include <utility>

class QWidget;

namespace velmora {

// Hands the panel what the user does at the edge strip where the panel lies. While the X server's
// pointer is parked on the strip beside the panel (IScreen::ParkServerPointer), a click, a double
// click or a turn of the wheel of a pointer at rest over the panel comes to the strip, at the
// parked point: the panel's control under the user's pointer gets it, and the rest of a press
// (its moves and its release) goes after it.
class StripInputForwarder : public QObject {
  public:
    // Watches `strip`'s input, and `panel` hiding; the strip outlives this.
    StripInputForwarder(QWidget& strip, QWidget& panel);

    // The X server's pointer at `to` on the strip, the user's at `from` (logical pixels), until
    // the pointer moves or the panel hides.
    void Park(QPoint from, QPoint to);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget& strip_;
    QPointer<QWidget> panel_;
    std::optional<std::pair<QPoint, QPoint>> parked_;  // from, to
    bool parkedSeen_ = false;                          // the parking's own move has come
    QPointer<QWidget> pressed_;                        // what a press went to, until its release
};

}  // namespace velmora
