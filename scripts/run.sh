#!/usr/bin/env bash
# Installs what Quorvel needs on Debian 12, builds the program (and the files beside it, nothing
# else: no tests, no benchmarks) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
QUORVEL_TARGETS="quorvel quorvel_assets" bash scripts/build.sh
exec build/bin/quorvel
