#!/usr/bin/env bash
# Every option that a program's --help gives is in its manual pages, English
# and French, each against --help in its language (written in roff, where a
# hyphen is \-).
# Usage: man_pages.sh MAN_DIR PROGRAM...   (MAN_DIR: NAME.1 and fr/NAME.1)
set -euo pipefail
man_dir=${1:?usage: man_pages.sh MAN_DIR PROGRAM...}
shift
missing=0
for program in "$@"; do
  name=$(basename "$program" .exe)
  for language in en fr; do
    page="$man_dir/$name.1"
    [[ $language == en ]] || page="$man_dir/$language/$name.1"
    options=$("$program" --lang "$language" --help | grep -oE -- '(^|[][ ,|])--?[a-z][a-z-]*' |
      grep -oE -- '--?[a-z][a-z-]*' | sort -u)
    [[ -n $options ]] || { echo "man_pages: $program --lang $language --help names no option" >&2; exit 1; }
    for option in $options; do
      grep -qF -- "${option//-/\\-}" "$page" || { echo "man_pages: $page lacks $option" >&2; missing=1; }
    done
  done
done
exit "$missing"
