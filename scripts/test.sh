#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the dependencies, checks the formatting, builds with warnings as
# errors, and runs every test: unit, widget and end-to-end tests through ctest.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/check-format.sh
# The tests are switched on again here: run.sh and install.sh build without them.
bash scripts/build.sh -DKOKTD_WERROR=ON -DKOKTD_TESTS=ON -DKOKTD_BENCH=ON
# CMake's default generator (Makefiles) must build too. Its weak spot is a file
# made in one folder and used in another; the embedded sound clips are the one
# such chain, so building their resource object proves it without a second
# full build.
cmake -S . -B build-make >/dev/null
cmake --build build-make --target koktd_core_resources_1 -j2 >/dev/null
echo "default generator: the embedded resources build"
cd build
ctest --output-on-failure -j2
