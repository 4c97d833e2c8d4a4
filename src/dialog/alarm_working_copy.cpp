// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog/alarm_working_copy.h"

#include <string>
#include <variant>

#include "platform/translate.h"
#include "settings/ini_file.h"
#include "settings/keys.h"
#include "settings/settings_file.h"

namespace kok::dialog {
namespace {

namespace keys = settings::alarms;
namespace defaults = settings::alarms::dialog;

// A slot key with the dialog's default: a number, or a text.
struct SlotKey {
    std::string suffix;
    std::variant<int, std::string> value;
};

std::vector<SlotKey> slotKeys(std::string_view today) {
    std::vector<SlotKey> list = {
        {std::string(keys::kUse), defaults::kUse},
        {std::string(keys::kHour), defaults::kHour},
        {std::string(keys::kMinute), defaults::kMinute},
        {std::string(keys::kDate), std::string(today)},
        {std::string(keys::kWarn), defaults::kWarn},
        {std::string(keys::kRemind), defaults::kRemind},
        {std::string(keys::kAtOnce), defaults::kAtOnce},
        {std::string(keys::kAtDate), defaults::kAtDate},
        {std::string(keys::kAtWeek), defaults::kAtWeek},
    };
    for (int day = 0; day < 7; ++day)
        list.push_back({std::string(keys::kAtWeekDay) + std::to_string(day), defaults::kAtWeekDay});
    const SlotKey tail[] = {
        {std::string(keys::kSound), defaults::kSound},
        {std::string(keys::kLoop), defaults::kLoop},
        {std::string(keys::kFile), std::string(defaults::kFile)},
        {std::string(keys::kBeep), defaults::kBeep},
        {std::string(keys::kType), defaults::kType},
        {std::string(keys::kStart), defaults::kStart},
        {std::string(keys::kApp), std::string(defaults::kApp)},
        {std::string(keys::kMessage), platform::trText("Defaults", defaults::kMessage)},
    };
    list.insert(list.end(), std::begin(tail), std::end(tail));
    return list;
}

} // namespace

void copyAlarmSlots(const settings::IniUpdate& from, settings::IniUpdate& to,
                    std::string_view today) {
    const std::vector<SlotKey> list = slotKeys(today);
    for (int slot = 0; slot < keys::kSlotCount; ++slot) {
        for (const SlotKey& k : list) {
            const std::string key = keys::slotKey(slot, k.suffix);
            if (const int* number = std::get_if<int>(&k.value))
                to.writeInteger(keys::kName, key, from.readInteger(keys::kName, key, *number));
            else
                to.writeString(keys::kName, key,
                               from.readString(keys::kName, key, std::get<std::string>(k.value)));
        }
    }
}

std::filesystem::path AlarmWorkingCopy::path() {
    return settings::programFilePath(settings::kAlarmWorkingCopyName);
}

void AlarmWorkingCopy::create(const settings::IniUpdate& settings, std::string_view today) const {
    remove();
    settings::IniFile(path()).update(
        [&](settings::IniUpdate& copy) { copyAlarmSlots(settings, copy, today); });
}

settings::IniUpdate AlarmWorkingCopy::read() const {
    return settings::IniFile(path()).snapshot();
}

void AlarmWorkingCopy::write(std::string_view key, const std::string& value) const {
    settings::IniFile(path()).writeString(settings::alarms::kName, key, value);
}

void AlarmWorkingCopy::setUse(const std::vector<int>& switched, bool on) const {
    settings::IniFile(path()).update([&](settings::IniUpdate& copy) {
        for (int slot : switched)
            copy.writeInteger(keys::kName, keys::slotKey(slot, keys::kUse), on ? 1 : 0);
    });
}

void AlarmWorkingCopy::copyBack(settings::IniUpdate& settings, std::string_view today) const {
    copyAlarmSlots(read(), settings, today);
}

void AlarmWorkingCopy::remove() const {
    std::error_code ignored;
    std::filesystem::remove(path(), ignored);
}

} // namespace kok::dialog
