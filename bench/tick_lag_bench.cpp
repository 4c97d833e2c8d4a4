// SPDX-License-Identifier: GPL-3.0-or-later
// Watches a rectangle of an X window and tells how long after each wall-clock
// second the picture in it changed: the lag of a clock's shown second.
// Usage: bench_tick_lag WINDOW X Y W H TICKS
// Prints "<median> <p90> <max>" in milliseconds over TICKS changes; the first
// change seen is skipped (the poll may start in the middle of a paint).
// The picture is read every 0.25 ms from 10 ms before to 100 ms after each
// second and every 5 ms between: polling the X server flat out the whole
// second would make it a busy process itself, and a busy server answers the
// clock's paint late when the cores are loaded.
#include <xcb/xcb.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace {

constexpr long kPollNs = 250'000;
constexpr long kIdlePollNs = 5'000'000;

std::int64_t wallNs() {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    return std::int64_t(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}

// FNV-1a of the rectangle's pixels; nothing when the window is gone.
bool pictureHash(xcb_connection_t* c, xcb_window_t w, int x, int y, int width, int height,
                 std::uint64_t& hash) {
    xcb_get_image_reply_t* r = xcb_get_image_reply(
        c,
        xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, w, std::int16_t(x), std::int16_t(y),
                      std::uint16_t(width), std::uint16_t(height), ~0u),
        nullptr);
    if (!r) return false;
    const std::uint8_t* p = xcb_get_image_data(r);
    hash = 14695981039346656037ull;
    for (int i = 0, n = xcb_get_image_data_length(r); i < n; ++i)
        hash = (hash ^ p[i]) * 1099511628211ull;
    std::free(r);
    return true;
}

double percentile(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, std::size_t(p * double(v.size() - 1) + 0.5))];
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 7) {
        std::fprintf(stderr, "usage: %s WINDOW X Y W H TICKS\n", argv[0]);
        return 2;
    }
    const auto window = xcb_window_t(std::strtoul(argv[1], nullptr, 0));
    const int x = std::atoi(argv[2]), y = std::atoi(argv[3]);
    const int w = std::atoi(argv[4]), h = std::atoi(argv[5]);
    const std::size_t ticks = std::strtoul(argv[6], nullptr, 10);
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "cannot reach the X server\n");
        return 1;
    }
    std::uint64_t last = 0;
    if (!pictureHash(c, window, x, y, w, h, last)) {
        std::fprintf(stderr, "cannot read window %s\n", argv[1]);
        return 1;
    }
    std::vector<double> lagsMs;
    bool first = true;
    while (lagsMs.size() < ticks) {
        const std::int64_t intoSecond = wallNs() % 1'000'000'000;
        const bool nearBoundary = intoSecond < 100'000'000 || intoSecond > 990'000'000;
        const timespec pause{0, nearBoundary ? kPollNs : kIdlePollNs};
        nanosleep(&pause, nullptr);
        const std::int64_t before = wallNs();
        std::uint64_t hash = 0;
        if (!pictureHash(c, window, x, y, w, h, hash)) {
            std::fprintf(stderr, "window %s is gone\n", argv[1]);
            return 1;
        }
        if (hash == last) continue;
        last = hash;
        // The server read the picture somewhere within the round trip.
        const std::int64_t seen = (before + wallNs()) / 2;
        if (!first) lagsMs.push_back(double(seen % 1'000'000'000) / 1e6);
        first = false;
    }
    std::printf("%.2f %.2f %.2f\n", percentile(lagsMs, 0.5), percentile(lagsMs, 0.9),
                *std::max_element(lagsMs.begin(), lagsMs.end()));
    xcb_disconnect(c);
    return 0;
}
