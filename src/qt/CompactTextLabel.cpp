#include "qt/CompactTextLabel.h"

#include <algorithm>

#include <QPainter>

namespace velmora {

void CompactTextLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawFrame(&painter);
    const QStringList lines = text().split(QLatin1Char('\n'));
    const QRect area = contentsRect().adjusted(2, 1, -1, -1);
    const QFontMetrics fm = fontMetrics();
    const int step = std::min(fm.height(), area.height() / static_cast<int>(std::max<qsizetype>(1, lines.size())));
    const int glyphHeight = fm.ascent() + fm.descent();
    painter.setPen(palette().color(QPalette::WindowText));
    for (int i = 0; i < lines.size(); ++i) {
        const int baseline = area.top() + i * step + (step - glyphHeight) / 2 + fm.ascent();
        painter.drawText(area.left(), baseline, lines[i]);
    }
}

}  // namespace velmora
