// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock/face_label.h"

#include <QEvent>
#include <QPainter>

namespace kok::clock {

void FaceLabel::setFace(const QPixmap& face) {
    setPixmap(face);
    updateOpaque();
}

// Disabled, a label draws a greyed picture of the style's making.
bool FaceLabel::fillsLabel() const {
    const QPixmap face = pixmap();
    return !face.isNull() && frameShape() == QFrame::NoFrame && isEnabled() &&
           face.deviceIndependentSize() == QSizeF(size());
}

bool FaceLabel::opaqueFace() const {
    return fillsLabel() && !pixmap().hasAlphaChannel();
}

void FaceLabel::updateOpaque() {
    setAttribute(Qt::WA_OpaquePaintEvent, opaqueFace());
}

void FaceLabel::paintEvent(QPaintEvent* event) {
    if (!fillsLabel()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter(this).drawPixmap(0, 0, pixmap());
}

void FaceLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    updateOpaque();
}

void FaceLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) updateOpaque();
}

} // namespace kok::clock
