// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>
#include <optional>
#include <string>
#include <string_view>

namespace kok::dialog {

// What the skins page shows of one skin: the texts of its five panels.
struct SkinPanels {
    std::string name, version, author, mail, web;
    bool operator==(const SkinPanels&) const = default;
};

// The format version this program reads; skins made for another one may
// show wrongly, so the user is warned.
inline constexpr std::string_view kSupportedSkinVersion = "09.0";

// Shown through platform::trText("Messages", …).
inline constexpr std::string_view kSkinVersionWarning = QT_TRANSLATE_NOOP(
    "Messages", "Указанная тема интерфейса поддерживается другой версией программы.\n"
                "Это может вызвать некорректное отображение некоторых компонентов темы.");
inline constexpr std::string_view kSkinLoadError =
    QT_TRANSLATE_NOOP("Messages", "Ошибка чтения параметров темы. Загрузка прекращена.\n"
                                  "Указанный файл, не является файлом интерфейсной темы\n"
                                  "либо не поддерживается текущей версией программы.");

// Where a skin's description comes from: a folder (its "skin.ksf"), or the
// built-in skin of that name ("def" or "ext").
struct SkinSource {
    bool external = false;
    std::string folder; // ends in a path separator, may be stored the Windows way
    std::string builtinName;
};

struct SkinReading {
    bool success = false;
    // The panels' texts; nothing when the description could not be read.
    std::optional<SkinPanels> info;
    // A newly chosen skin made for another format version: warn, but accept.
    bool otherVersion = false;
};

// Reads the description of `source`. A new choice of an external skin must
// also be complete (every file of skin::kSkinFolderFiles in its folder). Built-in
// descriptions are read from memory, so no file is left behind.
SkinReading readSkin(const SkinSource& source, bool newChoice);

// The address a skin's mail panel opens: "mailto:" and the address. A skin
// comes from anyone, and some mail programs attach the local file an
// "attach=" names, so of the query only a subject is kept.
std::string mailLink(std::string_view address);

// Whether every file of skin::kSkinFolderFiles exists in `folder`.
bool isCompleteSkinFolder(std::string_view folder);

} // namespace kok::dialog
