// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock/indicator_label.h"

#include <QPainter>
#include <QStyle>

#include "clock/face_label.h"

namespace kok::clock {

void IndicatorLabel::setFaceUnder(const FaceLabel* face) {
    face_ = face;
    updateOpaque();
}

namespace {

// Whether a shown sibling lies between the face and the indicator in the
// stacking order, over the indicator.
bool anythingBetween(const QWidget* face, const QWidget* indicator) {
    const QObjectList& siblings = indicator->parentWidget()->children();
    const qsizetype from = siblings.indexOf(face);
    const qsizetype to = siblings.indexOf(indicator);
    if (from < 0 || to < from) return true;
    for (qsizetype i = from + 1; i < to; ++i) {
        const auto* w = qobject_cast<const QWidget*>(siblings[i]);
        if (w != nullptr && !w->isHidden() && w->geometry().intersects(indicator->geometry()))
            return true;
    }
    return false;
}

} // namespace

void IndicatorLabel::updateOpaque() {
    const bool covered = face_ != nullptr && parentWidget() != nullptr &&
                         face_->parentWidget() == parentWidget() && !face_->isHidden() &&
                         face_->opaqueFace() && face_->geometry().contains(geometry()) &&
                         !anythingBetween(face_, this);
    setAttribute(Qt::WA_OpaquePaintEvent, covered);
}

void IndicatorLabel::moveEvent(QMoveEvent* event) {
    QLabel::moveEvent(event);
    updateOpaque();
}

void IndicatorLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    updateOpaque();
}

// Plain text on a bare label is drawn as the style draws an item's text,
// without building a style option and a frame pass every second.
bool IndicatorLabel::plainText() const {
    return pixmap().isNull() && frameShape() == QFrame::NoFrame && textFormat() == Qt::PlainText &&
           isEnabled() && margin() == 0 && indent() <= 0 && buddy() == nullptr;
}

// With no text and nothing under it to draw, an indicator is not painted,
// though Qt paints it whenever the repaint of an indicator it overlaps covers
// it (the default skin's two indicators overlap).
void IndicatorLabel::paintEvent(QPaintEvent* event) {
    const bool faceUnder = testAttribute(Qt::WA_OpaquePaintEvent);
    const bool bare = pixmap().isNull() && frameShape() == QFrame::NoFrame;
    if (bare && text().isEmpty() && !faceUnder) return;
    if (!plainText()) {
        if (faceUnder) QPainter(this).drawPixmap(face_->pos() - pos(), face_->pixmap());
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    if (faceUnder) painter.drawPixmap(face_->pos() - pos(), face_->pixmap());
    if (text().isEmpty()) return;
    const Qt::LayoutDirection direction =
        text().isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
    const int flags =
        int(QStyle::visualAlignment(direction, alignment())) |
        (direction == Qt::LeftToRight ? Qt::TextForceLeftToRight : Qt::TextForceRightToLeft);
    painter.setPen(QPen(palette().brush(foregroundRole()), painter.pen().widthF()));
    painter.drawText(contentsRect(), flags, text());
}

} // namespace kok::clock
