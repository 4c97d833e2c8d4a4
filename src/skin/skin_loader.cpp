#include "skin/skin_loader.h"

#include "clock/clock_window.h"

namespace kok::skin {

// Skins are not loaded yet: the window keeps its plain 200 x 200 look.
void ApplySkin(clock::ClockWindow&, bool) {}

} // namespace kok::skin
