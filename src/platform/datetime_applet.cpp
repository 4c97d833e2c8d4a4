// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/datetime_applet.h"

#include <QStandardPaths>
#include <QString>
#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "platform/process.h"

namespace kok::platform {
namespace {

struct DesktopTool {
    std::string_view desktop; // an XDG_CURRENT_DESKTOP entry, lower case
    std::vector<std::string> command;
};

// Newer tools before older ones of the same desktop.
const std::vector<DesktopTool>& desktopTools() {
    static const std::vector<DesktopTool> tools = {
        {"gnome", {"gnome-control-center", "datetime"}},
        {"unity", {"gnome-control-center", "datetime"}},
        {"budgie", {"gnome-control-center", "datetime"}},
        {"kde", {"systemsettings", "kcm_clock"}},
        {"kde", {"kcmshell6", "kcm_clock"}},
        {"kde", {"kcmshell5", "clock"}},
        {"x-cinnamon", {"cinnamon-settings", "calendar"}},
        {"lxqt", {"lxqt-admin-time"}},
        {"mate", {"time-admin"}},
        {"xfce", {"time-admin"}},
    };
    return tools;
}

std::string lowerCase(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

void addOnce(std::vector<std::vector<std::string>>& list, const std::vector<std::string>& cmd) {
    if (std::find(list.begin(), list.end(), cmd) == list.end()) list.push_back(cmd);
}

} // namespace

std::vector<std::vector<std::string>> dateTimeSettingsCommands(std::string_view desktop) {
    std::vector<std::vector<std::string>> commands;
    const std::string wanted = lowerCase(desktop);
    std::size_t start = 0;
    while (start <= wanted.size()) {
        const std::size_t end = std::min(wanted.find(':', start), wanted.size());
        const std::string_view name = std::string_view(wanted).substr(start, end - start);
        for (const DesktopTool& tool : desktopTools())
            if (!name.empty() && tool.desktop == name) addOnce(commands, tool.command);
        start = end + 1;
    }
    for (const DesktopTool& tool : desktopTools())
        addOnce(commands, tool.command);
    return commands;
}

// Every desktop has the one tool, whichever system family the settings are for.
void openDateTimeSettings(bool /*xpFamily*/) {
    const char* desktop = std::getenv("XDG_CURRENT_DESKTOP");
    for (const auto& command : dateTimeSettingsCommands(desktop ? desktop : "")) {
        if (QStandardPaths::findExecutable(QString::fromStdString(command.front())).isEmpty())
            continue;
        const std::vector<std::string> arguments(command.begin() + 1, command.end());
        if (startDetached(command.front(), arguments)) return;
    }
}

} // namespace kok::platform
