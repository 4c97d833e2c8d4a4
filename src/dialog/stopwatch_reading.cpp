// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog/stopwatch_reading.h"
#include "platform/translate.h"

namespace kok::dialog {

std::string stopwatchReading(std::string_view timer, std::string_view start,
                             std::string_view current, std::string_view missed) {
    std::string text(timer);
    text.append(platform::trText("StopwatchPage", QT_TRANSLATE_NOOP("StopwatchPage", "  [с ")))
        .append(start)
        .append(platform::trText("StopwatchPage", QT_TRANSLATE_NOOP("StopwatchPage", " до ")))
        .append(current);
    if (missed != kNoMissedTime) text.append(" ~ ").append(missed);
    text.append("]");
    return text;
}

} // namespace kok::dialog
