#!/usr/bin/env python3
"""Draws tocklet's icons, bitmaps and animation into resources/images/.

Only the Python standard library is used: shapes are signed distance functions (negative
inside, in pixels), painted with one pixel of anti-aliasing, and the results are written as
PNG (and GIF for the animation) by hand, so the output is the same on every machine.

Usage: tools/make-artwork.py [output folder]   (default: resources/images next to this script)
"""

import math
import os
import struct
import sys
import zlib

# The main panel paints its background in this colour; the animation's soft edges are blended
# against it because GIF transparency is all or nothing.
PANEL = (128, 174, 228)


# ---------------------------------------------------------------------------------------------
# Shapes: functions (x, y) -> signed distance in pixels, with a bounding box for speed.

class Shape:
    def __init__(self, dist, box):
        self.dist = dist
        self.box = box  # (x0, y0, x1, y1), pixels, inclusive-exclusive

    def __or__(self, other):
        return Shape(lambda x, y: min(self.dist(x, y), other.dist(x, y)), _union_box(self.box, other.box))

    def __and__(self, other):
        return Shape(lambda x, y: max(self.dist(x, y), other.dist(x, y)), _meet_box(self.box, other.box))

    def __sub__(self, other):
        return Shape(lambda x, y: max(self.dist(x, y), -other.dist(x, y)), self.box)

    def grow(self, amount):
        x0, y0, x1, y1 = self.box
        return Shape(lambda x, y: self.dist(x, y) - amount, (x0 - amount, y0 - amount, x1 + amount, y1 + amount))

    def outline(self, width):
        """A band of the given width centred on the shape's edge."""
        half = width / 2
        x0, y0, x1, y1 = self.box
        return Shape(lambda x, y: abs(self.dist(x, y)) - half, (x0 - half, y0 - half, x1 + half, y1 + half))


def _union_box(a, b):
    return (min(a[0], b[0]), min(a[1], b[1]), max(a[2], b[2]), max(a[3], b[3]))


def _meet_box(a, b):
    return (max(a[0], b[0]), max(a[1], b[1]), min(a[2], b[2]), min(a[3], b[3]))


def circle(cx, cy, r):
    return Shape(lambda x, y: math.hypot(x - cx, y - cy) - r, (cx - r, cy - r, cx + r, cy + r))


def ellipse(cx, cy, rx, ry):
    k = min(rx, ry)
    return Shape(lambda x, y: (math.hypot((x - cx) / rx, (y - cy) / ry) - 1) * k,
                 (cx - rx, cy - ry, cx + rx, cy + ry))


def segment(ax, ay, bx, by, width):
    """A stroke from a to b with round ends."""
    r = width / 2
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy or 1e-9

    def dist(x, y):
        t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / length2))
        return math.hypot(x - ax - t * dx, y - ay - t * dy) - r

    return Shape(dist, (min(ax, bx) - r, min(ay, by) - r, max(ax, bx) + r, max(ay, by) + r))


def box(x0, y0, x1, y1, radius=0.0):
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    hw, hh = (x1 - x0) / 2 - radius, (y1 - y0) / 2 - radius

    def dist(x, y):
        qx, qy = abs(x - cx) - hw, abs(y - cy) - hh
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - radius

    return Shape(dist, (x0, y0, x1, y1))


def polygon(points):
    n = len(points)

    def dist(x, y):
        best = float("inf")
        inside = False
        for i in range(n):
            ax, ay = points[i]
            bx, by = points[i - 1]
            ex, ey = bx - ax, by - ay
            wx, wy = x - ax, y - ay
            length2 = ex * ex + ey * ey or 1e-9
            t = max(0.0, min(1.0, (wx * ex + wy * ey) / length2))
            best = min(best, math.hypot(wx - ex * t, wy - ey * t))
            if (ay > y) != (by > y) and x < (bx - ax) * (y - ay) / (by - ay) + ax:
                inside = not inside
        return -best if inside else best

    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    return Shape(dist, (min(xs), min(ys), max(xs), max(ys)))


# ---------------------------------------------------------------------------------------------
# Canvas: straight RGBA floats, painted with "source over".

class Canvas:
    def __init__(self, width, height, background=None):
        self.width, self.height = width, height
        fill = [c / 255 for c in background] + [1.0] if background else [0.0, 0.0, 0.0, 0.0]
        self.pixels = [list(fill) for _ in range(width * height)]

    def paint(self, shape, colour, opacity=1.0):
        """colour: (r, g, b) or (r, g, b, a) 0..255, or a function (x, y) -> such a tuple."""
        x0, y0, x1, y1 = shape.box
        for y in range(max(0, int(y0) - 1), min(self.height, int(math.ceil(y1)) + 1)):
            for x in range(max(0, int(x0) - 1), min(self.width, int(math.ceil(x1)) + 1)):
                coverage = max(0.0, min(1.0, 0.5 - shape.dist(x + 0.5, y + 0.5)))
                if coverage <= 0:
                    continue
                c = colour(x + 0.5, y + 0.5) if callable(colour) else colour
                alpha = coverage * opacity * (c[3] / 255 if len(c) > 3 else 1.0)
                self._blend(x, y, c, alpha)

    def _blend(self, x, y, c, alpha):
        p = self.pixels[y * self.width + x]
        out_a = alpha + p[3] * (1 - alpha)
        if out_a <= 0:
            return
        for i in range(3):
            p[i] = (c[i] / 255 * alpha + p[i] * p[3] * (1 - alpha)) / out_a
        p[3] = out_a

    def rgba_rows(self):
        rows = []
        for y in range(self.height):
            row = bytearray()
            for x in range(self.width):
                p = self.pixels[y * self.width + x]
                row += bytes(int(round(max(0.0, min(1.0, v)) * 255)) for v in p)
            rows.append(bytes(row))
        return rows


def vertical_gradient(y0, top, y1, bottom):
    def colour(_x, y):
        t = max(0.0, min(1.0, (y - y0) / (y1 - y0)))
        return tuple(a + (b - a) * t for a, b in zip(top, bottom))
    return colour


def radial_gradient(cx, cy, r, inner, outer):
    def colour(x, y):
        t = max(0.0, min(1.0, math.hypot(x - cx, y - cy) / r))
        return tuple(a + (b - a) * t for a, b in zip(inner, outer))
    return colour


# ---------------------------------------------------------------------------------------------
# Writers.

def write_png(path, canvas):
    raw = b"".join(b"\x00" + row for row in canvas.rgba_rows())

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", canvas.width, canvas.height, 8, 6, 0, 0, 0)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9))
                + chunk(b"IEND", b""))


def _lzw(indices, min_code_size):
    """GIF's variable-width LZW; a clear code whenever the table fills up."""
    clear, end = 1 << min_code_size, (1 << min_code_size) + 1
    out, bits, nbits = bytearray(), 0, 0
    width = min_code_size + 1

    def emit(code):
        nonlocal bits, nbits
        bits |= code << nbits
        nbits += width
        while nbits >= 8:
            out.append(bits & 0xFF)
            bits >>= 8
            nbits -= 8

    table = {(i,): i for i in range(clear)}
    next_code = end + 1
    emit(clear)
    current = ()
    for index in indices:
        candidate = current + (index,)
        if candidate in table:
            current = candidate
            continue
        emit(table[current])
        if next_code < 4096:
            table[candidate] = next_code
            next_code += 1
            if next_code > (1 << width) and width < 12:
                width += 1
        else:
            emit(clear)
            table = {(i,): i for i in range(clear)}
            next_code = end + 1
            width = min_code_size + 1
        current = (index,)
    if current:
        emit(table[current])
    emit(end)
    if nbits:
        out.append(bits & 0xFF)
    return bytes(out)


def write_gif(path, frames, delay_cs):
    """frames: canvases of one size; alpha below one half becomes transparent, the rest is
    blended over the panel colour."""
    width, height = frames[0].width, frames[0].height
    palette = [(0, 0, 0)]  # index 0: transparent
    lookup = {}
    frame_indices = []
    for frame in frames:
        indices = []
        for p in frame.pixels:
            if p[3] < 0.5:
                indices.append(0)
                continue
            rgb = tuple(int(round((p[i] * p[3] + PANEL[i] / 255 * (1 - p[3])) * 255)) for i in range(3))
            rgb = tuple(min(255, (v + 4) // 8 * 8) for v in rgb)  # 32 levels keep the palette small
            if rgb not in lookup:
                if len(palette) == 256:
                    rgb = min(lookup, key=lambda q: sum((a - b) ** 2 for a, b in zip(q, rgb)))
                else:
                    lookup[rgb] = len(palette)
                    palette.append(rgb)
            indices.append(lookup[rgb])
        frame_indices.append(indices)
    size_bits = max(1, (len(palette) - 1).bit_length())
    palette += [(0, 0, 0)] * ((1 << size_bits) - len(palette))
    data = bytearray(b"GIF89a")
    data += struct.pack("<HHBBB", width, height, 0x80 | (size_bits - 1), 0, 0)
    data += b"".join(bytes(c) for c in palette)
    data += b"\x21\xff\x0bNETSCAPE2.0\x03\x01\x00\x00\x00"  # loop for ever
    min_code = max(2, size_bits)
    for indices in frame_indices:
        data += b"\x21\xf9\x04" + struct.pack("<BHB", 0x09, delay_cs, 0) + b"\x00"
        data += b"\x2c" + struct.pack("<HHHHB", 0, 0, width, height, 0)
        data.append(min_code)
        stream = _lzw(indices, min_code)
        for i in range(0, len(stream), 255):
            block = stream[i:i + 255]
            data += bytes([len(block)]) + block
        data += b"\x00"
    data += b"\x3b"
    with open(path, "wb") as f:
        f.write(data)


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


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "resources", "images")
    os.makedirs(out, exist_ok=True)
    for n in (16, 32, 48):
        write_png(os.path.join(out, f"icon102-{n}.png"), icon_program(n))
        write_png(os.path.join(out, f"icon120-{n}.png"), icon_tray(n, paused=False))
        write_png(os.path.join(out, f"icon121-{n}.png"), icon_tray(n, paused=True))
        write_png(os.path.join(out, f"icon122-{n}.png"), icon_alarm(n))
    write_png(os.path.join(out, "bitmap124.png"), bitmap_mail_bird())
    write_png(os.path.join(out, "bitmap125.png"), bitmap_password_back())
    write_png(os.path.join(out, "bitmap126.png"), bitmap_cuckoo())
    write_png(os.path.join(out, "bitmap127.png"), bitmap_folder())
    write_gif(os.path.join(out, "anim128.gif"), animation_frames(), delay_cs=15)


if __name__ == "__main__":
    main()
