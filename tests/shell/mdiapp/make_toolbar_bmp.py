#!/usr/bin/env python3
"""Draws the test application's tool-bar strip: four 16 x 15 pictures on 0xC0C0C0."""
import struct
import sys

W, H = 64, 15
COLOURS = [(200, 40, 40), (40, 140, 40), (40, 60, 200), (200, 160, 0)]


def inside(button, x, y):
    if button == 0:
        return 3 <= x <= 12 and 2 <= y <= 12
    if button == 1:
        return abs(x - 7.5) + abs(y - 7) <= 6
    if button == 2:
        return (x - 7.5) ** 2 + (y - 7) ** 2 <= 30
    return 3 <= x <= 12 and y in (3, 7, 11)


rows = []
for y in range(H):
    row = b""
    for x in range(W):
        r, g, b = COLOURS[x // 16] if inside(x // 16, x % 16, y) else (192, 192, 192)
        row += bytes([b, g, r])
    row += b"\0" * ((4 - len(row) % 4) % 4)
    rows.append(row)
data = b"".join(reversed(rows))
header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(data), 0, 0, 54)
info = struct.pack("<IiiHHIIiiII", 40, W, H, 1, 24, 0, len(data), 2835, 2835, 0, 0)
with open(sys.argv[1], "wb") as f:
    f.write(header + info + data)
