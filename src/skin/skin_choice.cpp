// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/skin_choice.h"

#include "settings/ini_file.h"
#include "settings/keys.h"
#include "settings/settings_file.h"

namespace kok::skin {

SkinChoice readSkinChoice(const settings::IniFile& ini, bool xpFamily) {
    return readSkinChoice(ini.snapshot(), xpFamily, settings::skins::kSkinPathLoaderDefault);
}

SkinChoice readSkinChoice(const settings::IniUpdate& ini, bool xpFamily,
                          std::string_view pathDefault) {
    namespace skins = settings::skins;
    SkinChoice c;
    c.external = ini.readInteger(skins::kName, skins::familyKey(xpFamily, skins::kSkinExt),
                                 skins::kSkinExtDefault) != 0;
    c.path =
        ini.readString(skins::kName, skins::familyKey(xpFamily, skins::kSkinPath), pathDefault);
    c.name = ini.readString(skins::kName, skins::familyKey(xpFamily, skins::kSkinName),
                            skins::kSkinNameDefault);
    return c;
}

void resetSkinChoice(bool xpFamily) {
    namespace skins = settings::skins;
    settings::openSettings().update([xpFamily](settings::IniUpdate& ini) {
        ini.writeInteger(skins::kName, skins::familyKey(xpFamily, skins::kSkinExt), 0);
        ini.writeString(skins::kName, skins::familyKey(xpFamily, skins::kSkinName), "ext");
    });
}

} // namespace kok::skin
