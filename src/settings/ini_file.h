// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_io.h"
#include "settings/ini_document.h"

namespace kok::settings {

using WriteError = platform::WriteError;

// The contents of an INI file held in memory while an update edits it. Reads
// see the edits made so far. Names and values are UTF-8 here and
// Windows-1251 in the file.
class IniUpdate {
  public:
    static constexpr std::size_t kMaxValueLength = 1023;

    // An empty file in memory: writing into it collects what a writer would
    // write, to compare with a file.
    IniUpdate() = default;

    int readInteger(std::string_view section, std::string_view key, int defaultValue) const;
    bool readFlag(std::string_view section, std::string_view key, bool defaultValue) const {
        return readInteger(section, key, defaultValue ? 1 : 0) != 0;
    }
    // At most kMaxValueLength characters.
    std::string readString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    bool hasKey(std::string_view section, std::string_view key) const;
    // Names in file order, first occurrences only.
    std::vector<std::string> sections() const;
    std::vector<std::string> keys(std::string_view section) const;

    void writeInteger(std::string_view section, std::string_view key, int value) {
        writeString(section, key, std::to_string(value));
    }
    void writeFlag(std::string_view section, std::string_view key, bool on) {
        writeInteger(section, key, on ? 1 : 0);
    }
    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void removeKey(std::string_view section, std::string_view key);

  private:
    friend class IniFile;
    explicit IniUpdate(std::string bytes) : doc_(std::move(bytes)) {}

    IniDocument doc_;
};

// An INI file bound to a path. Nothing is cached: every read opens and reads
// the file, every update reads it once and rewrites it at once, so what
// another writer stored is seen by the next read. A missing or unreadable file
// reads as empty; a failed write throws WriteError and leaves the file as it
// was. A symbolic link stays a link; the file it points to is rewritten.
class IniFile {
  public:
    static constexpr std::size_t kMaxValueLength = IniUpdate::kMaxValueLength;

    explicit IniFile(std::filesystem::path path) : path_(std::move(path)) {}

    const std::filesystem::path& path() const { return path_; }

    int readInteger(std::string_view section, std::string_view key, int defaultValue) const {
        return snapshot().readInteger(section, key, defaultValue);
    }
    bool readFlag(std::string_view section, std::string_view key, bool defaultValue) const {
        return snapshot().readFlag(section, key, defaultValue);
    }
    std::string readString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const {
        return snapshot().readString(section, key, defaultValue);
    }
    bool hasKey(std::string_view section, std::string_view key) const {
        return snapshot().hasKey(section, key);
    }

    // Reads the file once, lets `edits` change it in memory and writes it back
    // once: all of the edits land, or none (WriteError, or whatever `edits`
    // throws). A file that exists but cannot be read is never replaced.
    void update(const std::function<void(IniUpdate&)>& edits);

    // One-key updates.
    void writeInteger(std::string_view section, std::string_view key, int value) {
        update([&](IniUpdate& u) { u.writeInteger(section, key, value); });
    }
    void writeFlag(std::string_view section, std::string_view key, bool on) {
        update([&](IniUpdate& u) { u.writeFlag(section, key, on); });
    }
    void writeString(std::string_view section, std::string_view key, std::string_view value) {
        update([&](IniUpdate& u) { u.writeString(section, key, value); });
    }

    // Reads the file once into memory, for a reader of many keys; edits made
    // to the copy stay in memory.
    IniUpdate snapshot() const;

  private:
    std::filesystem::path path_;
};

} // namespace kok::settings
