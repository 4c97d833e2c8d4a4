#include "settings/ini_file.h"

#include "settings/cp1251.h"
#include "settings/ini_document.h"
#include "settings/ini_integer.h"

namespace kok::settings {

std::string IniFile::load() const { return platform::readWholeFile(path_).value_or(std::string()); }

std::string IniFile::readString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const {
    const IniDocument doc(load());
    auto raw = doc.value(utf8ToCp1251(section), utf8ToCp1251(key));
    if (!raw) raw = utf8ToCp1251(defaultValue);
    if (raw->size() > kMaxValueLength) raw->resize(kMaxValueLength);
    return cp1251ToUtf8(*raw);
}

bool IniFile::hasKey(std::string_view section, std::string_view key) const {
    return IniDocument(load()).value(utf8ToCp1251(section), utf8ToCp1251(key)).has_value();
}

int IniFile::readInteger(std::string_view section, std::string_view key,
                         int defaultValue) const {
    const IniDocument doc(load());
    const auto raw = doc.value(utf8ToCp1251(section), utf8ToCp1251(key));
    if (!raw) return defaultValue;
    return parseIniInteger(std::string_view(*raw).substr(0, kMaxValueLength))
        .value_or(defaultValue);
}

void IniFile::writeInteger(std::string_view section, std::string_view key, int value) {
    writeString(section, key, std::to_string(value));
}

void IniFile::writeString(std::string_view section, std::string_view key,
                          std::string_view value) {
    // A file that exists but cannot be read must not be replaced by one key.
    auto bytes = platform::readWholeFile(path_);
    if (!bytes && std::filesystem::exists(path_))
        throw WriteError(path_.string() + ": cannot be read before writing");
    IniDocument doc(bytes.value_or(std::string()));
    doc.set(utf8ToCp1251(section), utf8ToCp1251(key), utf8ToCp1251(value));
    platform::writeFileAtomically(path_, doc.bytes());
}

} // namespace kok::settings
