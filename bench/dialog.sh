#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Settings dialog's first opening (double click to painted) and OK, in ms.
# Usage: bench/dialog.sh [build-dir]. Prints figures; never fails on them.
set -euo pipefail
BUILD=$(cd "${1:-build}" && pwd)
source "$(dirname "$0")/lib.sh"
bench_start_xvfb
QT_QPA_PLATFORM=xcb "$BUILD/bench/bench_dialog"
