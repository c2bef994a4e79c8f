#!/usr/bin/env bash
# Builds the program and its window and fault tests with AddressSanitizer (LeakSanitizer with it)
# in its own build folder, runs them headless (a scripted session: start, add three fruits, remove
# one, exit; then every window test and every fault test but the long add-and-remove cycles) and
# fails if a leak is left whose stack has a frame in our own code. Leaks that live wholly in
# third-party libraries are listed in scripts/lsan.supp with their reasons.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=${QUORVEL_LSAN_BUILD_DIR:-build-lsan}
jobs=${QUORVEL_JOBS:-2}

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVEL_WERROR=ON \
  -DBUILD_TESTING=ON \
  -DCMAKE_CXX_FLAGS="-fsanitize=address -fno-omit-frame-pointer -O1" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address" >/dev/null
cmake --build "$build" -j"$jobs" --target quorvel fault_tests app_tests

logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:log_path=$logs/asan:malloc_context_size=40:detect_container_overflow=0:new_delete_type_mismatch=0:alloc_dealloc_mismatch=0"
export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=1"
status=0
# QUORVEL_LSAN_TESTS and QUORVEL_LSAN_APP_TESTS may name other test classes of the fault tests
# and of the window tests.
fault_classes=${QUORVEL_LSAN_TESTS-TestSession TestScriptFileFaults TestStyleSheetFaults
  TestLikePageFaults TestEndlessScript TestKilledRenderProcess TestNoNetwork TestChartWarmUp}
app_classes=${QUORVEL_LSAN_APP_TESTS-TestMainWindow TestComparison TestChartScripts TestAboutBox
  TestExit TestErrorHandler TestAccessibility}
for test_class in $fault_classes; do
  "$build/faulttest/fault_tests" "$test_class" || status=$?
done
for test_class in $app_classes; do
  "$build/apptest/app_tests" "$test_class" || status=$?
done

reports=$(cat "$logs"/asan.* 2>/dev/null || true)
if [ -n "$reports" ]; then
  printf '%s\n' "$reports"
fi
# Our code: the program's folders and the tests, by their source paths in the stacks.
ours="$root/(app|htmlview|data|reports|compare|tests)/"
if printf '%s\n' "$reports" | grep -E 'ERROR: (LeakSanitizer|AddressSanitizer)' >/dev/null; then
  if printf '%s\n' "$reports" | grep -E "ERROR: AddressSanitizer" >/dev/null; then
    echo "leak-check: AddressSanitizer found a memory error" >&2
    exit 1
  fi
  if printf '%s\n' "$reports" | grep -E "$ours" >/dev/null; then
    echo "leak-check: a leak with a frame in our code (see above)" >&2
    exit 1
  fi
  echo "leak-check: leaks reported only in third-party code; add them to scripts/lsan.supp" >&2
fi
if [ "$status" -ne 0 ]; then
  echo "leak-check: the session failed (exit $status)" >&2
  exit "$status"
fi
echo "leak-check: no leak in our code"
