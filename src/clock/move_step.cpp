// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock/move_step.h"

namespace kok::clock {

// The tests run in this order with strict comparisons: a window wider than
// the screen ends at the left edge, and the top rules come after the bottom
// one so that a window taller than the screen keeps its top visible.
ScreenPoint moveStep(ScreenPoint pointer, ScreenPoint origin, bool magnet, Size screen,
                     Size window) {
    int x = pointer.x - origin.x;
    int y = pointer.y - origin.y;
    const int margin = magnet ? kSnapMargin : 0;
    if (x > screen.width - window.width - margin) x = screen.width - window.width;
    if (y > screen.height - window.height - margin) y = screen.height - window.height;
    if (x < margin) x = 0;
    if (magnet && y < margin) y = 0;
    if (!magnet && y < kTopOverhang) y = kTopOverhang;
    return {x, y};
}

ScreenPoint reachablePosition(ScreenPoint stored, Size window,
                              const std::vector<ScreenRect>& screens, Size primary) {
    for (const ScreenRect& s : screens) {
        const bool overlaps = stored.x < s.x + s.width && s.x < stored.x + window.width &&
                              stored.y < s.y + s.height && s.y < stored.y + window.height;
        if (overlaps) return stored;
    }
    return moveStep(stored, {0, 0}, false, primary, window);
}

} // namespace kok::clock
