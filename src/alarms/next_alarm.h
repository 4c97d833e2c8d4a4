// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "alarms/alarm_slots.h"

namespace kok::alarm {

// The next switched-on slot to ring after `now`, within a year, as
// "N hh:nn" with "dd.mm" before the time when it is not today; empty when
// none will. Of two at the same minute the lower slot is named.
std::string nextAlarmText(const AlarmSettings& alarms, const platform::LocalTime& now);

} // namespace kok::alarm
