#!/usr/bin/env bash
# Runs tests of a build configured with QUORVEL_LEAK_CHECK=ON (the window and fault tests linked
# with LeakSanitizer) and fails on a leak with a frame in our own code. Leaks that live wholly in
# third-party libraries are listed in scripts/lsan.supp with their reasons.
#
#   bash scripts/check-leaks.sh BUILD_DIR [ctest arguments...]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1
shift
logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT
status=0
(
  # The suppressions of scripts/lsan.supp are built into the test programs.
  export LSAN_OPTIONS="print_suppressions=1:log_path=$logs/lsan:malloc_context_size=40"
  cd "$build"
  QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 600 "$@"
) || status=$?

reports=$(cat "$logs"/lsan.* 2>/dev/null || true)
# Our code: the program's folders and the tests, by their source paths in the stacks.
ours="/(app|htmlview|data|reports|compare|tests)/[^ ]*\.(cpp|h):[0-9]+"
if printf '%s\n' "$reports" | grep -E 'ERROR: LeakSanitizer' >/dev/null; then
  printf '%s\n' "$reports"
  if printf '%s\n' "$reports" | grep -E "$ours" >/dev/null; then
    echo "check-leaks: a leak with a frame in our code (see above)" >&2
    exit 1
  fi
  echo "check-leaks: leaks reported only in third-party code; add them to scripts/lsan.supp" >&2
fi
if [ "$status" -ne 0 ]; then
  echo "check-leaks: the tests failed (exit $status)" >&2
  exit "$status"
fi
echo "check-leaks: no leak in our code"
