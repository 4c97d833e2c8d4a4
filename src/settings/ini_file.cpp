// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/ini_file.h"

#include <system_error>

#include "settings/cp1251.h"
#include "settings/ini_integer.h"

namespace kok::settings {

std::string IniUpdate::readString(std::string_view section, std::string_view key,
                                  std::string_view defaultValue) const {
    auto raw = doc_.value(utf8ToCp1251(section), utf8ToCp1251(key));
    if (!raw) raw = utf8ToCp1251(defaultValue);
    if (raw->size() > kMaxValueLength) raw->resize(kMaxValueLength);
    return cp1251ToUtf8(*raw);
}

bool IniUpdate::hasKey(std::string_view section, std::string_view key) const {
    return doc_.value(utf8ToCp1251(section), utf8ToCp1251(key)).has_value();
}

std::vector<std::string> IniUpdate::sections() const {
    std::vector<std::string> names = doc_.sections();
    for (std::string& name : names)
        name = cp1251ToUtf8(name);
    return names;
}

std::vector<std::string> IniUpdate::keys(std::string_view section) const {
    std::vector<std::string> names = doc_.keys(utf8ToCp1251(section));
    for (std::string& name : names)
        name = cp1251ToUtf8(name);
    return names;
}

int IniUpdate::readInteger(std::string_view section, std::string_view key, int defaultValue) const {
    const auto raw = doc_.value(utf8ToCp1251(section), utf8ToCp1251(key));
    if (!raw) return defaultValue;
    return parseIniInteger(std::string_view(*raw).substr(0, kMaxValueLength))
        .value_or(defaultValue);
}

void IniUpdate::writeString(std::string_view section, std::string_view key,
                            std::string_view value) {
    doc_.set(utf8ToCp1251(section), utf8ToCp1251(key), utf8ToCp1251(value));
}

void IniUpdate::removeKey(std::string_view section, std::string_view key) {
    doc_.remove(utf8ToCp1251(section), utf8ToCp1251(key));
}

IniUpdate IniFile::snapshot() const {
    return IniUpdate(platform::readWholeFile(path_).value_or(std::string()));
}

void IniFile::update(const std::function<void(IniUpdate&)>& edits) {
    // A file that exists but cannot be read must not be replaced by the edits
    // alone; nor one whose path cannot even be examined (a folder closed to
    // us, a loop of links): that is a failed write too, never the end of the program.
    auto bytes = platform::readWholeFile(path_);
    std::error_code ec;
    if (!bytes && (std::filesystem::exists(path_, ec) || ec))
        throw WriteError(path_.string() + ": cannot be read before writing" +
                         (ec ? ": " + ec.message() : std::string()));
    IniUpdate pending(std::move(bytes).value_or(std::string()));
    edits(pending);
    platform::writeFileAtomically(path_, pending.doc_.bytes());
}

} // namespace kok::settings
