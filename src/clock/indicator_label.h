// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace kok::clock {

class FaceLabel;

// A time indicator over the face, repainted every second.
class IndicatorLabel : public QLabel {
  public:
    using QLabel::QLabel;

    // Over an opaque face that covers it, and with nothing else between them,
    // the indicator draws its part of the face itself and is opaque: a new
    // text then repaints this label alone, not the face and the window
    // beneath. An indicator over another one it overlaps may not: it shows
    // the other's text through its own transparent pixels.
    void setFaceUnder(const FaceLabel* face);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void updateOpaque();
    bool plainText() const;

    const FaceLabel* face_ = nullptr;
};

} // namespace kok::clock
