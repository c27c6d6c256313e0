#!/usr/bin/env python3
"""Compares an X window dump (XWD, true colour) with a PGM of colour indexes:
the picture must fill a whole-factor rectangle centred in the window, every
screen pixel of a picture pixel in that pixel's palette colour, and the
border black. Used by tests/window_e2e.sh and tools/windows/check.sh.

Usage: compare_window.py WINDOW.xwd PICTURE.pgm   (exit status 0: equal)
"""
import struct, sys

PALETTE = [(0, 0, 0), (0, 0, 170), (0, 170, 0), (0, 170, 170), (170, 0, 0), (170, 0, 170),
           (170, 85, 0), (170, 170, 170), (85, 85, 85), (85, 85, 255), (85, 255, 85),
           (85, 255, 255), (255, 85, 85), (255, 85, 255), (255, 255, 85), (255, 255, 255)]
INDEX = {rgb: i for i, rgb in enumerate(PALETTE)}

def read_xwd(path):
    data = open(path, "rb").read()
    h = struct.unpack(">25I", data[:100])
    header_size, width, height, byte_order = h[0], h[4], h[5], h[7]
    bits, line = h[11], h[12]
    masks, ncolours = h[14:17], h[19]
    if bits != 32:
        sys.exit(f"unsupported window dump: {bits} bits per pixel")
    start = header_size + 12 * ncolours
    order = "<" if byte_order == 0 else ">"
    shifts = [(m & -m).bit_length() - 1 for m in masks]
    rows = []
    for y in range(height):
        values = struct.unpack_from(f"{order}{width}I", data, start + y * line)
        rows.append([tuple((v & m) >> s for m, s in zip(masks, shifts)) for v in values])
    return width, height, rows

def read_pgm(path):
    data = open(path, "rb").read()
    fields = data.split(maxsplit=4)
    assert fields[0] == b"P5", "not a binary PGM"
    width, height = int(fields[1]), int(fields[2])
    pixels = fields[4][: width * height]
    return width, height, pixels

ww, wh, shot = read_xwd(sys.argv[1])
pw, ph, expected = read_pgm(sys.argv[2])
factor = min(ww // pw, wh // ph)
if factor < 1:
    sys.exit(f"window {ww}x{wh} smaller than the picture")
ox, oy = (ww - pw * factor) // 2, (wh - ph * factor) // 2
bad = []
for y in range(wh):
    for x in range(ww):
        rgb = shot[y][x]
        px, py = (x - ox) // factor, (y - oy) // factor
        inside = x >= ox and y >= oy and px < pw and py < ph
        want = expected[py * pw + px] if inside else 0
        if INDEX.get(rgb) != want:
            bad.append((x, y, rgb, want))
if bad:
    x, y, rgb, want = bad[0]
    sys.exit(f"{len(bad)} of {ww}x{wh} screen pixels differ (picture at {factor}x, offset {ox},{oy}); "
             f"first at screen {x},{y}: RGB {rgb}, expected colour {want} {PALETTE[want]}")
