#!/usr/bin/env bash
# End to end under Xvfb: pelmora --simulate --show in a scratch data folder,
# a click on Apply at its client coordinates, then config.bin is saved (flag
# byte 1, the block as loaded) and the simulated mouse holds the settings;
# --trace wrote the exchange as pelmora-cli --trace prints it.
set -euo pipefail
bin=${1:?usage: gui_apply.sh <bin-dir>}
source "$(dirname "$0")/lib/xvfb.bash"
need_tools Xvfb xdotool od

xvfb_start
make_data_folder
# As delivered: never saved by the program (flag byte 0).
printf '\0' | dd of="$work/data/config.bin" bs=1 count=1 conv=notrunc status=none
interval=$(od -An -tu1 -j $((1 + 0x85)) -N1 "$work/data/config.bin" | tr -d ' ')

start_pelmora --simulate --show --sim-state "$work/mouse.json" --trace "$work/trace.log"
wid=$(wait_for_window) || fail "no window of class KandroGMClass"
sleep 0.5
before=$(md5sum "$work/data/config.bin")

apply_and_wait || fail "config.bin was not saved"
[ "$(stat -c %s "$work/data/config.bin")" = 1850 ] || fail "config.bin is not 1850 bytes"
# Only the flag byte changed: the block went out as it was loaded.
cmp -s <(tail -c 1849 "$work/data/config.bin") <(tail -c 1849 "$bin/config.bin") ||
  fail "the saved settings block differs from the loaded one"
[ "$before" != "$(md5sum "$work/data/config.bin")" ] || fail "config.bin unchanged"

[ -s "$work/mouse.json" ] || fail "the simulated mouse kept no state"
grep -Eq "\"reportInterval\"[[:space:]]*:[[:space:]]*$interval\b" "$work/mouse.json" ||
  fail "the mouse's report interval is not $interval: $(cat "$work/mouse.json")"
grep -q '^set ' "$work/trace.log" && grep -q '^out ' "$work/trace.log" ||
  fail "the trace has no frames and chunks: $(head -c 300 "$work/trace.log")"
# The window stays open after Apply.
xdotool search --onlyvisible --class KandroGMClass >/dev/null || fail "Apply hid the window"
echo "gui apply: ok"
