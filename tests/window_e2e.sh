#!/usr/bin/env bash
# End-to-end check of the real window: runs msa on a virtual X server, types
# the dialogue with xdotool up to menu F, and checks that
#  - what the window shows at one answer line is, pixel for pixel, the picture
#    msa-headless draws for the same keys (palette, scaling, no filtering),
#  - typed characters and the editing keys arrive as msa-headless's keys do,
#  - Ctrl+C copies the text screen (and says so in the title), Ctrl+V pastes the clipboard's first
#    line, its accented letters and signs as their code page 437 codes,
#  - Delete at the end of an answer (a beep) neither blocks nor crashes, with
#    or without an audio device,
#  - menu F, and a termination request while waiting for a key, end msa with
#    status 0,
#  - full screen on and off, with F11 and with Alt+Enter (no window manager
#    here, as on a bare X server), shows the whole picture each time,
#  - the keys --record writes, Ctrl+S included, give msa-headless the same
#    screens, and its save the same PNG; --play types them again and hands
#    the keyboard back, recording going on,
#  - Escape, Pause and Ctrl+Break stop a running simulation (the report on
#    row 4), and the record replays each run to the step it stopped at,
#  - without a display, or with one named that is not there, msa ends at
#    once with status 1 and one line that says which.
# Needs: Xvfb (xvfb), xdotool, xwd (x11-apps), xclip, python3.
#
# Only ASCII is typed: xdotool types other characters by binding them to a
# spare key for a moment, and a busy client that reads the key after it was
# unbound gets another character or none. The French letters and signs come
# through the clipboard, which msa turns into keys like typed text.
#
# Usage: window_e2e.sh PATH_OF_MSA PATH_OF_MSA_HEADLESS
set -Eeuo pipefail

# What the program asks between the data-entry pause and the first main menu:
# the excitation study. Its five prompts (xhi, Udc, Idc, speed, mu), the
# pauses after the firing angle and after the first estimate, the choice of
# iterating in one go and the final pause are all answered with Enter, which
# keeps the defaults. Adjust this when the study asks for more or less.
KEYS_TO_MENU="{ENTER}{ENTER}{ENTER}{ENTER}{ENTER}{ENTER}{ENTER}{ENTER}{ENTER}"

# The clipboard content for the paste; only its first line may be typed.
PASTE_TEXT=$',collé éàêèôû °² 0.5\nsecond line, never typed'

# The dialogue, one step per element: keys in the key-script notation of
# msa-headless, or an action: @paste (Ctrl+V), @copy (Ctrl+C, then the
# clipboard must hold the text screen), @picture (the window must show the
# headless picture), @F11 or @alt+Return (full screen on or off: the window
# must then cover the screen, or be back where it was), @save (Ctrl+S). An action applies to
# the answer line being read, counted by the {ENTER}s sent before it. Every
# answer starting with a comma has an empty first field, so the shown value
# stays and later screens do not change.
STEPS=(
  "{ENTER}"                        # read 1: title pause
  "{DEL}{ENTER}"                   # read 2: ldc; Delete at the end beeps
  "9,abc{HOME}{DEL}{END}{BS}{LEFT}Z{TAB}{ENTER}"  # read 3: rdc; editing keys
  "@paste" "{ENTER}"               # read 4: p
  "@picture" "@copy" "{ENTER}"     # read 5: r
  "@copy" "@F11" "@picture" "@F11" "@picture"    # read 6: lc; a Ctrl+C that typed a 'c' shows here
  "@alt+Return" "@picture" "@alt+Return" "@picture" "@save" "{ENTER}"
  "{ENTER}{ENTER}{ENTER}{ENTER}{ENTER}"  # reads 7-11: M, Lr, rA, romegam, J
  "{ENTER}"                        # read 12: data-entry pause
  "$KEYS_TO_MENU"
  "f{ENTER}"                       # main menu: F ends the program
)

# The virtual screen: a window of 2 x 640 by 2 x 350 fits, and full screen
# leaves black bands above and below the picture.
SCREEN_SIZE=1280x1024

MSA=${1:?usage: window_e2e.sh MSA MSA_HEADLESS}
HEADLESS=${2:?usage: window_e2e.sh MSA MSA_HEADLESS}
export LC_ALL=C.UTF-8
unset WAYLAND_DISPLAY
export SDL_VIDEODRIVER=x11

fail() {
  echo "window_e2e: FAIL: $*" >&2
  echo "window_e2e: files kept in $WORK" >&2
  exit 1
}

for tool in Xvfb xdotool xwd xclip python3; do
  command -v "$tool" >/dev/null ||
    { echo "window_e2e: FAIL: $tool not found (apt-get install xvfb xdotool x11-apps xclip python3)" >&2; exit 1; }
done

WORK=$(mktemp -d "${TMPDIR:-/tmp}/window_e2e.XXXXXX")
XVFB_PID=""
MSA_PID=""
cleanup() {
  trap - ERR
  local pid
  for pid in "$MSA_PID" "$XVFB_PID"; do
    if [[ -n $pid ]] && kill "$pid" 2>/dev/null; then wait "$pid" 2>/dev/null || true; fi
  done
}
trap cleanup EXIT
trap 'echo "window_e2e: FAIL: line $LINENO: $BASH_COMMAND failed; files kept in $WORK" >&2' ERR

# ---------------------------------------------------------------- expected --
# The same dialogue through msa-headless: its transcript and pictures.
headless_script=""
for step in "${STEPS[@]}"; do
  case $step in
    @paste) headless_script+=${PASTE_TEXT%%$'\n'*} ;;
    @*) ;;
    *) headless_script+=$step ;;
  esac
done
mkdir "$WORK/expected"
status=0
printf '%s' "$headless_script" | "$HEADLESS" --pictures "$WORK/expected" >"$WORK/transcript" || status=$?
if [[ $status -ne 0 ]] || [[ $(tail -n 1 "$WORK/transcript") != "=== exit 0" ]]; then
  tail -n 30 "$WORK/transcript" >&2
  fail "msa-headless does not reach menu F with these keys (status $status): adjust KEYS_TO_MENU"
fi

# The 25 rows of the text screen at answer line N, as msa-headless saw them.
expected_text() {
  local line
  line=$(grep -n -x "=== read $1" "$WORK/transcript" | cut -d: -f1 || true)
  [[ -n $line ]] || fail "msa-headless never read answer line $1"
  sed -n "$((line + 1)),$((line + 25))p" "$WORK/transcript"
}

# ----------------------------------------------------------------- X server --
Xvfb -displayfd 3 -screen 0 ${SCREEN_SIZE}x24 -nolisten tcp 3>"$WORK/display" 2>"$WORK/xvfb.log" &
XVFB_PID=$!
for _ in $(seq 100); do
  [[ -s $WORK/display ]] && break
  kill -0 "$XVFB_PID" 2>/dev/null || fail "Xvfb did not start: $(cat "$WORK/xvfb.log")"
  sleep 0.1
done
[[ -s $WORK/display ]] || fail "Xvfb gave no display number"
export DISPLAY=":$(head -n 1 "$WORK/display")"

# ------------------------------------------------------------------- typing --
declare -A XKEY=([BS]=BackSpace [DEL]=Delete [LEFT]=Left [RIGHT]=Right [UP]=Up [DOWN]=Down
  [HOME]=Home [END]=End [TAB]=Tab [ESC]=Escape [ENTER]=Return)

# Types keys written in the key-script notation.
send_keys() {
  local rest=$1 text=""
  while [[ -n $rest ]]; do
    if [[ $rest == "{{"* ]]; then
      text+="{"
      rest=${rest:2}
    elif [[ $rest =~ ^\{(BS|DEL|LEFT|RIGHT|UP|DOWN|HOME|END|TAB|ESC|ENTER)\} ]]; then
      [[ -n $text ]] && xdotool type --delay 20 -- "$text"
      text=""
      xdotool key --delay 20 "${XKEY[${BASH_REMATCH[1]}]}"
      rest=${rest:${#BASH_REMATCH[0]}}
    elif [[ ${rest:0:1} == [[:ascii:]] ]]; then
      text+=${rest:0:1}
      rest=${rest:1}
    else
      fail "only ASCII can be typed reliably, not ${rest:0:1}: paste it instead"
    fi
  done
  [[ -n $text ]] && xdotool type --delay 20 -- "$text"
  return 0
}

# Runs a check until it succeeds, since msa may still be handling the keys
# typed before it (on a busy machine, for long); false after about a minute.
eventually() {
  local deadline=$((SECONDS + 60))
  while ((SECONDS < deadline)); do
    "$@" && return 0
    kill -0 "$MSA_PID" 2>/dev/null || fail "msa ended early ($(cat "$WORK/msa.err"))"
    sleep 0.1
  done
  return 1
}

# Starts msa with the given audio driver and waits for its window.
# In a sanitizer build, leak checking stays off for msa: the system's D-Bus
# library that SDL uses keeps memory to the end, which is not msa's doing.
start_msa() {
  local audio=$1
  shift
  SDL_AUDIODRIVER=$audio ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
    "$MSA" "$@" >"$WORK/msa.out" 2>"$WORK/msa.err" &
  MSA_PID=$!
  # (awk, not head: an early exit would break the pipe and fail the pipeline)
  WINDOW=$(timeout 60 xdotool search --sync --onlyvisible --pid "$MSA_PID" | awk 'NR == 1') ||
    fail "no msa window appeared: $(cat "$WORK/msa.err")"
  xdotool windowfocus --sync "$WINDOW"
}

# Waits for msa to end and checks its exit status.
expect_exit_zero() {
  local status=0
  for _ in $(seq 150); do
    kill -0 "$MSA_PID" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$MSA_PID" 2>/dev/null && fail "msa did not end: $1"
  wait "$MSA_PID" || status=$?
  MSA_PID=""
  [[ $status -eq 0 ]] || fail "msa ended with status $status: $1 ($(cat "$WORK/msa.err"))"
}

# ------------------------------------------------------------------- checks --
# Compares an X window dump (XWD, true colour) with a PGM of colour indexes:
# the picture must fill a whole-factor rectangle centred in the window, every
# screen pixel of a picture pixel in that pixel's palette colour, and the
# border black.
compare_picture() {
  python3 "$(dirname "$0")/compare_window.py" "$1" "$2"
}

picture_matches() {
  xwd -silent -id "$WINDOW" >"$WORK/window-$1.xwd" &&
    compare_picture "$WORK/window-$1.xwd" "$WORK/expected/read-$1.pgm" 2>"$WORK/picture-$1.log"
}

window_size() { xdotool getwindowgeometry "$WINDOW" | awk '/Geometry:/ { print $2 }'; }
window_size_is() { [[ $(window_size) == "$1" ]]; }

title_says() { [[ $(xdotool getwindowname "$WINDOW") == *"$1"* ]]; }

clipboard_holds() { [[ $(xclip -selection clipboard -o 2>/dev/null) == "$1" ]]; }

clipboard_matches() {
  xclip -selection clipboard -o >"$WORK/clipboard-$1.txt" 2>/dev/null &&
    cmp -s "$WORK/clipboard-$1.txt" "$WORK/expected-$1.txt"
}

# ---------------------------------------------------------------- dialogue --
mkdir "$WORK/saves" "$WORK/headless-saves"
start_msa dummy --record "$WORK/session.keys" --save-dir "$WORK/saves"
WINDOWED_SIZE=$(window_size)
enters=0
for step in "${STEPS[@]}"; do
  read_number=$((enters + 1))
  case $step in
    @paste)
      printf '%s' "$PASTE_TEXT" | xclip -selection clipboard -i 2>/dev/null
      # (xclip serves the clipboard from a process of its own: wait for it)
      eventually clipboard_holds "$PASTE_TEXT" || fail "xclip does not serve the clipboard"
      xdotool key ctrl+v
      ;;
    @copy)
      expected_text "$read_number" >"$WORK/expected-$read_number.txt"
      xdotool key ctrl+c
      eventually clipboard_matches "$read_number" ||
        fail "the clipboard does not hold the text screen of answer line $read_number:" \
          "$(diff "$WORK/expected-$read_number.txt" "$WORK/clipboard-$read_number.txt")"
      eventually title_says "écran copié" || fail "the title does not tell the copy: $(xdotool getwindowname "$WINDOW")"
      ;;
    @F11 | @alt+Return)
      if [[ $(window_size) == "$SCREEN_SIZE" ]]; then want=$WINDOWED_SIZE; else want=$SCREEN_SIZE; fi
      xdotool key "${step#@}"
      eventually window_size_is "$want" || fail "after ${step#@} the window is $(window_size), not $want"
      ;;
    @save) xdotool key ctrl+s ;;
    @picture)
      eventually picture_matches "$read_number" ||
        fail "the window does not show the picture of answer line $read_number:" \
          "$(cat "$WORK/picture-$read_number.log")"
      ;;
    *)
      send_keys "$step"
      marks=${step//"{ENTER}"/$'\n'}
      marks=${marks//[!$'\n']/}
      enters=$((enters + ${#marks}))
      ;;
  esac
done
expect_exit_zero "after menu F"

# ------------------------------------------------------- record and replay --
# The recorded keys give msa-headless the same screens, and its save at the
# same moment the same picture file.
"$HEADLESS" --save-dir "$WORK/headless-saves" <"$WORK/session.keys" >"$WORK/replayed" ||
  fail "msa-headless does not end the recorded session with status 0"
cmp -s "$WORK/transcript" "$WORK/replayed" ||
  fail "the recorded keys give other screens: $(diff "$WORK/transcript" "$WORK/replayed" | head -20)"
window_saves=("$WORK"/saves/msa-*.png)
headless_saves=("$WORK"/headless-saves/msa-*.png)
[[ ${#window_saves[@]} -eq 1 && -f ${window_saves[0]} && ${#headless_saves[@]} -eq 1 ]] ||
  fail "one saved picture each expected: ${window_saves[*]} / ${headless_saves[*]}"
cmp -s "${window_saves[0]}" "${headless_saves[0]}" || fail "the window saved another picture than msa-headless"

# Played back without its last answer (menu F), then F typed: the record of
# the replay is the session again.
last_read=$(grep -c '^=== read ' "$WORK/transcript")
[[ $(tail -c 2 "$WORK/session.keys" | tr '\n' N) == fN ]] || fail "the session does not end with f and Enter"
head -c -2 "$WORK/session.keys" >"$WORK/played.keys"
start_msa dummy --play "$WORK/played.keys" --record "$WORK/replay.keys" --save-dir "$WORK/saves"
eventually picture_matches "$last_read" ||
  fail "the played keys do not lead to the last menu: $(cat "$WORK/picture-$last_read.log")"
send_keys "f{ENTER}"
expect_exit_zero "after the played keys and menu F"
cmp -s "$WORK/session.keys" "$WORK/replay.keys" ||
  fail "recording during a replay gives another session: $(diff "$WORK/session.keys" "$WORK/replay.keys" | head)"

# ------------------------------------------------------ stop a simulation --
# Transients of 32.5 million steps of 0.1 µs, each stopped by one of the stop
# keys once the window shows it running: Escape, Pause, Ctrl+Break.
RUN_SET_UP="s{ENTER}$(printf '{ENTER}%.0s' $(seq 11))"
{
  printf '%.0s\n' $(seq 21)
  printf 's\n'
  printf '%.0s\n' $(seq 11)
  printf '0.0000001\n\n\n'
} >"$WORK/long-run.keys"
# The text screen as Ctrl+C copies it (Ctrl+C is handled during a run too).
screen_row() {
  xdotool key ctrl+c
  xclip -selection clipboard -o 2>/dev/null | sed -n "$1p"
}
running() { [[ $(screen_row 1) == diagramme* && $(screen_row 4) != " arrêt demandé"* ]]; }
stopped() { [[ $(screen_row 4) == " arrêt demandé en te ="* ]]; }
start_msa dummy --play "$WORK/long-run.keys" --record "$WORK/long-run-record.keys"
for stop_key in Escape Pause ctrl+Pause; do
  [[ $stop_key == Escape ]] || send_keys "{ENTER}$RUN_SET_UP{ENTER}{ENTER}{ENTER}"
  eventually running || fail "no simulation running before $stop_key"
  sleep 0.5  # well into the run
  xdotool key "$stop_key"
  eventually stopped || fail "$stop_key does not stop the simulation"
  xwd -silent -id "$WINDOW" >"$WORK/stopped-$stop_key.xwd"
done
send_keys "{ENTER}f{ENTER}"
expect_exit_zero "after stopped simulations"
[[ $(grep -oE '\{BREAK [0-9]+\}' "$WORK/long-run-record.keys" | wc -l) -eq 3 ]] ||
  fail "the stops are not in the record with their steps: $(grep -o '{BREAK[^}]*}' "$WORK/long-run-record.keys")"
# The record replays each run to the step where it was stopped: the same
# diagram, the same report, pixel for pixel.
mkdir "$WORK/stopped"
"$HEADLESS" --pictures "$WORK/stopped" <"$WORK/long-run-record.keys" >"$WORK/stopped.transcript"
stop_reads=($(awk '/^=== read / { read = $3; row = 0; next } { if (++row == 4 && $0 ~ /^ arrêt demandé/) print read }' \
  "$WORK/stopped.transcript"))
[[ ${#stop_reads[@]} -eq 3 ]] || fail "the record's replay stops ${#stop_reads[@]} runs"
for k in 0 1 2; do
  stop_key=$(echo Escape Pause ctrl+Pause | cut -d' ' -f$((k + 1)))
  compare_picture "$WORK/stopped-$stop_key.xwd" "$WORK/stopped/read-${stop_reads[$k]}.pgm" 2>"$WORK/stopped-$k.log" ||
    fail "the run stopped by $stop_key replays to another picture: $(cat "$WORK/stopped-$k.log")"
done

# ------------------------------------------------------------ no display --
status=0
(unset DISPLAY WAYLAND_DISPLAY SDL_VIDEODRIVER; timeout 20 "$MSA" >"$WORK/nodisplay.out" 2>"$WORK/nodisplay.err") ||
  status=$?
[[ $status -eq 1 ]] || fail "without a display msa ended with status $status: $(cat "$WORK/nodisplay.err")"
grep -q "no display found" "$WORK/nodisplay.err" || fail "without a display: $(cat "$WORK/nodisplay.err")"
# A display named but not there: the one line says which, and nothing else
# comes before it.
no_display() {
  local status=0
  # (no leak report either: the system's D-Bus library, as in start_msa)
  (unset DISPLAY WAYLAND_DISPLAY XDG_RUNTIME_DIR SDL_VIDEODRIVER; export "$@"
   export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
   timeout 20 "$MSA" >"$WORK/nodisplay.out" 2>"$WORK/nodisplay.err") || status=$?
  [[ $status -eq 1 && $(wc -l <"$WORK/nodisplay.err") -eq 1 ]] ||
    fail "with $* msa ended with status $status: $(cat "$WORK/nodisplay.err")"
}
no_display DISPLAY=:987
grep -q "^msa: the X display :987 does not answer" "$WORK/nodisplay.err" || fail "$(cat "$WORK/nodisplay.err")"
no_display WAYLAND_DISPLAY=wayland-9
grep -q "^msa: the Wayland display wayland-9 cannot be found" "$WORK/nodisplay.err" || fail "$(cat "$WORK/nodisplay.err")"

# A termination request (as the window's close button sends) while a key is
# awaited ends the program normally too; here without any audio output, after
# a Delete that beeps.
start_msa none
send_keys "{ENTER}{DEL}"
eventually picture_matches 2 ||
  fail "the window does not show the first prompt: $(cat "$WORK/picture-2.log")"
kill -TERM "$MSA_PID"
expect_exit_zero "after a termination request"

rm -rf "$WORK"
echo "window_e2e: passed"
