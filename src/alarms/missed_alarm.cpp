// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/missed_alarm.h"

#include <QCoreApplication>
#include <QString>

#include "face/time_text.h"

namespace kok::alarm {

std::string missedAlarmText(int dueSecondOfDay, std::string_view message) {
    // One pass over both places, so that a "%1" in the message stays as typed.
    return QCoreApplication::translate("Alarms", "Пропущено: %1 — %2")
        .arg(QString::fromStdString(clock::FormatDuration(dueSecondOfDay, false)),
             QString::fromUtf8(message.data(), qsizetype(message.size())))
        .toStdString();
}

} // namespace kok::alarm
