// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog/skin_check.h"

#include <QByteArray>
#include <span>

#include "platform/file_io.h"
#include "skin/mask_bitmap.h"
#include "skin/mask_region.h"
#include "skin/picture_decode.h"
#include "skin/skin_description.h"
#include "skin/skin_files.h"
#include "skin/windows_path.h"

namespace kok::dialog {

bool isWearableSkin(std::string_view folder) {
    for (std::string_view name : skin::kSkinPictureFiles) {
        const auto bytes = platform::readWholeFile(
            skin::resolveWindowsPath(std::string(folder) + std::string(name)));
        if (!bytes || skin::decodePicture(QByteArray::fromStdString(*bytes)).isNull()) return false;
        if (name != skin::pictureFileName(skin::SkinPicture::Mask)) continue;
        const std::span<const std::uint8_t> file(
            reinterpret_cast<const std::uint8_t*>(bytes->data()), bytes->size());
        const skin::MaskParseResult mask = skin::parseMask(file);
        if (mask.error == skin::MaskParseError::None && !skin::isUsableMask(file, mask.header))
            return false;
    }
    // Sizes the clock would refuse when putting the skin on.
    const auto description = platform::readWholeFile(
        skin::resolveWindowsPath(std::string(folder) + std::string(skin::kSkinDescriptionFile)));
    return !description || !skin::sizeBeyondLimit(skin::parseSkinDescription(*description));
}

} // namespace kok::dialog
