// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace kok::clock {

// The skin's face under the indicators, repainted every second beneath the
// changing time text. A face picture that fills the label is drawn straight,
// without the style's frame and alignment pass, and one with no transparent
// pixels is opaque, so that the window's background is not painted under it.
class FaceLabel : public QLabel {
  public:
    using QLabel::QLabel;

    void setFace(const QPixmap& face);
    // Whether the face fills the label with no transparent pixels.
    bool opaqueFace() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    bool fillsLabel() const;
    void updateOpaque();
};

} // namespace kok::clock
