#!/usr/bin/env python3
"""Writes an msa-headless key script as an input of the program fuzzer.

Key scripts: each character is one key, a line feed is Enter, a carriage
return is ignored, a tab is Tab, {BS} {DEL} {LEFT} {RIGHT} {UP} {DOWN} {HOME}
{END} {TAB} {ESC} {ENTER} are the special keys and {{ is a brace.

The fuzzer's encoding (fuzz/fuzz_keys.hpp) keeps printable ASCII and the line
feed as they are, gives each special key a control byte and writes any other
code page 437 character as 0xFF and its code. The reverse way is
`program_fuzz --print-keys FILE`.

usage: keys_to_fuzz.py [SCRIPT [OUTPUT]]   (standard input and output by default)
"""
import sys

SPECIAL = {
    "BS": 0x08, "DEL": 0x7F, "LEFT": 0x02, "RIGHT": 0x06, "UP": 0x10, "DOWN": 0x0E,
    "HOME": 0x01, "END": 0x05, "TAB": 0x09, "ESC": 0x1B, "ENTER": 0x0A,
}
ESCAPE = 0xFF

# The glyphs code page 437 shows for codes 1-31 and 127.
LOW_GLYPHS = ("\u263A\u263B\u2665\u2666\u2663\u2660\u2022\u25D8\u25CB\u25D9\u2642\u2640\u266A\u266B\u263C"
              "\u25BA\u25C4\u2195\u203C\u00B6\u00A7\u25AC\u21A8\u2191\u2193\u2192\u2190\u221F\u2194\u25B2\u25BC")


def cp437_code(c):
    """The code page 437 code of a character, or None (the key is dropped)."""
    if 32 <= ord(c) < 127:
        return ord(c)
    if c == "\u2302":
        return 127
    if c in LOW_GLYPHS:
        return LOW_GLYPHS.index(c) + 1
    try:
        code = c.encode("cp437")[0]
    except UnicodeEncodeError:
        return None
    return code if code >= 128 else None


def convert(script):
    out = bytearray()
    i = 0
    while i < len(script):
        c = script[i]
        i += 1
        if c == "{":
            if script.startswith("{", i):
                out.append(ord("{"))
                i += 1
                continue
            name = next((n for n in SPECIAL if script.startswith(n + "}", i)), None)
            if name is not None:
                out.append(SPECIAL[name])
                i += len(name) + 1
            else:
                out.append(ord("{"))
        elif c == "\n":
            out.append(SPECIAL["ENTER"])
        elif c == "\r":
            continue
        elif c == "\t":
            out.append(SPECIAL["TAB"])
        else:
            code = cp437_code(c)
            if code is None:
                continue
            if 32 <= code < 127:
                out.append(code)
            else:
                out += bytes((ESCAPE, code))
    return bytes(out)


def main(argv):
    if len(argv) > 1:
        with open(argv[1], "rb") as f:
            raw = f.read()
    else:
        raw = sys.stdin.buffer.read()
    data = convert(raw.decode("utf-8", errors="replace"))
    if len(argv) > 2:
        with open(argv[2], "wb") as f:
            f.write(data)
    else:
        sys.stdout.buffer.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
