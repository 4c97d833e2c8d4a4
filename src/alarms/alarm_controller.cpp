// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/alarm_controller.h"

#include <QAction>
#include <QString>
#include <algorithm>

#include "alarms/event_firing.h"
#include "alarms/missed_alarm.h"
#include "face/clock_surface.h"
#include "face/time_text.h"
#include "platform/clock.h"
#include "platform/tick_timer.h"
#include "settings/keys.h"
#include "settings/settings_file.h"
#include "signals/bar_placement.h"
#include "signals/message_bar.h"
#include "signals/warn_signal.h"
#include "signals/warning_lock.h"

namespace kok::alarm {
namespace {

namespace keys = settings::alarms;

constexpr int kMaxPeriodSeconds = 3600;

} // namespace

AlarmController::AlarmController(AlarmParts parts, EventFiring& firing, signal::MessageBar& bar,
                                 clock::ClockSurface& surface, std::function<void()> repaintNow,
                                 QObject* parent)
    : QObject(parent), ui_(parts), firing_(firing), bar_(bar), surface_(surface),
      repaintNow_(std::move(repaintNow)) {
    connect(ui_.tt_alarm, &platform::TickTimer::timeout, this, &AlarmController::tt_alarmTimer);
}

void AlarmController::load(const settings::IniFile& ini) {
    const AlarmSettings alarms = readAlarmSettings(ini.snapshot());
    // A period below a second would make the check spin.
    periodSeconds_ = std::clamp(alarms.accuracySeconds, 1, kMaxPeriodSeconds);
    if (activeSlots(alarms) == 0) {
        ui_.tt_alarm->stop();
    } else if (!ui_.tt_alarm->isActive()) {
        const platform::LocalTime now = platform::clock().now();
        check_.start(now);
        ui_.tt_alarm->start(clock::untilNextTick(now, periodSeconds_));
    }
    for (int slot = 0; slot < kSlotCount; ++slot) {
        ui_.ma[slot]->setChecked(alarms.slot[slot].use);
        ui_.ma[slot]->setText(QString::fromStdString(menuCaption(slot, alarms.slot[slot])));
    }
}

void AlarmController::tt_alarmTimer() {
    const platform::LocalTime now = platform::clock().now();
    // Checks fall on the period's boundaries of the wall clock, just after
    // the clock's own tick, so that both are one wake-up.
    ui_.tt_alarm->start(clock::untilNextTick(now, periodSeconds_));
    const AlarmSettings& alarms = currentSettings();
    const CheckOutcome outcome =
        check_.evaluate(alarms, now, ui_.tt_locker->running(), bar_.showing());
    CheckOutcome done = outcome;
    if (!outcome.consume.empty()) {
        try {
            settings::openSettings().update([&](settings::IniUpdate& ini) {
                for (int slot : outcome.consume)
                    ini.writeFlag(keys::kName, keys::slotKey(slot, keys::kUse), false);
            });
            if (switchedOff_) switchedOff_(outcome.consume);
        } catch (const settings::WriteError&) {
            // A once-alarm that cannot be switched off stays active and is not
            // shown; the rest of the check stands.
            for (int slot : outcome.consume) {
                done.settled[slot].reset();
                if (done.fire == slot) done.fire.reset();
            }
            done.missed.clear();
        }
    }
    for (int slot : done.missed)
        missed_.push_back({slot, int((*done.settled[slot] % 86400 + 86400) % 86400)});
    // Recorded before the warning, whose wait lets other timers run (a nested
    // check must not fire the same alarm), and the firing asks again whether
    // an event showed up meanwhile.
    check_.accept(done, now);
    if (outcome.warn) signal::PlayWarnSignal(*ui_.tt_locker, repaintNow_);
    if (done.fire && !bar_.showing()) firing_.FireEvent(*done.fire, false);
    showMissedAlarm();
}

// A missed alarm shows its message only, saying when it was due: its sound or
// program would now come at a time nobody chose.
void AlarmController::showMissedAlarm() {
    if (missed_.empty() || bar_.showing()) return;
    const Missed missed = missed_.front();
    missed_.pop_front();
    bar_.ShowMessageText(missedAlarmText(
        missed.dueSecondOfDay, signal::readEventMessage(settings::openSettings(), missed.slot)));
    emit missedShown(missed.slot, int(missed.dueSecondOfDay / 3600),
                     int(missed.dueSecondOfDay / 60 % 60));
    bar_.armDismissal();
}

// The slots are parsed again only when the file has changed.
const AlarmSettings& AlarmController::currentSettings() {
    return settings_.get(settings::settingsFilePath(),
                         [] { return readAlarmSettings(settings::openSettings().snapshot()); });
}

void AlarmController::onBarDismissed() {
    // The next missed alarm waits for no check: the reload of the dismissal
    // may just have stopped the check.
    showMissedAlarm();
    // A check that the reload stopped (no slot on) stays stopped.
    if (!ui_.tt_locker->running() || !ui_.tt_alarm->isActive()) return;
    // Second 1 of the next minute, just past its start like every check.
    ui_.tt_alarm->start(clock::untilNextTick(platform::clock().now(), 60) +
                        std::chrono::seconds(1));
}

} // namespace kok::alarm
