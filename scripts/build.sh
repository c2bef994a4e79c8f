#!/usr/bin/env bash
# Configures Quorvel in build/ (or $QUORVEL_BUILD_DIR) and builds the targets named in
# $QUORVEL_TARGETS (default: everything). Extra arguments go to cmake.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${QUORVEL_BUILD_DIR:-build}
jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B "$build_dir" -G Ninja "$@" >/dev/null
targets=()
for target in ${QUORVEL_TARGETS:-}; do
  targets+=(--target "$target")
done
cmake --build "$build_dir" --parallel "$jobs" "${targets[@]}"
