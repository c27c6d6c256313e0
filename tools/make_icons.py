#!/usr/bin/env python3
"""Draws the program's icon, the one the window sets: a two-pole rotor (north
red, south light blue) on a white shaft inside a grey stator ring, in the
16-colour palette. Writes packaging/icons/msa.svg and msa-N.png for the
desktop's sizes, and msa.ico (the same PNGs) for the Windows program file;
at 32 pixels the PNG is the window's icon pixel for pixel.

Usage: tools/make_icons.py   (from anywhere; rewrites the files in place)
"""
import pathlib
import struct
import zlib

SIZES = (32, 48, 64, 128, 256)
GREY, BLACK, RED, BLUE, WHITE = "aaaaaa", "000000", "ff5555", "5555ff", "ffffff"

# Lengths in half-pixels of the 32-pixel icon, measured from the centre.
STATOR, BORE, ROTOR_HALF_WIDTH, ROTOR_HALF_LENGTH, SHAFT = 31, 25, 7, 21, 5


def colour_at(dx, dy, size):
    """The colour (None: transparent) at doubled offsets dx, dy from the centre
    of an icon `size` pixels wide: the 32-pixel geometry scaled exactly."""
    scaled2 = (dx * dx + dy * dy) * 32 * 32  # squared distance on the 32-pixel scale, times size^2
    colour = None
    if scaled2 <= STATOR * STATOR * size * size:
        colour = GREY if scaled2 >= BORE * BORE * size * size else BLACK
    if abs(dx) * 32 <= ROTOR_HALF_WIDTH * size and abs(dy) * 32 <= ROTOR_HALF_LENGTH * size:
        colour = RED if dy < 0 else BLUE
    if scaled2 <= SHAFT * SHAFT * size * size:
        colour = WHITE
    return colour


def png(size):
    rows = bytearray()
    for y in range(size):
        rows.append(0)
        for x in range(size):
            colour = colour_at(2 * x + 1 - size, 2 * y + 1 - size, size)
            rows += bytes.fromhex(colour) + b"\xff" if colour else b"\0\0\0\0"

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(bytes(rows), 9)) + chunk(b"IEND", b""))


def ico(pngs):
    """A Windows icon holding the PNG images as they are."""
    header = struct.pack("<HHH", 0, 1, len(pngs))
    offset = len(header) + 16 * len(pngs)
    entries, images = b"", b""
    for size, data in pngs:
        side = size if size < 256 else 0  # 0 stands for 256
        entries += struct.pack("<BBBBHHII", side, side, 0, 0, 1, 32, len(data), offset + len(images))
        images += data
    return header + entries + images


SVG = f"""<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="-32 -32 64 64">
  <title>msa</title>
  <circle r="{STATOR}" fill="#{GREY}"/>
  <circle r="{BORE}" fill="#{BLACK}"/>
  <rect x="-{ROTOR_HALF_WIDTH}" y="-{ROTOR_HALF_LENGTH}" width="{2 * ROTOR_HALF_WIDTH}" height="{ROTOR_HALF_LENGTH}" fill="#{RED}"/>
  <rect x="-{ROTOR_HALF_WIDTH}" y="0" width="{2 * ROTOR_HALF_WIDTH}" height="{ROTOR_HALF_LENGTH}" fill="#{BLUE}"/>
  <circle r="{SHAFT}" fill="#{WHITE}"/>
</svg>
"""

if __name__ == "__main__":
    folder = pathlib.Path(__file__).resolve().parent.parent / "packaging" / "icons"
    folder.mkdir(parents=True, exist_ok=True)
    (folder / "msa.svg").write_text(SVG)
    pngs = [(size, png(size)) for size in SIZES]
    for size, data in pngs:
        (folder / f"msa-{size}.png").write_bytes(data)
    (folder / "msa.ico").write_bytes(ico(pngs))
