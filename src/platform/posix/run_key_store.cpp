// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/run_key_store.h"

#include <stdexcept>
#include <system_error>

#include "platform/file_io.h"
#include "platform/paths.h"

namespace kok::platform {
namespace {

// The entry's icon: the program's own, by its name in the icon theme.
constexpr std::string_view kIconName = KOKTD_APP_ID;

} // namespace

XdgAutostartStore::XdgAutostartStore(std::filesystem::path folder) : folder_(std::move(folder)) {}

std::filesystem::path XdgAutostartStore::defaultFolder() {
    return userConfigDir() / "autostart";
}

std::filesystem::path XdgAutostartStore::entryPath(std::string_view name) const {
    return folder_ / (std::string(name) + ".desktop");
}

bool XdgAutostartStore::exists(std::string_view name) const {
    std::error_code ec;
    const auto status = std::filesystem::status(entryPath(name), ec);
    // A missing entry is an answer; a folder that cannot be looked into is not.
    if (ec && ec != std::errc::no_such_file_or_directory)
        throw std::runtime_error("autostart folder cannot be read: " + ec.message());
    return std::filesystem::is_regular_file(status);
}

std::string XdgAutostartStore::read(std::string_view name) const {
    const auto text = readWholeFile(entryPath(name));
    if (!text) throw std::runtime_error("autostart entry cannot be read");
    std::size_t pos = 0;
    while (pos < text->size()) {
        auto nl = text->find('\n', pos);
        if (nl == std::string::npos) nl = text->size();
        const std::string_view line(text->data() + pos, nl - pos);
        if (line.rfind("Exec=", 0) == 0) return desktopExecUnescape(line.substr(5));
        pos = nl + 1;
    }
    return {};
}

void XdgAutostartStore::write(std::string_view name, std::string_view commandLine) {
    std::error_code ec;
    std::filesystem::create_directories(folder_, ec);
    if (ec) throw std::runtime_error("autostart folder cannot be created: " + ec.message());
    std::string entry = "[Desktop Entry]\n"
                        "Type=Application\n"
                        "Name=" +
                        std::string(name) +
                        "\n"
                        "Comment=Desktop clock with alarms, countdown and stopwatch\n"
                        "Icon=" +
                        std::string(kIconName) + "\n";
    // A desktop skips the entry once its program is gone (a removed package),
    // rather than failing to start it at every login.
    if (const auto args = splitCommandLine(commandLine); !args.empty())
        entry += "TryExec=" + desktopStringValue(args.front()) + "\n";
    entry += "Exec=" + desktopExecEscape(commandLine) +
             "\n"
             "Terminal=false\n"
             "X-GNOME-Autostart-enabled=true\n";
    writeFileAtomically(entryPath(name), entry);
}

void XdgAutostartStore::remove(std::string_view name) {
    if (!removeFile(entryPath(name))) throw std::runtime_error("autostart entry cannot be removed");
}

std::vector<std::string> splitCommandLine(std::string_view line) {
    std::vector<std::string> args;
    std::string arg;
    bool inArg = false, quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '\\') {
            std::size_t n = 0;
            while (i + n < line.size() && line[i + n] == '\\')
                ++n;
            const bool beforeQuote = i + n < line.size() && line[i + n] == '"';
            arg.append(beforeQuote ? n / 2 : n, '\\');
            i += n - 1;
            if (beforeQuote && n % 2) { // an escaped quote is a character
                arg += '"';
                ++i;
            }
            inArg = true;
            continue;
        }
        if (c == '"') {
            quoted = !quoted;
            inArg = true;
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (inArg) args.push_back(std::move(arg));
            arg.clear();
            inArg = false;
        } else {
            arg += c;
            inArg = true;
        }
    }
    if (inArg) args.push_back(std::move(arg));
    return args;
}

std::string joinCommandLine(const std::vector<std::string>& arguments) {
    std::string line;
    for (std::size_t a = 0; a < arguments.size(); ++a) {
        const std::string& arg = arguments[a];
        if (a) line += ' ';
        if (a && !arg.empty() && arg.find_first_of(" \t\"") == std::string::npos) {
            line += arg;
            continue;
        }
        line += '"';
        std::size_t slashes = 0;
        for (char c : arg) {
            if (c == '\\') {
                ++slashes;
                continue;
            }
            line.append(c == '"' ? 2 * slashes + 1 : slashes, '\\');
            slashes = 0;
            line += c;
        }
        line.append(2 * slashes, '\\'); // before the closing quote
        line += '"';
    }
    return line;
}

namespace {

// Characters an argument of an Exec key may hold only inside double quotes.
constexpr std::string_view kExecReserved = " \t\n\r\"'\\><~|&;$*?#`()";

// An Exec value is read twice: first as a string value of the entry, then as
// a command line, in which an argument with a reserved character is quoted
// and, inside the quotes, '"', '`', '$' and '\' are escaped with a backslash.
// '%' starts a field code in either, so a plain one is doubled.
// The program is always quoted, as the command line quotes it.
std::string execArgument(const std::string& arg, bool program) {
    const bool quote =
        program || arg.empty() || arg.find_first_of(kExecReserved) != std::string::npos;
    std::string out = quote ? "\"" : "";
    for (char c : arg) {
        if (quote && (c == '"' || c == '`' || c == '$' || c == '\\')) out += '\\';
        if (c == '%') out += '%';
        out += c;
    }
    if (quote) out += '"';
    return out;
}

std::string asStringValue(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string fromStringValue(std::string_view value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        const char n = value[++i];
        out += n == 's' ? ' ' : n == 'n' ? '\n' : n == 't' ? '\t' : n == 'r' ? '\r' : n;
    }
    return out;
}

std::vector<std::string> execArguments(std::string_view exec) {
    std::vector<std::string> args;
    std::string arg;
    bool inArg = false, quoted = false;
    for (std::size_t i = 0; i < exec.size(); ++i) {
        const char c = exec[i];
        if (c == '\\' && i + 1 < exec.size()) {
            arg += exec[++i];
            inArg = true;
        } else if (c == '"') {
            quoted = !quoted;
            inArg = true;
        } else if (c == '%' && i + 1 < exec.size() && exec[i + 1] == '%') {
            arg += exec[++i];
            inArg = true;
        } else if ((c == ' ' || c == '\t' || c == '\n') && !quoted) {
            if (inArg) args.push_back(std::move(arg));
            arg.clear();
            inArg = false;
        } else {
            arg += c;
            inArg = true;
        }
    }
    if (inArg) args.push_back(std::move(arg));
    return args;
}

} // namespace

std::string desktopStringValue(std::string_view text) {
    return asStringValue(text);
}

std::string desktopExecEscape(std::string_view commandLine) {
    std::string exec;
    for (const std::string& arg : splitCommandLine(commandLine))
        exec += exec.empty() ? execArgument(arg, true) : " " + execArgument(arg, false);
    return asStringValue(exec);
}

std::string desktopExecUnescape(std::string_view value) {
    return joinCommandLine(execArguments(fromStringValue(value)));
}

} // namespace kok::platform
