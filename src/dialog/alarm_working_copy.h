// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kok::settings {
class IniUpdate;
}

namespace kok::dialog {

// Copies every key of the ten alarm slots from one file to the other, slot by
// slot in the dialog's key order, each read with the dialog's default
// (`today`, "dd.mm", for a missing date). Numbers are written as numbers.
// The dialog fills its working copy this way when it shows and copies the
// copy back into the Settings file on OK.
void copyAlarmSlots(const settings::IniUpdate& from, settings::IniUpdate& to,
                    std::string_view today);

// The Alarm working copy "kOkTD.tmp" beside the Settings file, over its whole
// life: the dialog makes it when it shows, the alarm page edits it, OK copies
// it back and hiding removes it. Nothing else names the file.
class AlarmWorkingCopy {
  public:
    // Starts over from the Settings file's slots (a copy a crash left goes
    // first). Throws settings::WriteError when it cannot be written.
    void create(const settings::IniUpdate& settings, std::string_view today) const;
    settings::IniUpdate read() const;
    // One key of the slots' section. Throws settings::WriteError.
    void write(std::string_view key, const std::string& value) const;
    // Writes `_Use` of the slots in one update. Throws settings::WriteError.
    void setUse(const std::vector<int>& switched, bool on) const;
    // Adds the copy's slots to an update of the Settings file.
    void copyBack(settings::IniUpdate& settings, std::string_view today) const;
    void remove() const;

  private:
    // Asked each time: the folder the program's files live in is decided at start.
    static std::filesystem::path path();
};

} // namespace kok::dialog
