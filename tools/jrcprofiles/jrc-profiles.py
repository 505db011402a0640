#!/usr/bin/env python3
"""Draws the picture of ten typical joint roughness profiles, one per JRC range (0-2 at the
top to 18-20 at the bottom), as an SVG of ten equal bands.

    jrc-profiles.py <out.svg>

The JRC dialog stretches the picture over its picture control and places the ten range
buttons level with the bands, so the bands must stay equal. The profiles are synthetic: a sum
of waves whose amplitude and share of short waves grow with the range, from a fixed seed, so
every build draws the same picture.
"""
import math
import sys

WIDTH, HEIGHT, BANDS = 210, 400, 10
MARGIN = 12


class Lcg:
    """A small fixed pseudo-random sequence (the same on every machine)."""

    def __init__(self, seed):
        self.state = seed

    def next(self):
        self.state = (self.state * 1103515245 + 12345) % 2**31
        return self.state / 2**31


def profile(band, rng):
    # Long waves for every range; shorter, sharper waves as the range rises.
    amplitude = 0.6 + 0.95 * band
    waves = []
    for k in range(1, 7 + band):
        length = (WIDTH - 2 * MARGIN) / (0.6 + k * 0.9)
        weight = amplitude / (1.0 + 0.55 * k) * (0.6 + 0.8 * rng.next()) * (
            1.0 if k < 4 else 0.25 + 0.08 * band)
        waves.append((length, weight, rng.next() * 2 * math.pi))
    points = []
    steps = 160
    for i in range(steps + 1):
        x = MARGIN + (WIDTH - 2 * MARGIN) * i / steps
        y = sum(w * math.sin(2 * math.pi * x / length + phase) for length, w, phase in waves)
        y += (rng.next() - 0.5) * 0.12 * band  # fine asperities
        points.append((x, y))
    return points


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: jrc-profiles.py <out.svg>")
    band_height = HEIGHT / BANDS
    out = [f'<svg xmlns="http://www.w3.org/2000/svg" width="{WIDTH}" height="{HEIGHT}" '
           f'viewBox="0 0 {WIDTH} {HEIGHT}">',
           f'<rect width="{WIDTH}" height="{HEIGHT}" fill="#ffffff"/>']
    rng = Lcg(20240611)
    for band in range(BANDS):
        top = band * band_height
        mid = top + band_height / 2
        if band % 2:
            out.append(f'<rect x="0" y="{top:.2f}" width="{WIDTH}" height="{band_height:.2f}" '
                       'fill="#f3f5f8"/>')
        points = profile(band, rng)
        # The rock below the profile, lightly shaded, then the profile line itself.
        path = " ".join(f"{x:.2f},{mid + y:.2f}" for x, y in points)
        out.append(f'<polygon points="{MARGIN},{top + band_height - 3:.2f} {path} '
                   f'{WIDTH - MARGIN},{top + band_height - 3:.2f}" fill="#d9d2c3"/>')
        out.append(f'<polyline points="{path}" fill="none" stroke="#202020" '
                   'stroke-width="1.4" stroke-linejoin="round"/>')
        out.append(f'<line x1="0" y1="{top:.2f}" x2="{WIDTH}" y2="{top:.2f}" '
                   'stroke="#c8ccd2" stroke-width="1"/>')
    out.append('</svg>')
    with open(sys.argv[1], "w", encoding="ascii") as f:
        f.write("\n".join(out) + "\n")


if __name__ == "__main__":
    main()
