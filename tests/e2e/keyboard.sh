#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The clock without a mouse, under a window manager (openbox): focused, it
# opens its menu with Shift+F10, the menu's highlighted Settings item opens
# on Enter; Esc closes the menu, and Enter on the clock opens the Settings
# too. Then each section of the dialog, reached with Ctrl+PgDown, is read
# through AT-SPI as a screen reader reads it: every control named, in words,
# no two alike, no hidden alert heard (accessible_texts.py --check).
source "$(dirname "$0")/lib.sh"
e2e_start_xvfb
APP="$E2E_WORK/app"
e2e_make_install "$APP"
e2e_start_a11y_bus
e2e_start_openbox

e2e_start_clock "$APP"
WIN=$(e2e_wait_window "$CLOCK_PID") || e2e_fail "no clock window"
# focus_clock: as a user does with the window manager's keys or a click on
# its task; the clock asks the window manager for nothing itself.
focused() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$WIN" ]; }
focus_clock() {
    xdotool windowactivate "$WIN" 2>/dev/null || xdotool windowfocus "$WIN"
    e2e_wait_for 10 focused || e2e_fail "the window manager did not focus the clock"
}

focus_clock
xdotool key shift+F10
e2e_wait_for 10 e2e_menu_open || e2e_fail "Shift+F10 on the focused clock opened no menu"
e2e_shot "$SHOTS/keyboard-menu.png"
xdotool key Escape
e2e_wait_for 10 e2e_clock_alone || e2e_fail "Esc did not close the menu"
e2e_dialog_shown && e2e_fail "Esc in the menu opened the dialog"

focus_clock
xdotool key Menu
e2e_wait_for 10 e2e_menu_open || e2e_fail "the Menu key on the focused clock opened no menu"
xdotool key Return
e2e_wait_for 10 e2e_dialog_shown || e2e_fail "Enter in the menu did not open the Settings"
DLG=$(e2e_dialog_window)
e2e_shot "$SHOTS/keyboard-dialog.png"
# Esc closes the dialog: nothing was changed.
xdotool key --window "$DLG" Escape
e2e_wait_for 10 e2e_dialog_gone || e2e_fail "Esc did not close the dialog"

focus_clock
xdotool key Return
e2e_wait_for 10 e2e_dialog_shown || e2e_fail "Enter on the focused clock did not open the Settings"
DLG=$(e2e_dialog_window)

# The dialog as a screen reader reads it, section by section.
check_page() { /usr/bin/python3 "$E2E_TEXTS" --check "$CLOCK_PID" >"$E2E_WORK/faults" 2>"$E2E_WORK/summary"; }
title() { xdotool getwindowname "$DLG"; }
title_changed() { [ "$(title)" != "$before" ]; }
for section in $(seq 8); do
    e2e_wait_for 15 check_page ||
        e2e_fail "section $section ($(title)) as a screen reader hears it: $(cat "$E2E_WORK/faults" "$E2E_WORK/summary")"
    echo "$(title): $(cat "$E2E_WORK/summary")"
    before=$(title)
    xdotool key --window "$DLG" ctrl+Next
    [ "$section" -eq 8 ] || e2e_wait_for 10 title_changed ||
        e2e_fail "Ctrl+PgDown did not leave $before"
done
echo "PASS: keyboard"
