#!/usr/bin/env bash
# The test command. Installs what building and testing need on Debian 12 and nothing else, then
# runs every check headless, the fastest first, so that a broken rule fails within minutes:
#   1. build/ with warnings as errors: the core and its tests, then the core tests;
#   2. build/: the rest (not the benchmarks, which their own command builds); the tests of the
#      view and of the files beside the program, then those of the windows, the report export
#      and the faults, linked with LeakSanitizer so that a leak in our code fails them
#      (scripts/check-leaks.sh); tests that share no folder run side by side;
#   3. the Debian package: built, validated, unpacked into a temporary folder and started from
#      there (scripts/check-package.sh; system-wide only with QUORVEL_SYSTEM_PACKAGE_CHECK=1);
#   4. the program as an ordinary user with the web sandbox on (scripts/check-user-session.sh);
#   5. one clang build of the core under AddressSanitizer and UndefinedBehaviorSanitizer: the
#      core's C++ tests (scripts/sanitize.sh), then the fuzz targets, built in the same folder,
#      replay their committed inputs and fuzz a few seconds each (scripts/fuzz-smoke.sh).
# Every source file is compiled at most twice: once in build/, once in build-sanitize/.
# Each step says how long it took. ccache, when installed, keeps the compiled objects outside the
# clone for the next run.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=2
started=$SECONDS

step() {
  local name=$1
  shift
  local start=$SECONDS
  echo "== test.sh: $name"
  "$@"
  echo "== test.sh: $name: $((SECONDS - start)) s (total $((SECONDS - started)) s)"
}

run_tests() {
  (cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 600 -j"$jobs" "$@")
}

step "installing what the tests need" env QUORVEL_TEST_DEPS=1 bash scripts/install-deps.sh
step "building the core tests" env QUORVEL_BUILD_DIR=build QUORVEL_TARGETS=quorvel_core_tests \
  bash scripts/build.sh -DQUORVEL_WERROR=ON -DBUILD_TESTING=ON -DQUORVEL_BENCH=OFF \
  -DQUORVEL_LEAK_CHECK=ON
step "core tests" run_tests -L core
step "building the rest" env QUORVEL_BUILD_DIR=build bash scripts/build.sh
step "view and file tests" run_tests -L 'view|assets'
step "window, export and fault tests, leaks checked" bash scripts/check-leaks.sh build -j"$jobs" \
  -L 'app|export|faults'
step "package check" bash scripts/check-package.sh build
step "ordinary user, sandbox on" bash scripts/check-user-session.sh build
step "sanitizers" bash scripts/sanitize.sh
step "fuzzing" bash scripts/fuzz-smoke.sh
echo "test.sh: every check passed in $((SECONDS - started)) s"
