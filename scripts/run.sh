#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what building needs, builds the program (without the tests), and
# starts the clock from build/bin, where it keeps its settings file.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --build
bash scripts/build.sh -DKOKTD_TESTS=OFF -DKOKTD_BENCH=OFF
exec build/bin/koktd "$@"
