// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace kok::dialog {

// Whether the Clock window can wear the external skin in `folder`: each of
// its twelve pictures decodes as a Windows bitmap, and a mask the window can
// be cut to leaves a shape a person can see and reach. A mask of another
// kind of bitmap is no reason to refuse: the window then stays rectangular.
bool isWearableSkin(std::string_view folder);

} // namespace kok::dialog
