// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <memory>

#include "face/settings_view.h"

namespace kok::dialog {
class ClockLink;
class SettingsDialog;
} // namespace kok::dialog

namespace kok::app {

// The Settings dialog as the clock sees it, built when it is first opened:
// most runs never open it, and a clock that has not cost a few hundred
// kilobytes less. Until then it is closed, and what the clock tells it is
// kept for it.
class LazySettingsDialog : public face::SettingsView {
  public:
    // Made at the program's start: the dialog's lock counts from here.
    explicit LazySettingsDialog(dialog::ClockLink& clock);
    ~LazySettingsDialog();

    // The dialog, built now if it was not; tests look at it.
    dialog::SettingsDialog& dialog();
    bool built() const { return dialog_ != nullptr; }

    // SettingsView
    void openSection(Section section) override;
    bool isOpen() const override;
    void showClockPosition(QPoint position) override;
    void showStopwatchTime(const QString& text) override;
    void showClockTime(const QString& text) override;
    void refreshStopwatchPage() override;
    void refreshCountdownPage() override;
    void showStopwatchMode(bool stopMode) override;
    void showSystemTime(bool on) override;
    void alarmsSwitched(const std::vector<int>& switched, bool on) override;
    void setMessageBarShowing(bool showing) override;

  private:
    dialog::ClockLink& clock_;
    QElapsedTimer sinceStart_;
    std::unique_ptr<dialog::SettingsDialog> dialog_;
    bool barShowing_ = false;
};

} // namespace kok::app
