#!/usr/bin/env bash
# One clang build of the core in build-sanitize/ (or $QUORVEL_SANITIZE_DIR) under
# AddressSanitizer (with LeakSanitizer) and UndefinedBehaviorSanitizer, its code instrumented for
# the fuzzer too, so that this one build serves both:
#   1. the core's C++ tests, with the strictest checks: any report fails (the Python checks of the
#      core ran in the first step of the test command and are not repeated here);
#   2. the libFuzzer targets, which scripts/fuzz-smoke.sh runs from the same folder.
# The windows and the faults are checked for leaks by the test command's own run of their tests
# (QUORVEL_LEAK_CHECK, scripts/check-leaks.sh), not by a second build. Extra arguments go to cmake.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${QUORVEL_SANITIZE_DIR:-build-sanitize}
jobs=${QUORVEL_JOBS:-2}

# -O1 and line tables only: quick to build, and every frame of a report still has its file and line.
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DQUORVEL_BUILD_GUI=OFF -DQUORVEL_BENCH=OFF -DQUORVEL_SANITIZE=ON -DQUORVEL_FUZZ=ON \
  -DQUORVEL_WERROR=ON -DBUILD_TESTING=ON "$@" >/dev/null

echo "sanitize: the core, its tests and the fuzz targets"
cmake --build "$build" -j"$jobs" --target quorvel_core_tests quorvel_fuzz
(
  # Leaks count as faults too; halt_on_error makes the first report end the test with a failure.
  export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  cd "$build"
  ctest --output-on-failure --timeout 600 -j"$jobs" -L core -LE script
)
echo "sanitize: no memory error, no undefined behaviour, no leak in the core"
