#!/usr/bin/env python3
"""Draws the four background pictures that ship in the distribution's Image
folder and writes them as 24-bit BMP files:
    python3 tools/make_pictures.py build/windows/dist/Image

Wall.bmp (a brick wall), Metal.bmp (brushed metal), BlueCheck.bmp (blue
gingham) and GreenCheck.bmp (a green windowpane check). Each is one tile
that repeats without a seam, since the calendar tiles a picture from its
top-left corner without scaling it. They stay light and muted so that the
calendar's dark text reads on them. Every bit of noise comes from a fixed
generator, so running the script again gives the same bytes.
"""
import struct
import sys
from pathlib import Path


class Noise:
    """A small linear congruential generator: the same numbers on every
    machine and every Python."""

    def __init__(self, seed):
        self.state = seed & 0xFFFFFFFF

    def next(self, spread):
        """A whole number from -spread to spread."""
        self.state = (self.state * 1103515245 + 12345) & 0xFFFFFFFF
        return (self.state >> 16) % (2 * spread + 1) - spread


def clamp(value):
    return 0 if value < 0 else 255 if value > 255 else value


def shade(colour, amount):
    return tuple(clamp(c + amount) for c in colour)


def mix(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def wall():
    """A running bond of 32 by 16 pixel bricks in four rows, every other
    row moved by half a brick, each brick its own shade of a pale
    terracotta, with a lit top edge and a shaded bottom edge."""
    width, height = 128, 64
    brick_w, brick_h, mortar = 32, 16, 2
    mortar_colour = (234, 229, 220)
    base = (228, 196, 178)
    noise = Noise(1)
    tones = [[(noise.next(10), noise.next(6)) for _ in range(width // brick_w)]
             for _ in range(height // brick_h)]
    grain = Noise(2)
    px = []
    for y in range(height):
        row_index, in_row = divmod(y, brick_h)
        offset = brick_w // 2 if row_index % 2 else 0
        line = []
        for x in range(width):
            column, in_brick = divmod((x + offset) % width, brick_w)
            g = grain.next(3)
            if in_row < mortar or in_brick < mortar:
                line.append(shade(mortar_colour, g))
                continue
            red, rest = tones[row_index][column]
            colour = (base[0] + red, base[1] + rest, base[2] + rest)
            if in_row == mortar:
                colour = shade(colour, 8)
            elif in_row == brick_h - 1:
                colour = shade(colour, -8)
            line.append(shade(colour, g))
        px.append(line)
    return px


def metal():
    """Fine horizontal streaks: noise smeared along each row with a box
    blur that wraps at the tile's edge, on a cool light grey."""
    width, height = 128, 128
    reach = 12
    base = (212, 216, 222)
    noise = Noise(3)
    px = []
    for y in range(height):
        raw = [noise.next(24) for _ in range(width)]
        band = noise.next(4)   # each row a touch lighter or darker
        line = []
        for x in range(width):
            total = sum(raw[(x + k) % width] for k in range(-reach, reach + 1))
            smeared = total // (2 * reach + 1)
            line.append(shade(base, smeared + band))
        px.append(line)
    return px


def gingham(size, stripe, paper, thread, crossing):
    """Stripes of one colour across and down a paper colour; where two
    stripes cross the colour is deeper. A faint weave alternates the
    lightness from pixel to pixel."""
    px = []
    for y in range(size):
        line = []
        for x in range(size):
            across = (y // stripe) % 2 == 0
            down = (x // stripe) % 2 == 0
            colour = crossing if across and down else thread if across or down else paper
            weave = 2 if (x + y) % 2 else -2
            line.append(shade(colour, weave))
        px.append(line)
    return px


def blue_check():
    return gingham(64, 8, (248, 251, 255), (216, 230, 247), (188, 210, 240))


def green_check():
    """A windowpane: a pale green ground with a double line every 32 pixels
    and a finer single one halfway between, both ways."""
    size = 64
    ground = (232, 243, 226)
    line_colour = (196, 224, 188)
    fine = mix(ground, line_colour, 0.5)
    px = []
    for y in range(size):
        row = []
        for x in range(size):
            colour = ground
            if x % 32 in (0, 1) or y % 32 in (0, 1):
                colour = line_colour
            elif x % 32 == 16 or y % 32 == 16:
                colour = fine
            weave = 2 if (x + y) % 2 else -2
            row.append(shade(colour, weave))
        px.append(row)
    return px


def bmp_bytes(px):
    """A bottom-up BI_RGB bitmap with 24 bits a pixel (blue, green, red);
    rows are padded to whole 32-bit words."""
    height, width = len(px), len(px[0])
    stride = (width * 3 + 3) // 4 * 4
    rows = []
    for line in reversed(px):
        row = bytearray(b"".join(struct.pack("<BBB", b, g, r) for r, g, b in line))
        row.extend(bytes(stride - len(row)))
        rows.append(bytes(row))
    pixels = b"".join(rows)
    offset = 14 + 40
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels),
                       2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return header + info + pixels


PICTURES = [
    ("Wall.bmp", wall),
    ("Metal.bmp", metal),
    ("BlueCheck.bmp", blue_check),
    ("GreenCheck.bmp", green_check),
]


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_pictures.py OUTPUT_FOLDER")
    out = Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    for name, draw in PICTURES:
        # Through a temporary name, so that a failure never leaves half a
        # picture that a later build would take as made.
        part = out / (name + ".part")
        part.write_bytes(bmp_bytes(draw()))
        part.replace(out / name)


if __name__ == "__main__":
    main()
