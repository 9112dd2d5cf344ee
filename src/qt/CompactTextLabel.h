#pragma once

#include <QLabel>

namespace velmora {

// A bordered label whose lines are spaced by the room it has rather than by the font's line
// height: the key help's three lines were laid out for a tight bitmap font, and Japanese
// fallback fonts carry much larger line gaps.
class CompactTextLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace velmora
