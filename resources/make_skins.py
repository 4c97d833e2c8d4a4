#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the two built-in skins, "def" and "ext", and writes their pictures
and descriptions into resources/skins/. Standard library only; the output is
committed, so run this again only after changing a drawing:

    python3 resources/make_skins.py

Pictures: face 8-bit palettised, mask 1-bit (black = window, white = cut
away, the rightmost column always white), buttons 24-bit. Each button
picture is cut from the face underneath it, so the button sits seamlessly on
the bar, with its glyph drawn on top (4 x 4 supersampled edges)."""

import math
import os
import struct

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "skins")

# Colours (r, g, b).
BAR_TOP = (64, 72, 88)
BAR_BOTTOM = (30, 35, 44)
EDGE_LIGHT = (112, 124, 146)
EDGE_DARK = (16, 19, 25)
GLYPH_IDLE = (200, 208, 220)
GLYPH_HOVER = (255, 255, 255)
HOVER_FILL = (86, 98, 122)
PRESSED_FILL = (17, 21, 28)
ACCENT = (56, 189, 248)
RUNNING = (251, 191, 36)


# ---------------------------------------------------------------- BMP files

def _bmp(width, height, bits, palette, rows):
    """rows: bottom-up list of packed row bytes (already padded)."""
    data = b"".join(rows)
    offset = 14 + 40 + len(palette) * 4
    pal = b"".join(bytes((b, g, r, 0)) for (r, g, b) in palette)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(data),
                       2835, 2835, len(palette), 0)
    head = b"BM" + struct.pack("<IHHI", offset + len(data), 0, 0, offset)
    return head + info + pal + data


def _pad(row):
    return row + b"\0" * ((-len(row)) % 4)


def bmp24(pixels):
    h, w = len(pixels), len(pixels[0])
    rows = [_pad(b"".join(bytes((b, g, r)) for (r, g, b) in line)) for line in reversed(pixels)]
    return _bmp(w, h, 24, [], rows)


def bmp8(pixels):
    colours = sorted({c for line in pixels for c in line})
    assert len(colours) <= 256, "face needs more than 256 colours"
    palette = colours + [(0, 0, 0)] * (256 - len(colours))
    index = {c: i for i, c in enumerate(colours)}
    h, w = len(pixels), len(pixels[0])
    rows = [_pad(bytes(index[c] for c in line)) for line in reversed(pixels)]
    return _bmp(w, h, 8, palette, rows)


def bmp1(opaque):
    """opaque[y][x] True = part of the window = palette index 0 (black)."""
    h, w = len(opaque), len(opaque[0])
    rows = []
    for line in reversed(opaque):
        row = bytearray((w + 7) // 8)
        for x, inside in enumerate(line):
            if not inside:
                row[x // 8] |= 0x80 >> (x % 8)
        # Padding bits are white too, so the padding never looks like window.
        if w % 8:
            row[-1] |= 0xFF >> (w % 8)
        rows.append(_pad(bytes(row)).ljust(len(_pad(bytes(row))), b"\0"))
    return _bmp(w, h, 1, [(0, 0, 0), (255, 255, 255)], rows)


# ------------------------------------------------------------------ drawing

def mix(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


def coverage(shape, x, y, n=4):
    """Share of pixel (x, y) inside shape(px, py), sampled n x n."""
    hits = 0
    for i in range(n):
        for j in range(n):
            if shape(x + (i + 0.5) / n, y + (j + 0.5) / n):
                hits += 1
    return hits / (n * n)


def paint(pixels, shape, colour, dx=0.0, dy=0.0):
    for y, line in enumerate(pixels):
        for x in range(len(line)):
            c = coverage(lambda px, py: shape(px - dx, py - dy), x, y)
            if c > 0:
                line[x] = mix(line[x], colour, c)


def segment(ax, ay, bx, by, half):
    def inside(px, py):
        vx, vy = bx - ax, by - ay
        t = max(0.0, min(1.0, ((px - ax) * vx + (py - ay) * vy) / (vx * vx + vy * vy)))
        qx, qy = ax + t * vx - px, ay + t * vy - py
        return qx * qx + qy * qy <= half * half
    return inside


def union(*shapes):
    return lambda px, py: any(s(px, py) for s in shapes)


def rounded_rect(x0, y0, x1, y1, r):
    def inside(px, py):
        if px < x0 or px > x1 or py < y0 or py > y1:
            return False
        cx = min(max(px, x0 + r), x1 - r)
        cy = min(max(py, y0 + r), y1 - r)
        return (px - cx) ** 2 + (py - cy) ** 2 <= r * r
    return inside


def gear(cx, cy, outer, body, hole, teeth=8):
    def inside(px, py):
        dx, dy = px - cx, py - cy
        d = math.hypot(dx, dy)
        if d < hole or d > outer:
            return False
        if d <= body:
            return True
        a = (math.atan2(dy, dx) / (2 * math.pi) * teeth) % 1.0
        return 0.25 <= a <= 0.75
    return inside


def cross(cx, cy, arm, half):
    return union(segment(cx - arm, cy - arm, cx + arm, cy + arm, half),
                 segment(cx - arm, cy + arm, cx + arm, cy - arm, half))


def stopwatch(cx, cy, r, ring):
    def dial(px, py):
        d = math.hypot(px - cx, py - cy)
        return r - ring <= d <= r
    crown = segment(cx, cy - r - 1.4, cx, cy - r - 0.2, 0.75)
    hand = segment(cx, cy, cx + r * 0.45, cy - r * 0.55, 0.55)
    return union(dial, crown, hand, lambda px, py: math.hypot(px - cx, py - cy) <= 0.8)


# ------------------------------------------------------------------- skins

class Skin:
    def __init__(self, name, width, height, left_edge, right_edge):
        self.name = name
        self.w, self.h = width, height
        self.mask = [[left_edge(y) <= x <= right_edge(y) and x < width - 1
                      for x in range(width)] for y in range(height)]
        self.face = self._draw_face()

    def _draw_face(self):
        face = []
        for y in range(self.h):
            row_colour = mix(BAR_TOP, BAR_BOTTOM, y / (self.h - 1))
            face.append([row_colour] * self.w)
        inside = lambda x, y: 0 <= x < self.w and 0 <= y < self.h and self.mask[y][x]
        for y in range(self.h):
            for x in range(self.w):
                if not inside(x, y):
                    continue
                if not inside(x, y - 1) or not inside(x - 1, y):
                    face[y][x] = EDGE_LIGHT
                elif not inside(x, y + 1) or not inside(x + 1, y):
                    face[y][x] = EDGE_DARK
        return face

    def interior(self, x, y):
        """Inside the window and not on its edge line."""
        return (0 <= y < self.h and 0 <= x < self.w and self.mask[y][x]
                and self.face[y][x] not in (EDGE_LIGHT, EDGE_DARK))

    def button(self, rect, glyph, tile, fill=None, colour=GLYPH_IDLE, shift=0):
        """tile: the hover and pressed tile's shape in the picture; it stops
        at the window's edge line, so a tile at a slanted end follows it."""
        l, t, w, h = rect
        pixels = [[self.face[t + y][l + x] if t + y < self.h else BAR_BOTTOM
                   for x in range(w)] for y in range(h)]
        if fill is not None:
            paint(pixels, lambda px, py: tile(px, py) and self.interior(l + int(px), t + int(py)),
                  fill)
        paint(pixels, glyph, colour, shift, shift)
        return pixels


# Glyph colours and tile fills of a button's states.
BAR_LOOK = {"idle": GLYPH_IDLE, "hover": GLYPH_HOVER, "hover_fill": HOVER_FILL,
            "pressed": ACCENT, "pressed_fill": PRESSED_FILL, "running": RUNNING}


def button_set(skin, rect, glyph, tile, timer=False, look=BAR_LOOK):
    pics = {
        "of": skin.button(rect, glyph, tile, colour=look["idle"]),
        "on": skin.button(rect, glyph, tile, fill=look["hover_fill"], colour=look["hover"]),
        "dn": skin.button(rect, glyph, tile, fill=look["pressed_fill"], colour=look["pressed"],
                          shift=1),
    }
    if timer:
        # "on" is the idle picture while the stopwatch runs; "at" the pointer over it.
        pics["at"] = pics["on"]
        pics["on"] = skin.button(rect, glyph, tile, colour=look["running"])
    return pics


def whole_tile(w, h):
    return rounded_rect(0.5, 0.5, w - 0.5, h - 0.5, 2.5)


DESCRIPTIONS = {
    "def": [
        ("info", [("support", "09.0"), ("animated", "1"), ("type", "0"), ("name", "Default"),
                  ("version", "1.0"), ("author", "kOk DIAL TD"), ("mail", ""), ("web", "")]),
        ("rect.form", [("w", "126"), ("h", "18")]),
        ("rect.time", [("w", "51"), ("h", "13"), ("l", "27"), ("t", "2"), ("c", "16777215"),
                       ("f", "MS Sans Serif"), ("s", "8"), ("z", "-11"), ("b", "1")]),
        ("rect.timer", [("w", "0"), ("h", "0"), ("l", "0"), ("t", "0"), ("c", "0"),
                        ("f", "MS Sans Serif"), ("s", "8"), ("z", "-11"), ("b", "0")]),
        ("rect.ding", [("w", "11"), ("h", "18"), ("l", "15"), ("t", "0")]),
        ("rect.settings", [("w", "16"), ("h", "18"), ("l", "80"), ("t", "0")]),
        ("rect.close", [("w", "16"), ("h", "18"), ("l", "96"), ("t", "0")]),
    ],
    "ext": [
        ("info", [("support", "09.0"), ("animated", "1"), ("type", "1"), ("name", "Extended"),
                  ("version", "1.1"), ("author", "kOk DIAL TD"), ("mail", ""), ("web", "")]),
        ("rect.form", [("w", "125"), ("h", "28")]),
        ("rect.time", [("w", "51"), ("h", "13"), ("l", "25"), ("t", "1"), ("c", "16777215"),
                       ("f", "MS Sans Serif"), ("s", "8"), ("z", "-11"), ("b", "1")]),
        ("rect.timer", [("w", "43"), ("h", "11"), ("l", "43"), ("t", "12"), ("c", "16777215"),
                        ("f", "Small Fonts"), ("s", "7"), ("z", "-9"), ("b", "1")]),
        ("rect.ding", [("w", "11"), ("h", "11"), ("l", "80"), ("t", "2")]),
        ("rect.settings", [("w", "19"), ("h", "19"), ("l", "92"), ("t", "3")]),
        ("rect.close", [("w", "11"), ("h", "11"), ("l", "112"), ("t", "2")]),
    ],
}


def description_text(sections):
    """sections: [(section, [(key, value), ...]), ...] in the writer's order."""
    lines = [";kOk DIAL TD skin file", ""]
    for section, keys in sections:
        lines.append("[%s]" % section)
        lines += ["%s=%s" % kv for kv in keys]
        lines.append("")
    return ("\r\n".join(lines) + "\r\n").encode("cp1251")


def rect_of(sections, section):
    keys = dict(dict(sections)[section])
    return tuple(int(keys[k]) for k in ("l", "t", "w", "h"))


def make(name, skin, glyphs):
    """glyphs: (button, section, glyph, tile or None for the whole picture)."""
    files = {"face": bmp8(skin.face), "mask": bmp1(skin.mask)}
    for button, section, glyph, tile in glyphs:
        rect = rect_of(DESCRIPTIONS[name], section)
        pics = button_set(skin, rect, glyph, tile or whole_tile(rect[2], rect[3]),
                          timer=button == "timer")
        for state, pixels in pics.items():
            files["%s_%s" % (button, state)] = bmp24(pixels)
    for part, data in files.items():
        with open(os.path.join(OUT, ("%s_%s" % (name, part)).upper() + ".bmp"), "wb") as f:
            f.write(data)
    with open(os.path.join(OUT, "KSF_%s.ksf" % name.upper()), "wb") as f:
        f.write(description_text(DESCRIPTIONS[name]))


def main():
    os.makedirs(OUT, exist_ok=True)

    # "def": 126 x 18, both ends slanted the same way. The stopwatch and its
    # tile keep four pixels from the first digit of the time.
    d = Skin("def", 126, 18, lambda y: (17 - y) // 2, lambda y: 124 - y // 2)
    make("def", d, [
        ("settings", "rect.settings", gear(8, 9, 6.4, 4.6, 2.3), None),
        ("close", "rect.close", cross(8, 9, 3.3, 0.95), None),
        ("timer", "rect.ding", stopwatch(5.0, 10.0, 3.8, 1.2),
         rounded_rect(0.5, 0.5, 9.5, 17.5, 2.5)),
    ])

    # "ext": 125 x 27 (the window is one row taller), both ends slanted the
    # same way over the whole height, steeply enough that the close button at
    # the right end keeps its glyph whole, pressed too (its tile follows the end).
    e = Skin("ext", 125, 27, lambda y: (26 - y) // 4, lambda y: 123 - y // 4)
    make("ext", e, [
        # The settings picture is 19 x 19 and reaches below the time; its gear
        # and tile are those of the other buttons, in line with them.
        ("settings", "rect.settings", gear(9.5, 5.2, 4.4, 3.2, 1.5),
         rounded_rect(4.5, -0.5, 14.5, 9.5, 2.5)),
        ("close", "rect.close", cross(4.2, 5.5, 2.5, 0.9), None),
        ("timer", "rect.ding", stopwatch(5.5, 6.3, 3.9, 1.2), None),
    ])


def write_qrc():
    names = sorted(os.listdir(OUT))
    lines = ['<!DOCTYPE RCC><RCC version="1.0">', '<qresource prefix="/skins">']
    for n in names:
        if n.endswith((".bmp", ".ksf")):
            lines.append('  <file alias="%s">skins/%s</file>' % (os.path.splitext(n)[0], n))
    lines += ["</qresource>", "</RCC>", ""]
    with open(os.path.join(OUT, "..", "skins.qrc"), "w") as f:
        f.write("\n".join(lines))


if __name__ == "__main__":
    main()
    write_qrc()
