#!/usr/bin/env bash
# Checks the Windows zip under Wine:
#  - msa-headless.exe answers every key script with the transcript, the exit
#    status and the PGM pictures of the Linux msa-headless, byte for byte;
#  - msa.exe --version answers; the HTML manual is in manual/;
#  - msa.exe opens its window on a virtual X server, shows at answer line 5
#    the picture msa-headless draws, and ends with status 0 after menu F.
# A differing transcript is shown from its first differing line.
#
# Usage: tools/windows/check.sh [--zip ZIP] [--reference MSA_HEADLESS] [KEYS_FILE_OR_FOLDER...]
#   defaults: dist/msa-*-windows-x64.zip, build/msa-headless, and the key
#   scripts of fuzz/corpus/program, tools/windows/keys (bytes that a text-mode
#   stream would change: CR LF, Ctrl+Z, UTF-8) and tests/golden (where it exists).
set -Eeuo pipefail
cd "$(dirname "$0")/../.."
source tools/packages.sh
source tools/headless_compare.sh
# Wine's X11 driver loads the X extension libraries it finds; they are only
# recommended by Wine's packages, and so named here.
install_packages wine wine64 xvfb xdotool x11-apps python3 unzip \
  libxrender1 libxrandr2 libxcursor1 libxi6 libxcomposite1 libxinerama1

zip="" reference=build/msa-headless sources=()
while [ $# -gt 0 ]; do
  case "$1" in
    --zip) zip="$2"; shift 2 ;;
    --reference) reference="$2"; shift 2 ;;
    *) sources+=("$1"); shift ;;
  esac
done
[ -n "$zip" ] || zip="$(ls dist/msa-*-windows-x64.zip | tail -n 1)"
defaults=false
[ ${#sources[@]} -gt 0 ] || { sources=(fuzz/corpus/program tools/windows/keys tests/golden); defaults=true; }
fail() { echo "windows check: FAIL: $*" >&2; exit 1; }
[ -x "$reference" ] || fail "no $reference to compare with: build it first"
collect_key_scripts "windows check" $defaults "${sources[@]}" || exit 1

reference="$(realpath "$reference")"
here="$PWD"
work="$(mktemp -d)"
XVFB_PID="" MSA_PID=""
export WINEPREFIX="$here/build-windows/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
cleanup() {
  local pid
  for pid in "$MSA_PID" "$XVFB_PID"; do
    if [ -n "$pid" ] && kill "$pid" 2>/dev/null; then wait "$pid" 2>/dev/null || true; fi
  done
  wineserver -k 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
unzip -q "$zip" -d "$work"
cd "$work"/msa-*-windows-x64
# The HTML manual that --help names, beside the programs.
[ -s manual/guide.en.html ] && [ -s manual/guide.fr.html ] || fail "the zip holds no manual/ (was pandoc there at build time?)"
mkdir -p "$WINEPREFIX"
start=$SECONDS
# Every Wine program, the headless one too, shares one Wine desktop, and that
# must know the X server from its start.
Xvfb -displayfd 3 -screen 0 1600x900x24 -nolisten tcp 3>display 2>xvfb.log &
XVFB_PID=$!
for _ in $(seq 100); do
  [ -s display ] && break
  sleep 0.1
done
[ -s display ] || fail "Xvfb did not start: $(cat xvfb.log)"
export DISPLAY=":$(head -n 1 display)"
wineboot -i >/dev/null 2>&1 || true
echo "windows check: Wine ready ($((SECONDS - start)) s)"

# ------------------------------------------------------------ msa-headless --
start=$SECONDS
run_windows() { wine msa-headless.exe --pictures "$@"; }
compare_with_reference "windows check" "$reference" run_windows "${keys[@]}" || exit 1
echo "windows check: msa-headless.exe: ${#keys[@]} key scripts as on Linux ($((SECONDS - start)) s)"

# --------------------------------------------------------------------- msa --
version="$(wine msa.exe --version 2>/dev/null | tr -d '\r')"
[ "$version" = "$("$reference" --version | sed 's/^msa-headless/msa/')" ] ||
  fail "msa.exe --version answers '$version'"

start=$SECONDS

# Line 5 is the fourth prompt, after the title pause and three Enters.
mkdir -p expected
printf '\n\n\n\n' | "$reference" --pictures expected >/dev/null 2>&1 || true
SDL_AUDIODRIVER=dummy wine msa.exe >msa.log 2>&1 &
MSA_PID=$!
window="$(timeout 60 xdotool search --sync --onlyvisible --name '^msa - ' | awk 'NR == 1')" ||
  fail "no msa.exe window appeared under Wine: $(tail -n 5 msa.log)"
xdotool windowfocus --sync "$window"
xdotool key --delay 50 Return Return Return Return
shown=false
for _ in $(seq 100); do
  if xwd -silent -id "$window" >window.xwd &&
    python3 "$here/tests/compare_window.py" window.xwd expected/read-5.pgm 2>compare.log; then
    shown=true
    break
  fi
  sleep 0.2
done
$shown || fail "the msa.exe window does not show the picture of answer line 5: $(cat compare.log)"

# On to the main menu (answer line 22) with Enter, then F.
for _ in $(seq 17); do xdotool key --delay 30 Return; done
xdotool type --delay 50 f
xdotool key Return
status=0
for _ in $(seq 150); do
  kill -0 "$MSA_PID" 2>/dev/null || break
  sleep 0.1
done
wait "$MSA_PID" || status=$?
MSA_PID=""
[ "$status" -eq 0 ] || fail "msa.exe ended with status $status after menu F: $(tail -n 5 msa.log)"
echo "windows check: msa.exe: window as msa-headless's picture, menu F ends it ($((SECONDS - start)) s)"
