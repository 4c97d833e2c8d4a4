// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <stdexcept>

#include "settings/keys.h"
#include "skin/skin_choice.h"
#include "skin/skin_description.h"

namespace kok::skin {

class FormShaper;

// Anything that stops a skin from loading.
class SkinLoadError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The pictures the three skin buttons take turns showing.
struct ButtonPictures {
    QPixmap settings_of, settings_on, settings_dn;
    QPixmap close_of, close_on, close_dn;
    QPixmap timer_of, timer_on, timer_dn, timer_at;
};

// A skin read from its files, ready for the Clock window to put on.
struct LoadedSkin {
    SkinChoice choice;
    QPixmap face;
    QPixmap mask; // the built-in mask picture; null for an external skin
    ButtonPictures pictures;
    SkinDescription description;
};

// Loads the chosen skin and switches `shaper` on with its mask. Throws on
// any failure; what follows a failure is the caller's decision. Leaves no
// temporary file behind when it succeeds.
LoadedSkin loadSkin(const SkinChoice& choice, FormShaper& shaper);

} // namespace kok::skin
