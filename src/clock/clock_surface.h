#pragma once

class QString;

namespace kok::clock {

// The two text indicators of a skin.
enum class Indicator { Time, Timer };

// What the parts beside the Clock window (alarms, the Message bar, the
// countdown and the stopwatch) may ask of it. They never see the window itself.
class ClockSurface {
  public:
    // The shape goes and the window is a plain rectangle (the Message bar).
    virtual void takeSkinOff() = 0;
    // The skin, its size and shape come back, and the window shows again at
    // its stored place, which re-runs the show-time load.
    virtual void putSkinBack() = 0;
    // Hides and shows the window, which re-runs the show-time load.
    virtual void reshow() = 0;
    virtual void setIndicatorText(Indicator which, const QString& text) = 0;
    // The timer button's idle picture tells whether the stopwatch runs.
    virtual void setTimerButtonRunning(bool running) = 0;

  protected:
    ~ClockSurface() = default;
};

} // namespace kok::clock
