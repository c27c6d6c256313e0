# Sourced by the checks of msa-headless built for another target
# (tools/windows/check.sh under Wine, tools/arm64/check.sh under qemu): which
# key scripts to run, and each run compared with the host's msa-headless.

HEADLESS_COMPARE_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# collect_key_scripts LABEL DEFAULTS SOURCE...: sets the array `keys` to the
# absolute paths of the key scripts in the SOURCE folders and files. With
# DEFAULTS true a missing source is skipped, else it is an error.
collect_key_scripts() {
  local label="$1" defaults="$2" source
  shift 2
  keys=()
  for source in "$@"; do
    if [ -d "$source" ]; then
      mapfile -t -O ${#keys[@]} keys < <(find "$source" -name '*.keys' | sort)
    elif [ -f "$source" ]; then
      keys+=("$source")
    elif ! $defaults; then
      echo "$label: FAIL: no key script or folder $source" >&2
      return 1
    fi
  done
  if [ ${#keys[@]} -eq 0 ]; then
    echo "$label: FAIL: no key scripts in $*" >&2
    return 1
  fi
  mapfile -t keys < <(realpath "${keys[@]}")
}

# compare_with_reference LABEL REFERENCE RUN KEY_SCRIPT...: runs each key
# script through REFERENCE (the host's msa-headless) and through RUN (a
# command or shell function, called as RUN PICTURE_FOLDER < script), both in
# the present folder with relative picture folders (Wine maps only that).
# Fails when a transcript, an exit status or a picture differs; a differing
# transcript is shown from its first differing lines.
compare_with_reference() {
  local label="$1" reference="$2" run="$3" script status differing=0
  shift 3
  for script in "$@"; do
    rm -rf reference candidate && mkdir reference candidate
    status=0
    "$reference" --pictures reference <"$script" >reference.txt 2>&1 || status=$?
    echo "=== status $status" >>reference.txt
    if ! grep -q -x '=== read 1' reference.txt; then
      echo "$label: FAIL: $reference does not run $script: $(head -n 3 reference.txt)" >&2
      return 1
    fi
    status=0
    "$run" candidate <"$script" >candidate.txt 2>&1 || status=$?
    echo "=== status $status" >>candidate.txt
    if ! cmp -s reference.txt candidate.txt; then
      echo "$label: ${script#"$HEADLESS_COMPARE_ROOT/"}: the transcript differs" >&2
      diff reference.txt candidate.txt | head -n 20 >&2 || true
      differing=$((differing + 1))
    elif ! diff -r reference candidate >/dev/null; then
      echo "$label: ${script#"$HEADLESS_COMPARE_ROOT/"}: the pictures differ: $(diff -rq reference candidate | head -n 3)" >&2
      differing=$((differing + 1))
    fi
  done
  if [ "$differing" -ne 0 ]; then
    echo "$label: FAIL: $differing of $# key scripts differ" >&2
    return 1
  fi
}
