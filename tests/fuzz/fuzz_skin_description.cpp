// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a skin description: reading takes defaults for what it cannot
// use, and writing what was read gives a file that reads back the same.
#include <cstdlib>
#include <string>

#include "skin/skin_description.h"

using namespace kok::skin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const SkinDescription skin =
        parseSkinDescription(std::string(reinterpret_cast<const char*>(data), size));
    if (skin.time.font.face.size() > 4 * SkinFont::kMaxFaceLength) std::abort();
    (void)skin.time.font.pixelHeight();
    (void)skin.timer.font.pixelHeight();
    const std::string written = formatSkinDescription(skin);
    const SkinDescription again = parseSkinDescription(written);
    // Numbers and rectangles always survive; texts may lose blanks and quotes.
    if (again.formW != skin.formW || again.formH != skin.formH || again.type != skin.type ||
        again.time.rect != skin.time.rect || again.timer.rect != skin.timer.rect ||
        again.ding != skin.ding || again.settings != skin.settings || again.close != skin.close ||
        again.time.font.height != skin.time.font.height ||
        again.timer.font.color != skin.timer.font.color)
        std::abort();
    return 0;
}
