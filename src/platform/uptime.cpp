#include "platform/uptime.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <time.h>
#endif

namespace kok::platform {

std::optional<long long> systemUptimeSeconds() {
#ifdef _WIN32
    LARGE_INTEGER counter, frequency;
    if (!QueryPerformanceCounter(&counter) || !QueryPerformanceFrequency(&frequency) ||
        frequency.QuadPart == 0)
        return std::nullopt;
    return counter.QuadPart / frequency.QuadPart;
#else
    // CLOCK_BOOTTIME keeps counting while the machine sleeps, as the uptime
    // a user expects does.
    timespec ts{};
    if (clock_gettime(CLOCK_BOOTTIME, &ts) != 0) return std::nullopt;
    return static_cast<long long>(ts.tv_sec);
#endif
}

} // namespace kok::platform
