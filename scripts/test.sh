#!/usr/bin/env bash
# Installs the dependencies, builds with warnings as errors, and runs every test:
# unit, widget and end-to-end tests through ctest.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh -DKOKTD_WERROR=ON
cd build
ctest --output-on-failure -j2
