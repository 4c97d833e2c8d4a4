#include "platform/run_key_store.h"

#include <stdexcept>
#include <system_error>

#include "platform/file_io.h"
#include "platform/paths.h"

namespace kok::platform {

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
                        "Exec=" +
                        desktopExecEscape(commandLine) +
                        "\n"
                        "Terminal=false\n"
                        "X-GNOME-Autostart-enabled=true\n";
    writeFileAtomically(entryPath(name), entry);
}

void XdgAutostartStore::remove(std::string_view name) {
    if (!removeFile(entryPath(name))) throw std::runtime_error("autostart entry cannot be removed");
}

// An Exec value is unquoted twice: first as a string value ("\\" is one
// backslash), then as a command line, where double quotes group an argument
// and, inside them, a backslash escapes the next character. '%' starts a field
// code and is doubled.
std::string desktopExecEscape(std::string_view commandLine) {
    std::string exec;
    bool inQuotes = false;
    for (char c : commandLine) {
        if (c == '\n' || c == '\r') c = ' ';
        if (c == '"') {
            inQuotes = !inQuotes;
        } else if (inQuotes && (c == '`' || c == '$' || c == '\\')) {
            exec += '\\';
        }
        if (c == '%') exec += '%';
        exec += c;
    }
    std::string out;
    for (char c : exec) {
        if (c == '\\') out += '\\';
        out += c;
    }
    return out;
}

std::string desktopExecUnescape(std::string_view value) {
    std::string exec;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size()) {
            const char n = value[++i];
            exec += n == 's' ? ' ' : n == 't' ? '\t' : n;
        } else {
            exec += value[i];
        }
    }
    std::string out;
    bool inQuotes = false;
    for (std::size_t i = 0; i < exec.size(); ++i) {
        const char c = exec[i];
        if (c == '"') inQuotes = !inQuotes;
        if (inQuotes && c == '\\' && i + 1 < exec.size()) {
            out += exec[++i];
        } else if (c == '%' && i + 1 < exec.size() && exec[i + 1] == '%') {
            out += '%';
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace kok::platform
