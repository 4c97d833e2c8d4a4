#include "dialog/countdown_rules.h"

namespace kok::dialog {

Duration splitDuration(int total) {
    Duration d;
    d.hours = total / 3600;
    const int rest = total - d.hours * 3600;
    d.minutes = rest / 60;
    d.seconds = rest - d.minutes * 60;
    return d;
}

DurationEdit editDuration(std::string_view hours, std::string_view minutes,
                          std::string_view seconds) {
    const auto h = fieldInteger(hours), m = fieldInteger(minutes), s = fieldInteger(seconds);
    DurationEdit edit;
    if (!h || !m || !s) return edit;
    edit.valid = true;
    edit.fields = {*h, *m, *s};
    if (*h == 0 && *m == 0) {
        edit.secondsMinimum = kMinCountdown;
        if (*s < kMinCountdown) {
            edit.secondsRaised = true;
            edit.fields.seconds = kMinCountdown;
        }
    }
    edit.total = edit.fields.hours * 3600 + edit.fields.minutes * 60 + edit.fields.seconds;
    return edit;
}

int beepRadioForType(int type) {
    return type >= 2 && type <= 4 ? type : 1;
}

} // namespace kok::dialog
