// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

class QPoint;
class QString;

namespace kok::face {

// What the Clock window may ask of the Settings dialog. The window never sees
// the dialog itself, and the dialog passes each call to the page it concerns.
class SettingsView {
  public:
    // The dialog's sections, in the order of its section buttons.
    enum Section { Options, Alarm, Countdown, Timer, Message, Skins, Editor, Info, SectionCount };

    // Shows the dialog on a section and brings it to the front.
    virtual void openSection(Section section) = 0;
    // Whether the dialog shows; its pages follow the clock only then.
    virtual bool isOpen() const = 0;
    // The Clock window's position while it is dragged.
    virtual void showClockPosition(QPoint position) = 0;
    // The stopwatch's reading at every tick, for its page's live field.
    virtual void showStopwatchTime(const QString& text) = 0;
    // The clock's time at every tick, for the stopwatch page's current-time field.
    virtual void showClockTime(const QString& text) = 0;
    // The stopwatch started, stopped, paused or resumed; the countdown started
    // or stopped: their pages show it.
    virtual void refreshStopwatchPage() = 0;
    virtual void refreshCountdownPage() = 0;
    // The timer button's mode was chosen from the menu (true: a click stops).
    virtual void showStopwatchMode(bool stopMode) = 0;
    // The uptime display was switched from the menu: OK keeps that choice.
    virtual void showSystemTime(bool on) = 0;
    // These alarm slots were switched on or off meanwhile: by the alarm check
    // (a once-alarm that came due) or by a command (`--alarm N on`). OK keeps
    // the switch unless the user changes it again in the dialog.
    virtual void alarmsSwitched(const std::vector<int>& switched, bool on) = 0;
    // OK and Cancel are off while the Message bar shows.
    virtual void setMessageBarShowing(bool showing) = 0;

  protected:
    ~SettingsView() = default;
};

} // namespace kok::face
