#!/usr/bin/env python3
"""Draws the refresh glyph: a 16 x 16, 8 bits per pixel bitmap file whose
bottom-left pixel (white) is the transparent colour. A clockwise circular
arrow in dark slate, anti-aliased through a palette of blends to white."""
import math
import struct
import sys

SIZE = 16
INK = (0x2F, 0x4F, 0x6F)  # red, green, blue
CX = CY = 8.0
R_OUT, R_IN = 6.2, 4.2
GAP_FROM, GAP_TO = math.radians(-5), math.radians(75)  # gap at the upper right (y up)


def in_ring(x, y):
    dx, dy = x - CX, CY - y
    r = math.hypot(dx, dy)
    if not (R_IN <= r <= R_OUT):
        return False
    a = math.atan2(dy, dx)
    return not (GAP_FROM <= a <= GAP_TO)


def in_head(x, y):
    # Arrow head at the arc's upper end, pointing clockwise (to the right).
    a = GAP_TO
    mid = (R_IN + R_OUT) / 2
    bx, by = CX + mid * math.cos(a), CY - mid * math.sin(a)
    # Tangent direction for clockwise motion (y down screen coordinates).
    tx, ty = math.sin(a), math.cos(a)
    nx, ny = -ty, tx
    tip = (bx + tx * 3.4, by + ty * 3.4)
    p1 = (bx + nx * 3.0, by + ny * 3.0)
    p2 = (bx - nx * 3.0, by - ny * 3.0)

    def side(p, q, r):
        return (q[0] - p[0]) * (r[1] - p[1]) - (q[1] - p[1]) * (r[0] - p[0])

    s1, s2, s3 = side(tip, p1, (x, y)), side(p1, p2, (x, y)), side(p2, tip, (x, y))
    return (s1 >= 0 and s2 >= 0 and s3 >= 0) or (s1 <= 0 and s2 <= 0 and s3 <= 0)


def coverage(px, py, n=6):
    hits = 0
    for i in range(n):
        for j in range(n):
            x, y = px + (i + 0.5) / n, py + (j + 0.5) / n
            if in_ring(x, y) or in_head(x, y):
                hits += 1
    return hits / (n * n)


palette = []
for k in range(256):
    t = k / 255.0  # 0 = white, 1 = ink
    palette.append(tuple(round(255 + (c - 255) * t) for c in INK))

rows = []
for y in range(SIZE):
    rows.append([round(coverage(x, y) * 255) for x in range(SIZE)])
rows[SIZE - 1][0] = 0  # the transparent colour stays white

pixels = b"".join(bytes(row) for row in reversed(rows))  # bottom-up rows
pal = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
offset = 14 + 40 + len(pal)
info = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE, 1, 8, 0, len(pixels), 3780, 3780, 256, 0)
header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
data = header + info + pal + pixels
assert len(data) == 1334, len(data)
with open(sys.argv[1] if len(sys.argv) > 1 else "REFRESH_BTN.bmp", "wb") as f:
    f.write(data)
