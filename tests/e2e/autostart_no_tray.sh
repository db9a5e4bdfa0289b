#!/usr/bin/env bash
# Under Xvfb without a tray, started with --autostart (as at login): the
# window stays closed (also when the mouse is unplugged), the mouse's events
# still become notifications, and starting the program again opens the window.
set -euo pipefail
bin=${1:?usage: autostart_no_tray.sh <bin-dir>}
source "$(dirname "$0")/lib/xvfb.bash"
need_tools Xvfb xdotool dbus-daemon
/usr/bin/python3 -c 'import dbus, gi' 2>/dev/null || need_tools python3-dbus

xvfb_start
start_standin notifications
make_data_folder
start_pelmora --autostart --simulate --sim-state "$work/mouse.json" --sim-control "$work/control"
wait_for_control_pipe

# notifications N: waits up to 5 s for the N-th notification.
notifications() {
  for _ in $(seq 50); do
    [ "$(grep -c '^notify' "$work/notifications.out")" -ge "$1" ] && return 0
    sleep 0.1
  done
  return 1
}
echo "event 8 1" >"$work/control"
notifications 1 || fail "the mouse's event became no notification"
echo unplug >"$work/control" # a removal hides the window: it must not show it
notifications 2 || fail "the mouse's removal became no notification"
sleep 0.3
main_window_shown && fail "started with the session and without a tray, the window opened"

"$bin/pelmora" --data-dir "$work/data" >"$work/second.log" 2>&1 || fail "the second copy failed"
for _ in $(seq 30); do
  main_window_shown && { echo "autostart without a tray: ok"; exit 0; }
  sleep 0.1
done
fail "starting the program again did not open the window"
