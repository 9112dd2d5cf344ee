#include "qt/CompactTextLabel.h"

#include <algorithm>

#include <QPainter>
#include <QTextLayout>

namespace velmora {

QRect CompactTextLabel::TextArea() const { return contentsRect().adjusted(2, 1, -1, -1); }

QStringList CompactTextLabel::DrawnLines() const {
    QStringList lines;
    const QStringList paragraphs = text().split(QLatin1Char('\n'));
    for (const QString& paragraph : paragraphs) {
        if (!wordWrap() || paragraph.isEmpty()) {
            lines << paragraph;
            continue;
        }
        QTextLayout layout(paragraph, font());
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(TextArea().width());
            lines << paragraph.mid(line.textStart(), line.textLength());
        }
        layout.endLayout();
    }
    return lines;
}

int CompactTextLabel::LineStep(int lineCount) const {
    return std::min(fontMetrics().height(), TextArea().height() / std::max(1, lineCount));
}

bool CompactTextLabel::TextFits() const {
    const QStringList lines = DrawnLines();
    const QFontMetrics fm = fontMetrics();
    const int glyphHeight = fm.ascent() + fm.descent();
    const int step = LineStep(static_cast<int>(lines.size()));
    const bool tallEnough = step * (lines.size() - 1) + glyphHeight <= TextArea().height();
    const bool wideEnough = std::all_of(lines.begin(), lines.end(), [&](const QString& line) {
        return fm.horizontalAdvance(line.trimmed()) <= TextArea().width();
    });
    return tallEnough && wideEnough;
}

void CompactTextLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawFrame(&painter);
    const QStringList lines = DrawnLines();
    const QRect area = TextArea();
    const QFontMetrics fm = fontMetrics();
    const int step = LineStep(static_cast<int>(lines.size()));
    const int glyphHeight = fm.ascent() + fm.descent();
    painter.setPen(palette().color(QPalette::WindowText));
    for (int i = 0; i < lines.size(); ++i) {
        const int baseline =
            area.top() + i * step + std::max(0, step - glyphHeight) / 2 + fm.ascent();
        painter.drawText(area.left(), baseline, lines[i]);
    }
}

}  // namespace velmora
