// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A fresh, empty folder that the program takes for its own (settings, sounds) while it lives.

#include "platform/paths.h"
#include "support/temp_dir.h"

namespace kok::test {

class ProgramFolder : public TempDir {
    platform::ProgramDirOverride use_{path()};
};

} // namespace kok::test
