"""The session's language: the words of stop messages, notices and plot labels.

French unless MSA_LANG says "en" (as the program reads it) or set_language()
chooses; numbers are printed alike in both.
"""
import os
import warnings

_LANGUAGES = ("fr", "en")
_current = "fr"


def set_language(code):
    """Choose the language of the texts msa gives from now on: "fr" or "en"."""
    global _current
    if code not in _LANGUAGES:
        raise ValueError(f"language: 'fr' or 'en', not {code!r}")
    _current = code


def language():
    """The language code of the session: "fr" or "en"."""
    return _current


def _from_environment():
    code = os.environ.get("MSA_LANG", "")
    if not code:
        return
    if code in _LANGUAGES:
        set_language(code)
    else:
        warnings.warn(f"MSA_LANG: unknown language {code!r} (fr or en); French is used", RuntimeWarning, stacklevel=3)


_from_environment()
