// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

#include "dialog/clock_link.h"

namespace kok::test {

// Stands in for the Clock window and records what the dialog asked of it.
class FakeClockLink : public dialog::ClockLink {
  public:
    QPoint clockPosition() const override { return position; }
    QSize clockSize() const override { return size; }
    void moveClockTo(QPoint p) override {
        position = p;
        ++moves;
    }
    void setAlarmMenuVisible(bool visible) override { alarmMenuVisible = visible; }
    void hideSettingsMenuItems() override { settingsItemsHidden = true; }
    void reloadSettings() override { ++reloads; }
    void setCountdownRestart(bool fresh) override { countdownRestart = fresh; }
    bool countdownRunning() const override { return countdownOn; }
    bool stopwatchTicking() const override { return stopwatch == Running; }
    bool stopwatchPaused() const override { return stopwatch == Paused; }
    void pauseStopwatch() override { stopwatch = Paused; }
    void resumeStopwatch() override { stopwatch = Running; }
    void toggleStopwatch() override { stopwatch = stopwatch == Stopped ? Running : Stopped; }

    QPoint position{40, 30};
    QSize size{150, 60};
    int moves = 0;
    bool alarmMenuVisible = true;
    bool settingsItemsHidden = false;
    int reloads = 0;
    bool countdownRestart = false;
    bool countdownOn = false;
    enum { Stopped, Paused, Running } stopwatch = Stopped;
};

} // namespace kok::test
