// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace kok::alarm {

// What the user reads of an alarm missed by more than the late limit (a
// suspend, a time change): that it was missed, when it was due ("hh:nn") and
// its message, e.g. "Пропущено: 07:00 — Wake up". The Message bar shows it;
// anything else that tells of a missed alarm uses the same text.
std::string missedAlarmText(int dueSecondOfDay, std::string_view message);

} // namespace kok::alarm
