#!/usr/bin/env bash
# End to end under Xvfb: a macro made in the window. Advanced page; type a
# name, New, insert "L-Button Click"; Start Recording (which empties the event
# list), close the box with Enter, type A and B with real X key events, Stop;
# insert "L-Button Click" after the last line; Confirm; Apply. Then
# record.ini, config.bin's first macro slot and the simulated mouse's first
# macro slot hold exactly what the encoder makes of those items.
set -euo pipefail
bin=${1:?usage: gui_macro.sh <bin-dir>}
source "$(dirname "$0")/lib/xvfb.bash"
need_tools Xvfb xdotool od

xvfb_start
make_data_folder
rm -f "$work/data/record.ini"
start_pelmora --simulate --show --sim-state "$work/mouse.json"
wid=$(wait_for_window) || fail "no window of class KandroGMClass"
sleep 0.5

click() { xdotool mousemove --window "$wid" "$1" "$2" click 1; sleep 0.3; }
# Closes the message box that is open with Enter, then gives the main window
# the keyboard again.
close_box() {
  local box= w
  for _ in $(seq 50); do
    for w in $(xdotool search --onlyvisible --pid "$pelmora_pid" 2>/dev/null); do
      [ "$w" != "$wid" ] && box=$w
    done
    [ -n "$box" ] && break
    sleep 0.1
  done
  [ -n "$box" ] || fail "no message box: $1"
  xdotool windowfocus --sync "$box" 2>/dev/null || true
  xdotool key Return
  sleep 0.3
  xdotool windowfocus --sync "$wid" 2>/dev/null || true
}

click 90 78   # advanced page
click 767 329 # name field
xdotool type --delay 50 "Jump"
click 565 538 # New
click 794 409 # mouse event box, then its first row: "L-Button Click"
click 794 428
click 749 243 # Start Recording
close_box "Start Recording"
xdotool key --delay 80 38 56 # A, B (X key codes)
sleep 0.3
click 749 279 # Stop Recording
close_box "Stop Recording"
click 794 409
click 794 428
click 773 538 # Confirm
apply_and_wait || fail "Apply did not save config.bin"

expected_ini=$'[Jump]\nMacroLoopTimes=1\nItemCount=11'
items=("A   Dn" "50 ms" "A   Up" "50 ms" "B   Dn" "50 ms" "B   Up" "50 ms" "L-Button   Dn" "50 ms"
  "L-Button   Up")
for i in "${!items[@]}"; do expected_ini+=$'\n'"Item$i=${items[$i]}"; done
[ "$(tr -d '\r' <"$work/data/record.ini" | sed '/^$/d')" = "$expected_ini" ] ||
  fail "record.ini is not as expected:"$'\n'"$(cat "$work/data/record.ini")"

# Loop count 1; A down, 50 ms; A up, 50 ms; B down; B up; left button down,
# 50 ms; left button up with no delay after it; zeros to the end of the slot.
expected=0001050485040505850505f080f0$(printf '0%.0s' $(seq $((2 * (128 - 14)))))
slot=$(od -An -tx1 -v -j $((1 + 0xA3)) -N128 "$work/data/config.bin" | tr -d ' \n')
[ "$slot" = "$expected" ] || fail "config.bin macro slot 1 is $slot"

[ -s "$work/mouse.json" ] || fail "the simulated mouse kept no state"
mouse_slot=$(tr -d ' \n' <"$work/mouse.json" | sed -n 's/.*"macroSlots":\["\([0-9a-f]*\)".*/\1/p')
[ "$mouse_slot" = "$expected" ] || fail "the mouse's macro slot 1 is ${mouse_slot:-missing}"
echo "gui macro: ok"
