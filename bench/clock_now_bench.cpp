// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of reading the local time once per call, as the clock does on every
// tick: clock().now() (which looks for a changed time zone each time) against
// the bare localtime_r conversion that keeps the zone read at start.
#include <benchmark/benchmark.h>

#include <ctime>

#include "platform/clock.h"

namespace {

void clockNow(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(kok::platform::clock().now());
}

void localtimeOnly(benchmark::State& state) {
    for (auto _ : state) {
        timespec ts{};
        ::clock_gettime(CLOCK_REALTIME, &ts);
        tm t{};
        benchmark::DoNotOptimize(::localtime_r(&ts.tv_sec, &t));
    }
}

BENCHMARK(clockNow)->Name("clock_now")->Iterations(100000);
BENCHMARK(localtimeOnly)->Name("localtime_r_without_zone_check")->Iterations(100000);

} // namespace

BENCHMARK_MAIN();
