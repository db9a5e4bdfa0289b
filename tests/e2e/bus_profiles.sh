#!/usr/bin/env bash
# Under Xvfb with the test's own session bus and the simulated mouse: two
# profiles saved with pelmora-cli, one activated through org.pelmora.Pelmora1
# reaches the mouse (its state against `profile show`), the signals come, a
# bad name and an unknown profile get their errors, an activation at the
# same time as `pelmora-cli apply` is serialised by the transfer lock, the
# tray item's menu lists the profiles and activates one, the switch is told
# in one transient notification, a DPI stage the mouse switched to is
# signalled, and settings in words are read and set.
set -euo pipefail
bin=${1:?usage: bus_profiles.sh <bin-dir>}
source "$(dirname "$0")/lib/xvfb.bash"
need_tools Xvfb dbus-daemon gdbus
/usr/bin/python3 -c 'import dbus, gi' 2>/dev/null || need_tools python3-dbus

xvfb_start
make_data_folder
cli() { "$bin/pelmora-cli" --data-dir "$work/data" "$@"; }
cli profile save Desk >/dev/null
cli set report-rate=250 dpi1=3 >/dev/null
cli profile save Game >/dev/null
start_standin watcher
start_standin notifications
start_pelmora --simulate --sim-state "$work/mouse.json" --sim-control "$work/control"
call() {
  gdbus call --session -d org.pelmora.Pelmora -o /org/pelmora/Pelmora -m "org.pelmora.Pelmora1.$1" "${@:2}"
}
for _ in $(seq 100); do call ListProfiles >/dev/null 2>&1 && break; sleep 0.1; done
[ "$(call ListProfiles)" = "(['Desk', 'Game'],)" ] || fail "ListProfiles: $(call ListProfiles)"
gdbus monitor --session -d org.pelmora.Pelmora >"$work/monitor.out" 2>&1 &
pids+=($!)
sleep 0.5

call ActivateProfile game >/dev/null || fail "ActivateProfile game failed"
# The reply came after the transfer: the mouse holds the profile now.
rate=$(cli profile show Game report-rate | cut -d= -f2)
interval=$(grep -o '"reportInterval": [0-9]*' "$work/mouse.json" | grep -o '[0-9]*$')
[ $((1000 / interval)) = "$rate" ] || fail "the mouse reports every $interval ms, Game says $rate Hz"
[ "$(cli profile list)" = "  Desk
* Game" ] || fail "the active mark: $(cli profile list)"

out=$(call ActivateProfile ../x 2>&1) && fail "a bad name was taken"
grep -q 'InvalidArgs.*leading' <<<"$out" || fail "bad name: $out"
out=$(call ActivateProfile Nobody 2>&1) && fail "an unknown profile was taken"
grep -q 'Error.NoSuchProfile' <<<"$out" || fail "unknown profile: $out"

# pelmora-cli apply and an activation at once: one waits for the other.
cli --simulate --sim-state "$work/mouse.json" apply >"$work/apply.out" 2>&1 &
apply_pid=$!
call ActivateProfile Desk >/dev/null || fail "ActivateProfile Desk beside apply failed"
wait "$apply_pid" || fail "pelmora-cli apply beside the activation failed: $(cat "$work/apply.out")"
sleep 0.5
grep -q "ProfileActivated ('Game',)" "$work/monitor.out" || fail "no ProfileActivated"
grep -q "PropertiesChanged ('org.pelmora.Pelmora1', {'ActiveProfile': <'Desk'>" "$work/monitor.out" ||
  fail "no PropertiesChanged for ActiveProfile: $(cat "$work/monitor.out")"

# The tray: Profiles (1) > Desk (2), Game (3), a separator, the tick; Exit.
menu() {
  gdbus call --session -d "org.kde.StatusNotifierItem-$pelmora_pid-1" -o /MenuBar \
    -m "com.canonical.dbusmenu.$1" -- "${@:2}"
}
layout=$(menu GetLayout 1 -1 '[]')
grep -q "(2, {.*'label': <'Desk'>.*'toggle-state': <1>" <<<"$layout" ||
  fail "the tray does not check the active Desk: $layout"
grep -q "(3, {.*'label': <'Game'>.*'toggle-state': <0>" <<<"$layout" ||
  fail "the tray does not list Game: $layout"
menu Event 3 clicked '<"">' 0 >/dev/null
for _ in $(seq 50); do
  [ "$(cli profile list)" = "  Desk
* Game" ] && break
  sleep 0.1
done
[ "$(cli profile list)" = "  Desk
* Game" ] || fail "the tray's Game was not activated: $(cli profile list)"
# The bus's switches were told before; this one replaces the last of them.
for _ in $(seq 50); do [ "$(grep -c '^notify Profile: Game' "$work/notifications.out")" = 2 ] && break; sleep 0.1; done
grep -q '^notify Profile: Game | replaces=2 urgency=0 transient=1' "$work/notifications.out" ||
  fail "the tray's switch was told otherwise: $(cat "$work/notifications.out")"

# The mouse switches to stage 2 by itself.
wait_for_control_pipe
echo "event 7 2" >"$work/control"
for _ in $(seq 30); do grep -q 'DpiStageChanged (uint32 2' "$work/monitor.out" && break; sleep 0.1; done
grep -q 'DpiStageChanged (uint32 2, uint32 [1-9]' "$work/monitor.out" || fail "no DpiStageChanged"
[ "$(gdbus call --session -d org.pelmora.Pelmora -o /org/pelmora/Pelmora \
  -m org.freedesktop.DBus.Properties.Get org.pelmora.Pelmora1 DpiStage)" = "(<uint32 2>,)" ] ||
  fail "DpiStage is not 2"
grep -q '^notify Switch DPI into the second stage' "$work/notifications.out" ||
  fail "the stage switch was not told: $(cat "$work/notifications.out")"

# Settings in words, all or nothing.
call SetSettings "['report-rate=500']" true >/dev/null || fail "SetSettings failed"
[ "$(call GetSetting report-rate)" = "('500',)" ] || fail "GetSetting: $(call GetSetting report-rate)"
grep -q '"reportInterval": 2' "$work/mouse.json" || fail "500 Hz did not reach the mouse"
out=$(call SetSettings "['report-rate=125', 'dpi9=1']" false 2>&1) && fail "a bad word was taken"
grep -q 'InvalidArgs.*nothing was changed' <<<"$out" || fail "bad word: $out"
[ "$(cli get report-rate)" = "report-rate=500" ] || fail "a refused SetSettings changed the file"
sleep 0.3
grep -q "'Modified': <true>" "$work/monitor.out" || fail "no PropertiesChanged for Modified"
echo "bus profiles: ok"
