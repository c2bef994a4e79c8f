#!/usr/bin/env bash
# Installs what the tests need on Debian 12, builds everything with warnings as errors
# and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")/.."
QUORVEL_TEST_DEPS=1 bash scripts/install-deps.sh
QUORVEL_BUILD_DIR=build bash scripts/build.sh -DQUORVEL_WERROR=ON -DBUILD_TESTING=ON
export QT_QPA_PLATFORM=offscreen
cd build
ctest --output-on-failure --timeout 600 -j1
cd ..
# The core and its tests once more under AddressSanitizer and UndefinedBehaviorSanitizer, then a
# short run of every fuzz target.
bash scripts/sanitize-core.sh
bash scripts/fuzz-smoke.sh
# The Debian package: build it from build/, install it, start the installed program on a virtual
# X display and remove it again. It installs system-wide, so it runs only as root or with sudo.
if [ "$(id -u)" -eq 0 ] || command -v sudo >/dev/null; then
  bash scripts/check-package.sh build
else
  echo "test.sh: the package check needs root or sudo; skipped"
fi
# The program, its window tests and its fault tests under AddressSanitizer with LeakSanitizer:
# no leak with a frame in our code (about 12 minutes here, most of it the build).
bash scripts/leak-check.sh
