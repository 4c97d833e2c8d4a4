#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Time from the firing's call to a placed Message bar on a 1920 x 1080 screen.
# Usage: bench/message_bar.sh [build-dir]. Prints figures; never fails on them.
set -euo pipefail
BUILD=$(cd "${1:-build}" && pwd)
source "$(dirname "$0")/lib.sh"
bench_start_xvfb 1920x1080
QT_QPA_PLATFORM=xcb "$BUILD/bench/bench_message_bar"
