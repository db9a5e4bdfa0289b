#!/usr/bin/env bash
# End to end under Xvfb: the main window is titled "Pelmora", keeps the class
# KandroGMClass, and first shows centred on the screen with a position of
# its own (so a window manager does not place it anew at every showing).
set -euo pipefail
bin=${1:?usage: window_title_place.sh <bin-dir>}
source "$(dirname "$0")/lib/xvfb.bash"
need_tools Xvfb xdotool xprop xwininfo

xvfb_start
make_data_folder
start_pelmora --simulate --show --sim-state "$work/mouse.json"
wid=$(wait_for_window) || fail "no window of class KandroGMClass"
sleep 0.3

title=$(xdotool getwindowname "$wid")
[ "$title" = Pelmora ] || fail "the window's title is '$title', not 'Pelmora'"
xprop -id "$wid" WM_CLASS | grep -q '"KandroGMClass"' ||
  fail "the window's class is not KandroGMClass: $(xprop -id "$wid" WM_CLASS)"

info=$(xwininfo -id "$wid")
x=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
w=$(sed -n 's/.*Width: *//p' <<<"$info")
h=$(sed -n 's/.*Height: *//p' <<<"$info")
[ "$x" = $(((1280 - w) / 2)) ] && [ "$y" = $(((1024 - h) / 2)) ] ||
  fail "the window (${w}x${h}) is at $x,$y, not centred on the 1280x1024 screen"
xprop -id "$wid" WM_NORMAL_HINTS | grep -Eqi '(user|program) specified location' ||
  fail "the window asks the window manager to place it: $(xprop -id "$wid" WM_NORMAL_HINTS)"
echo "window title and place: ok"
