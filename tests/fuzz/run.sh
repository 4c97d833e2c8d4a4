#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets with clang into build-fuzz/ and runs each for a
# bounded time on a copy of the committed seed corpus.
#   tests/fuzz/run.sh [seconds per target, default 20]
set -euo pipefail
cd "$(dirname "$0")/../.."
SECONDS_EACH=${1:-20}
BUILD=build-fuzz
cmake -S tests/fuzz -B "$BUILD" -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD" -j2 >/dev/null
export LSAN_OPTIONS="suppressions=$PWD/tests/fuzz/lsan.supp:print_suppressions=0"
for t in mask skin_description ini wave; do
    work="$BUILD/corpus/$t"
    mkdir -p "$work" "$BUILD/findings/$t"
    cp -n tests/fuzz/corpus/$t/* "$work/" 2>/dev/null || true
    echo "fuzz_$t: ${SECONDS_EACH}s"
    "$BUILD/fuzz_$t" -max_total_time="$SECONDS_EACH" -max_len=65536 -timeout=60 \
        -artifact_prefix="$BUILD/findings/$t/" -print_final_stats=1 "$work" 2>"$BUILD/fuzz_$t.log" ||
        { tail -n 40 "$BUILD/fuzz_$t.log"; echo "fuzz_$t: FAILED"; exit 1; }
    grep -E '^stat::number_of_executed_units' "$BUILD/fuzz_$t.log" || true
done
echo "fuzzing: no findings"
