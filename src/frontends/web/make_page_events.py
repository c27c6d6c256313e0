#!/usr/bin/env python3
"""Makes the page's events, from one list, for both sides of the page.

  make_page_events.py LIST HEADER SCRIPT

HEADER (C++, namespace msa::page: enum Event, kName = number) is the
program's; SCRIPT sets window.MSA_EVENTS (name: number) and
window.MSA_EVENT_KEYS (browser key: number) for the page's script. Python
3's standard library only.
"""

import json
import re
import sys
from pathlib import Path

LINE = re.compile(r"([A-Z][A-Za-z0-9]*)\s+(-[0-9]+)\s+(\S+)\s*(?:#\s*(.*))?")


def read(path):
    events, names, numbers, keys = [], set(), set(), set()
    for number, raw in enumerate(Path(path).read_text(encoding="utf-8").splitlines(), 1):
        line = raw.strip()
        if not line or line.startswith("#"):
            continue
        match = LINE.fullmatch(line)
        if not match:
            raise ValueError(f"{path}:{number}: expected NAME -NUMBER KEY [# comment]")
        name, value, key, note = match.group(1), int(match.group(2)), match.group(3), match.group(4) or ""
        if name in names or value in numbers or (key != "-" and key in keys):
            raise ValueError(f"{path}:{number}: {name}: a name, number or key a second time")
        names.add(name)
        numbers.add(value)
        keys.add(key)
        events.append((name, value, None if key == "-" else key, note))
    return events


def header(events):
    out = ["// Made by src/frontends/web/make_page_events.py from page_events.list at\n"
           "// build time: change that, not this file.\n"
           "#pragma once\n\nnamespace msa::page {\n\n"
           "// The events the page hands the program besides typed characters (code\n"
           "// points, >= 0): keys and commands.\n"
           "enum Event : int {\n"]
    for name, value, _, note in events:
        out.append(f"  k{name} = {value},")
        out.append(f"  // {note}\n" if note else "\n")
    out.append("};\n\n}  // namespace msa::page\n")
    return "".join(out)


def script(events):
    return ("// Made by src/frontends/web/make_page_events.py from page_events.list at\n"
            "// build time: change that, not this file.\n"
            "// The events the page hands the program besides typed characters (code\n"
            "// points, >= 0), by name, and by the browser's key that sends them.\n"
            "'use strict';\n"
            "window.MSA_EVENTS = Object.freeze(" + json.dumps({n: v for n, v, _, _ in events}) + ");\n"
            "window.MSA_EVENT_KEYS = Object.freeze(" + json.dumps({k: v for _, v, k, _ in events if k}) + ");\n")


def main(argv):
    if len(argv) != 3:
        sys.stderr.write(__doc__)
        return 2
    try:
        events = read(argv[0])
    except (ValueError, OSError) as error:
        sys.stderr.write(f"{error}\n")
        return 1
    for path, content in ((argv[1], header(events)), (argv[2], script(events))):
        Path(path).parent.mkdir(parents=True, exist_ok=True)
        Path(path).write_text(content, encoding="utf-8", newline="\n")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
