#!/usr/bin/env bash
# Every option that a program's --help gives is in its manual pages, English
# and French (written in roff, where a hyphen is \-).
# Usage: man_pages.sh SOURCE_DIR PROGRAM...
set -euo pipefail
source_dir=${1:?usage: man_pages.sh SOURCE_DIR PROGRAM...}
shift
missing=0
for program in "$@"; do
  name=$(basename "$program" .exe)
  options=$("$program" --help | grep -oE -- '(^|[][ ,|])--?[a-z][a-z-]*' | grep -oE -- '--?[a-z][a-z-]*' | sort -u)
  [[ -n $options ]] || { echo "man_pages: $program --help names no option" >&2; exit 1; }
  for page in "$source_dir/packaging/man/$name.1.in" "$source_dir/packaging/man/fr/$name.1.in"; do
    for option in $options; do
      grep -qF -- "${option//-/\\-}" "$page" || { echo "man_pages: ${page#"$source_dir"/} lacks $option" >&2; missing=1; }
    done
  done
done
exit "$missing"
