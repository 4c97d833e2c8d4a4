// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace kok::settings {
class IniFile;
}

namespace kok::signal {

enum class BarPlacement { Top, Centre, Full };

// The last placement switched on wins, in the order centre, full, top; with
// none the bar is a top strip.
BarPlacement choosePlacement(bool atCenter, bool atFull, bool atTop);

// How the Message bar looks, read from the settings each time it shows.
struct MessageBarLook {
    int colorBG = 0;        // 0x00BBGGRR: background, and text in the other flash phase
    int colorFG = 0;        // 0x00BBGGRR: text, and background in the other flash phase
    bool smallFonts = true; // else the heavy face
    int sizePt = 0;
    int frequencyMs = 0; // one colour swap per period
    BarPlacement placement = BarPlacement::Top;
    int height = 0; // strip height; the growth of the centre strip; unused when full
};
MessageBarLook readMessageBarLook(const settings::IniFile& ini);

// The text of event `event`: alarm slots 0..9, the countdown from 10 on.
std::string readEventMessage(const settings::IniFile& ini, int event);

struct BarRect {
    int x = 0, y = 0, w = 0, h = 0;
    friend bool operator==(const BarRect&, const BarRect&) = default;
};

// The bar's geometry from its first step to its last: each step grows the
// height by `growH` and moves the top by `moveY`.
struct BarGrowth {
    BarRect start;
    int steps = 0;
    int growH = 0;
    int moveY = 0;

    BarRect at(int step) const {
        return {start.x, start.y + moveY * step, start.w, start.h + growH * step};
    }
    BarRect end() const { return at(steps); }
    // The growth is shown as an animation of at most one step per millisecond
    // and at most kMaxGrowthMs in all, rather than one window move per step.
    static constexpr int kMaxGrowthMs = 250;
    int durationMs() const { return steps < kMaxGrowthMs ? steps : kMaxGrowthMs; }
    // The step reached `elapsedMs` after the start.
    int stepAt(long long elapsedMs) const;
};

// `windowH` is the window's height before the bar: the centre strip keeps it
// and grows from it.
BarGrowth barGrowth(BarPlacement placement, int height, int screenW, int screenH, int windowH);

} // namespace kok::signal
