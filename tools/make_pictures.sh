#!/usr/bin/env bash
# Regenerates the README pictures from msa-headless: the excitation study's
# results, the first main menu and the default transient diagram, in French
# and in English.
# Usage: tools/make_pictures.sh [path/to/msa-headless]
set -euo pipefail
cd "$(dirname "$0")/.."
headless="${1:-build/msa-headless}"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
mkdir -p docs

# Start-up with every default: title, ten prompts, pause, five prompts, three
# pauses and the iteration choice; read 21 is the results, read 22 the menu.
startup=$(printf '%.0s\\n' $(seq 21))
# Menu S with every default: fourteen answers, then the final wait (read 37).
# The French dialogue gives NAME.png, the English one NAME-en.png.
for lang in fr en; do
  suffix=""
  [ "$lang" = fr ] || suffix="-$lang"
  rm -f "$scratch"/*
  printf "${startup}s\\n$(printf '%.0s\\n' $(seq 14))" |
    "$headless" --lang "$lang" --pictures "$scratch" >/dev/null || true
  python3 tools/pgm_to_png.py "$scratch/read-21.pgm" "docs/excitation-results$suffix.png"
  python3 tools/pgm_to_png.py "$scratch/read-22.pgm" "docs/main-menu$suffix.png"
  python3 tools/pgm_to_png.py "$scratch/read-37.pgm" "docs/transient-diagram$suffix.png"
  echo "docs/excitation-results$suffix.png docs/main-menu$suffix.png docs/transient-diagram$suffix.png"
done
