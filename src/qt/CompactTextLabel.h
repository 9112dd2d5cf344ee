#pragma once

#include <QLabel>
#include <QStringList>

namespace velmora {

// A bordered label whose lines are spaced by the room it has rather than by the font's line
// height: the key help and the About description were laid out for a tight bitmap font, and
// Japanese fallback fonts carry much larger line gaps. With word wrap on, long lines wrap at
// the label's width first.
class CompactTextLabel : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;

    // The lines as drawn, after wrapping.
    QStringList DrawnLines() const;
    // Every drawn line lies wholly inside the label, with the glyphs' full height.
    bool TextFits() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QRect TextArea() const;
    int LineStep(int lineCount) const;
};

}  // namespace velmora
