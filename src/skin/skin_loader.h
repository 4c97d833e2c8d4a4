#pragma once

namespace kok::clock {
class ClockWindow;
}

namespace kok::skin {

// Puts the skin chosen for the given family onto the Clock window. On any
// failure it restarts the program with the built-in skin.
void ApplySkin(clock::ClockWindow& window, bool xpFamily);

} // namespace kok::skin
