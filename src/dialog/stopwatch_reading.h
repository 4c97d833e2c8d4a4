// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace kok::dialog {

// What "no value" looks like on the stopwatch page.
inline constexpr std::string_view kNoValue = "-";
// The current time and the missed time while the stopwatch is paused.
inline constexpr std::string_view kPausedValue = "-- : -- : --";
inline constexpr std::string_view kNoMissedTime = "00:00:00";

// A remembered reading, built from the page's four info texts:
// "00:12:05  [с 10:00:00 до 10:12:05]", with " ~ " and the missed time
// before the bracket closes when the stopwatch has been paused.
std::string stopwatchReading(std::string_view timer, std::string_view start,
                             std::string_view current, std::string_view missed);

} // namespace kok::dialog
