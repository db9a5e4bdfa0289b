#!/usr/bin/env bash
# Under Xvfb with a tray and the test's own session bus: starting pelmora
# again (as the menu entry does, with an activation token) brings the
# running copy's window up, even with the mouse unplugged, and the second
# copy ends at once with status 0.
set -euo pipefail
bin=${1:?usage: second_launch.sh <bin-dir>}
source "$(dirname "$0")/lib/xvfb.bash"
need_tools Xvfb xdotool trayer dbus-daemon

xvfb_start
tray_start
sleep 1
make_data_folder
start_pelmora --simulate --sim-state "$work/mouse.json" --sim-control "$work/control"
wait_for_control_pipe
echo unplug >"$work/control"
sleep 1
main_window_shown && fail "with a tray the window must start hidden"

start=$(date +%s%N)
set +e
XDG_ACTIVATION_TOKEN=test-token timeout 10 "$bin/pelmora" --data-dir "$work/data" --show \
  >"$work/second.log" 2>&1
status=$?
set -e
[ "$status" -eq 0 ] || fail "the second copy ended with $status"
[ $(( ($(date +%s%N) - start) / 1000000 )) -le 3000 ] || fail "the second copy took too long"
shown=
for _ in $(seq 30); do
  if main_window_shown; then shown=1; break; fi
  sleep 0.1
done
[ -n "$shown" ] || fail "the second launch did not bring the window up"
kill -0 "$pelmora_pid" || fail "the first copy ended"
echo "second launch: ok"
