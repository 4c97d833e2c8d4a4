// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog/unsaved_edits.h"

#include <string>

#include "settings/ini_file.h"

namespace kok::dialog {
namespace {

bool holds(const settings::IniUpdate& file, const std::string& section, const std::string& key,
           const std::string& value) {
    return file.hasKey(section, key) && file.readString(section, key, "") == value;
}

} // namespace

bool hasUnsavedEdits(const settings::IniUpdate& loaded, const settings::IniUpdate& pending,
                     const settings::IniUpdate& onDisk) {
    for (const std::string& section : pending.sections()) {
        for (const std::string& key : pending.keys(section)) {
            const std::string value = pending.readString(section, key, "");
            if (!holds(loaded, section, key, value) && !holds(onDisk, section, key, value))
                return true;
        }
    }
    return false;
}

} // namespace kok::dialog
