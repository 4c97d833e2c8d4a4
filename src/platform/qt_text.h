// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program keeps its texts as UTF-8 in std::string; Qt keeps them in
// QString. These two cross between them for views and texts held apart from
// Qt; Qt's own fromStdString and toStdString, called where a std::string is
// at hand, follow the same rule (UTF-8 both ways), so there is one rule.

#include <QString>
#include <string>
#include <string_view>

namespace kok::platform {

inline QString qText(std::string_view utf8Text) {
    return QString::fromUtf8(utf8Text.data(), qsizetype(utf8Text.size()));
}

inline std::string utf8(const QString& text) {
    return text.toStdString();
}

} // namespace kok::platform
