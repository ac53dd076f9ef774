#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The tocklet developers
"""Draws tocklet's icons, bitmaps and animation into resources/images/.

Only the Python standard library is used: shapes are signed distance functions (negative
inside, in pixels), painted with one pixel of anti-aliasing, and the results are written as
PNG (and GIF for the animation) by hand, so the output is the same on every machine.

Usage: tools/make-artwork.py [output folder]   (default: resources/images next to this script)

The program icon for the desktop's icon theme goes, at the theme's usual sizes, into
resources/icons/hicolor/<n>x<n>/apps/tocklet.png (beside the output folder).
"""

import math
import os
import sys

sys.dont_write_bytecode = True  # keep the source tree free of __pycache__
from artwork_canvas import (Canvas, Shape, box, circle, polygon, segment, vertical_gradient,
                            write_gif, write_png, write_png_indexed)

# ---------------------------------------------------------------------------------------------
# Motifs.

NAVY = (28, 52, 120)
INK = (30, 30, 40)
FACE = (255, 252, 238)
RED = (214, 40, 40)
YELLOW = (250, 196, 40)
ORANGE = (240, 128, 30)
GREEN = (40, 160, 70)
GREY = (128, 128, 128)


def clock_face(c, cx, cy, r, rim, face=FACE, hands=INK, second=RED, minute_angle=0.0,
               hour_angle=120.0, second_angle=None, ticks=True):
    """A round clock; angles in degrees clockwise from twelve."""
    stroke = max(1.0, r * 0.16)
    c.paint(circle(cx, cy, r), rim)
    c.paint(circle(cx, cy, r - stroke), face)
    if ticks and r >= 10:
        for i in range(12):
            a = math.radians(i * 30)
            outer, inner = r - stroke - 0.8, r - stroke - (r * 0.2 if i % 3 == 0 else r * 0.1)
            c.paint(segment(cx + math.sin(a) * inner, cy - math.cos(a) * inner,
                            cx + math.sin(a) * outer, cy - math.cos(a) * outer,
                            max(0.8, r * 0.06)), hands)
    width = max(1.1, r * 0.13)

    def hand(angle, length, w, colour):
        a = math.radians(angle)
        c.paint(segment(cx, cy, cx + math.sin(a) * length, cy - math.cos(a) * length, w), colour)

    hand(hour_angle, (r - stroke) * 0.55, width * 1.15, hands)
    hand(minute_angle, (r - stroke) * 0.82, width, hands)
    if second_angle is not None:
        hand(second_angle, (r - stroke) * 0.85, max(0.8, width * 0.5), second)
    c.paint(circle(cx, cy, max(0.7, width * 0.7)), hands)


def bird(c, cx, cy, size, body=YELLOW, wing=ORANGE, facing_left=True, wing_up=0.0, eye=True):
    """A round little bird; size is the body's diameter."""
    s = size / 2
    d = -1 if facing_left else 1
    c.paint(polygon([(cx - d * s * 0.7, cy - s * 0.1), (cx - d * s * 1.45, cy - s * 0.55),
                     (cx - d * s * 1.35, cy + s * 0.25)]), wing)  # tail
    c.paint(circle(cx, cy, s), body)
    hx, hy = cx + d * s * 0.65, cy - s * 0.7
    c.paint(circle(hx, hy, s * 0.62), body)
    c.paint(polygon([(hx + d * s * 0.5, hy - s * 0.18), (hx + d * s * 1.15, hy + s * 0.05),
                     (hx + d * s * 0.5, hy + s * 0.26)]), ORANGE)  # beak
    if eye:
        c.paint(circle(hx + d * s * 0.2, hy - s * 0.1, max(0.6, s * 0.14)), INK)
    lift = wing_up * s * 0.9
    c.paint(polygon([(cx - d * s * 0.55, cy - s * 0.05), (cx + d * s * 0.35, cy - s * 0.1),
                     (cx - d * s * 0.1, cy + s * 0.55 - lift * 1.6)]), wing)


def pause_mark(c, x, y, h, colour=(200, 60, 20)):
    w = max(1.5, h * 0.3)
    gap = max(1.0, h * 0.22)
    backing = (255, 255, 255)
    c.paint(box(x - 0.8, y - 0.8, x + 2 * w + gap + 0.8, y + h + 0.8, 1.0), backing)
    c.paint(box(x, y, x + w, y + h), colour)
    c.paint(box(x + w + gap, y, x + 2 * w + gap, y + h), colour)


# ---------------------------------------------------------------------------------------------
# The images.

def icon_program(n):
    """102: a yellow bird whose belly is a clock."""
    c = Canvas(n, n)
    k = n / 16
    bird(c, 8.6 * k, 9.2 * k, 12.2 * k, eye=True)
    clock_face(c, 9.4 * k, 10.4 * k, 4.3 * k, NAVY, minute_angle=0, hour_angle=120, ticks=n >= 32)
    return c


def icon_tray(n, paused):
    """120 (monitoring) and 121 (paused): a clock with a bird on top; grey with a pause mark
    when monitoring is paused."""
    c = Canvas(n, n)
    k = n / 16
    if paused:
        clock_face(c, 8 * k, 8.6 * k, 7.2 * k, (110, 110, 110), face=(222, 222, 222),
                   hands=(90, 90, 90), minute_angle=0, hour_angle=120, ticks=n >= 32)
        pause_mark(c, 9.2 * k, 8.4 * k, 6.4 * k)
    else:
        clock_face(c, 8 * k, 8.6 * k, 7.2 * k, NAVY, minute_angle=0, hour_angle=120,
                   second_angle=225, ticks=n >= 32)
        c.paint(circle(13.2 * k, 3.0 * k, 2.6 * k), (255, 255, 255))
        c.paint(circle(13.2 * k, 3.0 * k, 2.0 * k), GREEN)
    return c


def icon_alarm(n):
    """122: an alarm clock for the shutdown time."""
    c = Canvas(n, n)
    k = n / 16
    c.paint(segment(4.2 * k, 13.2 * k, 2.8 * k, 15.0 * k, 1.6 * k), INK)
    c.paint(segment(11.8 * k, 13.2 * k, 13.2 * k, 15.0 * k, 1.6 * k), INK)
    for side in (-1, 1):
        bx = 8 * k + side * 5.2 * k
        c.paint(circle(bx, 3.6 * k, 2.6 * k) - circle(8 * k, 9 * k, 6.6 * k), RED)
    c.paint(segment(8 * k, 2.6 * k, 8 * k, 1.2 * k, 1.4 * k), INK)
    clock_face(c, 8 * k, 9 * k, 6.4 * k, RED, minute_angle=0, hour_angle=300, ticks=n >= 32)
    return c


def bitmap_mail_bird(w=56, h=27):
    """124: a bird carrying a letter, beside the panel's mail link."""
    c = Canvas(w, h)
    ex0, ey0, ex1, ey1 = 27, 7, 51, 23
    c.paint(box(ex0, ey0, ex1, ey1, 1.5), (255, 255, 255))
    c.paint(box(ex0, ey0, ex1, ey1, 1.5).outline(1.2), NAVY)
    c.paint(segment(ex0 + 1, ey0 + 1, (ex0 + ex1) / 2, ey0 + 9, 1.2), NAVY)
    c.paint(segment(ex1 - 1, ey0 + 1, (ex0 + ex1) / 2, ey0 + 9, 1.2), NAVY)
    c.paint(circle((ex0 + ex1) / 2, ey0 + 9, 2.2), RED)
    bird(c, 15, 14, 13, facing_left=False, wing_up=0.8)  # its beak holds the letter's corner
    return c


def bitmap_password_back(w=300, h=150):
    """125: a quiet background for the password prompt: sky gradient, a faint padlock and
    clock rings, leaving the middle calm for text."""
    c = Canvas(w, h, background=(236, 243, 252))
    c.paint(box(0, 0, w, h), vertical_gradient(0, (214, 230, 250), h, (246, 250, 255)))
    for r, alpha in ((70, 40), (54, 30), (38, 22)):
        c.paint(circle(w - 40, h - 30, r).outline(3), (150, 180, 225, alpha))
    lx, ly = 34, 60
    c.paint(box(lx - 22, ly + 10, lx + 22, ly + 50, 6), (150, 175, 215, 120))
    c.paint(box(lx - 14, ly - 16, lx + 14, ly + 24, 14).outline(6) - box(lx - 30, ly + 10, lx + 30, ly + 60),
            (150, 175, 215, 120))
    c.paint(circle(lx, ly + 26, 5), (236, 243, 252, 200))
    c.paint(segment(lx, ly + 28, lx, ly + 38, 4), (236, 243, 252, 200))
    for i in range(12):
        a = math.radians(i * 30)
        c.paint(circle(w - 40 + math.sin(a) * 62, h - 30 - math.cos(a) * 62, 2.2), (150, 180, 225, 90))
    return c


def bitmap_cuckoo(w=88, h=145):
    """126: a cuckoo clock with its bird out, for the reminder pop-up."""
    c = Canvas(w, h, background=(206, 228, 250))
    c.paint(box(0, 0, w, h), vertical_gradient(0, (178, 212, 246), h, (232, 242, 252)))
    wood, dark, light = (150, 92, 48), (96, 56, 28), (176, 116, 66)
    cx = w / 2
    # chains and weights first, so the case hangs in front of them
    for side, top in ((-1, 106), (1, 116)):
        x = cx + side * 19
        c.paint(segment(x, 70, x, top, 1.2), (120, 110, 90))
        c.paint(box(x - 3.5, top, x + 3.5, top + 18, 2.5), dark)
        c.paint(box(x - 2.5, top + 1, x - 0.5, top + 17, 1), (150, 100, 60))
    # pendulum
    c.paint(segment(cx, 80, cx, 116, 1.8), (190, 150, 60))
    c.paint(circle(cx, 120, 6.5), (220, 176, 60))
    c.paint(circle(cx, 120, 6.5).outline(1.2), (150, 110, 40))
    # case, gable and roof
    c.paint(box(cx - 28, 32, cx + 28, 86, 3), wood)
    c.paint(box(cx - 28, 32, cx + 28, 86, 3).outline(1.4), dark)
    c.paint(polygon([(cx - 30, 34), (cx, 11), (cx + 30, 34)]), light)
    c.paint(segment(cx - 38, 38, cx, 9, 4), dark)
    c.paint(segment(cx + 38, 38, cx, 9, 4), dark)
    for i in range(5):
        x = cx - 24 + 12 * i
        c.paint(segment(x, 86, x, 92, 3), dark)
    # the little door with the bird out on its perch
    c.paint(box(cx - 6, 17, cx + 6, 30, 2), (60, 34, 16))
    c.paint(segment(cx - 11, 29, cx + 4, 29, 1.4), dark)
    bird(c, cx - 2, 23, 10, facing_left=True, wing_up=0.6)
    # the dial
    clock_face(c, cx, 58, 20, (236, 220, 170), face=FACE, minute_angle=0, hour_angle=300,
               second_angle=150)
    c.paint(circle(cx, 58, 20).outline(1.2), dark)
    c.paint(box(0, 0, w, h).outline(2), (90, 120, 170))
    return c


def bitmap_folder(w=24, h=18):
    """127: an open folder, on the add-task dialog's "choose file" button."""
    c = Canvas(w, h)
    back, front, edge = (230, 180, 60), (250, 214, 100), (150, 105, 20)
    c.paint(polygon([(1.5, 3), (8, 3), (10, 5), (19, 5), (19, 16), (1.5, 16)]), back)
    c.paint(polygon([(1.5, 3), (8, 3), (10, 5), (19, 5), (19, 16), (1.5, 16)]).outline(1.0), edge)
    c.paint(box(4, 7.5, 16, 11, 0.5), (255, 255, 255))
    c.paint(polygon([(4.5, 8), (22.5, 8), (19, 16), (1.5, 16)]), front)
    c.paint(polygon([(4.5, 8), (22.5, 8), (19, 16), (1.5, 16)]).outline(1.0), edge)
    return c


def animation_frames(w=54, h=21, count=8):
    """128: a tiny bird flapping beside a clock whose second hand goes round."""
    frames = []
    for i in range(count):
        c = Canvas(w, h)
        clock_face(c, 11, 10.5, 9, NAVY, minute_angle=0, hour_angle=120, second_angle=i * 360 / count,
                   ticks=False)
        phase = math.sin(i * 2 * math.pi / count)
        bird(c, 39, 11.5 - phase * 2.0, 11, facing_left=True, wing_up=(phase + 1) / 2)
        for j in range(3):
            x = 24 + j * 3.2
            if (i + j) % count < 4:
                c.paint(circle(x, 10.5 + (j - 1) * 0.8, 0.9), (255, 255, 255))
        frames.append(c)
    return frames


class Scaled:
    """Paints shapes laid out on a 16-pixel grid onto a canvas of another size."""

    def __init__(self, canvas, k):
        self.canvas, self.k = canvas, k

    def paint(self, shape, colour, opacity=1.0):
        k = self.k
        x0, y0, x1, y1 = shape.box
        scaled = Shape(lambda x, y: shape.dist(x / k, y / k) * k, (x0 * k, y0 * k, x1 * k, y1 * k))
        paint = (lambda x, y: colour(x / k, y / k)) if callable(colour) else colour
        self.canvas.paint(scaled, paint, opacity)


def toolbar_strip(n=20):
    """Bitmap 102: the main panel's toolbar buttons side by side, n x n each, in the toolbar's
    order without its gaps: add task, calendar, delete task, chime, exit, print, how to use,
    about. The glyphs are drawn on a 16-pixel grid and scaled to n."""
    glyphs = []

    def page(c, colour=(255, 255, 255)):
        c.paint(polygon([(2.5, 1.5), (9.5, 1.5), (12.5, 4.5), (12.5, 14.5), (2.5, 14.5)]), colour)
        c.paint(polygon([(2.5, 1.5), (9.5, 1.5), (12.5, 4.5), (12.5, 14.5), (2.5, 14.5)]).outline(1),
                (90, 90, 110))
        for y in (6, 8.5, 11):
            c.paint(segment(4.5, y, 10.5, y, 1), (150, 160, 190))

    def add_task(c):
        page(c)
        c.paint(circle(11.5, 11.5, 4.3), (255, 255, 255))
        c.paint(circle(11.5, 11.5, 3.6), GREEN)
        c.paint(segment(9.6, 11.5, 13.4, 11.5, 1.3), (255, 255, 255))
        c.paint(segment(11.5, 9.6, 11.5, 13.4, 1.3), (255, 255, 255))

    def calendar(c):
        c.paint(box(1.5, 3, 14.5, 14.5, 1.5), (255, 255, 255))
        c.paint(box(1.5, 3, 14.5, 14.5, 1.5).outline(1), NAVY)
        c.paint(box(1.5, 3, 14.5, 6.5, 1), RED)
        for x in (5, 11):
            c.paint(segment(x, 1.5, x, 4.5, 1.4), INK)
        for row in range(2):
            for col in range(3):
                c.paint(box(3.5 + col * 3.5, 8 + row * 3, 5.5 + col * 3.5, 9.8 + row * 3), (120, 130, 160))

    def delete_task(c):
        page(c)
        c.paint(circle(11.5, 11.5, 4.3), (255, 255, 255))
        c.paint(circle(11.5, 11.5, 3.6), RED)
        c.paint(segment(9.9, 9.9, 13.1, 13.1, 1.5), (255, 255, 255))
        c.paint(segment(13.1, 9.9, 9.9, 13.1, 1.5), (255, 255, 255))

    def chime(c):
        bell = polygon([(8, 1.5), (11.5, 4), (12, 10), (14, 12.5), (2, 12.5), (4, 10), (4.5, 4)])
        c.paint(bell, (240, 190, 40))
        c.paint(bell.outline(1), (150, 100, 10))
        c.paint(circle(8, 14, 1.6), (150, 100, 10))

    def exit_program(c):
        c.paint(circle(8, 8.5, 6).outline(2) - box(6, 0, 10, 7), RED)
        c.paint(segment(8, 1.5, 8, 8, 2), RED)

    def printer(c):
        c.paint(box(4, 1.5, 12, 7, 0.5), (255, 255, 255))
        c.paint(box(4, 1.5, 12, 7, 0.5).outline(1), (90, 90, 110))
        c.paint(box(1.5, 6, 14.5, 12, 1.5), (150, 155, 170))
        c.paint(box(1.5, 6, 14.5, 12, 1.5).outline(1), (70, 70, 90))
        c.paint(box(4, 10, 12, 14.5, 0.5), (255, 255, 255))
        c.paint(box(4, 10, 12, 14.5, 0.5).outline(1), (90, 90, 110))
        c.paint(circle(12.3, 8, 0.8), GREEN)

    def question(c):
        c.paint(circle(8, 8, 7), (40, 110, 200))
        c.paint(circle(8, 6, 2.8).outline(1.8) - box(0, 6, 8, 16), (255, 255, 255))
        c.paint(segment(8, 8.8, 8, 10, 1.8), (255, 255, 255))
        c.paint(circle(8, 12.6, 1.1), (255, 255, 255))

    def about(c):
        bird(c, 8.6, 9.2, 12.2, eye=True)

    for draw in (add_task, calendar, delete_task, chime, exit_program, printer, question, about):
        c = Canvas(n, n)
        draw(Scaled(c, n / 16))
        glyphs.append(c)
    strip = Canvas(n * len(glyphs), n)
    for i, glyph in enumerate(glyphs):
        for y in range(n):
            for x in range(n):
                strip.pixels[y * strip.width + i * n + x] = glyph.pixels[y * n + x]
    return strip


HICOLOR_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
# The LED clock's glyphs: 13 x 23 pixels in the 16 standard colours. Lit segments are pure red,
# which the clock replaces with its digit colour; unlit ones are a dotted dark red, which it
# keeps, as it keeps the black ground.
GLYPH_W, GLYPH_H = 13, 23
VGA16 = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
         (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
         (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
GLYPH_BLACK, GLYPH_UNLIT, GLYPH_LIT = 0, 1, 9


def led_segment(name):
    """The pixels (x, y) of one segment: three pixels thick with one-pixel pointed ends.
    a top, b upper right, c lower right, d bottom, e lower left, f upper left, g middle."""
    def across(row):  # a horizontal bar centred on row
        return ([(x, row) for x in range(3, 10)]
                + [(x, y) for y in (row - 1, row + 1) for x in range(4, 9)])

    def down(col, top):  # a vertical bar centred on col, from row top to top + 7
        return ([(col, y) for y in range(top, top + 8)]
                + [(x, y) for x in (col - 1, col + 1) for y in range(top + 1, top + 7)])

    return {"a": across(2), "g": across(11), "d": across(20), "f": down(2, 3),
            "b": down(10, 3), "e": down(2, 12), "c": down(10, 12)}[name]


DIGIT_SEGMENTS = ["abcdef", "bc", "abdeg", "abcdg", "bcfg", "acdfg", "acdefg", "abc", "abcdefg",
                  "abcdfg"]


def glyph(index):
    """Glyph 0..9: that digit; 10: the colon; 11: every segment unlit."""
    pixels = [GLYPH_BLACK] * (GLYPH_W * GLYPH_H)
    if index == 10:
        for top in (6, 14):
            for y in range(top, top + 3):
                for x in range(5, 8):
                    pixels[y * GLYPH_W + x] = GLYPH_LIT
        return pixels
    lit = DIGIT_SEGMENTS[index] if index < 10 else ""
    for name in "abcdefg":
        for x, y in led_segment(name):
            if name in lit:
                pixels[y * GLYPH_W + x] = GLYPH_LIT
            elif (x + y) % 2 == 0:
                pixels[y * GLYPH_W + x] = GLYPH_UNLIT
    return pixels


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "resources", "images")
    os.makedirs(out, exist_ok=True)
    for n in (16, 32, 48):
        write_png(os.path.join(out, f"icon102-{n}.png"), icon_program(n))
        write_png(os.path.join(out, f"icon120-{n}.png"), icon_tray(n, paused=False))
        write_png(os.path.join(out, f"icon121-{n}.png"), icon_tray(n, paused=True))
        write_png(os.path.join(out, f"icon122-{n}.png"), icon_alarm(n))
    write_png(os.path.join(out, "bitmap102.png"), toolbar_strip())
    write_png(os.path.join(out, "bitmap124.png"), bitmap_mail_bird())
    write_png(os.path.join(out, "bitmap125.png"), bitmap_password_back())
    write_png(os.path.join(out, "bitmap126.png"), bitmap_cuckoo())
    write_png(os.path.join(out, "bitmap127.png"), bitmap_folder())
    write_gif(os.path.join(out, "anim128.gif"), animation_frames(), delay_cs=15)
    # The menu entry's icon: the program icon at the hicolor theme's usual sizes.
    for n in HICOLOR_SIZES:
        folder = os.path.join(out, "..", "icons", "hicolor", f"{n}x{n}", "apps")
        os.makedirs(folder, exist_ok=True)
        write_png(os.path.join(folder, "tocklet.png"), icon_program(n))
    for i in range(12):  # bitmaps 136..145: digits 0..9, 146: colon, 147: blank cell
        write_png_indexed(os.path.join(out, f"bitmap{136 + i}.png"), GLYPH_W, GLYPH_H, glyph(i),
                          VGA16)


if __name__ == "__main__":
    main()
