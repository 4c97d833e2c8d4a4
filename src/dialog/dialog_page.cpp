// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog/dialog_page.h"

namespace kok::dialog {

// A page without keys in a group leaves it alone.
void DialogPage::load(const settings::IniUpdate&, SettingsGroup) {}
void DialogPage::save(settings::IniUpdate&, SettingsGroup) const {}

} // namespace kok::dialog
