#!/usr/bin/env bash
# Runs the libFuzzer targets of the core, built with clang, ASan and UBSan in the sanitizer build
# (scripts/sanitize.sh, build-sanitize/ or $QUORVEL_SANITIZE_DIR; built here first when it is not
# there yet, with the same settings, so the core is compiled once for both). For each target it
# first replays the committed inputs in fuzz/corpus/<target>/ one by one, then fuzzes from them
# for a bounded number of inputs ($QUORVEL_FUZZ_RUNS, default 200000) and at most
# $QUORVEL_FUZZ_SECONDS (default 5) seconds; two targets run at a time. A crash, a sanitizer
# report, a broken property or a leak fails the run; libFuzzer leaves the input that did it in
# the build folder.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${QUORVEL_SANITIZE_DIR:-build-sanitize}
runs=${QUORVEL_FUZZ_RUNS:-200000}
seconds=${QUORVEL_FUZZ_SECONDS:-5}
jobs=$(nproc 2>/dev/null || echo 2)
[ "$jobs" -gt 2 ] && jobs=2
targets=(fuzz_parse_number fuzz_format_number fuzz_split_by_delimiter fuzz_capitalize_words
  fuzz_split_table_lines fuzz_fruta)

if [ ! -f "$build_dir/CMakeCache.txt" ]; then
  cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1" -DCMAKE_C_COMPILER=clang \
    -DCMAKE_CXX_COMPILER=clang++ -DQUORVEL_BUILD_GUI=OFF -DQUORVEL_BENCH=OFF \
    -DQUORVEL_SANITIZE=ON -DQUORVEL_FUZZ=ON -DQUORVEL_WERROR=ON -DBUILD_TESTING=ON "$@" >/dev/null
fi
cmake --build "$build_dir" --parallel "$jobs" --target quorvel_fuzz

export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
artifacts="$build_dir/fuzz/artifacts"
mkdir -p "$artifacts"
# One target: its committed inputs replayed, then fuzzed; what it says goes to its summary.
fuzz_one() {
  local target=$1
  # The run grows a corpus of its own; the committed seeds stay untouched.
  local work="$build_dir/fuzz/corpus/$target"
  rm -rf "$work"
  mkdir -p "$work"
  echo "== $target"
  if ! "$build_dir/fuzz/$target" fuzz/corpus/"$target"/* >"$build_dir/fuzz/$target.replay.log" 2>&1; then
    tail -n 60 "$build_dir/fuzz/$target.replay.log"
    echo "fuzz-smoke: $target fails on a committed input (see above)"
    return 1
  fi
  echo "replayed $(find "fuzz/corpus/$target" -type f | wc -l) committed inputs"
  if ! "$build_dir/fuzz/$target" -runs="$runs" -max_total_time="$seconds" -max_len=4096 \
      -print_final_stats=1 -artifact_prefix="$artifacts/$target-" \
      "$work" "fuzz/corpus/$target" 2>"$build_dir/fuzz/$target.log"; then
    tail -n 60 "$build_dir/fuzz/$target.log"
    echo "fuzz-smoke: $target failed; the input is in $artifacts"
    return 1
  fi
  grep -E '^stat::number_of_executed_units|^Done' "$build_dir/fuzz/$target.log" || true
}

# The targets run $jobs at a time, each for its own time; their summaries come in order.
failed=0
for ((first = 0; first < ${#targets[@]}; first += jobs)); do
  pids=()
  group=("${targets[@]:first:jobs}")
  for target in "${group[@]}"; do
    fuzz_one "$target" >"$build_dir/fuzz/$target.summary" 2>&1 &
    pids+=($!)
  done
  for i in "${!group[@]}"; do
    wait "${pids[$i]}" || failed=1
    cat "$build_dir/fuzz/${group[$i]}.summary"
  done
done
if [ "$failed" -ne 0 ]; then
  echo "fuzz-smoke: a target failed (see above)" >&2
  exit 1
fi
echo "fuzz-smoke: no crashes"
