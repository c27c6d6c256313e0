"""The screens' pictures as PNG files, and the pixels of a PNG written so,
to compare a committed picture with a fresh one."""
import os
import struct
import sys
import zlib

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
import pgm_to_png  # noqa: E402  (tools/pgm_to_png.py: the palette and the writer)


def rows_of_pgm(path):
    """The picture's rows in the program's palette, one RGB byte string each."""
    width, height, pixels = pgm_to_png.read_pgm(path)
    palette = [bytes(colour) for colour in pgm_to_png.PALETTE]
    return width, height, [b"".join(palette[p & 15] for p in pixels[y * width:(y + 1) * width])
                           for y in range(height)]


def write_png(pgm_path, png_path):
    width, height, rows = rows_of_pgm(pgm_path)
    pgm_to_png.write_png(png_path, width, height, rows)


def png_rows(path):
    """The RGB rows of a PNG as pgm_to_png writes them (8-bit RGB, filter 0)."""
    data = open(path, "rb").read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError(f"{path}: not a PNG")
    pos, width, height, idat = 8, 0, 0, b""
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour = struct.unpack(">IIBB", body[:10])
            if (depth, colour) != (8, 2):
                raise ValueError(f"{path}: not 8-bit RGB")
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    raw = zlib.decompress(idat)
    stride = 1 + 3 * width
    rows = []
    for y in range(height):
        line = raw[y * stride:(y + 1) * stride]
        if line[0] != 0:
            raise ValueError(f"{path}: a row filter other than none (written by another tool?)")
        rows.append(line[1:])
    return width, height, rows


def same_pixels(pgm_path, png_path):
    try:
        return rows_of_pgm(pgm_path) == png_rows(png_path)
    except (OSError, ValueError, zlib.error):
        return False
