#!/usr/bin/env bash
# Runs msa-headless on every key script of keys/ and writes, for each one,
# NAME.transcript (the text screens) and NAME.pictures (a hash of the picture
# at every awaited answer line) into the folder given. A script named
# NAME.LANG.keys (menu_e.en.keys) runs with --lang LANG.
set -euo pipefail
headless="$1" out="$2"
here="$(cd "$(dirname "$0")" && pwd)"
mkdir -p "$out"
pictures="$(mktemp -d)"
trap 'rm -rf "$pictures"' EXIT
for keys in "$here"/keys/*.keys; do
  name="$(basename "$keys" .keys)"
  rm -f "$pictures"/*
  lang=()
  case "$name" in *.*) lang=(--lang "${name##*.}") ;; esac
  status=0
  "$headless" "${lang[@]}" --pictures "$pictures" < "$keys" > "$out/$name.transcript" || status=$?
  echo "=== status $status" >> "$out/$name.transcript"
  (cd "$pictures" && ls | sort -t- -k2 -n | xargs -r sha256sum) > "$out/$name.pictures"
done
