// SPDX-License-Identifier: GPL-3.0-or-later
#include "signals/bar_placement.h"

#include <algorithm>

#include "platform/translate.h"
#include "settings/event_keys.h"
#include "settings/ini_file.h"
#include "settings/keys.h"

namespace kok::signal {

namespace msg = settings::message;

BarPlacement choosePlacement(bool atCenter, bool atFull, bool atTop) {
    BarPlacement p = BarPlacement::Top;
    if (atCenter) p = BarPlacement::Centre;
    if (atFull) p = BarPlacement::Full;
    if (atTop) p = BarPlacement::Top;
    return p;
}

MessageBarLook readMessageBarLook(const settings::IniFile& ini) {
    MessageBarLook look;
    look.colorBG = ini.readInteger(msg::kName, msg::kColorBG, msg::kColorBGDefault);
    look.colorFG = ini.readInteger(msg::kName, msg::kColorFG, msg::kColorFGDefault);
    look.smallFonts = ini.readFlag(msg::kName, msg::kFont, msg::kFontDefault != 0);
    look.sizePt = ini.readInteger(msg::kName, msg::kSize, msg::kSizeDefault);
    // A hand-edited flash period is brought into the message page's range as
    // well: 1 ms would wake the clock a thousand times a second.
    look.frequencyMs =
        std::clamp(ini.readInteger(msg::kName, msg::kFrequency, msg::kFrequencyDefault),
                   msg::kFrequencyMin, msg::kFrequencyMax);
    look.placement =
        choosePlacement(ini.readFlag(msg::kName, msg::kAtCenter, msg::kAtCenterDefault != 0),
                        ini.readFlag(msg::kName, msg::kAtFull, msg::kAtFullDefault != 0),
                        ini.readFlag(msg::kName, msg::kAtTop, msg::kAtTopBarDefault != 0));
    // Read once per show: a change made while the centre strip grows waits
    // for the next bar. A hand-edited height outside the message page's range
    // is brought into it: none would leave no bar to dismiss, a huge one would
    // grow the strip's text off the screen.
    const auto height = [&](int defaultValue) {
        return std::clamp(ini.readInteger(msg::kName, msg::kHeight, defaultValue), msg::kHeightMin,
                          msg::kHeightMax);
    };
    if (look.placement == BarPlacement::Top)
        look.height = height(msg::kHeightTopBarDefault);
    else if (look.placement == BarPlacement::Centre)
        look.height = height(msg::kHeightCentreStripDefault);
    return look;
}

std::string readEventMessage(const settings::IniFile& ini, int event) {
    const settings::EventKeys k(event);
    return ini.readString(k.section(), k.key(settings::timer::kMessage),
                          platform::trText("Defaults", settings::alarms::kMessageBarDefault));
}

int BarGrowth::stepAt(long long elapsedMs) const {
    const int duration = durationMs();
    if (elapsedMs >= duration) return steps;
    return int(std::max(0LL, elapsedMs) * steps / duration);
}

BarGrowth barGrowth(BarPlacement placement, int height, int screenW, int screenH, int windowH) {
    switch (placement) {
    case BarPlacement::Centre:
        return {{0, screenH / 2, screenW, windowH}, std::max(0, height / 2), 2, -1};
    case BarPlacement::Full:
        return {{0, 0, screenW, 0}, std::max(0, screenH), 1, 0};
    case BarPlacement::Top:
        break;
    }
    return {{0, 0, screenW, height}, 0, 0, 0};
}

} // namespace kok::signal
