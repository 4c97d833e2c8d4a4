// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/clock_commands.h"

namespace kok::commands {

std::string statusLines(const ClockStatus& status) {
    const auto line = [](const char* key, const std::string& value) {
        return std::string(key) + ": " + (value.empty() ? "-" : value) + "\n";
    };
    return line("time", status.time) + line("next-alarm", status.nextAlarm) +
           line("countdown", status.countdownLeft) + line("stopwatch", status.stopwatch) +
           line("reminder", status.reminder);
}

} // namespace kok::commands
