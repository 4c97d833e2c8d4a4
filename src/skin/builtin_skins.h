// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <string_view>

namespace kok::skin {

// An embedded skin file by its resource name ("DEF_FACE", "ext_timer_at",
// "KSF_DEF"), compared without regard to case; nothing when there is none.
std::optional<QByteArray> builtinSkinResource(std::string_view name);
// Where that file is among the program's resources (":/skins/..."), for a
// reader that wants a path; empty when there is none.
QString builtinSkinResourcePath(std::string_view name);

// The embedded description of the built-in skin `skinName`: that of "ext"
// for exactly "ext", that of "def" for any other name.
QByteArray builtinSkinDescription(std::string_view skinName);

} // namespace kok::skin
