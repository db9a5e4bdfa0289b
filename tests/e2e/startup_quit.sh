#!/usr/bin/env bash
# Under Xvfb with the test's own session bus, while pelmora's start-up waits
# on its "Config file is not exist." box: a second start brings the window up
# once start-up has finished, and SIGTERM ends the program (status 0) and
# frees the lock and the bus name, so that the next start runs normally.
set -euo pipefail
bin=${1:?usage: startup_quit.sh <bin-dir>}
source "$(dirname "$0")/lib/xvfb.bash"
need_tools Xvfb xdotool dbus-daemon gdbus

xvfb_start
make_data_folder
rm "$work/data/config.bin"
bus_name_owned() {
  gdbus call --session -d org.freedesktop.DBus -o /org/freedesktop/DBus \
    -m org.freedesktop.DBus.NameHasOwner org.pelmora.Pelmora 2>/dev/null | grep -q true
}
start_in_box() { # starts pelmora and waits for its start-up box, whose id goes to $box
  start_pelmora --simulate --sim-state "$work/mouse.json"
  box=$(wait_for_dialog) || fail "no start-up box"
}

# A second start while the box is up: it ends at once, and the first copy's
# window comes up when the box is closed.
start_in_box
bus_name_owned || fail "the bus name waits for the end of start-up"
timeout 10 "$bin/pelmora" --data-dir "$work/data" >"$work/second.log" 2>&1 ||
  fail "the second start ended with $?"
main_window_shown && fail "the window came up before start-up finished"
xdotool windowfocus --sync "$box" key Return
for _ in $(seq 30); do main_window_shown && break; sleep 0.1; done
main_window_shown || fail "the activation during start-up was lost"
kill -TERM "$pelmora_pid"
wait "$pelmora_pid" || fail "pelmora ended with $? after SIGTERM"

# SIGTERM, SIGINT and SIGHUP while the box is up end the program.
for signal in TERM INT HUP; do
  start_in_box
  kill -"$signal" "$pelmora_pid"
  status=0
  for _ in $(seq 50); do kill -0 "$pelmora_pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$pelmora_pid" 2>/dev/null && fail "SIG$signal during start-up left the process running"
  wait "$pelmora_pid" || status=$?
  [ "$status" = 0 ] || fail "pelmora ended with $status after SIG$signal during start-up"
  bus_name_owned && fail "the bus name outlived the program"
done

# The lock is free: the next start runs and shows its box again.
start_in_box
kill -TERM "$pelmora_pid"
wait "$pelmora_pid" || true
echo "start-up quit: ok"
