// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kok::platform {

// The per-user list of programs started at logon (the Run key on Windows).
// Each entry is a name with a command line. Failures throw std::runtime_error.
class RunKeyStore {
  public:
    virtual ~RunKeyStore() = default;
    virtual bool exists(std::string_view name) const = 0;
    virtual std::string read(std::string_view name) const = 0;
    virtual void write(std::string_view name, std::string_view commandLine) = 0;
    virtual void remove(std::string_view name) = 0;
};

// On Linux the store is the XDG autostart folder: one desktop entry per name,
// <folder>/<name>.desktop, whose Exec line is the command line.
class XdgAutostartStore final : public RunKeyStore {
  public:
    explicit XdgAutostartStore(std::filesystem::path folder);
    static std::filesystem::path defaultFolder(); // $XDG_CONFIG_HOME/autostart

    bool exists(std::string_view name) const override;
    std::string read(std::string_view name) const override;
    void write(std::string_view name, std::string_view commandLine) override;
    void remove(std::string_view name) override;

    std::filesystem::path entryPath(std::string_view name) const;

  private:
    std::filesystem::path folder_;
};

// A command line the Windows way: blanks separate the arguments, double quotes
// group them, and a backslash escapes a double quote (backslashes before a
// quote are doubled); other backslashes are plain characters.
std::vector<std::string> splitCommandLine(std::string_view commandLine);
// The program always in quotes, the other arguments only where they need them.
std::string joinCommandLine(const std::vector<std::string>& arguments);

// A text as a string value of a desktop entry (TryExec): backslash escapes.
std::string desktopStringValue(std::string_view text);

// A command line as the Exec key of a desktop entry, quoted by the rules of
// the freedesktop Desktop Entry rules, and back.
std::string desktopExecEscape(std::string_view commandLine);
std::string desktopExecUnescape(std::string_view exec);

} // namespace kok::platform
