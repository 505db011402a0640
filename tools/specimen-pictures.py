#!/usr/bin/env python3
"""Draws the two 48 x 48 data-type pictures of the chart view as 24-bit BMPs.

    specimen-pictures.py <triaxial.bmp> <direct-shear.bmp>

Magenta, RGB(255, 0, 255), is the transparent background. The load arrows are pure blue,
RGB(0, 0, 255): the view turns exactly that colour black for its grayscale pictures, so they
are drawn without smoothing, every pixel one of a few plain colours.
"""
import struct
import sys

SIZE = 48
MAGENTA = (255, 0, 255)
BLUE = (0, 0, 255)
ROCK = (176, 164, 140)
ROCK_DARK = (128, 116, 96)
STEEL = (96, 96, 104)
STEEL_LIGHT = (150, 150, 160)
OUTLINE = (40, 40, 40)


class Picture:
    def __init__(self):
        self.px = [[MAGENTA] * SIZE for _ in range(SIZE)]

    def rect(self, x0, y0, x1, y1, colour):
        """Fills x0..x1, y0..y1 (inclusive)."""
        for y in range(max(0, y0), min(SIZE - 1, y1) + 1):
            for x in range(max(0, x0), min(SIZE - 1, x1) + 1):
                self.px[y][x] = colour

    def box(self, x0, y0, x1, y1, fill, edge=OUTLINE):
        self.rect(x0, y0, x1, y1, edge)
        self.rect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, fill)

    def arrow(self, x, y, length, direction):
        """A 2-pixel shaft of the given length ending in a head at (x, y), pointing
        'down', 'up', 'left' or 'right'."""
        for i in range(length):
            for w in (0, 1):
                if direction == 'down':
                    self.set(x + w, y - i)
                elif direction == 'up':
                    self.set(x + w, y + i)
                elif direction == 'right':
                    self.set(x - i, y + w)
                else:
                    self.set(x + i, y + w)
        for k in range(5):  # the head: a triangle five pixels deep, narrowing to the tip
            for j in range(k - 4, 6 - k):
                if direction == 'down':
                    self.set(x + j, y - 4 + k)
                elif direction == 'up':
                    self.set(x + j, y + 4 - k)
                elif direction == 'right':
                    self.set(x - 4 + k, y + j)
                else:
                    self.set(x + 4 - k, y + j)

    def set(self, x, y, colour=BLUE):
        if 0 <= x < SIZE and 0 <= y < SIZE:
            self.px[y][x] = colour

    def save(self, path):
        row = SIZE * 3  # 144 bytes: already a multiple of 4
        data = bytearray()
        for y in reversed(range(SIZE)):  # bottom-up rows
            for (r, g, b) in self.px[y]:
                data += bytes((b, g, r))
        header = struct.pack('<2sIHHI', b'BM', 54 + len(data), 0, 0, 54)
        info = struct.pack('<IiiHHIIiiII', 40, SIZE, SIZE, 1, 24, 0, len(data), 2835, 2835, 0, 0)
        assert len(data) == row * SIZE
        with open(path, 'wb') as f:
            f.write(header + info + data)


def triaxial():
    """A rock core between two platens, the axial load from above and below, the confining
    pressure from both sides."""
    p = Picture()
    p.box(13, 8, 34, 12, STEEL_LIGHT)      # top platen
    p.box(13, 35, 34, 39, STEEL_LIGHT)     # bottom platen
    p.box(16, 12, 31, 35, ROCK)            # the core
    for y in (17, 23, 29):                 # bedding marks
        p.rect(18, y, 29, y, ROCK_DARK)
    p.arrow(23, 7, 7, 'down')              # sig1
    p.arrow(23, 40, 7, 'up')
    p.arrow(14, 23, 12, 'right')           # sig3
    p.arrow(33, 23, 12, 'left')
    return p


def direct_shear():
    """A joint in a split shear box: the upper half pushed right, the lower half held, the
    normal load from above."""
    p = Picture()
    p.box(4, 27, 39, 40, STEEL)            # lower box half
    p.box(9, 14, 44, 26, STEEL)            # upper box half, displaced
    p.box(7, 29, 36, 38, ROCK)             # lower block
    p.box(12, 17, 41, 27, ROCK)            # upper block
    p.rect(12, 27, 36, 27, OUTLINE)        # the joint
    p.arrow(26, 13, 12, 'down')            # normal load
    p.arrow(8, 20, 8, 'right')             # shear on the upper half
    p.arrow(40, 33, 7, 'left')             # reaction on the lower half
    return p


if __name__ == '__main__':
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    triaxial().save(sys.argv[1])
    direct_shear().save(sys.argv[2])
