// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a program and tells how long it took to put its first window on the
// screen: mapped, and painted. "Painted" is the first moment the screen where
// the window is differs from what was there before the start, so a program
// that maps an empty window and loads its fonts afterwards is not counted as
// visible before it draws anything.
// Usage: bench_first_paint PROGRAM [ARGUMENT...]
// Prints "<mapped ms> <painted ms>" after the exec, then ends the program.
// Needs a screen without a window manager (Xvfb), where a program's window is
// a child of the root window.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <vector>

namespace {

constexpr long kPollNs = 200'000;
constexpr double kGiveUpMs = 10'000;

double nowMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

std::vector<std::uint8_t> screenPart(xcb_connection_t* c, xcb_window_t root, int x, int y, int w,
                                     int h) {
    xcb_get_image_reply_t* r =
        xcb_get_image_reply(c,
                            xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, root, std::int16_t(x),
                                          std::int16_t(y), std::uint16_t(w), std::uint16_t(h), ~0u),
                            nullptr);
    if (!r) return {};
    const std::uint8_t* p = xcb_get_image_data(r);
    std::vector<std::uint8_t> bytes(p, p + xcb_get_image_data_length(r));
    std::free(r);
    return bytes;
}

void sleepNs(long ns) {
    const timespec ts{0, ns};
    nanosleep(&ts, nullptr);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARGUMENT...]\n", argv[0]);
        return 2;
    }
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const xcb_window_t root = screen->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    // The whole screen as it is before the start, to tell the first paint by.
    const int sw = screen->width_in_pixels, sh = screen->height_in_pixels;
    const std::vector<std::uint8_t> before = screenPart(c, root, 0, 0, sw, sh);
    const int bytesPerPixel = before.empty() ? 4 : int(before.size() / (std::size_t(sw) * sh));

    const double start = nowMs();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }

    double mapped = -1, painted = -1;
    int x = 0, y = 0, w = 0, h = 0;
    while (painted < 0 && nowMs() - start < kGiveUpMs) {
        while (xcb_generic_event_t* e = xcb_poll_for_event(c)) {
            if ((e->response_type & 0x7f) == XCB_MAP_NOTIFY && mapped < 0) {
                const auto* m = reinterpret_cast<xcb_map_notify_event_t*>(e);
                xcb_get_geometry_reply_t* g =
                    xcb_get_geometry_reply(c, xcb_get_geometry(c, m->window), nullptr);
                if (g) {
                    mapped = nowMs() - start;
                    // Kept on the screen: the part of the window that is off it is never seen.
                    x = std::max(0, int(g->x));
                    y = std::max(0, int(g->y));
                    w = std::min(sw, int(g->x) + int(g->width)) - x;
                    h = std::min(sh, int(g->y) + int(g->height)) - y;
                    std::free(g);
                }
            }
            std::free(e);
        }
        if (mapped >= 0 && w > 0 && h > 0) {
            const std::vector<std::uint8_t> now = screenPart(c, root, x, y, w, h);
            for (int row = 0; row < h && painted < 0 && !now.empty(); ++row) {
                const std::size_t at = (std::size_t(y + row) * sw + x) * bytesPerPixel;
                if (std::memcmp(&now[std::size_t(row) * w * bytesPerPixel], &before[at],
                                std::size_t(w) * bytesPerPixel) != 0)
                    painted = nowMs() - start;
            }
        }
        if (painted < 0) sleepNs(kPollNs);
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    xcb_disconnect(c);
    if (painted < 0) {
        std::fprintf(stderr, "no painted window within %.0f ms\n", kGiveUpMs);
        return 1;
    }
    std::printf("%.1f %.1f\n", mapped, painted);
    return 0;
}
