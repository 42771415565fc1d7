#!/usr/bin/env python3
"""Draws the program's 16-colour icons and writes them as .ico files.

The art is kept here as character maps so it can be changed and redrawn:
    python3 tools/make_icons.py res
"""
import struct
import sys
from pathlib import Path

# The standard 16-colour palette, as (B, G, R).
PALETTE = [
    (0, 0, 0), (0, 0, 128), (0, 128, 0), (0, 128, 128),
    (128, 0, 0), (128, 0, 128), (128, 128, 0), (192, 192, 192),
    (128, 128, 128), (0, 0, 255), (0, 255, 0), (0, 255, 255),
    (255, 0, 0), (255, 0, 255), (255, 255, 0), (255, 255, 255),
]
# Map characters: '.' transparent, others index into PALETTE.
CHARS = {
    'k': 0, 'r': 1, 'g': 2, 'o': 3, 'b': 4, 'm': 5, 'c': 6, 's': 7,
    'd': 8, 'R': 9, 'G': 10, 'Y': 11, 'B': 12, 'M': 13, 'C': 14, 'w': 15,
}


def calendar_art():
    """A month page with a blue title bar, red Sunday column and grid, and a
    yellow speech balloon standing for the memo."""
    size = 32
    px = [['.'] * size for _ in range(size)]
    for y in range(2, 30):
        for x in range(1, 29):
            px[y][x] = 'w'
    for y in range(2, 8):
        for x in range(1, 29):
            px[y][x] = 'b'
    for x in (6, 10, 14, 18, 22):  # binder rings
        px[1][x] = 'd'
        px[2][x] = 'd'
    for x in range(1, 29):  # outline
        px[2][x] = px[29][x] = 'k'
    for y in range(2, 30):
        px[y][1] = px[y][28] = 'k'
    for y in range(8, 29, 4):  # week rows
        for x in range(2, 28):
            px[y][x] = 's'
    for x in range(5, 28, 4):  # day columns
        for y in range(8, 29):
            px[y][x] = 's'
    for y in range(9, 29):  # Sundays
        if y % 4 != 0:
            for x in (2, 3, 4):
                px[y][x] = 'R'
    balloon = [
        "..kkkkkkkkkkk..",
        ".kYYYYYYYYYYYk.",
        "kYYYYYYYYYYYYYk",
        "kYYkkkkkkkkkYYk",
        "kYYYYYYYYYYYYYk",
        "kYYkkkkkkkYYYYk",
        "kYYYYYYYYYYYYYk",
        ".kYYYYYYYYYYYk.",
        "..kkkkYYkkkkk..",
        "......kYk......",
        ".......kk......",
    ]
    for dy, row in enumerate(balloon):
        for dx, ch in enumerate(row):
            if ch != '.':
                px[19 + dy][16 + dx] = ch
    return px


def caption_button_art(glyph, face='s', shade='d', ink='k'):
    """A 16 by 16 caption-style button: a raised face with a glyph."""
    px = [[face] * 16 for _ in range(16)]
    for i in range(16):
        px[0][i] = px[i][0] = 'w'
        px[15][i] = px[i][15] = 'k'
    for i in range(1, 15):
        px[14][i] = px[i][14] = shade
    for y, row in enumerate(glyph):
        for x, ch in enumerate(row):
            if ch == '#':
                px[4 + y][4 + x] = ink
    return px


# Glyph rows, drawn from (4, 4). The exit button is red with a white X like
# a caption's close button; the others are light with a black glyph.
GLYPHS = {
    'hint_minimize': ["", "", "", "", "", "######", "######"],
    'hint_maximize': ["########", "########", "#......#", "#......#",
                      "#......#", "#......#", "########"],
    'hint_restore': ["..######", "..######", "..#....#", "######.#",
                     "######.#", "#....###", "#....#", "######"],
    'hint_close': ["##....##", ".##..##.", "..####..", "...##...",
                   "..####..", ".##..##.", "##....##"],
}
COLOURS = {
    'hint_close': {'face': 'R', 'shade': 'r', 'ink': 'w'},
}


def write_ico(path, px):
    size = len(px)
    row_xor = ((size * 4 + 31) // 32) * 4
    row_and = ((size + 31) // 32) * 4
    xor = bytearray()
    mask = bytearray()
    for y in range(size - 1, -1, -1):
        line = px[y]
        row = bytearray(row_xor)
        bits = bytearray(row_and)
        for x in range(size):
            ch = line[x]
            idx = 0 if ch == '.' else CHARS[ch]
            row[x // 2] |= idx << (4 if x % 2 == 0 else 0)
            if ch == '.':
                bits[x // 8] |= 0x80 >> (x % 8)
        xor += row
        mask += bits
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0,
                         len(xor) + len(mask), 0, 0, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for b, g, r in PALETTE)
    image = header + palette + bytes(xor) + bytes(mask)
    icondir = struct.pack('<HHH', 0, 1, 1)
    entry = struct.pack('<BBBBHHII', size % 256, size % 256, 16, 0, 1, 4,
                        len(image), 6 + 16)
    Path(path).write_bytes(icondir + entry + image)


def main():
    out = Path(sys.argv[1] if len(sys.argv) > 1 else 'res')
    write_ico(out / 'pelmo.ico', calendar_art())
    for name, glyph in GLYPHS.items():
        write_ico(out / f'{name}.ico', caption_button_art(glyph, **COLOURS.get(name, {})))


if __name__ == '__main__':
    main()
