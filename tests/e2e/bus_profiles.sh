#!/usr/bin/env bash
# Under Xvfb with the test's own session bus and the simulated mouse: two
# profiles saved with pelmora-cli, one activated through org.pelmora.Pelmora1
# reaches the mouse (its state against `profile show`), the signals come, a
# bad name and an unknown profile get their errors, and an activation at the
# same time as `pelmora-cli apply` is serialised by the transfer lock.
set -euo pipefail
bin=${1:?usage: bus_profiles.sh <bin-dir>}
source "$(dirname "$0")/lib/xvfb.bash"
need_tools Xvfb dbus-daemon gdbus

xvfb_start
make_data_folder
cli() { "$bin/pelmora-cli" --data-dir "$work/data" "$@"; }
cli profile save Desk >/dev/null
cli set report-rate=250 dpi1=3 >/dev/null
cli profile save Game >/dev/null
start_pelmora --simulate --sim-state "$work/mouse.json"
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
echo "bus profiles: ok"
