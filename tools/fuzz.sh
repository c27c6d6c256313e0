#!/usr/bin/env bash
# Builds the libFuzzer targets (fuzz/) with clang++, AddressSanitizer and
# UndefinedBehaviorSanitizer in build-fuzz, and runs each of them for a bounded
# time from a scratch copy of its committed seeds, the two side by side. Any
# crash, timeout, leak or sanitizer report fails the script; the input that
# caused it is kept in build-fuzz/artifacts/<target>/.
#
#   FUZZ_SECONDS  time per target (default 30)
#   FUZZ_JOBS     targets run at once (default: the number of processors, at most 2)
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/packages.sh
install_packages cmake make python3 clang libclang-rt-14-dev llvm

seconds="${FUZZ_SECONDS:-30}"
jobs="${FUZZ_JOBS:-$(nproc)}"
[ "$jobs" -gt 2 ] && jobs=2
targets=(program_fuzz answer_fuzz)

cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DMSA_FUZZ=ON -DMSA_WINDOW=OFF -DMSA_TESTS=OFF >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target "${targets[@]}"

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

# run_target NAME: fuzzes build-fuzz/fuzz/NAME; its log goes to the scratch folder.
run_target() {
  local name="$1" seeds="fuzz/corpus/${1%_fuzz}"
  local corpus="$scratch/$name-corpus" artifacts="build-fuzz/artifacts/$name"
  mkdir -p "$corpus" "$artifacts"
  cp -r "$seeds"/. "$corpus"/
  "build-fuzz/fuzz/$name" "$corpus" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$artifacts/" >"$scratch/$name.log" 2>&1
}

# report NAME STATUS: one line for a clean run, the log's account of a fault otherwise.
report() {
  local name="$1" status="$2" log="$scratch/$1.log"
  if [ "$status" -eq 0 ]; then
    local runs rate
    runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")"
    rate="$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")"
    echo "$name: ${runs:-?} runs in ${seconds} s (${rate:-?}/s), no fault"
  else
    echo "$name: FAILED (status $status), input kept in build-fuzz/artifacts/$name/" >&2
    grep -E -A40 'ERROR: |runtime error|ALARM|deadly signal' "$log" | head -80 >&2 || tail -40 "$log" >&2
  fi
}

failed=0
declare -A pids=()
if [ "$jobs" -ge 2 ]; then
  for name in "${targets[@]}"; do
    run_target "$name" &
    pids[$name]=$!
  done
fi
for name in "${targets[@]}"; do
  status=0
  if [ -n "${pids[$name]:-}" ]; then
    wait "${pids[$name]}" || status=$?
  else
    run_target "$name" || status=$?
  fi
  report "$name" "$status"
  [ "$status" -eq 0 ] || failed=1
done
exit "$failed"
