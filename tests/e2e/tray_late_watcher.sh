#!/usr/bin/env bash
# Under Xvfb on the test's own session bus: a StatusNotifierWatcher (a tray
# host of a desktop such as Plasma or a wlroots bar) that appears after the
# program gets the program's item, titled "Pelmora", within 2 seconds; so
# does a copy started while the watcher is there.
set -euo pipefail
bin=${1:?usage: tray_late_watcher.sh <bin-dir>}
source "$(dirname "$0")/lib/xvfb.bash"
need_tools Xvfb xdotool dbus-daemon
/usr/bin/python3 -c 'import dbus, gi' 2>/dev/null || need_tools python3-dbus

xvfb_start
make_data_folder
start_pelmora --simulate --sim-state "$work/mouse.json"
wait_for_window >/dev/null || fail "without a tray the window must start shown"

start_standin watcher
for _ in $(seq 20); do
  grep -q '^item ' "$work/watcher.out" && break
  sleep 0.1
done
grep -qx 'item Pelmora' "$work/watcher.out" ||
  fail "no item titled Pelmora registered within 2 s: $(cat "$work/watcher.out")"
kill -0 "$pelmora_pid" || fail "pelmora ended"
# A primary click means Activate (not the menu) to hosts that read these.
grep -qx 'item-properties Id=org.pelmora.Pelmora Category=Hardware Status=Active ItemIsMenu=0' \
  "$work/watcher.out" || fail "the item describes itself otherwise: $(cat "$work/watcher.out")"

kill "$pelmora_pid"
wait "$pelmora_pid" || true
start_pelmora --simulate --sim-state "$work/mouse.json"
for _ in $(seq 20); do
  [ "$(grep -c '^item ' "$work/watcher.out")" -ge 2 ] && break
  sleep 0.1
done
[ "$(grep -cx 'item Pelmora' "$work/watcher.out")" -eq 2 ] ||
  fail "a copy started with the watcher there registered no item titled Pelmora: $(cat "$work/watcher.out")"
echo "late tray (StatusNotifierWatcher): ok"
