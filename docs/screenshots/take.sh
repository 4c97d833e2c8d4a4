#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the README's screenshots from the real program in Xvfb with openbox:
#   bash docs/screenshots/take.sh docs/screenshots build/bin
# (needs Xvfb, openbox, xdotool, xwininfo and ImageMagick; display :77 must be free).
set -euo pipefail
out=$1 bin=$2
work=$(mktemp -d /tmp/koktd-shots.XXXX)
cp -r "$bin"/. "$work/"
rm -f "$work/kOkTD.KiF" "$work/kOkTD.timer" "$work/kOkTD.tmp"
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
Xvfb :77 -screen 0 800x600x24 -noreset >/dev/null 2>&1 & xpid=$!
export DISPLAY=:77
sleep 1
openbox >/dev/null 2>&1 & opid=$!
sleep 1
xsetroot -solid '#3a6ea5' 2>/dev/null || true
LANG=en_US.UTF-8 LANGUAGE=en "$work/koktd" >/dev/null 2>&1 & cpid=$!
cleanup() { kill $cpid $opid $xpid 2>/dev/null || true; }
trap cleanup EXIT
for i in $(seq 1 100); do w=$(xdotool search --onlyvisible --pid $cpid 2>/dev/null | head -1) && [ -n "$w" ] && break; sleep 0.2; done
sleep 1.5 # the first paint
eval "$(xdotool getwindowgeometry --shell "$w")"
echo "clock $X $Y $WIDTH $HEIGHT"
import -window root "$work/root.png"
convert "$work/root.png" -crop "$((WIDTH+16))x$((HEIGHT+16))+$((X-8))+$((Y-8))" +repage "$out/clock.png"
# Settings: a double click on the face
xdotool mousemove $((X+WIDTH/3)) $((Y+HEIGHT/2)) click --repeat 2 --delay 80 1
for i in $(seq 1 100); do d=$(xdotool search --onlyvisible --pid $cpid 2>/dev/null | grep -v "^$w$" | head -1) && [ -n "$d" ] && break; sleep 0.2; done
sleep 1.5
geom() { xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF} /Width:/{w=$NF} /Height:/{h=$NF} END{print "X="x" Y="y" WIDTH="w" HEIGHT="h}'; }
eval "$(geom "$d")"
echo "dialog $X $Y $WIDTH $HEIGHT"
xdotool windowactivate --sync "$d" 2>/dev/null || true
xdotool key --window "$d" ctrl+Next
sleep 1.5
import -window root "$work/root2.png"
convert "$work/root2.png" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/alarm_page.png"
rm -rf "$work"
