// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/lazy_settings_dialog.h"

#include <chrono>

#include "dialog/settings_dialog.h"

namespace kok::app {

LazySettingsDialog::LazySettingsDialog(dialog::ClockLink& clock) : clock_(clock) {
    sinceStart_.start();
}

LazySettingsDialog::~LazySettingsDialog() = default;

dialog::SettingsDialog& LazySettingsDialog::dialog() {
    if (!dialog_) {
        dialog_ = std::make_unique<dialog::SettingsDialog>(
            clock_, std::chrono::milliseconds(sinceStart_.elapsed()));
        if (barShowing_) dialog_->setMessageBarShowing(true);
    }
    return *dialog_;
}

void LazySettingsDialog::openSection(Section section) {
    dialog().openSection(section);
}

bool LazySettingsDialog::isOpen() const {
    return dialog_ && dialog_->isOpen();
}

// The pages follow the clock only while the dialog shows, which it cannot
// before it is built.
void LazySettingsDialog::showClockPosition(QPoint position) {
    if (dialog_) dialog_->showClockPosition(position);
}

void LazySettingsDialog::showStopwatchTime(const QString& text) {
    if (dialog_) dialog_->showStopwatchTime(text);
}

void LazySettingsDialog::showClockTime(const QString& text) {
    if (dialog_) dialog_->showClockTime(text);
}

void LazySettingsDialog::refreshStopwatchPage() {
    if (dialog_) dialog_->refreshStopwatchPage();
}

void LazySettingsDialog::refreshCountdownPage() {
    if (dialog_) dialog_->refreshCountdownPage();
}

void LazySettingsDialog::showStopwatchMode(bool stopMode) {
    if (dialog_) dialog_->showStopwatchMode(stopMode);
}

void LazySettingsDialog::showSystemTime(bool on) {
    if (dialog_) dialog_->showSystemTime(on);
}

void LazySettingsDialog::alarmsSwitched(const std::vector<int>& switched, bool on) {
    if (dialog_) dialog_->alarmsSwitched(switched, on);
}

void LazySettingsDialog::setMessageBarShowing(bool showing) {
    barShowing_ = showing;
    if (dialog_) dialog_->setMessageBarShowing(showing);
}

} // namespace kok::app
