#!/usr/bin/env python3
"""Draws the Quillotap program icon and the menu's Help icon, and writes them as Windows files.

The program icon (quillotap.ico):

The picture: a mouse-pointer arrow (dark outline, white fill) with three short
orange "click" rays around its tip, on a transparent background.

Every size is drawn from the same shapes, placed per size so that straight
edges fall on the pixel grid:

- 32 and 48 pixels are antialiased by supersampling: each pixel is split
  into SS x SS samples, each sample takes the colour of the topmost shape it
  falls in, and the pixel gets the average colour and the covered fraction
  as alpha.
- 16 pixels is too small for soft edges, so it is drawn crisp, like a mouse
  cursor: the arrow's inside is the pixels that the polygon covers for more
  than half, its outline is every pixel beside the inside (left, right, up or
  down), and a ray pixel is one the ray covers for more than half.

Entries are 32-bit BGRA DIBs with an AND mask, the form every Windows
version reads.

The Help icon (menu_icons.bmp): a white question mark in a blue circle,
20 x 20 pixels at 24 bits. The menu adds it to its image list without a
mask, so it is drawn opaque: its edges are blended into the menu's icon
column colour instead of into transparency.

Plain Python 3, no third-party modules.

Usage: make_icon.py [-o OUT.ico] [--menu-bitmap OUT.bmp]
       (defaults: quillotap.ico and menu_icons.bmp beside this file)
"""

import argparse
import math
import os
import struct

SS = 8  # samples per pixel along each axis

OUTLINE = (0x1C, 0x1C, 0x1C)
FILL = (0xFF, 0xFF, 0xFF)
RAY = (0xF5, 0x8A, 0x07)

# The arrow in its own units, tip at (0, 0), y pointing down.
ARROW = [
    (0.0, 0.0),
    (0.0, 14.0),
    (3.4, 10.9),
    (5.7, 16.0),
    (8.2, 14.9),
    (5.9, 9.9),
    (10.2, 9.9),
]

# Per size, in pixels:
#   tip     where ARROW's (0, 0) goes; with the stroke width it decides
#           whether the straight edges land on whole pixels
#   scale   pixels per arrow unit
#   stroke  outline width, centred on the polygon's edge (smooth sizes only)
#   centre  the point the rays radiate from
#   rays    (angle in degrees, y down; from radius; to radius)
#   ray_w   ray width
#   crisp   draw without antialiasing (see above)
LAYOUT = {
    16: dict(
        tip=(7.0, 5.0),
        scale=0.62,
        stroke=None,
        centre=(7.5, 4.5),
        rays=[(180, 2.5, 5.5), (225, 2.3, 4.9), (270, 1.5, 4.5)],
        ray_w=1.0,
        crisp=True,
    ),
    32: dict(
        tip=(14.0, 10.0),
        scale=1.28,
        stroke=2.0,
        centre=(14.0, 10.0),
        rays=[(180, 3.6, 8.6), (225, 4.0, 8.2), (270, 3.6, 8.6)],
        ray_w=2.0,
        crisp=False,
    ),
    48: dict(
        tip=(20.5, 15.5),
        scale=1.9,
        stroke=3.0,
        centre=(20.5, 15.5),
        rays=[(180, 5.4, 13.0), (225, 5.8, 12.4), (270, 5.4, 13.0)],
        ray_w=3.0,
        crisp=False,
    ),
}


def seg_dist(px, py, a, b):
    (ax, ay), (bx, by) = a, b
    dx, dy = bx - ax, by - ay
    t = ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)
    t = max(0.0, min(1.0, t))
    return math.hypot(ax + t * dx - px, ay + t * dy - py)


def inside(px, py, poly):
    hit = False
    n = len(poly)
    for i in range(n):
        ax, ay = poly[i]
        bx, by = poly[(i + 1) % n]
        if (ay > py) != (by > py):
            if px < ax + (py - ay) * (bx - ax) / (by - ay):
                hit = not hit
    return hit


def coverage(px, py, hit):
    """Fraction of pixel (px, py) whose samples satisfy hit(x, y)."""
    n = 0
    for j in range(SS):
        y = py + (j + 0.5) / SS
        for i in range(SS):
            if hit(px + (i + 0.5) / SS, y):
                n += 1
    return n / (SS * SS)


def shapes(lay):
    tx, ty = lay["tip"]
    s = lay["scale"]
    poly = [(tx + x * s, ty + y * s) for x, y in ARROW]
    cx, cy = lay["centre"]
    rays = []
    for deg, r0, r1 in lay["rays"]:
        c, sn = math.cos(math.radians(deg)), math.sin(math.radians(deg))
        rays.append(((cx + r0 * c, cy + r0 * sn), (cx + r1 * c, cy + r1 * sn)))
    return poly, rays


def on_ray(x, y, rays, width):
    return any(seg_dist(x, y, a, b) <= width / 2 for a, b in rays)


def render_crisp(size, lay):
    poly, rays = shapes(lay)
    fill = [
        [coverage(px, py, lambda x, y: inside(x, y, poly)) > 0.5 for px in range(size)]
        for py in range(size)
    ]
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            if fill[py][px]:
                row.append(FILL + (255,))
            elif any(
                0 <= px + dx < size and 0 <= py + dy < size and fill[py + dy][px + dx]
                for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))
            ):
                row.append(OUTLINE + (255,))
            elif coverage(px, py, lambda x, y: on_ray(x, y, rays, lay["ray_w"])) > 0.5:
                row.append(RAY + (255,))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


def render_smooth(size, lay):
    poly, rays = shapes(lay)
    edges = [(poly[i], poly[(i + 1) % len(poly)]) for i in range(len(poly))]
    half = lay["stroke"] / 2

    def colour_at(x, y):
        if min(seg_dist(x, y, a, b) for a, b in edges) <= half:
            return OUTLINE
        if inside(x, y, poly):
            return FILL
        if on_ray(x, y, rays, lay["ray_w"]):
            return RAY
        return None

    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            sums = [0, 0, 0]
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
                # Straight (not premultiplied) alpha, as icons expect.
                row.append(tuple(round(v / n) for v in sums) + (round(255 * n / (SS * SS)),))
        rows.append(row)
    return rows


def render(size):
    """Returns rows of (r, g, b, a) tuples, top row first."""
    lay = LAYOUT[size]
    return render_crisp(size, lay) if lay["crisp"] else render_smooth(size, lay)


def dib_entry(rows):
    size = len(rows)
    # BITMAPINFOHEADER; the height counts the colour image and the mask.
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = bytearray()
    for row in reversed(rows):  # DIBs are stored bottom-up
        for r, g, b, a in row:
            xor += bytes((b, g, r, a))
    stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        line = bytearray(stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += line
    return header + bytes(xor) + bytes(mask)


def write_ico(path, images):
    count = len(images)
    out = bytearray(struct.pack("<HHH", 0, 1, count))
    offset = 6 + 16 * count
    blobs = []
    for size, rows in images:
        blob = dib_entry(rows)
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
        blobs.append(blob)
    for blob in blobs:
        out += blob
    with open(path, "wb") as f:
        f.write(out)


HELP_SIZE = 20
HELP_CIRCLE = (0x31, 0x6A, 0xC5)
HELP_MARK = (0xFF, 0xFF, 0xFF)
ICON_COLUMN = (0xEC, 0xE9, 0xD8)  # the menu's icon column, behind the picture


def help_mark_at(x, y):
    """True where the question mark's strokes cover the point (x, y)."""
    cx, cy, r, w = 10.0, 7.6, 3.1, 2.3
    d = math.hypot(x - cx, y - cy)
    angle = math.degrees(math.atan2(y - cy, x - cx))  # y down: -90 is straight up
    # The hook runs from the left over the top and round to the bottom, where the stem goes on.
    on_hook = abs(d - r) <= w / 2 and not (90 < angle <= 180 or angle < -160)
    stem_top = (cx + r * math.cos(math.radians(90)), cy + r * math.sin(math.radians(90)))
    on_stem = seg_dist(x, y, stem_top, (cx, 12.2)) <= w / 2 and y >= cy
    on_dot = math.hypot(x - cx, y - 15.3) <= 1.35
    return on_hook or on_stem or on_dot


def render_help_icon():
    """Rows of (r, g, b), top row first."""
    rows = []
    for py in range(HELP_SIZE):
        row = []
        for px in range(HELP_SIZE):
            sums = [0.0, 0.0, 0.0]
            for j in range(SS):
                y = py + (j + 0.5) / SS
                for i in range(SS):
                    x = px + (i + 0.5) / SS
                    if help_mark_at(x, y):
                        c = HELP_MARK
                    elif math.hypot(x - 10, y - 10) <= 9.3:
                        c = HELP_CIRCLE
                    else:
                        c = ICON_COLUMN
                    for k in range(3):
                        sums[k] += c[k]
            row.append(tuple(round(v / (SS * SS)) for v in sums))
        rows.append(row)
    return rows


def write_bmp(path, rows):
    """A 24-bit bottom-up Windows bitmap file."""
    height, width = len(rows), len(rows[0])
    stride = (width * 3 + 3) // 4 * 4
    pixels = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        pixels += line + bytes(stride - len(line))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    with open(path, "wb") as f:
        f.write(header + info + bytes(pixels))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("-o", "--output", default=os.path.join(here, "quillotap.ico"))
    ap.add_argument("--menu-bitmap", default=os.path.join(here, "menu_icons.bmp"))
    args = ap.parse_args()
    write_ico(args.output, [(n, render(n)) for n in sorted(LAYOUT)])
    write_bmp(args.menu_bitmap, render_help_icon())


if __name__ == "__main__":
    main()
