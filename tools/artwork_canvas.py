# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The tocklet developers
"""Drawing and image writing for tools/make-artwork.py, with the Python standard library only.

Shapes are signed distance functions (negative inside, in pixels) painted with one pixel of
anti-aliasing; PNG and GIF files are written by hand so the output is the same everywhere.
"""

import math
import struct
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

    def __sub__(self, other):
        return Shape(lambda x, y: max(self.dist(x, y), -other.dist(x, y)), self.box)

    def outline(self, width):
        """A band of the given width centred on the shape's edge."""
        half = width / 2
        x0, y0, x1, y1 = self.box
        return Shape(lambda x, y: abs(self.dist(x, y)) - half, (x0 - half, y0 - half, x1 + half, y1 + half))


def circle(cx, cy, r):
    return Shape(lambda x, y: math.hypot(x - cx, y - cy) - r, (cx - r, cy - r, cx + r, cy + r))


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


def write_png_indexed(path, width, height, indices, palette):
    """A 16-colour image: indices (one per pixel, row by row) into palette, a list of at most
    16 (r, g, b) tuples; stored with four bits a pixel."""
    rows = []
    for y in range(height):
        row = indices[y * width:(y + 1) * width] + [0] * (width % 2)
        rows.append(b"\x00" + bytes((row[x] << 4) | row[x + 1] for x in range(0, len(row), 2)))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", width, height, 4, 3, 0, 0, 0)
    colours = b"".join(bytes(c) for c in palette)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"PLTE", colours)
                + chunk(b"IDAT", zlib.compress(b"".join(rows), 9)) + chunk(b"IEND", b""))


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
