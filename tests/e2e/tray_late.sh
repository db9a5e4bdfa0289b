#!/usr/bin/env bash
# Under Xvfb without a notification area: pelmora starts with its window shown
# (it could not be reached otherwise); when a tray appears later, the icon
# docks into it.
set -euo pipefail
bin=${1:?usage: tray_late.sh <bin-dir>}
source "$(dirname "$0")/lib/xvfb.bash"
need_tools Xvfb xdotool trayer

xvfb_start
make_data_folder
start_pelmora --simulate --sim-state "$work/mouse.json"
wid=$(wait_for_window) || fail "without a tray the window must start shown"
sleep 0.5
before=$(visible_windows)

tray_start
docked=
for _ in $(seq 80); do
  if [ "$(visible_windows)" -gt "$before" ]; then docked=1; break; fi
  sleep 0.1
done
[ -n "$docked" ] || fail "the icon did not appear in the tray that came later"
kill -0 "$pelmora_pid" || fail "pelmora ended"
echo "late tray: ok"
