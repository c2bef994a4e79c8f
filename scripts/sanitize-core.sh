#!/usr/bin/env bash
# Builds the core, the tools and the core tests with AddressSanitizer and UndefinedBehaviorSanitizer
# into build-sanitize/ (or $QUORVEL_SANITIZE_DIR) and runs the core tests there. Any report fails
# the run. Extra arguments go to cmake.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${QUORVEL_SANITIZE_DIR:-build-sanitize}
jobs=$(nproc 2>/dev/null || echo 2)
[ "$jobs" -gt 2 ] && jobs=2
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVEL_BUILD_GUI=OFF \
  -DQUORVEL_SANITIZE=ON -DQUORVEL_WERROR=ON -DBUILD_TESTING=ON "$@" >/dev/null
cmake --build "$build_dir" --parallel "$jobs"
# Leaks count as faults too; halt_on_error makes the first report end the test with a failure.
export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen
cd "$build_dir"
ctest --output-on-failure --timeout 600 -j1
