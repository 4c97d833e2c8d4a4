#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/file_io.h"

namespace kok::settings {

using WriteError = platform::WriteError;

// An INI file bound to a path. Nothing is cached: every read opens and reads
// the file, every write rewrites it at once, so what another writer stored is
// seen by the next read. Names and values are UTF-8 here and Windows-1251 on
// disk. A missing or unreadable file reads as empty; a failed write throws
// WriteError and leaves the file as it was.
class IniFile {
public:
    static constexpr std::size_t kMaxValueLength = 1023;

    explicit IniFile(std::filesystem::path path) : path_(std::move(path)) {}

    const std::filesystem::path& path() const { return path_; }

    int readInteger(std::string_view section, std::string_view key, int defaultValue) const;
    bool readFlag(std::string_view section, std::string_view key, bool defaultValue) const {
        return readInteger(section, key, defaultValue ? 1 : 0) != 0;
    }
    // At most kMaxValueLength characters.
    std::string readString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    bool hasKey(std::string_view section, std::string_view key) const;

    void writeInteger(std::string_view section, std::string_view key, int value);
    void writeFlag(std::string_view section, std::string_view key, bool on) {
        writeInteger(section, key, on ? 1 : 0);
    }
    void writeString(std::string_view section, std::string_view key, std::string_view value);

private:
    std::string load() const;

    std::filesystem::path path_;
};

} // namespace kok::settings
