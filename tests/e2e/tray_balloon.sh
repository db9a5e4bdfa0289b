#!/usr/bin/env bash
# Under Xvfb with a notification area (trayer): an event the simulated mouse
# raises through --sim-control reaches the listener and shows a real balloon.
set -euo pipefail
bin=${1:?usage: tray_balloon.sh <bin-dir>}
source "$(dirname "$0")/lib/xvfb.bash"
need_tools Xvfb xdotool trayer

xvfb_start
tray_start
sleep 1
make_data_folder
start_pelmora --simulate --sim-state "$work/mouse.json" --sim-control "$work/control"

# Started into the tray: no window is shown.
wait_for_control_pipe
sleep 1.5
kill -0 "$pelmora_pid" || fail "pelmora ended"
before=$(visible_windows)

echo "event 8 1" >"$work/control"
shown=
for _ in $(seq 50); do
  if [ "$(visible_windows)" -gt "$before" ]; then shown=1; break; fi
  sleep 0.1
done
[ -n "$shown" ] || fail "no balloon appeared (visible windows: $before)"
echo "tray balloon: ok"
