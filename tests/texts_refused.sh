#!/usr/bin/env bash
# The build refuses a language whose file lacks a key of the reference or
# gives a text other placeholders, and says which, writing nothing.
# Usage: texts_refused.sh PYTHON SOURCE_DIR
set -euo pipefail
python=${1:?usage: texts_refused.sh PYTHON SOURCE_DIR}
texts=${2:?usage: texts_refused.sh PYTHON SOURCE_DIR}/src/texts
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# StopRequested left out, {1} in Saved where French has {0}.
grep -v '^StopRequested = ' "$texts/en.texts" | sed 's/^Saved = "saved: {0}"/Saved = "saved: {1}"/' >"$work/en.texts"
status=0
page=$2/src/frontends/web/page
"$python" "$texts/make_texts.py" page "$work/texts.js" "$page/index.html" "$page/msa-page.js" \
  "$texts/fr.texts" "$work/en.texts" 2>"$work/err" || status=$?
[[ $status -eq 1 && ! -e $work/texts.js ]] || { echo "texts_refused: taken, status $status" >&2; exit 1; }
grep -q 'lacks StopRequested' "$work/err" && grep -q 'Saved has {1}' "$work/err" ||
  { echo "texts_refused: not told:" >&2; cat "$work/err" >&2; exit 1; }
