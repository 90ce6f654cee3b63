#!/usr/bin/env python3
"""Writes the game's texture pictures as PNG: the main window's background sheet and the dialogs' two
stone textures.

    python3 tools/textures/make_textures.py [output folder]   (default: src/resources/art/textures)

Every texture repeats without a seam: the noise is summed from lattices whose cells divide the tile,
and every pattern's period divides the tile's side. The random lattices are seeded, so the same run
always writes the same bytes. Needs only Python 3's standard library.
"""

import math
import random
import struct
import sys
import zlib
from pathlib import Path

TILE = 100


def write_png(path, width, height, pixels):
    """pixels: rows of (r, g, b) tuples, 8 bits a channel, no alpha."""
    raw = bytearray()
    for row in pixels:
        raw.append(0)
        for r, g, b in row:
            raw += bytes((r, g, b))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(bytes(raw), 9))
    png += chunk(b"IEND", b"")
    Path(path).write_bytes(png)


class Noise:
    """Smooth value noise that wraps at width x height: cells of every octave divide both sides."""

    def __init__(self, seed, width, height, cells):
        rng = random.Random(seed)
        self.width, self.height = width, height
        self.octaves = []
        for cx, cy, weight in cells:
            grid = [[rng.random() for _ in range(cx)] for _ in range(cy)]
            self.octaves.append((cx, cy, weight, grid))
        self.total = sum(w for _, _, w, _ in self.octaves)

    def __call__(self, x, y):
        value = 0.0
        for cx, cy, weight, grid in self.octaves:
            fx = x * cx / self.width
            fy = y * cy / self.height
            ix, iy = int(math.floor(fx)), int(math.floor(fy))
            tx, ty = fx - ix, fy - iy
            tx, ty = tx * tx * (3 - 2 * tx), ty * ty * (3 - 2 * ty)
            x0, x1 = ix % cx, (ix + 1) % cx
            y0, y1 = iy % cy, (iy + 1) % cy
            top = grid[y0][x0] + (grid[y0][x1] - grid[y0][x0]) * tx
            bottom = grid[y1][x0] + (grid[y1][x1] - grid[y1][x0]) * tx
            value += weight * (top + (bottom - top) * ty)
        return value / self.total


def mix(a, b, t):
    t = min(1.0, max(0.0, t))
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def shade(colour, factor):
    return tuple(min(255, max(0, int(round(c * factor)))) for c in colour)


def smooth_band(value, edge=0.12):
    """0 or 1 with a soft step of width `edge` at 0.5 of a value in 0..1 (a band's edge, antialiased)."""
    return min(1.0, max(0.0, (value - 0.5 + edge / 2) / edge))


FINE = [(4, 4, 1.0), (10, 10, 0.5), (20, 20, 0.25), (50, 50, 0.12)]


def stripes(x, y, n):
    """0: green and brown diagonal stripes, slightly woody."""
    green, brown = (46, 120, 48), (122, 78, 36)
    phase = ((x + y) / 25.0 + 0.15 * (n(x, y) - 0.5)) % 1.0
    t = smooth_band(abs(phase - 0.5) * 2, 0.18)
    return shade(mix(brown, green, t), 0.8 + 0.4 * n(x * 3 % TILE, y))


SWIRL_CENTRES = [(25, 25, 1.0), (75, 75, -1.0), (75, 25, 0.8), (25, 75, -0.8)]


def swirls(x, y, n):
    """1: purple and green swirls: diagonal bands wound round four eddies of alternating sense."""
    purple, green = (96, 36, 122), (58, 150, 70)
    u, v = float(x), float(y)
    for cx, cy, sense in SWIRL_CENTRES:
        # The nearest copy of the eddy in the repeated tiles, so the winding wraps with them.
        dx = (x - cx + 50) % 100 - 50
        dy = (y - cy + 50) % 100 - 50
        turn = sense * 4.0 * math.exp(-(dx * dx + dy * dy) / 300.0)
        u += dx * (math.cos(turn) - 1) - dy * math.sin(turn)
        v += dx * math.sin(turn) + dy * (math.cos(turn) - 1)
    t = 0.5 + 0.5 * math.sin(2 * math.pi * (u + v) / 25.0 + 2.0 * n(x, y))
    return shade(mix(purple, green, smooth_band(t, 0.35)), 0.85 + 0.3 * n(y, x))


def check(x, y, n):
    """2: red and dark diagonal check; each diamond lit from the top left."""
    size = 12.5
    u, v = (x + y) / size, (x - y) / size
    red = (math.floor(u) + math.floor(v)) % 2 == 0
    fu, fv = u - math.floor(u), v - math.floor(v)
    light = 1.0 + 0.25 * (0.5 - fu) - 0.1 * abs(fv - 0.5)
    base = (178, 28, 30) if red else (52, 12, 14)
    return shade(base, light * (0.9 + 0.2 * n(x, y)))


def weave(x, y, n):
    """3: teal and brown strands woven over and under each other along both diagonals."""
    teal, brown = (20, 128, 126), (122, 82, 44)
    size = 12.5
    u, v = (x + y) / size, (x - y) / size
    fu, fv = u - math.floor(u), v - math.floor(v)
    if (math.floor(u) + math.floor(v)) % 2 == 0:
        colour, across = teal, fv
    else:
        colour, across = brown, fu
    # A strand is round: brightest along its middle, dark where it dips under the other.
    light = 0.55 + 0.6 * math.sin(math.pi * across)
    return shade(colour, light * (0.9 + 0.2 * n(x, y)))


def grain(x, y, n):
    """4: blue vertical grain, like a stained board."""
    deep, pale = (24, 44, 120), (70, 110, 200)
    streak = n(x, y)
    rings = 0.5 + 0.5 * math.sin(2 * math.pi * (x / 20.0) + 10 * streak)
    return shade(mix(deep, pale, 0.25 + 0.6 * rings * streak), 1.0)


def marble(x, y, n):
    """5: red marble with pale veins."""
    base, vein, dark = (160, 24, 34), (236, 170, 160), (96, 10, 20)
    turb = n(x, y)
    veins = abs(math.sin(2 * math.pi * ((x + 2 * y) / 100.0) + 12 * turb))
    t = max(0.0, 1.0 - veins * 6)
    colour = mix(mix(dark, base, 0.4 + 1.2 * n(y, x)), vein, t)
    return shade(colour, 1.0)


STYLES = [
    (stripes, [(4, 4, 1.0), (25, 25, 0.3)]),
    (swirls, [(2, 2, 1.0), (4, 4, 0.5), (10, 10, 0.2)]),
    (check, FINE),
    (weave, FINE),
    (grain, [(50, 4, 1.0), (100, 5, 0.5), (25, 2, 0.6)]),
    (marble, [(2, 2, 1.0), (4, 4, 0.5), (10, 10, 0.25), (20, 20, 0.12)]),
]


def background_sheet():
    """200 x 600: per style a row with the window tile and, darker, the tool-bar tile, whose top 60 rows
    show with a light top edge and a shadow at its foot."""
    rows = []
    for style, (paint, cells) in enumerate(STYLES):
        noise = Noise(100 + style, TILE, TILE, cells)
        for y in range(TILE):
            window = [paint(x, y, noise) for x in range(TILE)]
            bar_light = 0.62 + (0.25 if y == 0 else 0.1 if y == 1 else 0.0) - (0.25 if y >= 57 else 0.0)
            bar = [shade(pixel, bar_light) for pixel in window]
            rows.append(window + bar)
    return rows


def stones(grey, seed, contrast, width=160, height=120, count=26):
    """Rounded stones in mortar; the stones wrap round the edges so the texture repeats. `contrast`
    scales how much stones, grit and mortar differ from the base grey."""
    rng = random.Random(seed)
    centres = [(rng.uniform(0, width), rng.uniform(0, height), rng.uniform(-22, 22) * contrast) for _ in range(count)]
    noise = Noise(seed, width, height, [(8, 6, 1.0), (20, 15, 0.5), (40, 30, 0.3), (80, 60, 0.2)])
    rows = []
    for y in range(height):
        row = []
        for x in range(width):
            best, second, tone = 1e9, 1e9, 0.0
            for cx, cy, t in centres:
                dx = min(abs(x - cx), width - abs(x - cx))
                dy = min(abs(y - cy), height - abs(y - cy))
                d = math.hypot(dx, dy * 1.2)
                if d < best:
                    best, second, tone = d, best, t
                elif d < second:
                    second = d
            edge = second - best
            grit = (noise(x, y) - 0.5) * contrast
            mortar = grey * (1 - 0.45 * contrast)
            if edge < 1.6:
                value = mortar + 30 * grit
            else:
                rim = min(1.0, (edge - 1.6) / 5.0)
                value = grey + tone + 40 * grit
                value = mortar + (value - mortar) * (0.55 + 0.45 * rim)
            v = int(min(255, max(0, value)))
            row.append((v, v, v))
        rows.append(row)
    return rows


def main():
    out = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parents[2] / "src/resources/art/textures"
    out.mkdir(parents=True, exist_ok=True)
    write_png(out / "backgrounds.png", 2 * TILE, 6 * TILE, background_sheet())
    write_png(out / "stone-light.png", 160, 120, stones(196, 1, 1.0))
    # Calmer than the light one: the dialogs' texts stand on it.
    write_png(out / "stone-dark.png", 160, 120, stones(104, 2, 0.45))


if __name__ == "__main__":
    main()
