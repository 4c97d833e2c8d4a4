// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/clock.h"

#include <ctime>
#include <sys/time.h>

namespace kok::platform {
namespace {

class SystemClock final : public Clock {
  public:
    LocalTime now() const override {
        timespec ts{};
        ::clock_gettime(CLOCK_REALTIME, &ts);
        // localtime_r keeps the zone read at the first call; tzset() looks
        // again (glibc checks /etc/localtime or TZ), so a change of the
        // system's time zone shows at the next tick.
        ::tzset();
        tm t{};
        ::localtime_r(&ts.tv_sec, &t);
        LocalTime lt;
        lt.year = t.tm_year + 1900;
        lt.month = t.tm_mon + 1;
        lt.day = t.tm_mday;
        lt.hour = t.tm_hour;
        lt.minute = t.tm_min;
        lt.second = t.tm_sec > 59 ? 59 : t.tm_sec; // a leap second shows as :59
        lt.msec = static_cast<int>(ts.tv_nsec / 1000000);
        lt.usec = static_cast<int>(ts.tv_nsec / 1000 % 1000);
        lt.weekDay = t.tm_wday;
        lt.utc = ts.tv_sec;
        return lt;
    }
};

const SystemClock systemClock;
const Clock* current = &systemClock;

} // namespace

const Clock& clock() {
    return *current;
}

ClockOverride::ClockOverride(const Clock& c) : previous_(current) {
    current = &c;
}
ClockOverride::~ClockOverride() {
    current = previous_;
}

} // namespace kok::platform
