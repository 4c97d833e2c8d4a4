// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog/skin_info.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "platform/file_io.h"
#include "platform/translate.h"
#include "skin/builtin_skins.h"
#include "skin/skin_description.h"
#include "skin/skin_files.h"
#include "skin/windows_path.h"

namespace kok::dialog {
namespace {

std::filesystem::path fileIn(std::string_view folder, std::string_view name) {
    return skin::resolveWindowsPath(std::string(folder) + std::string(name));
}

// A key that is missing shows the panel's default; one that is there but
// empty shows as empty.
const skin::SkinInfoDefaults kPanelDefaults{
    .author = "-", .name = "-", .version = "0.0", .mail = "-", .web = "-"};

SkinPanels infoOf(const skin::SkinDescription& d) {
    // The name, mail and web address are the skin's own.
    return {d.name,
            platform::trText("SkinsPage", QT_TRANSLATE_NOOP("SkinsPage", "версия = ")) + d.version,
            platform::trText("SkinsPage", QT_TRANSLATE_NOOP("SkinsPage", "автор = ")) + d.author,
            d.mail, d.web};
}

// The description's bytes; nothing when a file that is there cannot be read.
// A missing file reads as empty, so every key shows its default.
std::optional<std::string> descriptionBytes(const SkinSource& source) {
    if (!source.external) return skin::builtinSkinDescription(source.builtinName).toStdString();
    const auto path = fileIn(source.folder, skin::kSkinDescriptionFile);
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return std::string();
    if (std::filesystem::is_directory(path, ec)) return std::nullopt;
    return platform::readWholeFile(path);
}

} // namespace

std::string mailLink(std::string_view address) {
    // Only the address itself: a '%' could spell an encoded '?' that a mail
    // client decodes into fields of its own (attach=...), so it ends it too.
    const std::size_t query = address.find('?');
    std::string_view to = address.substr(0, query);
    to = to.substr(0, to.find_first_of("%#&"));
    std::string link = "mailto:" + std::string(to);
    if (query == std::string_view::npos) return link;
    std::string_view rest = address.substr(query + 1);
    while (!rest.empty()) {
        const std::size_t amp = rest.find('&');
        const std::string_view field = rest.substr(0, amp);
        const std::string_view name = field.substr(0, field.find('='));
        if (name.size() == 7 && std::equal(name.begin(), name.end(), "subject", [](char a, char b) {
                return std::tolower(static_cast<unsigned char>(a)) == b;
            }))
            return link + "?" + std::string(field);
        if (amp == std::string_view::npos) break;
        rest.remove_prefix(amp + 1);
    }
    return link;
}

bool isCompleteSkinFolder(std::string_view folder) {
    bool complete = true;
    for (std::string_view name : skin::kSkinFolderFiles) {
        std::error_code ec;
        complete = std::filesystem::is_regular_file(fileIn(folder, name), ec) && complete;
    }
    return complete;
}

SkinReading readSkin(const SkinSource& source, bool newChoice) {
    SkinReading r;
    const auto bytes = descriptionBytes(source);
    if (!bytes) return r;
    const skin::SkinDescription description = skin::parseSkinDescription(*bytes, kPanelDefaults);
    r.info = infoOf(description);
    r.success = !(source.external && newChoice) || isCompleteSkinFolder(source.folder);
    r.otherVersion = newChoice && r.success && description.support != kSupportedSkinVersion;
    return r;
}

} // namespace kok::dialog
