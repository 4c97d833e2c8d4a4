// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/command_line.h"

#include <QtGlobal>
#include <array>
#include <optional>
#include <utility>

#include "timers/countdown_range.h"

namespace kok::commands {
namespace {

using Action = CommandLine::Action;
using Section = face::SettingsView::Section;

constexpr const char* kUnknownOption = QT_TRANSLATE_NOOP("Messages", "Неизвестный параметр: %1");
constexpr const char* kBadDuration = QT_TRANSLATE_NOOP(
    "Messages", "Длительность отсчёта задаётся как [Ч:]ММ:СС, от 00:10 до 5:59:59: %1");
constexpr const char* kBadStopwatch =
    QT_TRANSLATE_NOOP("Messages", "Секундомер понимает start, pause, resume, stop или reset: %1");
constexpr const char* kBadAlarm =
    QT_TRANSLATE_NOOP("Messages", "Будильник задаётся номером от 0 до 9 и словом on или off: %1");
constexpr const char* kBadSection = QT_TRANSLATE_NOOP(
    "Messages", "Неизвестный раздел настроек (options, alarm, countdown, stopwatch, message, "
                "skins, editor, info): %1");
constexpr const char* kExtra = QT_TRANSLATE_NOOP("Messages", "Лишний параметр после команды: %1");

CommandLine failure(const char* error, std::string argument) {
    CommandLine c;
    c.action = Action::Error;
    c.error = error;
    c.errorArgument = std::move(argument);
    return c;
}

// Digits only, at most `width` of them.
int number(const std::string& text, std::size_t width) {
    if (text.empty() || text.size() > width) return -1;
    int value = 0;
    for (char ch : text) {
        if (ch < '0' || ch > '9') return -1;
        value = value * 10 + (ch - '0');
    }
    return value;
}

std::optional<StopwatchMove> stopwatchMove(const std::string& word) {
    static constexpr std::array<std::pair<const char*, StopwatchMove>, 5> moves{{
        {"start", StopwatchMove::Start},
        {"pause", StopwatchMove::Pause},
        {"resume", StopwatchMove::Resume},
        {"stop", StopwatchMove::Stop},
        {"reset", StopwatchMove::Reset},
    }};
    for (const auto& [name, move] : moves)
        if (word == name) return move;
    return std::nullopt;
}

std::optional<Section> section(const std::string& word) {
    static constexpr std::array<std::pair<const char*, Section>, 9> sections{{
        {"options", Section::Options},
        {"alarm", Section::Alarm},
        {"countdown", Section::Countdown},
        {"stopwatch", Section::Timer},
        {"timer", Section::Timer},
        {"message", Section::Message},
        {"skins", Section::Skins},
        {"editor", Section::Editor},
        {"info", Section::Info},
    }};
    for (const auto& [name, s] : sections)
        if (word == name) return s;
    return std::nullopt;
}

} // namespace

int parseDuration(const std::string& text) {
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find(':', from)) != std::string::npos; from = at + 1)
        parts.push_back(text.substr(from, at - from));
    parts.push_back(text.substr(from));
    if (parts.size() < 2 || parts.size() > 3) return -1;
    const int seconds = number(parts.back(), 2);
    const int minutes = number(parts[parts.size() - 2], 2);
    const int hours = parts.size() == 3 ? number(parts[0], 1) : 0;
    if (seconds < 0 || seconds > 59 || minutes < 0 || hours < 0) return -1;
    if (parts.size() == 3 && minutes > 59) return -1;
    return hours * 3600 + minutes * 60 + seconds;
}

CommandLine parseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine c;
    if (arguments.empty() || arguments[0].rfind("--", 0) != 0) return c;
    const std::string& option = arguments[0];
    const std::vector<std::string> values(arguments.begin() + 1, arguments.end());
    const auto value = [&](std::size_t i) { return i < values.size() ? values[i] : std::string(); };
    std::size_t wanted = 0; // values the option takes
    if (option == "--help") {
        c.action = Action::Help;
    } else if (option == "--version") {
        c.action = Action::Version;
    } else if (option == "--show") {
        c.action = Action::Show;
    } else if (option == "--quit") {
        c.action = Action::Quit;
    } else if (option == "--status") {
        c.action = Action::Status;
    } else if (option == "--countdown") {
        wanted = 1;
        if (value(0) == "stop") {
            c.action = Action::CountdownStop;
        } else {
            c.action = Action::Countdown;
            c.seconds = parseDuration(value(0));
            if (c.seconds < timers::kMinCountdown || c.seconds > timers::kMaxCountdown)
                return failure(kBadDuration, value(0));
        }
    } else if (option == "--stopwatch") {
        wanted = 1;
        const auto move = stopwatchMove(value(0));
        if (!move) return failure(kBadStopwatch, value(0));
        c.action = Action::Stopwatch;
        c.move = *move;
    } else if (option == "--alarm") {
        wanted = 2;
        const int slot = number(value(0), 1);
        const std::string state = value(1);
        if (slot < 0 || (state != "on" && state != "off"))
            return failure(kBadAlarm, value(0) + " " + state);
        c.action = Action::Alarm;
        c.slot = slot;
        c.on = state == "on";
    } else if (option == "--settings") {
        c.action = Action::Settings;
        if (!values.empty()) {
            wanted = 1;
            const auto s = section(values[0]);
            if (!s) return failure(kBadSection, values[0]);
            c.section = *s;
        }
    } else {
        return failure(kUnknownOption, option);
    }
    if (values.size() > wanted) return failure(kExtra, values[wanted]);
    return c;
}

std::string runCommand(const CommandLine& command, ClockCommands& clock) {
    switch (command.action) {
    case Action::Countdown:
        clock.startCountdown(command.seconds);
        break;
    case Action::CountdownStop:
        clock.stopCountdown();
        break;
    case Action::Stopwatch:
        clock.moveStopwatch(command.move);
        break;
    case Action::Alarm:
        clock.switchAlarm(command.slot, command.on);
        break;
    case Action::Settings:
        clock.openSettings(command.section);
        break;
    case Action::Show:
        clock.showClock();
        break;
    case Action::Quit:
        clock.quit();
        break;
    case Action::Status:
        return statusLines(clock.status());
    default:
        break;
    }
    return {};
}

} // namespace kok::commands
