#pragma once

#include <stdexcept>

namespace kok::clock {
class ClockWindow;
}

namespace kok::skin {

inline constexpr const char* kMaskTempFileName = "mask.tmp";
inline constexpr const char* kDescriptionTempFileName = "kOkTD.ksf";

// Anything that stops a skin from loading.
class SkinLoadError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Puts the skin chosen for the given family onto the Clock window. On any
// failure it restarts the program with the built-in skin.
void ApplySkin(clock::ClockWindow& window, bool xpFamily);

// The loading itself; throws on failure instead of restarting.
void loadSkin(clock::ClockWindow& window, bool xpFamily);

} // namespace kok::skin
