"""Runs msa-headless on a key script and reads what it printed: the text
screen at every awaited answer, the pictures, the simulation data.
Standard library only, so that any Python 3 runs it."""
import csv
import os
import re
import subprocess
import tempfile

ROWS = 25
NUMBER = re.compile(r"-?(?:\d+\.?\d*|\.\d+)(?:e[-+]\d+)?|-?nan|-?inf")


class Session:
    """One run of a key script in one language."""

    def __init__(self, headless, keys_path, lang):
        self.keys_path = keys_path
        self.lang = lang
        self.work = tempfile.mkdtemp(prefix="msa-docs-")  # removed by the caller
        pictures = os.path.join(self.work, "pictures")
        os.mkdir(pictures)
        data = os.path.join(self.work, "runs.csv")
        with open(keys_path, "rb") as keys:
            done = subprocess.run([headless, "--lang", lang, "--pictures", pictures, "--csv", data],
                                  stdin=keys, capture_output=True, env=dict(os.environ, MSA_LANG=""))
        self.status = done.returncode
        self.stderr = done.stderr.decode("utf-8")
        self.screens = parse_transcript(done.stdout.decode("utf-8"))
        self.pictures = pictures
        with open(data, newline="") as f:
            self.steps = list(csv.DictReader(f))
        with open(keys_path, encoding="utf-8") as f:
            self.answers = f.read().split("\n")

    def screen(self, read):
        if read not in self.screens:
            raise KeyError(f"{os.path.basename(self.keys_path)} ({self.lang}) has no read {read}")
        return self.screens[read]

    def row_with(self, read, label):
        """The last row of a screen that holds the label: the latest, where rows scroll."""
        for row in reversed(self.screen(read)):
            if label in row:
                return row
        raise KeyError(f"{os.path.basename(self.keys_path)} ({self.lang}) read {read}: no row holds {label!r}")

    def number_after(self, read, label, which=1):
        """The which-th number printed after the label, as the screen shows it."""
        row = self.row_with(read, label)
        numbers = NUMBER.findall(row[row.index(label) + len(label):])
        if len(numbers) < which:
            raise KeyError(f"read {read}: fewer than {which} numbers after {label!r}")
        return numbers[which - 1]

    def cursor_row(self, read):
        """The row the answer is typed on: the last row that is not blank."""
        rows = [row for row in self.screen(read) if row.strip()]
        return rows[-1] if rows else ""

    def answer(self, read):
        return self.answers[read - 1] if read - 1 < len(self.answers) else ""

    def picture(self, read):
        return os.path.join(self.pictures, f"read-{read}.pgm")

    def run_steps(self, run):
        return [s for s in self.steps if s["run"] == str(run)]


def parse_transcript(text):
    """Read number -> the 25 rows of the text screen, without trailing blanks."""
    lines = text.split("\n")
    screens = {}
    i = 0
    while i < len(lines):
        match = re.fullmatch(r"=== read (\d+)", lines[i])
        if match:
            screens[int(match.group(1))] = [row.rstrip() for row in lines[i + 1:i + 1 + ROWS]]
            i += 1 + ROWS
        else:
            i += 1
    return screens
