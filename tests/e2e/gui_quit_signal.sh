#!/usr/bin/env bash
# pelmora told to end (SIGTERM, as at logout) in the middle of an Apply under
# Xvfb with the simulated mouse: the transfer finishes, config.bin is saved,
# the mouse holds the whole settings block, and the program ends with status 0.
set -euo pipefail
bin=${1:?usage: gui_quit_signal.sh <bin-dir>}
source "$(dirname "$0")/lib/xvfb.bash"
need_tools Xvfb xdotool od

xvfb_start
make_data_folder
# Never saved by the program (flag byte 0): the save sets it.
printf '\0' | dd of="$work/data/config.bin" bs=1 count=1 conv=notrunc status=none
# What the mouse holds after this config.bin is applied whole.
cp -r "$work/data" "$work/reference"
"$bin/pelmora-cli" --data-dir "$work/reference" --sim-state "$work/reference.json" apply \
  >/dev/null || fail "the reference apply failed"

start_pelmora --simulate --show --sim-state "$work/mouse.json"
wid=$(wait_for_window) || fail "no window of class KandroGMClass"
sleep 0.5
xdotool mousemove --window "$wid" 718 633
sleep 0.15
xdotool click 1 # Apply: about a quarter of a second of pauses
sleep 0.08
[ "$(config_flag)" = 0 ] || fail "the Apply ended before the signal could come"
kill -TERM "$pelmora_pid"
status=0
wait "$pelmora_pid" || status=$?
[ "$status" = 0 ] || fail "pelmora ended with status $status after SIGTERM"
[ "$(config_flag)" = 1 ] || fail "config.bin was not saved"
cmp -s "$work/mouse.json" "$work/reference.json" || {
  diff "$work/reference.json" "$work/mouse.json" | head -n 20
  fail "the simulated mouse does not hold the whole block"
}
echo "gui quit signal: ok"
