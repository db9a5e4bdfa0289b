#!/usr/bin/env bash
# pelmora-cli doctor on a real X display and session bus: the session, the
# tray asked on both ways (no StatusNotifierWatcher on the bus; an XEmbed
# tray manager on the display once trayer runs), the notification service,
# and the data folder's lines. The mouse's checks run against fakes in the
# unit tests and on real nodes in the kernel VM test.
set -euo pipefail
bin=$1
source "$(dirname "$0")/lib/xvfb.bash"
need_tools Xvfb trayer dbus-daemon
xvfb_start
make_data_folder
doctor() { "$bin/pelmora-cli" --data-dir "$work/data" doctor "$@" >"$work/doctor.out" 2>&1 || true; }
expect() { grep -q "$1" "$work/doctor.out" || { cat "$work/doctor.out"; fail "no line $1"; }; }

unset XDG_CURRENT_DESKTOP
XDG_CURRENT_DESKTOP=GNOME doctor
expect "^ok   session: GNOME on X11 (DISPLAY=$DISPLAY)$"
expect "^warn tray: .*comes back from the application grid or by starting Pelmora again "
doctor
expect "^ok   session: X11 (DISPLAY=$DISPLAY)$"
expect "^warn tray: no system tray: no StatusNotifierWatcher on the session bus, no XEmbed tray manager on $DISPLAY;"
expect '^warn notifications: no notification service on the session bus'
expect "^ok   data folder: $work/data: given by --data-dir$"
expect '^ok   config.bin: .*: 1850 bytes, loaded'
expect '^ok   skin: Default ('
expect '^ok   pointer settings: '

tray_start
for _ in $(seq 50); do
  doctor
  grep -q '^ok   tray: ' "$work/doctor.out" && break
  sleep 0.1
done
expect "^ok   tray: an XEmbed tray manager on $DISPLAY$"
doctor --json
expect '"verdict": "ok",'
echo "PASS"
