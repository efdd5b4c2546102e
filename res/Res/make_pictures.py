#!/usr/bin/env python3
"""Draws the two pictures of the "View mouse position" button and writes them as PNG files.

The picture (view_pos.png): a small monitor with a blue screen on its stand,
and a red crosshair with a white halo over the lower right corner of the
screen, on a transparent background. 30 x 24 pixels, so that the button (the
picture and a one-pixel margin all round) stays close to its place in the
dialog template.

The disabled picture (view_pos_dis.png): the same shapes, every colour turned
to its grey and taken 40 % of the way to white, with the same alpha, so the two
pictures swap without the button's outline moving.

The shapes are placed so that straight edges and the crosshair's lines fall
on the pixel grid, and antialiased by supersampling: each pixel is split into
SS x SS samples, each sample takes the colour of the topmost shape it falls
in, and the pixel gets the average colour of the covered samples and the
covered fraction as alpha (straight, not premultiplied, as PNG stores it).
The four corners stay fully transparent.

Files are 8-bit RGBA PNGs (colour type 6), written with zlib and struct.

Plain Python 3, no third-party modules.

Usage: make_pictures.py [-o OUT.png] [--disabled OUT.png]
       (defaults: view_pos.png and view_pos_dis.png beside this file)
"""

import argparse
import math
import os
import struct
import zlib

SS = 8  # samples per pixel along each axis
WIDTH, HEIGHT = 30, 24

BEZEL = (0x3A, 0x43, 0x50)
SCREEN_TOP = (0xA8, 0xD4, 0xF8)
SCREEN_BOTTOM = (0x4E, 0x8E, 0xD6)
STAND = (0x5C, 0x66, 0x74)
HALO = (0xFF, 0xFF, 0xFF)
CROSS = (0xD9, 0x30, 0x25)

# The monitor, in pixels (y down): the outer edge of its bezel, the screen
# inside it, and the stand's neck and foot.
BODY = (1.0, 1.0, 24.0, 18.0, 2.0)  # left, top, right, bottom, corner radius
SCREEN = (3.0, 3.0, 22.0, 16.0, 0.8)
NECK = (10.5, 18.0, 14.5, 20.0, 0.0)
FOOT = (7.0, 20.0, 18.0, 22.0, 1.0)

# The crosshair: centre on a pixel's middle, so its 1-pixel lines are crisp.
CX, CY = 21.5, 15.5
RING_R, RING_W = 4.8, 1.5  # radius to the middle of the ring, ring width
LINE_W = 1.0
ARM_IN, ARM_OUT = 4.8, 7.5  # the four arms run outwards from the ring, these far from the centre
HALO_W = 0.85  # white border round every part of the crosshair
DOT = 0.5  # half the side of the square dot in the middle


def in_round_rect(x, y, rect):
    left, top, right, bottom, r = rect
    if not (left <= x <= right and top <= y <= bottom):
        return False
    # Inside the rectangle: only the corners' outer parts are cut away.
    qx = min(x - left, right - x)
    qy = min(y - top, bottom - y)
    if qx >= r or qy >= r:
        return True
    return math.hypot(r - qx, r - qy) <= r


def cross_distance(x, y):
    """How far (x, y) lies from the crosshair's strokes (ring, arms, dot): 0 on them."""
    d = math.hypot(x - CX, y - CY)
    ring = max(0.0, abs(d - RING_R) - RING_W / 2)
    dx, dy = abs(x - CX), abs(y - CY)
    dot = math.hypot(max(0.0, dx - DOT), max(0.0, dy - DOT))
    # A vertical arm: a 1-pixel band around x = CX, between ARM_IN and ARM_OUT.
    v = math.hypot(max(0.0, dx - LINE_W / 2), max(0.0, ARM_IN - dy, dy - ARM_OUT))
    h = math.hypot(max(0.0, dy - LINE_W / 2), max(0.0, ARM_IN - dx, dx - ARM_OUT))
    return min(ring, dot, v, h)


def colour_at(x, y):
    """The colour of the topmost shape at (x, y), or None where nothing is drawn."""
    c = cross_distance(x, y)
    if c <= 0.0:
        return CROSS
    if c <= HALO_W:
        return HALO
    if in_round_rect(x, y, SCREEN):
        top, bottom = SCREEN[1], SCREEN[3]
        t = (y - top) / (bottom - top)
        return tuple(a + (b - a) * t for a, b in zip(SCREEN_TOP, SCREEN_BOTTOM))
    if in_round_rect(x, y, BODY):
        return BEZEL
    if in_round_rect(x, y, NECK) or in_round_rect(x, y, FOOT):
        return STAND
    return None


def render():
    """Rows of (r, g, b, a) tuples, top row first."""
    rows = []
    for py in range(HEIGHT):
        row = []
        for px in range(WIDTH):
            sums = [0.0, 0.0, 0.0]
            n = 0
            for j in range(SS):
                y = py + (j + 0.5) / SS
                for i in range(SS):
                    c = colour_at(px + (i + 0.5) / SS, y)
                    if c is not None:
                        for k in range(3):
                            sums[k] += c[k]
                        n += 1
            if n == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append(tuple(round(v / n) for v in sums) + (round(255 * n / (SS * SS)),))
        rows.append(row)
    return rows


def greyed(rows):
    """The disabled look: each colour's grey, taken 40 % of the way to white; alpha kept."""
    out = []
    for row in rows:
        line = []
        for r, g, b, a in row:
            if a == 0:
                line.append((0, 0, 0, 0))
                continue
            grey = 0.299 * r + 0.587 * g + 0.114 * b
            v = round(grey + (255 - grey) * 0.4)
            line.append((v, v, v, a))
        out.append(line)
    return out


def png_chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)


def write_png(path, rows):
    """An 8-bit RGBA PNG, every row with filter type 0 (none)."""
    height, width = len(rows), len(rows[0])
    raw = bytearray()
    for row in rows:
        raw.append(0)
        for pixel in row:
            raw += bytes(pixel)
    ihdr = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    data = (
        b"\x89PNG\r\n\x1a\n"
        + png_chunk(b"IHDR", ihdr)
        + png_chunk(b"IDAT", zlib.compress(bytes(raw), 9))
        + png_chunk(b"IEND", b"")
    )
    with open(path, "wb") as f:
        f.write(data)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("-o", "--output", default=os.path.join(here, "view_pos.png"))
    ap.add_argument("--disabled", default=os.path.join(here, "view_pos_dis.png"))
    args = ap.parse_args()
    rows = render()
    write_png(args.output, rows)
    write_png(args.disabled, greyed(rows))


if __name__ == "__main__":
    main()
