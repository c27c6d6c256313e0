#!/usr/bin/env python3
"""The documentation check: what the README and docs/ say holds for the
present program.

  - every relative link and image of README.md and docs/*.md leads to a file
    (and to a heading, for a link with #), and every file they name by its
    path exists;
  - every option that --help gives (msa-headless, and msa when given) appears
    in both guides;
  - every screen text a guide quotes as <samp>...</samp> is a text of the
    message table of its language;
  - the layout table of docs/development.md names every layer and the layers
    it uses; the package names carry the project's version;
  - the manual is what the present program gives (make_guide.py --check).

    tools/docs/check_docs.py [--headless PATH] [--window PATH] [--quick]
--quick leaves out the last check, which runs the examples (a few seconds)."""
import argparse
import html
import os
import re
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
sys.path.insert(0, HERE)
import make_guide  # noqa: E402

GUIDES = {"fr": "docs/guide.fr.md", "en": "docs/guide.en.md"}


def message_texts(lang):
    """Every text the screens show in a language. The one place that knows
    where the texts live: the [screen] section of the catalogue src/texts."""
    sys.path.insert(0, os.path.join(ROOT, "src", "texts"))
    import make_texts
    catalogue = make_texts.Catalogue(os.path.join(ROOT, "src", "texts", f"{lang}.texts"))
    return [text.value for text in catalogue.section("screen").values()]


def documents():
    paths = [os.path.join(ROOT, "README.md")]
    docs = os.path.join(ROOT, "docs")
    paths += [os.path.join(docs, n) for n in sorted(os.listdir(docs)) if n.endswith(".md")]
    return paths


def without_code(text):
    """The Markdown without fenced blocks and code spans, where nothing is a link."""
    text = re.sub(r"^```.*?^```", "", text, flags=re.S | re.M)
    return re.sub(r"`[^`\n]*`", "", text)


def heading_slugs(path):
    """The anchors GitHub gives the headings of a Markdown file."""
    with open(path, encoding="utf-8") as f:
        text = re.sub(r"^```.*?^```", "", f.read(), flags=re.S | re.M)
    slugs = set()
    for title in re.findall(r"^#{1,6}\s+(.*?)\s*#*\s*$", text, flags=re.M):
        title = re.sub(r"\[([^\]]*)\]\([^)]*\)", r"\1", title)  # a link keeps its words
        slugs.add(re.sub(r"[^\w\- ]", "", title.lower()).replace(" ", "-"))
    return slugs


def check_links():
    problems = []
    for path in documents():
        with open(path, encoding="utf-8") as f:
            text = without_code(f.read())
        targets = re.findall(r"!?\[[^\]]*\]\(\s*<?([^)\s>]+)>?(?:\s+\"[^\"]*\")?\s*\)", text)
        targets += re.findall(r"<(?:a|img)\s[^>]*(?:href|src)=\"([^\"]+)\"", text)
        for target in targets:
            if re.match(r"[a-z][a-z0-9+.-]*:", target):  # https:, mailto: ...
                continue
            file_part, _, anchor = target.partition("#")
            where = os.path.normpath(os.path.join(os.path.dirname(path), file_part)) if file_part else path
            shown = os.path.relpath(path, ROOT)
            if not os.path.exists(where):
                problems.append(f"{shown}: the link {target} leads to no file")
            elif anchor and where.endswith(".md") and anchor not in heading_slugs(where):
                problems.append(f"{shown}: the link {target} leads to no heading")
    return problems


def check_named_files():
    """Every file of the repository a document names by its path (in
    backticks), from the top or from src/."""
    problems = []
    for path in documents():
        with open(path, encoding="utf-8") as f:
            named = re.findall(r"`((?:[\w.-]+/)+[\w.-]+\.(?:cpp|hpp|py|sh|mjs|cmake|keys|md|txt|json))`", f.read())
        for name in sorted(set(named)):
            first = name.split("/")[0]
            if re.search(r"[A-Z]{3,}", name) or not any(
                    os.path.isdir(os.path.join(ROOT, base, first)) for base in ("", "src")):
                continue  # a placeholder (guide.LANG.md), or a file inside a package
            if not any(os.path.exists(os.path.join(ROOT, base, name)) for base in ("", "src")):
                problems.append(f"{os.path.relpath(path, ROOT)} names {name}, which does not exist")
    return problems


def help_options(program):
    done = subprocess.run([program, "--help"], capture_output=True, text=True)
    found = re.findall(r"(?:^|[][ ,|])(--?[a-z][a-z-]*)", done.stdout, flags=re.M)
    return sorted(set(found))


def check_options(programs):
    problems = []
    for program in programs:
        options = help_options(program)
        if not options:
            problems.append(f"{program} --help names no option")
        for lang, guide in GUIDES.items():
            with open(os.path.join(ROOT, guide), encoding="utf-8") as f:
                text = f.read()
            for option in options:
                if not re.search(r"(?<![\w-])" + re.escape(option) + r"(?![\w-])", text):
                    problems.append(f"{guide} does not give {os.path.basename(program)}'s option {option}")
    return problems


# A number as the screens print it: a blank before it unless it is negative.
NUMBER = re.compile(r"(?:-| ?)(?:\d+\.?\d*|\.\d+)(?:e[-+]\d+)?")


def canonical(text):
    """A screen text with each number, and each place a number goes, as #."""
    return NUMBER.sub("#", re.sub(r"\{\d\}", "#", text))


def check_quotes():
    problems = []
    for lang, guide in GUIDES.items():
        texts = [canonical(t) for t in message_texts(lang)]
        with open(os.path.join(ROOT, guide), encoding="utf-8") as f:
            quotes = re.findall(r"<samp>(.*?)</samp>", f.read())
        for quote in quotes:
            wanted = canonical(html.unescape(quote).strip())
            if not wanted or not any(wanted in t for t in texts):
                problems.append(f"{guide} quotes a screen text its language does not have: {quote}")
    return problems


def check_versions():
    """The package names the documents give carry the version of CMakeLists.txt."""
    with open(os.path.join(ROOT, "CMakeLists.txt"), encoding="utf-8") as f:
        version = re.search(r"project\(msa VERSION ([\d.]+)", f.read()).group(1)
    problems = []
    for path in documents():
        with open(path, encoding="utf-8") as f:
            for named in sorted(set(re.findall(r"msa[-_](\d+\.\d+\.\d+)", f.read())) - {version}):
                problems.append(f"{os.path.relpath(path, ROOT)} names version {named}, the project is {version}")
    return problems


def check_layout_table():
    layers = {}
    for folder, _, files in os.walk(os.path.join(ROOT, "src")):
        if "CMakeLists.txt" in files:
            with open(os.path.join(folder, "CMakeLists.txt"), encoding="utf-8") as f:
                for name, rest in re.findall(r"msa_layer\(\s*([\w/]+)(.*?)\)", f.read(), flags=re.S):
                    uses = re.search(r"USES\s+(.*)", rest, flags=re.S)
                    layers[name] = sorted(uses.group(1).split()) if uses else []
    with open(os.path.join(ROOT, "docs", "development.md"), encoding="utf-8") as f:
        rows = re.findall(r"^\| `src/([\w/]+)` \|.*\| ([^|]*) \|$", f.read(), flags=re.M)
    table = {name: sorted(u.strip() for u in uses.split(",") if u.strip() not in ("", "–")) for name, uses in rows}
    problems = []
    for name in sorted(set(layers) | set(table)):
        if name not in table:
            problems.append(f"docs/development.md: the layout table lacks src/{name}")
        elif name not in layers:
            problems.append(f"docs/development.md: the layout table names src/{name}, which is no layer")
        elif table[name] != layers[name]:
            problems.append(f"docs/development.md: src/{name} uses {', '.join(layers[name]) or 'nothing'}, "
                            f"the layout table says {', '.join(table[name]) or 'nothing'}")
    return problems


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--headless", default=os.path.join(ROOT, "build", "msa-headless"))
    parser.add_argument("--window", help="msa, to check the options of its --help too")
    parser.add_argument("--quick", action="store_true")
    args = parser.parse_args()
    headless = os.path.abspath(args.headless)
    programs = [headless] + ([os.path.abspath(args.window)] if args.window else [])
    problems = (check_links() + check_named_files() + check_options(programs) + check_quotes()
                + check_layout_table() + check_versions())
    if not args.quick:
        problems += make_guide.check(make_guide.generate(headless))
    for problem in problems:
        print(problem, file=sys.stderr)
    print(f"documentation: {len(problems)} problem(s)" if problems else "documentation: as the program is")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
