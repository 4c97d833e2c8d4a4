#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the three sample skins that ship in the program folder's SKINS/ and
writes each as a folder of resources/sample_skins/: skin.ksf and the twelve
pictures. Standard library only; the output is committed (the build copies it
beside the program), so run this again only after changing a drawing:

    python3 resources/make_sample_skins.py

The picture writers, shapes and button states are those of make_skins.py.
These masks have curved or cut edges, and a mask keeps whole pixels only: so
every face starts as a solid dark outline colour, which is what the mask's
edge cuts through (no halo on any desktop), and only the shapes drawn inside
it get smoothed edges. Faces are palettised when they fit in 256 colours,
else 24-bit."""

import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.dont_write_bytecode = True  # nothing to clean up in the source tree
sys.path.insert(0, HERE)

import make_skins as ms  # noqa: E402
from make_skins import cross, gear, mix, rounded_rect, segment, stopwatch, union  # noqa: E402

OUT = os.path.join(HERE, "sample_skins")


# ------------------------------------------------------------------ drawing

def fill(pixels, shape, colour, box=None):
    """Paints shape(px, py) with smoothed edges; colour is (r, g, b) or a
    function of the pixel (x, y). box (x0, y0, x1, y1), exclusive, limits the
    work to where the shape can be."""
    h, w = len(pixels), len(pixels[0])
    x0, y0, x1, y1 = box or (0, 0, w, h)
    for y in range(max(0, y0), min(h, y1)):
        for x in range(max(0, x0), min(w, x1)):
            c = ms.coverage(shape, x, y)
            if c > 0:
                pixels[y][x] = mix(pixels[y][x], colour(x, y) if callable(colour) else colour, c)


def disc(cx, cy, r):
    return lambda px, py: (px - cx) ** 2 + (py - cy) ** 2 <= r * r


def chamfered(x0, y0, x1, y1, cut):
    """A rectangle whose corners are cut at 45 degrees, cut pixels along each side."""
    def inside(px, py):
        return (x0 <= px <= x1 and y0 <= py <= y1 and px + py >= x0 + y0 + cut
                and (x1 - px) + py >= y0 + cut and px + (y1 - py) >= x0 + cut
                and (x1 - px) + (y1 - py) >= cut)
    return inside


def inset_chamfered(w, h, cut, k):
    """chamfered(0, 0, w, h, cut) moved in by k pixels on every side."""
    return chamfered(k, k, w - k, h - k, cut - k * (2 - math.sqrt(2)))


def steps(a, b, t, n):
    """mix(a, b, t) with t rounded to n steps, which keeps a gradient's
    colours few enough for a palette."""
    return mix(a, b, round(max(0.0, min(1.0, t)) * n) / n)


class Face(ms.Skin):
    """A window of any shape: inside(px, py) is the shape, and a pixel whose
    middle lies in it belongs to the window."""

    def __init__(self, width, height, inside, outline):
        self.w, self.h = width, height
        self.mask = [[inside(x + 0.5, y + 0.5) for x in range(width)] for y in range(height)]
        self.face = [[outline] * width for _ in range(height)]

    def interior(self, x, y):
        return 0 <= y < self.h and 0 <= x < self.w and self.mask[y][x]


# ------------------------------------------------------------ descriptions

def bgr(rgb):
    r, g, b = rgb
    return b << 16 | g << 8 | r


def rect_keys(rect):
    l, t, w, h = rect
    return [("w", w), ("h", h), ("l", l), ("t", t)]


def indicator_keys(rect, colour, face, size, height, bold):
    return rect_keys(rect) + [("c", bgr(colour)), ("f", face), ("s", size), ("z", height),
                              ("k", 1), ("b", int(bold))]


def description(name, two, form, time, timer, ding, settings, close):
    """Sections and keys in the order the skin editor writes them. The
    editor fills "generator" with its build; these skins leave it empty."""
    info = [("support", "09.0"), ("animated", 1), ("type", int(two)), ("name", name),
            ("version", "1.0"), ("author", "kOk DIAL TD"), ("mail", ""), ("web", ""),
            ("generator", "")]
    sections = [("info", info), ("rect.form", [("w", form[0]), ("h", form[1])]),
                ("rect.time", indicator_keys(*time)), ("rect.timer", indicator_keys(*timer)),
                ("rect.ding", rect_keys(ding)), ("rect.settings", rect_keys(settings)),
                ("rect.close", rect_keys(close))]
    return [(s, [(k, str(v)) for k, v in keys]) for s, keys in sections]


def description_text(sections):
    """The file exactly as the program's own writer lays it out: unlike the
    built-in descriptions, no empty line between sections."""
    lines = [";kOk DIAL TD skin file", ""]
    for section, keys in sections:
        lines.append("[%s]" % section)
        lines += ["%s=%s" % kv for kv in keys]
    return ("\r\n".join(lines) + "\r\n").encode("cp1251")


def face_bmp(pixels):
    if len({c for line in pixels for c in line}) <= 256:
        return ms.bmp8(pixels)
    return ms.bmp24(pixels)


def write(folder, skin, sections, buttons, look):
    """buttons: (button, section, glyph, tile)."""
    out = os.path.join(OUT, folder)
    os.makedirs(out, exist_ok=True)
    files = {"face": face_bmp(skin.face), "mask": ms.bmp1(skin.mask)}
    for button, section, glyph, tile in buttons:
        rect = ms.rect_of(sections, section)
        for state, pixels in ms.button_set(skin, rect, glyph, tile, button == "timer",
                                           look).items():
            files["%s_%s" % (button, state)] = ms.bmp24(pixels)
    for part, data in files.items():
        with open(os.path.join(out, part + ".bmp"), "wb") as f:
            f.write(data)
    with open(os.path.join(out, "skin.ksf"), "wb") as f:
        f.write(description_text(sections))


# ------------------------------------------------------------------- skins

def round_dial():
    """160 x 160: a round dial with a bevelled rim and a minute ring; the time
    in the middle, the second indicator below it, settings and close at half
    past ten and half past one, the stopwatch at six."""
    size, c = 160, 80.0
    outline = (10, 12, 16)
    skin = Face(size, size, disc(c, c, 79.6), outline)
    px = skin.face
    rim_light, rim_dark = (168, 178, 196), (52, 58, 72)
    fill(px, disc(c, c, 78.2), lambda x, y: steps(rim_light, rim_dark, y / (size - 1), 24))
    fill(px, disc(c, c, 73.4), (16, 19, 26))
    dial_top, dial_bottom = (44, 54, 74), (22, 27, 38)
    fill(px, disc(c, c, 72.4), lambda x, y: steps(dial_top, dial_bottom, (y - 8) / 144, 16))
    for i in range(60):
        a = i * math.pi / 30
        sx, sy = math.sin(a), -math.cos(a)
        if i % 5:
            r0, r1, half, colour = 65.5, 69.5, 0.5, (112, 126, 150)
        else:
            r0, r1, half, colour = 59.5, 69.5, 1.15, (226, 232, 240)
        if i == 0:
            colour = ms.ACCENT
        x0, y0, x1, y1 = c + sx * r0, c + sy * r0, c + sx * r1, c + sy * r1
        box = (int(min(x0, x1)) - 2, int(min(y0, y1)) - 2, int(max(x0, x1)) + 3,
               int(max(y0, y1)) + 3)
        fill(px, segment(x0, y0, x1, y1, half), colour, box)
    # A recessed window behind each indicator.
    fill(px, rounded_rect(31.5, 58.5, 128.5, 86.5, 5), (12, 15, 21), (30, 57, 130, 88))
    fill(px, rounded_rect(32.5, 59.5, 127.5, 85.5, 4), (17, 21, 29), (30, 57, 130, 88))
    fill(px, rounded_rect(49.5, 90.5, 110.5, 105.5, 4), (12, 15, 21), (48, 89, 112, 107))
    fill(px, rounded_rect(50.5, 91.5, 109.5, 104.5, 3), (17, 21, 29), (48, 89, 112, 107))

    white, cyan = (240, 244, 250), ms.ACCENT
    sections = description(
        "Round Dial", True, (size, size),
        ((35, 61, 88, 24), white, "DejaVu Sans Condensed", 15, -20, True),
        ((51, 92, 58, 12), cyan, "DejaVu Sans Condensed", 8, -11, True),
        (72, 114, 16, 16), (38, 38, 16, 16), (106, 38, 16, 16))
    tile = disc(8, 8, 7.6)
    write("Round", skin, sections, [
        ("settings", "rect.settings", gear(8, 8, 6.2, 4.5, 2.2), tile),
        ("close", "rect.close", cross(8, 8, 3.2, 0.95), tile),
        ("timer", "rect.ding", stopwatch(8, 8.8, 4.6, 1.3), tile),
    ], ms.BAR_LOOK)


def strip():
    """110 x 16: a light, flat strip; the stopwatch, the time, settings and
    close, and nothing else."""
    w, h = 110, 16
    skin = Face(w, h, rounded_rect(0, 0, w, h, 3.5), (46, 50, 58))
    top, bottom = (243, 245, 248), (212, 216, 223)
    fill(skin.face, rounded_rect(1, 1, w - 1, h - 1, 2.5),
         lambda x, y: steps(top, bottom, (y - 1) / 13, 13))
    for x in (18, 73):
        fill(skin.face, lambda px, py: x <= px < x + 1 and 4 <= py <= 12, (186, 192, 202))

    ink = (30, 34, 42)
    sections = description(
        "Slim Strip", False, (w, h),
        ((21, 1, 49, 14), ink, "DejaVu Sans Condensed", 8, -11, True),
        ((0, 0, 0, 0), (0, 0, 0), "DejaVu Sans Condensed", 8, -11, False),
        (4, 1, 12, 14), (76, 1, 14, 14), (92, 1, 14, 14))
    look = {"idle": (72, 80, 94), "hover": (16, 20, 26), "hover_fill": (196, 203, 214),
            "pressed": (255, 255, 255), "pressed_fill": (52, 58, 70), "running": (217, 119, 6)}
    write("Strip", skin, sections, [
        ("settings", "rect.settings", gear(7, 7, 5.4, 3.9, 1.9), ms.whole_tile(14, 14)),
        ("close", "rect.close", cross(7, 7, 2.8, 0.95), ms.whole_tile(14, 14)),
        ("timer", "rect.ding", stopwatch(6, 7.6, 4.0, 1.2), ms.whole_tile(12, 14)),
    ], look)


def contrast():
    """176 x 62: black with a thick yellow frame; large white time, the
    second indicator in yellow below it between the buttons. Buttons turn
    yellow under the pointer and white when pressed."""
    w, h, cut = 176, 62, 7
    black, yellow, white = (0, 0, 0), (255, 214, 0), (255, 255, 255)
    skin = Face(w, h, chamfered(0, 0, w, h, cut), black)
    fill(skin.face, inset_chamfered(w, h, cut, 1.5), yellow)
    fill(skin.face, inset_chamfered(w, h, cut, 4.5), black)

    sections = description(
        "High Contrast", True, (w, h),
        ((12, 4, 152, 35), white, "DejaVu Sans", 22, -30, True),
        ((29, 41, 96, 16), yellow, "DejaVu Sans Mono", 10, -14, True),
        (126, 39, 18, 18), (10, 39, 18, 18), (148, 39, 18, 18))
    look = {"idle": yellow, "hover": black, "hover_fill": yellow,
            "pressed": black, "pressed_fill": white, "running": (0, 230, 118)}
    tile = ms.whole_tile(18, 18)
    write("Contrast", skin, sections, [
        ("settings", "rect.settings", gear(9, 9, 7.4, 5.4, 2.4), tile),
        ("close", "rect.close", cross(9, 9, 4.4, 1.5), tile),
        ("timer", "rect.ding", stopwatch(9, 10, 5.8, 1.8), tile),
    ], look)


def main():
    round_dial()
    strip()
    contrast()


if __name__ == "__main__":
    main()
