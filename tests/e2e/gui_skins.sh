#!/usr/bin/env bash
# End to end under Xvfb: the skins button opens the skins dialog; the skin
# list is opened and "Ember" chosen, OK. str.ini then names Ember, the window
# shows Ember's orange accent instead of Default's cyan, and a restart keeps it.
set -euo pipefail
bin=${1:?usage: gui_skins.sh <bin-dir>}
source "$(dirname "$0")/lib/xvfb.bash"
need_tools Xvfb xdotool import convert openbox

xvfb_start
# Under a window manager, as on a desktop: it maps the dialog and moves the
# focus, which a bare X server does not.
openbox --sm-disable >"$work/openbox.log" 2>&1 &
pids+=($!)
sleep 0.5
make_data_folder

# Pixels of one exact colour in a screenshot of the window.
count_colour() { # wid colour
  import -window "$1" "$work/shot.png"
  convert "$work/shot.png" txt:- | grep -ci "$2" || true
}
readonly ember_accent="#FF7A1C" default_accent="#1FC8F0"

start_pelmora --simulate --show
wid=$(wait_for_window) || fail "no window of class KandroGMClass"
sleep 0.5
[ "$(count_colour "$wid" "$default_accent")" -gt 0 ] || fail "the Default skin shows no cyan accent"

# The skins button: 701..719 x 5..23.
xdotool mousemove --window "$wid" 710 14 click 1
dialog=$(wait_for_dialog) || fail "the skins dialog did not open"
sleep 0.3

# The list shows the skin folders in the order the file system lists them;
# rows are 16 pixels high from 1 pixel below the list's top (146).
row=0
for name in $(ls -f "$work/data/Skins"); do
  case $name in .|..) continue ;; esac
  [ -d "$work/data/Skins/$name" ] || continue
  [ "$name" = Ember ] && break
  row=$((row + 1))
done
xdotool mousemove --window "$dialog" 96 135 click 1
sleep 0.3
y=$((147 + 16 * row + 8))
xdotool mousemove --window "$dialog" 96 "$y"
sleep 0.2
# A press and a release a moment apart, as a hand clicks.
xdotool mousedown 1
sleep 0.12
xdotool mouseup 1
sleep 0.3
click_dialog_ok "$dialog"
sleep 0.5

grep -qx "Path=Ember" "$work/data/str.ini" || fail "str.ini does not name Ember: $(cat "$work/data/str.ini")"
[ "$(count_colour "$wid" "$ember_accent")" -gt 0 ] || fail "the window shows no orange accent after OK"
[ "$(count_colour "$wid" "$default_accent")" -eq 0 ] || fail "the cyan accent is still drawn after OK"

# A restart draws Ember again.
kill "$pelmora_pid"
wait "$pelmora_pid" 2>/dev/null || true
start_pelmora --simulate --show
wid=$(wait_for_window) || fail "no window after the restart"
sleep 0.5
[ "$(count_colour "$wid" "$ember_accent")" -gt 0 ] || fail "the restart lost the Ember skin"
echo "PASS: Ember chosen in the skins dialog, saved, drawn and kept after a restart"
