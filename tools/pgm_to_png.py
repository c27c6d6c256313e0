#!/usr/bin/env python3
"""Turns a picture written by `msa-headless --pictures` (binary PGM of colour
indexes 0-15) into a PNG in the program's palette, optionally scaled.
    python3 tools/pgm_to_png.py read-N.pgm out.png [scale]
"""
import struct
import sys
import zlib

PALETTE = [(0, 0, 0), (0, 0, 170), (0, 170, 0), (0, 170, 170), (170, 0, 0), (170, 0, 170),
           (170, 85, 0), (170, 170, 170), (85, 85, 85), (85, 85, 255), (85, 255, 85),
           (85, 255, 255), (255, 85, 85), (255, 85, 255), (255, 255, 85), (255, 255, 255)]


def read_pgm(path):
    data = open(path, "rb").read()
    fields = data.split(None, 4)
    assert fields[0] == b"P5", "not a binary PGM"
    width, height = int(fields[1]), int(fields[2])
    pixels = fields[4][-width * height:]
    return width, height, pixels


def write_png(path, width, height, rows):
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
    raw = b"".join(b"\x00" + row for row in rows)
    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")
    open(path, "wb").write(png)


def main():
    source, target = sys.argv[1], sys.argv[2]
    scale = int(sys.argv[3]) if len(sys.argv) > 3 else 1
    width, height, pixels = read_pgm(source)
    rows = []
    for y in range(height):
        line = b"".join(bytes(PALETTE[p & 15]) * scale for p in pixels[y * width:(y + 1) * width])
        rows.extend([line] * scale)
    write_png(target, width * scale, height * scale, rows)


if __name__ == "__main__":
    main()
