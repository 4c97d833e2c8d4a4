#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A skin from anywhere cannot freeze the clock: its name is markup whose <img>
# names a FIFO. The clock wears the skin, the skins page shows its name as
# text, nothing opens the FIFO, and the clock keeps ticking all the while.
source "$(dirname "$0")/lib.sh"
e2e_start_xvfb
APP="$E2E_WORK/app"
e2e_make_install "$APP"
SKIN="$E2E_WORK/hostile"
PIPE="$E2E_WORK/pipe"
cp -r "$APP/SKINS/Contrast" "$SKIN"
mkfifo "$PIPE"
sed -i "s|^name=.*\r\$|name=<img src=\"$PIPE\"> <img src=\"/dev/zero\">\r|" "$SKIN/skin.ksf"
grep -q "^name=<img src=\"$PIPE\">" "$SKIN/skin.ksf" || e2e_fail "the skin was not made"
printf '[kOk:TD:Skins]\r\nXP_SkinExt=1\r\nXP_SkinPath=%s/\r\n9X_SkinExt=1\r\n9X_SkinPath=%s/\r\n' \
    "$SKIN" "$SKIN" >"$APP/kOkTD.KiF"
# Opening the FIFO to write waits for a reader: the mark appears only if the
# clock opens it.
(: >"$PIPE" && touch "$E2E_WORK/opened") &
E2E_PIDS+=($!)

e2e_start_clock "$APP"
WIN=$(e2e_wait_window "$CLOCK_PID")
e2e_open_dialog
e2e_dialog_click settings_dialog.ui s_skins
e2e_wait_for 5 xdotool search --onlyvisible --name 'интерфейсные темы$' >/dev/null ||
    e2e_fail "the skins page did not open"

# The clock's picture changes every second, three times over, with the page
# showing.
changed() {
    import -window "$WIN" "$E2E_WORK/b.png"
    local diff
    diff=$(compare -metric AE "$E2E_WORK/a.png" "$E2E_WORK/b.png" null: 2>&1 || true)
    [ "${diff%% *}" != "0" ]
}
for tick in 1 2 3; do
    import -window "$WIN" "$E2E_WORK/a.png"
    e2e_wait_for 2 changed || e2e_fail "the clock stopped ticking with the skins page showing (tick $tick)"
done
e2e_shot "$SHOTS/hostile_skin.png"
[ ! -e "$E2E_WORK/opened" ] || e2e_fail "the clock opened the FIFO a skin's name points at"
RSS=$(awk '/VmRSS/ { print $2 }' "/proc/$CLOCK_PID/status")
[ "$RSS" -lt 300000 ] || e2e_fail "the clock holds $RSS kB"
echo "the clock ticks with the hostile skin on show (${RSS} kB)"
