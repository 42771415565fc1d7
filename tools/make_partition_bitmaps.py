#!/usr/bin/env python3
"""Draws the three previews of the partition-line choice on the text page of
the settings sheet and writes them as 55 by 55 pixel, 16-colour BMP files:
    python3 tools/make_partition_bitmaps.py res

Each preview is a small month page, title and weekday rows above six weeks,
with the partition lines of its choice: none, every inner line, or only the
two lines under the title and the weekday row. The output depends on nothing
but this script, so running it again gives the same bytes.
"""
import struct
import sys
from pathlib import Path

SIZE = 55
ROWS = 8      # title, weekday names, six weeks
COLUMNS = 7

# The standard 16-colour palette, as (B, G, R).
PALETTE = [
    (0, 0, 0), (0, 0, 128), (0, 128, 0), (0, 128, 128),
    (128, 0, 0), (128, 0, 128), (128, 128, 0), (192, 192, 192),
    (128, 128, 128), (0, 0, 255), (0, 255, 0), (0, 255, 255),
    (255, 0, 0), (255, 0, 255), (255, 255, 0), (255, 255, 255),
]
BLACK, GREEN, SILVER, GREY, RED, BLUE, WHITE = 0, 2, 7, 8, 9, 12, 15

# The calendar's default text colours: Sundays red, Saturdays blue, other
# weekdays green, the title red and the neighbouring months' days silver.
COLUMN_COLOURS = [RED, GREEN, GREEN, GREEN, GREEN, GREEN, BLUE]

# (file name, horizontal lines under rows 1.., vertical lines)
PREVIEWS = [
    ("partition_none.bmp", 0, False),
    ("partition_all.bmp", ROWS - 1, True),
    ("partition_two.bmp", 2, False),
]


def edges(count):
    """Boundaries of count equal bands across the inside of the frame."""
    inner = SIZE - 2
    return [1 + k * inner // count for k in range(count + 1)]


def fill(px, x0, y0, x1, y1, colour):
    for y in range(y0, y1):
        for x in range(x0, x1):
            px[y][x] = colour


def draw(lines, verticals):
    px = [[WHITE] * SIZE for _ in range(SIZE)]
    fill(px, 0, 0, SIZE, 1, BLACK)
    fill(px, 0, SIZE - 1, SIZE, SIZE, BLACK)
    fill(px, 0, 0, 1, SIZE, BLACK)
    fill(px, SIZE - 1, 0, SIZE, SIZE, BLACK)
    ys = edges(ROWS)
    xs = edges(COLUMNS)
    # The title: one line of text across the middle of the top row.
    mid = (ys[0] + ys[1]) // 2
    fill(px, 17, mid - 1, 38, mid + 1, RED)
    # A short stroke for each weekday name and a small block for each day;
    # the first days of the first week and the last of the sixth belong to
    # the neighbouring months.
    for row in range(1, ROWS):
        cy = (ys[row] + ys[row + 1]) // 2
        for column in range(COLUMNS):
            cx = (xs[column] + xs[column + 1]) // 2
            colour = COLUMN_COLOURS[column]
            if row == 1:
                fill(px, cx - 2, cy, cx + 2, cy + 1, colour)
                continue
            week = row - 2
            if (week == 0 and column < 3) or (week == 5 and column > 2):
                colour = SILVER
            fill(px, cx - 1, cy - 1, cx + 2, cy + 1, colour)
    for row in range(1, lines + 1):
        fill(px, 1, ys[row], SIZE - 1, ys[row] + 1, GREY)
    if verticals:
        for column in range(1, COLUMNS):
            fill(px, xs[column], ys[1], xs[column] + 1, SIZE - 1, GREY)
    return px


def bmp_bytes(px):
    """A bottom-up BI_RGB bitmap with 4 bits a pixel and the 16-colour
    palette; rows are padded to whole 32-bit words."""
    stride = ((SIZE * 4 + 31) // 32) * 4
    rows = []
    for y in reversed(range(SIZE)):
        row = bytearray(stride)
        for x in range(SIZE):
            if x % 2 == 0:
                row[x // 2] |= px[y][x] << 4
            else:
                row[x // 2] |= px[y][x]
        rows.append(bytes(row))
    pixels = b"".join(rows)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for b, g, r in PALETTE)
    offset = 14 + 40 + len(palette)
    info = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE, 1, 4, 0, len(pixels),
                       2835, 2835, len(PALETTE), 0)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return header + info + palette + pixels


def main():
    out = Path(sys.argv[1] if len(sys.argv) > 1 else "res")
    for name, lines, verticals in PREVIEWS:
        (out / name).write_bytes(bmp_bytes(draw(lines, verticals)))


if __name__ == "__main__":
    main()
