#!/usr/bin/env bash
# The golden end-to-end test: every key script must give exactly the screens
# and pictures recorded in expected/. A difference is printed as a diff.
set -euo pipefail
headless="$1"
here="$(cd "$(dirname "$0")" && pwd)"
actual="$(mktemp -d)"
trap 'rm -rf "$actual"' EXIT
bash "$here/record.sh" "$headless" "$actual"
if diff -r -u "$here/expected" "$actual" > "$actual.diff"; then
  echo "golden: $(ls "$here"/keys/*.keys | wc -l) key scripts unchanged"
else
  head -200 "$actual.diff"
  echo "golden: screens or pictures differ (tools/update_golden.sh records them on purpose)"
  rm -f "$actual.diff"
  exit 1
fi
rm -f "$actual.diff"
