// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kok::settings {
class IniUpdate;
}

namespace kok::dialog {

// Whether OK would store something that would be lost without it. `loaded` is
// what OK would have written right after the dialog loaded its pages, `pending`
// what it would write now, both collected into empty files; `onDisk` is the
// Settings file as it is now. A key counts only when its pending value differs
// from both: the loaded value (the user changed it) and the stored one (not
// already written at once, by the page or the clock).
bool hasUnsavedEdits(const settings::IniUpdate& loaded, const settings::IniUpdate& pending,
                     const settings::IniUpdate& onDisk);

} // namespace kok::dialog
