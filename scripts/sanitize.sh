#!/usr/bin/env bash
# One build of everything under AddressSanitizer (with LeakSanitizer) and UndefinedBehaviorSanitizer
# in build-sanitize/ (or $QUORVEL_SANITIZE_DIR), and in it:
#   1. the core tests, with the strictest checks: any report fails;
#   2. the window tests and the fault tests (all but the long add-and-remove cycles), headless:
#      a memory error fails, and so does a leak with a frame in our own code. Leaks that live wholly
#      in third-party libraries are listed in scripts/lsan.supp with their reasons.
# Extra arguments go to cmake.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=${QUORVEL_SANITIZE_DIR:-build-sanitize}
jobs=${QUORVEL_JOBS:-2}

# -O1 and line tables only: quick to build, and every frame of a report still has its file and line.
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1" -DQUORVEL_SANITIZE=ON -DQUORVEL_WERROR=ON \
  -DBUILD_TESTING=ON "$@" >/dev/null

echo "sanitize: the core tests"
cmake --build "$build" -j"$jobs" --target quorvel_core_tests
(
  # Leaks count as faults too; halt_on_error makes the first report end the test with a failure.
  export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  cd "$build"
  ctest --output-on-failure --timeout 600 -j"$jobs" -L core
)

echo "sanitize: the window and fault tests"
cmake --build "$build" -j"$jobs" --target app_tests fault_tests
logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT
status=0
(
  # Qt and the web engine are not built with the sanitizers: checks that need both sides
  # instrumented are off.
  export ASAN_OPTIONS="detect_leaks=1:log_path=$logs/asan:malloc_context_size=40:detect_container_overflow=0:new_delete_type_mismatch=0:alloc_dealloc_mismatch=0"
  export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=1"
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  cd "$build"
  ctest --output-on-failure --timeout 900 -j"$jobs" -L 'app|faults' -E '^faults\.TestCycles$'
) || status=$?

reports=$(cat "$logs"/asan.* 2>/dev/null || true)
if [ -n "$reports" ]; then
  printf '%s\n' "$reports"
fi
# Our code: the program's folders and the tests, by their source paths in the stacks.
ours="/(app|htmlview|data|reports|compare|tests)/[^ ]*\.(cpp|h):[0-9]+"
if printf '%s\n' "$reports" | grep -E 'ERROR: (LeakSanitizer|AddressSanitizer)' >/dev/null; then
  if printf '%s\n' "$reports" | grep -E "ERROR: AddressSanitizer" >/dev/null; then
    echo "sanitize: AddressSanitizer found a memory error" >&2
    exit 1
  fi
  if printf '%s\n' "$reports" | grep -E "$ours" >/dev/null; then
    echo "sanitize: a leak with a frame in our code (see above)" >&2
    exit 1
  fi
  echo "sanitize: leaks reported only in third-party code; add them to scripts/lsan.supp" >&2
fi
if [ "$status" -ne 0 ]; then
  echo "sanitize: the window or fault tests failed (exit $status)" >&2
  exit "$status"
fi
echo "sanitize: no memory error, no undefined behaviour, no leak in our code"
