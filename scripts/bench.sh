#!/usr/bin/env bash
# The benchmarks' own command: builds them in build/ (or $QUORVEL_BUILD_DIR) and runs both, the
# core's and the program's, with the arguments given to the program's (e.g. --runs 5). They print
# figures; nothing fails on a slow machine.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${QUORVEL_BUILD_DIR:-build}
QUORVEL_BUILD_DIR=$build_dir QUORVEL_TARGETS="quorvel-core-bench quorvel-bench quorvel" \
  bash scripts/build.sh -DQUORVEL_BENCH=ON
"$build_dir/bin/quorvel-core-bench"
"$build_dir/bin/quorvel-bench" "$@"
