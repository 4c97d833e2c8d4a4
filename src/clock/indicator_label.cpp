// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock/indicator_label.h"

#include <QPainter>
#include <QStyle>

namespace kok::clock {

// With no text it has nothing to draw, yet Qt paints it whenever the repaint
// of an indicator it overlaps covers it (the default skin's two indicators
// overlap): those paints are skipped. Plain text on a bare label is drawn as
// the style draws an item's text, without building a style option and a
// frame pass every second.
void IndicatorLabel::paintEvent(QPaintEvent* event) {
    const bool bare = pixmap().isNull() && frameShape() == QFrame::NoFrame;
    if (bare && text().isEmpty()) return;
    if (!bare || textFormat() != Qt::PlainText || !isEnabled() || margin() != 0 || indent() > 0 ||
        buddy() != nullptr) {
        QLabel::paintEvent(event);
        return;
    }
    const Qt::LayoutDirection direction =
        text().isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
    const int flags =
        int(QStyle::visualAlignment(direction, alignment())) |
        (direction == Qt::LeftToRight ? Qt::TextForceLeftToRight : Qt::TextForceRightToLeft);
    QPainter painter(this);
    painter.setPen(QPen(palette().brush(foregroundRole()), painter.pen().widthF()));
    painter.drawText(contentsRect(), flags, text());
}

} // namespace kok::clock
