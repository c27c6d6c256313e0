#!/usr/bin/env python3
"""Writes the manual as HTML pages into one folder, to be shipped with the
programs: the two guides, the model, the validation, accuracy, performance and
development documents and the README, each one page that opens offline and
from file:// (the math as MathML, no script), with the guides' pictures and
key scripts beside them. Needs Debian's pandoc.

    tools/docs/html_manual.py OUTPUT_DIR"""
import os
import re
import shutil
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
PAGES = ["README.md", "docs/guide.en.md", "docs/guide.fr.md", "docs/model.md", "docs/validation.md",
         "docs/accuracy.md", "docs/performance.md", "docs/development.md"]
FRENCH = {"docs/guide.fr.md"}


def title_of(path):
    with open(os.path.join(ROOT, path), encoding="utf-8") as f:
        match = re.search(r"^# (.+)$", f.read(), flags=re.M)
    return match.group(1) if match else os.path.basename(path)


def main():
    if len(sys.argv) != 2:
        raise SystemExit(__doc__)
    out = os.path.abspath(sys.argv[1])
    if os.path.isdir(out):
        shutil.rmtree(out)
    os.makedirs(out)
    for path in PAGES:
        name = "README.html" if path == "README.md" else os.path.basename(path)[:-3] + ".html"
        subprocess.run(["pandoc", "--from", "gfm+tex_math_dollars", "--to", "html5", "--standalone", "--mathml",
                        "--lua-filter", os.path.join(HERE, "html_links.lua"),
                        "--metadata", "pagetitle=" + title_of(path),
                        "--metadata", "lang=" + ("fr" if path in FRENCH else "en"),
                        "--output", os.path.join(out, name), path], cwd=ROOT, check=True)
    shutil.copytree(os.path.join(ROOT, "docs", "pictures"), os.path.join(out, "pictures"))
    shutil.copytree(os.path.join(ROOT, "docs", "examples"), os.path.join(out, "examples"))
    for name in os.listdir(os.path.join(ROOT, "docs")):
        if name.endswith(".png"):
            shutil.copy(os.path.join(ROOT, "docs", name), out)
    print(out)


if __name__ == "__main__":
    main()
