// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QComboBox;

namespace kok::dialog {

// On Linux Qt names a closed list by its current entry as shown, so an entry
// written "ОБЬIЧНЬIЙ" would be spelled out. A list marked here is read by its
// current entry's Qt::AccessibleTextRole ("ОБЫЧНЫЙ") where the entry has one.
// Mark it before it is shown.
void readEntriesInWords(QComboBox* list);

} // namespace kok::dialog
