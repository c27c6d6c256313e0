#!/usr/bin/env python3
"""Lists the page's files for its service worker, once the page is complete
(its manual included).

  make_offline_list.py PAGE_DIR

Writes PAGE_DIR/msa-offline-files.js: self.MSA_OFFLINE = { version, files },
every file of the folder but the worker and this list, and a version drawn
from their contents, so that a new build makes a new cache. Python 3's
standard library only.
"""

import hashlib
import json
import sys
from pathlib import Path
from urllib.parse import quote

WORKER, LIST = "msa-service-worker.js", "msa-offline-files.js"


def main(argv):
    if len(argv) != 1:
        sys.stderr.write(__doc__)
        return 2
    folder = Path(argv[0])
    files = sorted(p for p in folder.rglob("*") if p.is_file() and p.name not in (WORKER, LIST))
    digest = hashlib.sha256()
    for path in files:
        digest.update(path.relative_to(folder).as_posix().encode() + b"\0" + path.read_bytes())
    names = [quote(p.relative_to(folder).as_posix()) for p in files]
    (folder / LIST).write_text(
        "// Made by src/frontends/web/make_offline_list.py at build time: the page's\n"
        "// files its service worker keeps, and their version.\n"
        "self.MSA_OFFLINE = " + json.dumps({"version": digest.hexdigest()[:16], "files": names}, indent=0) + ";\n",
        encoding="utf-8", newline="\n")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
