// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

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

} // namespace kok::dialog
