#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# An end-to-end script that hangs on purpose after starting an X server and a
# child of its own; prints their ids first. planted_hang.sh runs it.
source "$(dirname "$0")/../e2e/lib.sh"
e2e_start_xvfb
sleep 1000 &
E2E_PIDS+=($!)
echo "started: ${E2E_PIDS[*]}"
sleep 1000
