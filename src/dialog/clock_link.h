// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QSize>

namespace kok::dialog {

// What the Settings dialog may ask of the Clock window. The dialog never
// sees the window itself.
class ClockLink {
  public:
    virtual QPoint clockPosition() const = 0;
    virtual QSize clockSize() const = 0;
    // Moves the clock at once without storing the position (the options
    // page's position fields; OK stores it, Cancel's reload puts it back).
    virtual void moveClockTo(QPoint position) = 0;
    // The alarm submenu is hidden while the dialog edits the alarms.
    virtual void setAlarmMenuVisible(bool visible) = 0;
    // Settings cannot be changed: hide the menu items that would change them.
    virtual void hideSettingsMenuItems() = 0;
    // Every setting is read again from the file, without hiding the clock.
    virtual void reloadSettings() = 0;
    // The next reload starts a countdown that is on afresh (true) or lets it
    // run on (false).
    virtual void setCountdownRestart(bool fresh) = 0;
    virtual bool countdownRunning() const = 0;
    // The stopwatch, driven from its page: whether its tick runs (started and
    // not paused), pause and resume, and the start/stop toggle of the menu.
    virtual bool stopwatchTicking() const = 0;
    virtual bool stopwatchPaused() const = 0;
    virtual void pauseStopwatch() = 0;
    virtual void resumeStopwatch() = 0;
    virtual void toggleStopwatch() = 0;

  protected:
    ~ClockLink() = default;
};

} // namespace kok::dialog
