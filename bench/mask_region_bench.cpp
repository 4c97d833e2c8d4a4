// SPDX-License-Identifier: GPL-3.0-or-later
// Parsing a 2048 x 2048 random-noise mask and building its window region:
// ours (word-wise runs, row bands, one QRegion::setRects) against Qt's own
// QRegion(QBitmap) and against the plain rule of one union per run.
// Prints times and ratios; checks that all give the same shape.
#include <QBitmap>
#include <QGuiApplication>
#include <QRegion>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <random>
#include <vector>

#include "skin/mask_bitmap.h"
#include "skin/mask_region.h"

using namespace kok::skin;

namespace {

constexpr int kSide = 2048;

std::vector<std::uint8_t> noiseMask() {
    const int rowLen = kSide / 8;
    std::vector<std::uint8_t> f(62, 0);
    auto put32 = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            f[at + i] = std::uint8_t(v >> (8 * i));
    };
    f[0] = 'B';
    f[1] = 'M';
    put32(10, 62);
    put32(14, 40);
    put32(18, kSide);
    put32(22, kSide);
    f[26] = 1;
    f[28] = 1;
    put32(34, rowLen * kSide);
    f[58] = f[59] = f[60] = 0xFF;
    std::mt19937 rng(2048);
    for (int i = 0; i < rowLen * kSide; ++i)
        f.push_back(std::uint8_t(rng()));
    put32(2, std::uint32_t(f.size()));
    return f;
}

double bestMs(int runs, const std::function<void()>& work) {
    double best = 1e30;
    for (int i = 0; i < runs; ++i) {
        const auto t0 = std::chrono::steady_clock::now();
        work();
        const auto t1 = std::chrono::steady_clock::now();
        best = std::min(best, std::chrono::duration<double, std::milli>(t1 - t0).count());
    }
    return best;
}

QRegion ours(std::span<const std::uint8_t> file) {
    const MaskParseResult p = parseMask(file);
    qsizetype count = 0;
    forEachMaskBand(file, p.header, [&](int, int, int, int) { ++count; });
    QList<QRect> rects;
    rects.reserve(count);
    forEachMaskBand(file, p.header, [&](int x1, int y1, int x2, int y2) {
        rects.emplace_back(QPoint(x1, y1), QPoint(x2, y2));
    });
    QRegion r;
    r.setRects(rects.constData(), int(rects.size()));
    return r;
}

// The rule read literally: each pixel's bit on its own, a rectangle per run.
template <class Add> void runsBitByBit(std::span<const std::uint8_t> file, int rows, Add add) {
    const MaskHeader h = parseMask(file).header;
    for (int y = 0; y < rows; ++y) {
        const std::uint8_t* row =
            file.data() + h.dataOffset + std::size_t(h.rowLength) * (h.height - 1 - y);
        int start = -1;
        for (int x = 0; x < h.width; ++x) {
            const bool black = ((row[x / 8] >> (7 - x % 8)) & 1) == 0;
            if (black && start < 0) start = x;
            if (!black && start >= 0) {
                add(QRect(start, y, x - start, 1));
                start = -1;
            }
        }
        if (start >= 0) add(QRect(start, y, h.width - start, 1));
    }
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const auto file = noiseMask();
    const QByteArray bytes(reinterpret_cast<const char*>(file.data()), qsizetype(file.size()));

    QRegion a, b, c;
    const double oursMs = bestMs(10, [&] { a = ours(file); });
    const double qtMs =
        bestMs(5, [&] { b = QRegion(QBitmap::fromImage(QImage::fromData(bytes, "BMP"))); });
    const QBitmap decoded = QBitmap::fromImage(QImage::fromData(bytes, "BMP"));
    const double qtRegionOnlyMs = bestMs(5, [&] { b = QRegion(decoded); });
    const double bitsMs = bestMs(3, [&] {
        std::vector<QRect> rects;
        runsBitByBit(file, kSide, [&](const QRect& r) { rects.push_back(r); });
        c.setRects(rects.data(), int(rects.size()));
    });
    QRegion u;
    const double unionMs = bestMs(2, [&] {
        u = QRegion();
        runsBitByBit(file, kSide, [&](const QRect& r) { u += r; });
    });

    // Where our time goes.
    const auto parsed = parseMask(file);
    const double edgesMs = bestMs(10, [&] {
        long n = 0;
        forEachMaskBand(file, parsed.header, [&](int, int, int, int) { ++n; });
        if (n < 0) std::puts("");
    });
    QList<QRect> built;
    forEachMaskBand(file, parsed.header, [&](int x1, int y1, int x2, int y2) {
        built.emplace_back(QPoint(x1, y1), QPoint(x2, y2));
    });
    const double setRectsMs = bestMs(10, [&] {
        QRegion r;
        r.setRects(built.constData(), int(built.size()));
    });

    const bool sameQt = (a ^ b).isEmpty();
    const bool sameBits = (a ^ c).isEmpty();
    const bool sameUnion = (a ^ u).isEmpty();
    std::printf("mask %dx%d random noise: %d rectangles (ours), %d (QRegion(QBitmap))\n", kSide,
                kSide, a.rectCount(), b.rectCount());
    std::printf("ours: parse + bands + setRects          %8.2f ms\n", oursMs);
    std::printf("  of it: runs and bands alone            %8.2f ms\n", edgesMs);
    std::printf("  of it: QRegion::setRects alone         %8.2f ms\n", setRectsMs);
    std::printf("Qt:   decode BMP + QRegion(QBitmap)     %8.2f ms  (%.2fx ours)\n", qtMs,
                qtMs / oursMs);
    std::printf("Qt:   QRegion(QBitmap) alone            %8.2f ms  (%.2fx ours)\n", qtRegionOnlyMs,
                qtRegionOnlyMs / oursMs);
    std::printf("bit by bit runs + setRects              %8.2f ms  (%.2fx ours)\n", bitsMs,
                bitsMs / oursMs);
    std::printf("bit by bit runs, one union per run      %8.2f ms  (%.2fx ours)\n", unionMs,
                unionMs / oursMs);
    std::printf("same shape: Qt %s, bit by bit %s, union %s\n", sameQt ? "yes" : "NO",
                sameBits ? "yes" : "NO", sameUnion ? "yes" : "NO");
    return 0;
}
