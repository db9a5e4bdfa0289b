#!/usr/bin/env bash
# End to end under Xvfb with the keyboard alone: from the shown window, Tab
# to button 3's box, Space opens its list on the box's row, Down to
# "Forward", Enter chooses, Tab on to Apply, Space presses it; config.bin
# holds the change.
set -euo pipefail
bin=${1:?usage: gui_keyboard.sh <bin-dir>}
source "$(dirname "$0")/lib/xvfb.bash"
need_tools Xvfb xdotool od cmp

xvfb_start
make_data_folder
printf '\0' | dd of="$work/data/config.bin" bs=1 count=1 conv=notrunc status=none
start_pelmora --simulate --show --sim-state "$work/mouse.json"
wid=$(wait_for_window) || fail "no window of class KandroGMClass"
xdotool windowfocus --sync "$wid" 2>/dev/null || true
sleep 0.5

keys() { # COUNT KEY
  for _ in $(seq "$1"); do xdotool key "$2"; done
  sleep 0.2
}
# Skins, minimise, close, the two tabs, the profile chooser, buttons 1 to 3.
keys 9 Tab
keys 1 space
# The list opens on the box's own row, Mid Click; Forward is the next.
keys 1 Down
keys 1 Return
# Buttons 4 to 6, Mode A and B, Default, the report rate, the four DPI
# stages (levels, colour, tick box each), the three lighting boxes, OK, Apply.
keys 24 Tab
keys 1 space
for _ in $(seq 50); do
  [ "$(config_flag)" = 1 ] && break
  sleep 0.1
done
expected_config
poke 0x002 3 # keyFunctionA[2]: Forward
cmp -l "$work/data/config.bin" "$expected" >"$work/config-diff.log" ||
  fail "config.bin differs from what Forward for button 3 and Apply make"
echo "gui keyboard: ok"
