// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QColor;
class QRect;
class QSize;

namespace kok::signal {

// What the Message bar does to the window it turns into the bar, and all it
// sees of it. The Clock window implements it.
class BarWindow {
  public:
    // The shape goes and the window is a plain rectangle.
    virtual void takeSkinOff() = 0;
    // The skin, its size and shape come back, and the window shows again at
    // its stored place, which re-runs the show-time load.
    virtual void putSkinBack() = 0;
    // The colour the window shows where the panel does not cover it.
    virtual void setBarColour(const QColor& background) = 0;
    virtual QSize barSize() const = 0;
    // Moves and sizes the window, in screen coordinates.
    virtual void placeBar(const QRect& geometry) = 0;
    // A hidden window shows; its show-time load puts it at its stored place.
    virtual void showBar() = 0;
    // Above every other window, with the keyboard.
    virtual void raiseBar() = 0;
    // Paints at once: no events are handled while the bar grows.
    virtual void repaintBar() = 0;

  protected:
    ~BarWindow() = default;
};

} // namespace kok::signal
