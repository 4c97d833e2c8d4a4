// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

namespace kok::clock {

// Distance from a screen edge within which a dragged window snaps onto it.
inline constexpr int kSnapMargin = 18;
// Without snapping the window may rise this far above the top of the screen.
inline constexpr int kTopOverhang = -5;

struct ScreenPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
};

// One step of dragging the Clock window: where its top-left corner goes for
// the pointer at `pointer`, grabbed at `origin` (window coordinates). With
// `magnet` the window lands on any screen edge it comes closer to than
// kSnapMargin; without it the window stays inside the screen except for a
// small overhang at the top.
ScreenPoint moveStep(ScreenPoint pointer, ScreenPoint origin, bool magnet, Size screen,
                     Size window);

struct ScreenRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// The stored position of a window, unless no part of the window would be on
// any screen (a screen was removed or made smaller): then nothing could be
// clicked to bring it back, so it is put inside the primary screen as a drag
// without the magnet would put it.
ScreenPoint reachablePosition(ScreenPoint stored, Size window,
                              const std::vector<ScreenRect>& screens, Size primary);

} // namespace kok::clock
