#!/usr/bin/env bash
# The engine's example program, at the default speed, prints the excitation,
# shaft torque and power that menu E of the start-up prints for the same
# answers: the engine alone gives the dialogue's digits.
set -euo pipefail
example="$1" headless="$2" keys="$3"
read -r rpm closed iterated torque power < <("$example" 1146 1146 1 | tail -n 1)
screens="$("$headless" < "$keys")"
last() { grep -o "$1 *-\?[0-9.e+-]*" <<<"$screens" | tail -n 1 | sed "s/^$1 *//"; }
expected="$(last 'mrf \* if =') $(last 'mfif =') $(last 'Couple mécanique =') $(last 'soit une puissance de')"
if [ "$closed $iterated $torque $power" != "$expected" ]; then
  echo "the example prints $closed $iterated $torque $power at $rpm r/min, menu E $expected" >&2
  exit 1
fi
