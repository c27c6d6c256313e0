#!/usr/bin/env python3
"""Writes the manual (docs/guide.fr.md, docs/guide.en.md) and its pictures
from the templates in docs/templates and the key scripts in docs/examples:
every screen, number and figure the manual quotes comes from an msa-headless
run of those scripts, so that the manual cannot drift from the program.

    tools/docs/make_guide.py [--headless PATH]           write the manual
    tools/docs/make_guide.py [--headless PATH] --check   compare instead
    tools/docs/make_guide.py --show EXAMPLE [LANG]       list its answers

A template is Markdown with directives in double braces:
    {{screen EX READ [FIRST-LAST]}}   the text screen of a read (rows FIRST to LAST)
    {{from EX READ "label"}}          the screen from the last row holding the label
    {{row EX READ ROW}}               one row, as <samp>
    {{line EX READ "label"}}          the last row holding the label, as <samp>
    {{stop EX READ}}                  the stop message of a read (row 4, and 5 where it runs on)
    {{num EX READ "label" [K]}}       the K-th number after the label on that row
    {{answer EX READ}}                what the script typed at that read
    {{answers EX FIRST LAST EMPTY}}   table rows: read, prompt, answer (EMPTY for Enter alone)
    {{picture EX READ NAME ALT}}      the picture of a read, as pictures/NAME
    {{peak EX RUN max|min COL [AT] FORMAT}}  the extreme of a data column (or AT's value there)
    {{angles EX RESULTS MENU}}        the figure of the angles, from a steady state's screens
EX is the name of a key script of docs/examples without .keys; READ counts
the awaited answers from 1, as msa-headless prints them."""
import argparse
import difflib
import html
import os
import re
import shlex
import shutil
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
sys.path.insert(0, HERE)
import angles_figure  # noqa: E402
import png_pictures  # noqa: E402
import sessions  # noqa: E402

DOCS = os.path.join(ROOT, "docs")
LANGUAGES = ("fr", "en")
DIRECTIVE = re.compile(r"\{\{(.+?)\}\}")


class Manual:
    """The sessions of the examples in one language, and what the manual writes."""

    def __init__(self, headless, lang, outputs):
        self.headless, self.lang, self.outputs = headless, lang, outputs
        self.sessions = {}

    def session(self, example):
        if example not in self.sessions:
            path = os.path.join(DOCS, "examples", example + ".keys")
            s = sessions.Session(self.headless, path, self.lang)
            if s.status != 0:
                raise SystemExit(f"make_guide: {example}.keys ({self.lang}) ended with status {s.status}: "
                                 f"a key script of the manual must end at menu F\n{s.stderr}")
            self.sessions[example] = s
        return self.sessions[example]

    def close(self):
        for s in self.sessions.values():
            shutil.rmtree(s.work, ignore_errors=True)

    # The directives.

    def screen(self, example, read, rows=None):
        lines = self.session(example).screen(int(read))
        if rows:
            first, last = (int(n) for n in rows.split("-"))
            lines = lines[first - 1:last]
        else:
            while lines and not lines[-1].strip():
                lines = lines[:-1]
            while lines and not lines[0].strip():
                lines = lines[1:]
        return "```text\n" + "\n".join(lines) + "\n```"

    def from_(self, example, read, label):
        """The screen from the last row holding the label down to the last row that is not blank."""
        lines = self.session(example).screen(int(read))
        first = max(i for i, row in enumerate(lines) if label in row)
        last = max(i for i, row in enumerate(lines) if row.strip())
        return "```text\n" + "\n".join(lines[first:last + 1]) + "\n```"

    def row(self, example, read, row):
        return samp(self.session(example).screen(int(read))[int(row) - 1])

    def line(self, example, read, label):
        return samp(self.session(example).row_with(int(read), label))

    def stop(self, example, read):
        """The stop message on row 4, with its end where it ran onto row 5."""
        rows = self.session(example).screen(int(read))
        text = rows[3] if re.search(r" A$", rows[3]) else rows[3].ljust(80) + rows[4]
        return samp(re.match(r".*? A(?= |$)", text).group(0))

    def num(self, example, read, label, which="1"):
        return self.session(example).number_after(int(read), label, int(which))

    def answer(self, example, read):
        return "`" + self.session(example).answer(int(read)) + "`"

    def answers(self, example, first, last, empty):
        s = self.session(example)
        rows = []
        for read in range(int(first), int(last) + 1):
            typed = s.answer(read)
            rows.append(f"| {read} | {samp(s.cursor_row(read))} | {('`' + typed + '`') if typed else empty} |")
        return "\n".join(rows)

    def picture(self, example, read, name, *alt):
        self.outputs[f"pictures/{name}"] = ("rows", png_pictures.rows_of_pgm(self.session(example).picture(int(read))))
        return f"![{' '.join(alt)}](pictures/{name})"

    def peak(self, example, run, which, column, *rest):
        at, form = (rest[0], rest[1]) if len(rest) == 2 else (column, rest[0])
        steps = self.session(example).run_steps(int(run))
        pick = max if which == "max" else min
        step = pick(steps, key=lambda s: float(s[column]))
        return format(float(step[at]), form)

    def angles(self, example, results, menu):
        s = self.session(example)
        r, m = int(results), int(menu)
        state = {name: float(s.number_after(read, label))
                 for name, read, label in (("mfif", r, "mfif ="), ("psidc", r, "psidc ="),
                                           ("psiqc", r, "psiqc ="), ("delta", r, "delta ="),
                                           ("xhi", m, "xhi     ="), ("mu", m, "mu      ="),
                                           ("beta", m, "beta    ="))}
        name = f"angles-{self.lang}.svg"
        self.outputs[f"pictures/{name}"] = ("text", angles_figure.figure(state, self.lang))
        return f"pictures/{name}"

    def expand(self, template):
        def one(match):
            words = shlex.split(match.group(1))
            name = "from_" if words[0] == "from" else words[0]
            try:
                return getattr(self, name)(*words[1:])
            except (AttributeError, KeyError, IndexError, TypeError, ValueError) as e:
                raise SystemExit(f"make_guide: guide.{self.lang}.md: {{{{{match.group(1)}}}}}: {e}")
        return DIRECTIVE.sub(one, template)


def samp(text):
    """A screen text quoted inline: the documentation check looks it up in the message table."""
    return "<samp>" + html.escape(text.strip(), quote=False) + "</samp>"


def generate(headless):
    """Relative path under docs/ -> ("text", content) or ("rows", a picture's width, height and RGB rows)."""
    outputs = {}
    for lang in LANGUAGES:
        manual = Manual(headless, lang, outputs)
        try:
            with open(os.path.join(DOCS, "templates", f"guide.{lang}.md"), encoding="utf-8") as f:
                template = f.read()
            header = ("<!-- Generated by tools/docs/make_guide.py from docs/templates/guide."
                      f"{lang}.md and docs/examples: edit those, then run the script. -->\n")
            outputs[f"guide.{lang}.md"] = ("text", header + manual.expand(template))
        finally:
            manual.close()
    return outputs


def write(outputs):
    os.makedirs(os.path.join(DOCS, "pictures"), exist_ok=True)
    for path, (kind, content) in sorted(outputs.items()):
        target = os.path.join(DOCS, path)
        if kind == "text":
            with open(target, "w", encoding="utf-8", newline="\n") as f:
                f.write(content)
        else:
            width, height, rows = content
            png_pictures.pgm_to_png.write_png(target, width, height, rows)
        print(os.path.relpath(target, ROOT))


def check(outputs):
    """Every generated file as the present program makes it; nothing stale beside them."""
    problems = []
    for path, (kind, content) in sorted(outputs.items()):
        target = os.path.join(DOCS, path)
        if not os.path.exists(target):
            problems.append(f"docs/{path} is missing")
        elif kind == "text":
            with open(target, encoding="utf-8") as f:
                present = f.read()
            if present != content:
                diff = difflib.unified_diff(present.splitlines(), content.splitlines(),
                                            f"docs/{path}", "regenerated", lineterm="", n=1)
                problems.append("\n".join(list(diff)[:60]))
        else:
            try:
                same = png_pictures.png_rows(target) == content
            except (OSError, ValueError):
                same = False
            if not same:
                problems.append(f"docs/{path}: the pixels differ from the program's picture")
    pictures = os.path.join(DOCS, "pictures")
    for name in sorted(os.listdir(pictures)) if os.path.isdir(pictures) else []:
        if f"pictures/{name}" not in outputs:
            problems.append(f"docs/pictures/{name} is no longer made by the manual")
    return problems


def show(headless, example, lang):
    manual = Manual(headless, lang, {})
    try:
        s = manual.session(example)
        for read in sorted(s.screens):
            print(f"{read:4d}  {s.answer(read)!r:14} {s.cursor_row(read)}")
    finally:
        manual.close()


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--headless", default=os.path.join(ROOT, "build", "msa-headless"))
    parser.add_argument("--check", action="store_true")
    parser.add_argument("--show", nargs="+", metavar=("EXAMPLE", "LANG"))
    args = parser.parse_args()
    headless = os.path.abspath(args.headless)
    if args.show:
        show(headless, args.show[0], args.show[1] if len(args.show) > 1 else "en")
        return 0
    outputs = generate(headless)
    if not args.check:
        write(outputs)
        return 0
    problems = check(outputs)
    for problem in problems:
        print(problem, file=sys.stderr)
    if problems:
        print("make_guide: the manual is not what the present program gives; "
              "run tools/docs/make_guide.py and read the diff", file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
