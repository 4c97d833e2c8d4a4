// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace kok::clock {

// A time indicator over the face. With no text it has nothing to draw, yet Qt
// paints it whenever the repaint of an indicator it overlaps covers it (the
// default skin's two indicators overlap): a painter and a style pass every
// second for an empty label. Those paints are skipped.
class IndicatorLabel : public QLabel {
  public:
    using QLabel::QLabel;

  protected:
    void paintEvent(QPaintEvent* event) override {
        if (text().isEmpty() && pixmap().isNull() && frameShape() == QFrame::NoFrame) return;
        QLabel::paintEvent(event);
    }
};

} // namespace kok::clock
