#!/usr/bin/env bash
# Checks the browser build (tools/web/build.sh, run first):
#  - msa-headless.js under node: every golden key script gives the desktop's
#    transcripts and pictures, byte for byte (tests/golden/check.sh);
#  - the page in Debian's chromium, headless, driven by puppeteer-core
#    (tools/web/check-page.mjs): served from 127.0.0.1 and opened from
#    file://, the canvas against msa-headless's pictures; an emulated tablet
#    and phone typing through the touch field and the key row; Escape during
#    a long run and its replay; editing keys; #play= links good, bad and
#    1 MB long; the address across a reload and the language link; the
#    clipboard; Ctrl+S's downloads against the desktop's saves; axe-core;
#    the page offline through its service worker; the times it measures are
#    printed last (JSON).
#
# Usage: tools/web/check.sh [--screenshot FILE] [BUILD_DIR]
#   BUILD_DIR defaults to build-web; the screenshot of the page showing the
#   default diagram to BUILD_DIR/web-page.png.
#   The desktop's saves come from build/msa-headless when it is built, else
#   from msa-headless.js.
set -euo pipefail
cd "$(dirname "$0")/../.."
source tools/packages.sh
install_web_packages
screenshot=""
if [ "${1:-}" = "--screenshot" ]; then screenshot="$(realpath -m "$2")"; shift 2; fi
dir="$(realpath -m "${1:-build-web}")"
[ -n "$screenshot" ] || screenshot="$dir/web-page.png"
fail() { echo "web check: FAIL: $*" >&2; exit 1; }

page="$(bash tools/web/build.sh "$dir" | tail -n 1)"
headless="$dir/msa/msa-headless.js"
[ -f "$page/msa.js" ] && [ -f "$headless" ] || fail "tools/web/build.sh made no page or msa-headless.js"
# The HTML manual the page's help links, in both languages.
for lang in en fr; do
  grep -q "manual/guide.$lang.html" "$page/msa-texts.js" && [ -s "$page/manual/guide.$lang.html" ] ||
    fail "the page's help does not lead to manual/guide.$lang.html"
done

# puppeteer-core and axe-core as the lock file pins them, installed again
# only when the lock file changed; puppeteer drives the system's chromium, it
# downloads none; axe-core is injected into the page by the check alone.
if [ ! -f tools/web/node_modules/.package-lock.json ] ||
  [ tools/web/package-lock.json -nt tools/web/node_modules/.package-lock.json ]; then
  (cd tools/web && npm ci --no-audit --no-fund --loglevel=error >/dev/null)
fi

start=$SECONDS
runner="$(mktemp)"
trap 'rm -f "$runner"' EXIT
printf '#!/bin/sh\nexec node "%s" "$@"\n' "$headless" >"$runner"
chmod +x "$runner"
bash tests/golden/check.sh "$runner" | sed 's/^/web check: node: /'
echo "web check: golden corpus under node ($((SECONDS - start)) s)"

start=$SECONDS
reference="$headless"
[ -x build/msa-headless ] && reference="$(realpath build/msa-headless)"
timeout 900 node tools/web/check-page.mjs "$page" "$headless" "$reference" "$screenshot"
echo "web check: the page in chromium ($((SECONDS - start)) s)"
