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

} // namespace kok::clock
