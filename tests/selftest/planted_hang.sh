#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Shows that a hanging test ends as a failure within its time limit and leaves
# nothing running:
#  1. in a Qt Test binary, a question no test scripted fails its test at once,
#     and a test stuck in a modal dialog is ended by Qt Test's watchdog, with no
#     debugger started on it;
#  2. an end-to-end script that hangs is ended by its own watchdog, with all it
#     started;
#  3. one that is killed from outside (as ctest does on TIMEOUT) takes what it
#     started with it.
# Usage: planted_hang.sh HANG_TEST_BINARY
set -uo pipefail
here=$(dirname "$0")
fail() { echo "FAIL: $*" >&2; exit 1; }
gone() { ! kill -0 "$1" 2>/dev/null; }
wait_gone() { # PID... : all end within 20 s
    local p i
    for p in "$@"; do
        for ((i = 0; i < 200; i++)); do gone "$p" && break; sleep 0.1; done
        gone "$p" || fail "process $p ($(ps -o args= -p "$p")) was left running"
    done
}

# 1.
out=$(QT_QPA_PLATFORM=offscreen QTEST_FUNCTION_TIMEOUT=3000 QTEST_DISABLE_STACK_DUMP=1 \
    QTEST_DISABLE_CORE_DUMP=1 timeout -s KILL 100 "$1" 2>&1)
status=$?
echo "$out"
[ "$status" -ne 0 ] || fail "the hanging Qt test passed"
[ "$status" -ne 137 ] || fail "the hanging Qt test was not ended by its watchdog"
grep -q "Test function timed out" <<<"$out" || fail "no watchdog message from the hanging Qt test"
grep -q "FAIL!  : PlantedHangTest::aQuestionNobodyScripted() a question the test did not script" \
    <<<"$out" || fail "an unscripted question did not fail its test"
! grep -q "dumping stack" <<<"$out" || fail "a debugger was started on the hanging Qt test"

# 2.
log=$(mktemp)
E2E_TIME_LIMIT=5 E2E_BIN_DIR=/nonexistent timeout -s KILL 100 bash "$here/e2e_hang.sh" >"$log" 2>&1
status=$?
cat "$log"
[ "$status" -ne 0 ] || fail "the hanging e2e script passed"
[ "$status" -ne 137 ] || fail "the hanging e2e script was not ended by its watchdog"
grep -q "ran longer than 5 s" "$log" || fail "no time limit message from the hanging e2e script"
read -r -a started < <(sed -n 's/^started: //p' "$log")
[ "${#started[@]}" -ge 2 ] || fail "the hanging e2e script did not say what it started"
wait_gone "${started[@]}"

# 3.
E2E_TIME_LIMIT=100 E2E_BIN_DIR=/nonexistent bash "$here/e2e_hang.sh" >"$log" 2>&1 &
script=$!
for ((i = 0; i < 300; i++)); do grep -q "^started: " "$log" && break; sleep 0.1; done
read -r -a started < <(sed -n 's/^started: //p' "$log")
[ "${#started[@]}" -ge 2 ] || fail "the e2e script did not start"
kill -KILL "$script"
wait_gone "${started[@]}"
rm -f "$log"
echo "all planted hangs ended, nothing left running"
