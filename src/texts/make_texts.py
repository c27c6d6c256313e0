#!/usr/bin/env python3
"""Makes what the build needs of the texts of every language (CODE.texts).

  make_texts.py code STAMP HEADER TABLES TEXTS...
      the C++ keys (Language, Msg, ConsoleMsg) into HEADER and the texts of
      every key, by language, into TABLES; each is written only when its
      content changes, so that a changed text recompiles its table alone;
      STAMP is touched
  make_texts.py page OUT PAGE_FILES... TEXTS...
      the page's words and help: a script that sets window.MSA_TEXTS; every
      word the page's files (its HTML and scripts) name must be one of the
      texts
  make_texts.py manual OUT TEMPLATE CODE VERSION TEXTS...
      a manual page: TEMPLATE with @PROJECT_VERSION@ and its line @OPTIONS@
      filled in, in the language CODE

TEXTS are the files of every language, the reference (French) first. Every
file must give the keys of the reference, with the same {0} {1}... in each
text; otherwise nothing is written and the status is 1. Python 3's standard
library only.
"""

import html
import json
import re
import sys
import textwrap
from pathlib import Path

# The options each program offers, in the order --help and the manual pages
# give them, and the name of its help among the console texts.
PROGRAMS = {
    "msa": (["lang", "record", "play", "save-dir", "csv", "help", "version"], "UsageWindow"),
    "msa-headless": (["lang", "pictures", "save-dir", "csv", "help", "version"], "UsageHeadless"),
}
SECTIONS = ["language", "screen", "console", "help", "manual", "page", "page help"]
HELP_WIDTH = 79  # --help's lines stay within 80 columns
PLACEHOLDER = re.compile(r"\{[0-9]\}")
KEY = re.compile(r"[A-Za-z][A-Za-z0-9_.-]*")
IDENTIFIER = re.compile(r"[A-Z][A-Za-z0-9]*")
WORD = re.compile(r"[a-z][A-Za-z0-9]*")
ESCAPES = {'"': '"', "\\": "\\", "n": "\n"}


class TextError(Exception):
    pass


class Text:
    def __init__(self, value, line, comments, note):
        self.value = value
        self.line = line
        self.comments = comments  # the comment lines above it, blank ones as ''
        self.note = note          # the comment after it on its line


class Catalogue:
    """One language's file: its sections, each its texts by key, in order."""

    def __init__(self, path):
        self.path = Path(path)
        self.sections = {}
        self._read()
        language = self.sections.get("language", {})
        for key in ("code", "identifier", "name"):
            if key not in language:
                raise TextError(f"{self.path}: [language] gives no {key}")
        self.code = language["code"].value
        self.identifier = language["identifier"].value

    def section(self, name):
        return self.sections.get(name, {})

    def text(self, section, key):
        return self.sections[section][key].value

    def _read(self):
        section = None
        last = None
        comments = []
        for number, raw in enumerate(self.path.read_text(encoding="utf-8").splitlines(), 1):
            where = f"{self.path}:{number}"
            line = raw.strip()
            if not line:
                comments.append("")
                continue
            if line.startswith("#"):
                comments.append(line[1:].strip())
                continue
            if line.startswith("["):
                if not line.endswith("]") or line[1:-1] not in SECTIONS:
                    raise TextError(f"{where}: a section is one of [{'], ['.join(SECTIONS)}]")
                section = line[1:-1]
                if section in self.sections:
                    raise TextError(f"{where}: [{section}] a second time")
                self.sections[section] = {}
                last = None
                comments = []
                continue
            if line.startswith('"'):
                if last is None:
                    raise TextError(f"{where}: a piece of text that follows no key")
                pieces, note = _pieces(line, where)
                last.value += pieces
                if note:
                    last.note = (last.note + " " + note).strip()
                continue
            match = KEY.match(line)
            rest = line[match.end():].lstrip() if match else ""
            if not match or not rest.startswith("="):
                raise TextError(f'{where}: expected key = "text"')
            if section is None:
                raise TextError(f"{where}: a text before any [section]")
            key = match.group(0)
            if key in self.sections[section]:
                raise TextError(f"{where}: {key} a second time in [{section}]")
            value, note = _pieces(rest[1:].lstrip(), where)
            while comments and comments[0] == "":
                comments.pop(0)
            while comments and comments[-1] == "":
                comments.pop()
            last = self.sections[section][key] = Text(value, number, comments, note)
            comments = []


def _pieces(line, where):
    """The quoted pieces of a line put end to end, and the comment after them."""
    value = ""
    i = 0
    pieces = 0
    while i < len(line):
        c = line[i]
        if c.isspace():
            i += 1
        elif c == "#":
            return value, line[i + 1:].strip()
        elif c == '"':
            i += 1
            while True:
                if i >= len(line):
                    raise TextError(f"{where}: a text without its closing quote")
                c = line[i]
                if c == '"':
                    i += 1
                    break
                if c == "\\":
                    if i + 1 >= len(line) or line[i + 1] not in ESCAPES:
                        raise TextError(f'{where}: a backslash is \\", \\\\ or \\n')
                    value += ESCAPES[line[i + 1]]
                    i += 2
                else:
                    value += c
                    i += 1
            pieces += 1
        else:
            raise TextError(f"{where}: unexpected {c!r} outside the quotes")
    if pieces == 0:
        raise TextError(f"{where}: a key without its text")
    return value, ""


def placeholders(text):
    return sorted(set(PLACEHOLDER.findall(text)))


def check(catalogues):
    """Every language gives the reference's keys, with its placeholders."""
    reference = catalogues[0]
    problems = []
    codes = [c.code for c in catalogues]
    identifiers = [c.identifier for c in catalogues]
    if len(set(codes)) != len(codes) or len(set(identifiers)) != len(identifiers):
        problems.append("two languages with the same code or identifier")
    for c in catalogues:
        if not IDENTIFIER.fullmatch(c.identifier):
            problems.append(f"{c.path}: the identifier {c.identifier!r} is not a C++ name")
    for name in SECTIONS:
        for key, text in reference.section(name).items():
            if name in ("screen", "console") and not IDENTIFIER.fullmatch(key):
                problems.append(f"{reference.path}:{text.line}: {key}: a C++ name, first letter a capital")
            if name == "page" and not WORD.fullmatch(key):
                problems.append(f"{reference.path}:{text.line}: {key}: a script's name, letters and digits")
            if name == "page help" and key.startswith("row.") and text.value.count(" | ") != 1:
                problems.append(f"{reference.path}:{text.line}: {key}: the keys, \" | \", what they do")
    for other in catalogues[1:]:
        for name in SECTIONS:
            ours, theirs = reference.section(name), other.section(name)
            for key in ours:
                if key not in theirs:
                    problems.append(f"{other.path}: [{name}] lacks {key} ({reference.path}:{ours[key].line})")
            for key, text in theirs.items():
                if key not in ours:
                    problems.append(f"{other.path}:{text.line}: {key} is not a key of [{name}] in {reference.path}")
                elif name != "language" and placeholders(text.value) != placeholders(ours[key].value):
                    problems.append(f"{other.path}:{text.line}: {key} has {' '.join(placeholders(text.value)) or 'no placeholder'}"
                                    f", {reference.path} {' '.join(placeholders(ours[key].value)) or 'none'}")
                elif name == "page help" and key.startswith("row.") and text.value.count(" | ") != 1:
                    problems.append(f"{other.path}:{text.line}: {key}: the keys, \" | \", what they do")
    for program, (options, _) in PROGRAMS.items():
        for key in [f"{program}.usage"] + [f"option.{o}" for o in options] + [f"option.{o}.does" for o in options]:
            if key not in reference.section("help"):
                problems.append(f"{reference.path}: [help] lacks {key}, which --help of {program} shows")
    for c in catalogues if not problems else []:
        for program in PROGRAMS:
            for line in usage(c, program).split("\n"):
                if len(line) > HELP_WIDTH + 1:
                    problems.append(f"{c.path}: {program} --help has a line of {len(line)} columns: {line}")
    if problems:
        raise TextError("\n".join(problems))


# ------------------------------------------------------------------ --help --

def _joined(text, blank):
    """French puts a blank before : ; ! ? » and after «, where a line must not
    break: those blanks made `blank`."""
    for sign in (" :", " ;", " !", " ?", " »"):
        text = text.replace(sign, blank + sign[1:])
    return text.replace("« ", "«" + blank)


def _wrap(text, width):
    lines = textwrap.wrap(_joined(text, "\u00a0"), width, break_on_hyphens=False, break_long_words=False)
    return [line.replace("\u00a0", " ") for line in lines]


def usage(catalogue, program):
    """What `program --help` prints in the catalogue's language."""
    helps = catalogue.section("help")
    options, _ = PROGRAMS[program]
    text = helps[f"{program}.usage"].value + "\n\n"
    if f"{program}.about" in helps:
        text += "\n".join(_wrap(helps[f"{program}.about"].value, HELP_WIDTH)) + "\n\n"
    column = max(19, 2 + max(len(helps[f"option.{o}"].value) for o in options) + 2)
    for option in options:
        lines = _wrap(helps[f"option.{option}.does"].value, HELP_WIDTH - column)
        text += ("  " + helps[f"option.{option}"].value).ljust(column) + lines[0] + "\n"
        text += "".join(" " * column + line + "\n" for line in lines[1:])
    for after in (f"{program}.keys", f"{program}.script", "guide"):
        if after in helps:
            text += "\n" + helps[after].value
    return text


# --------------------------------------------------------------------- C++ --

def _cpp_string(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"').replace("\n", "\\n") + '"'


def _cpp_comments(text, indent):
    out = [f"{indent}//" + (" " + line if line else "") for line in text.comments]
    return "\n".join(out) + "\n" if out else ""


def _origin(catalogues):
    names = " and ".join(c.path.name for c in catalogues)
    return (f"// Made by src/texts/make_texts.py from src/texts/{names} at build\n"
            "// time: change those, not this file.\n")


def header(catalogues):
    reference = catalogues[0]
    out = [_origin(catalogues), "#pragma once\n\n#include <cstddef>\n#include <string_view>\n\nnamespace msa {\n\n"]
    out.append("// The languages of the dialogue, the reference first: the one every text\n"
               "// is written in first, and the one used when none is chosen.\n")
    out.append("enum class Language { " + ", ".join(c.identifier for c in catalogues) + " };\n")
    out.append(f"inline constexpr std::size_t kLanguageCount = {len(catalogues)};\n")
    out.append("// Their codes (--lang, MSA_LANG, the page's ?lang=), in that order.\n")
    out.append("inline constexpr std::string_view kLanguageCodes[kLanguageCount] = {"
               + ", ".join(_cpp_string(c.code) for c in catalogues) + "};\n\n")
    out.append("// Every text a screen or the window shows, by what it says ([screen]).\n")
    out.append("enum class Msg {\n")
    for key, text in reference.section("screen").items():
        out.append(_cpp_comments(text, "  ") + f"  {key},")
        out.append(f"  // {text.note}\n" if text.note else "\n")
    out.append("  Count  // not a text: the number of keys\n};\n\n")
    out.append("// What the programs print on the console ([console]), and their --help\n"
               "// (the last ones, made of [help]).\n")
    out.append("enum class ConsoleMsg {\n")
    for key, text in reference.section("console").items():
        out.append(_cpp_comments(text, "  ") + f"  {key},")
        out.append(f"  // {text.note}\n" if text.note else "\n")
    for program, (_, key) in PROGRAMS.items():
        out.append(f"  {key},  // {program} --help\n")
    out.append("  Count  // not a text: the number of keys\n};\n\n")
    out.append("// The texts, by language, then key (message_tables.cpp).\n"
               "extern const std::string_view kScreenTexts[kLanguageCount][static_cast<std::size_t>(Msg::Count)];\n"
               "extern const std::string_view kConsoleTexts[kLanguageCount][static_cast<std::size_t>(ConsoleMsg::Count)];\n")
    out.append("\n}  // namespace msa\n")
    return "".join(out)


def tables(catalogues):
    reference = catalogues[0]
    out = [_origin(catalogues), '#include "dialogue/message_keys.hpp"\n\nnamespace msa {\n']
    for table, section in (("kScreenTexts", "screen"), ("kConsoleTexts", "console")):
        kind = "Msg" if section == "screen" else "ConsoleMsg"
        out.append(f"\nconst std::string_view {table}[kLanguageCount][static_cast<std::size_t>({kind}::Count)] = {{\n")
        for c in catalogues:
            out.append(f"    {{\n        // {c.identifier}\n")
            for key in reference.section(section):
                out.append(f"        {_cpp_string(c.text(section, key))},  // {key}\n")
            if section == "console":
                for program in PROGRAMS:
                    out.append(f"        {_cpp_string(usage(c, program))},\n")
            out.append("    },\n")
        out.append("};\n")
    out.append("\n}  // namespace msa\n")
    return "".join(out)


# -------------------------------------------------------------------- page --

def help_html(catalogue):
    def marked(text):
        return re.sub(r"\[([^\]]+)\]", r"<kbd>\1</kbd>", html.escape(text, quote=False))

    helps = catalogue.section("page help")
    rows = "".join("<tr>" + "".join(f"<td>{marked(cell)}</td>" for cell in text.value.split(" | ")) + "</tr>"
                   for key, text in helps.items() if key.startswith("row."))
    title, address, rest = helps["guide"].value.split(" | ")
    guide = (f'<a href="{html.escape(address)}" target="_blank" rel="noopener">{html.escape(title)}</a> '
             f"{marked(rest)}")
    return f"<p>{marked(helps['intro'].value)}</p><p>{guide}</p><table>{rows}</table>"


def page_words_used(catalogues, files):
    """Every word the page's files name (data-text="key",
    data-aria-label="key", WORDS.key) is a key of [page]."""
    words = catalogues[0].section("page")
    uses = re.compile(r'data-text="([^"]*)"|data-aria-label="([^"]*)"|\bWORDS\.(\w+)')
    problems = []
    for name in files:
        for number, line in enumerate(Path(name).read_text(encoding="utf-8").splitlines(), 1):
            for match in uses.finditer(line):
                key = next(group for group in match.groups() if group is not None)
                if key not in words:
                    problems.append(f"{name}:{number}: {key} is not a word of [page] in {catalogues[0].path}")
    if problems:
        raise TextError("\n".join(problems))


def page(catalogues):
    reference = catalogues[0]
    languages = {}
    for c in catalogues:
        languages[c.code] = {
            "name": c.text("language", "name"),
            "words": {key: c.text("page", key) for key in reference.section("page")},
            "help": help_html(c),
        }
    return (_origin(catalogues) +
            "// The page's words and help in every language, the reference first:\n"
            "// window.MSA_TEXTS[code] = { name, words: { key: text }, help: html }.\n"
            "'use strict';\n"
            "window.MSA_TEXTS = " + json.dumps(languages, ensure_ascii=True, indent=1) + ";\n")


# ------------------------------------------------------------------ manual --

def _roff(text, value):
    """Running text as roff: options' hyphens as \\-, the value in italics."""
    text = text.replace("\\", "\\e")
    text = re.sub(r"(?<![\w-])(--?[A-Za-z][\w-]*|msa-headless)", lambda m: m.group(0).replace("-", "\\-"), text)
    if value:
        text = re.sub(rf"\b{re.escape(value)}\b", lambda m: f"\\fI{value.lower()}\\fP", text)
    text = _joined(text, "\\~")
    # One sentence a line, none beginning with a roff control character.
    lines = re.split(r"(?<=[.:;]) (?=[A-Z{\u00c0-\u00dd])", text)
    return "\n".join("\\&" + line if line[:1] in (".", "'") else line for line in lines)


def manual_options(catalogue, program):
    helps, additions = catalogue.section("help"), catalogue.section("manual")
    out = []
    for option in PROGRAMS[program][0]:
        written = helps[f"option.{option}"].value.split(" ")
        value = written[1] if len(written) == 2 and not written[0].endswith(",") else None
        names = [w.rstrip(",").replace("-", "\\-") for w in (written[:1] if value else written)]
        out.append(".TP")
        if value:
            out.append(f'.BI {names[0]} " {value.lower()}"')
        elif len(names) > 1:
            out.append(".BR " + ' ", " '.join(names))
        else:
            out.append(".B " + names[0])
        does = helps[f"option.{option}.does"].value
        text = does[:1].upper() + does[1:] + "."
        addition = additions.get(f"{program}.{option}") or additions.get(option)
        if addition:
            text += " " + addition.value
        out.append(_roff(text, value))
    return "\n".join(out)


def manual(template, code, version, catalogues):
    chosen = [c for c in catalogues if c.code == code]
    if not chosen:
        raise TextError(f"no texts in the language {code}")
    program = Path(template).name.split(".")[0]
    if program not in PROGRAMS:
        raise TextError(f"{template}: a manual page of {' or '.join(PROGRAMS)}")
    source = Path(template).read_text(encoding="utf-8")
    if source.count("\n@OPTIONS@\n") != 1:
        raise TextError(f"{template}: no line @OPTIONS@ where the options go")
    options = manual_options(chosen[0], program)
    return source.replace("@PROJECT_VERSION@", version).replace("\n@OPTIONS@\n", "\n" + options + "\n")


# -------------------------------------------------------------------------- --

def write(path, content, if_changed=False):
    path = Path(path)
    if if_changed and path.exists() and path.read_text(encoding="utf-8") == content:
        return
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_text(content, encoding="utf-8", newline="\n")


def main(argv):
    modes = {"code": 2, "page": 1, "manual": 3}
    if len(argv) < 3 or argv[0] not in modes or len(argv) < 3 + modes[argv[0]]:
        sys.stderr.write(__doc__)
        return 2
    mode, out, rest = argv[0], argv[1], argv[2:]
    # The page names as many files as it has; the texts end in .texts.
    given = len([a for a in rest if not a.endswith(".texts")]) if mode == "page" else modes[mode]
    extra, files = rest[:given], rest[given:]
    try:
        catalogues = [Catalogue(f) for f in files]
        check(catalogues)
        if mode == "code":
            write(extra[0], header(catalogues), if_changed=True)
            write(extra[1], tables(catalogues), if_changed=True)
            Path(out).touch()
        elif mode == "page":
            page_words_used(catalogues, extra)
            write(out, page(catalogues))
        else:
            write(out, manual(extra[0], extra[1], extra[2], catalogues))
    except (TextError, OSError) as error:
        sys.stderr.write(f"{error}\n")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
