#!/usr/bin/env bash
# pelmora-cli listen against the simulated mouse: events written into the
# control pipe come out as lines with their English balloon text; unplug and
# plug are noticed; Ctrl+C (SIGINT) ends it cleanly with status 0.
set -euo pipefail
bin=$1
work=$(mktemp -d /tmp/pelmora-e2e-listen.XXXXXX)
pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

cp "$bin/config.bin" "$work/"
mkfifo "$work/control"
"$bin/pelmora-cli" --data-dir "$work" --simulate --sim-control "$work/control" listen \
  >"$work/out" 2>"$work/err" &
pid=$!

wait_for() { # text [file]
  local file=${2:-$work/out}
  for _ in $(seq 100); do
    grep -qF "$1" "$file" && return 0
    sleep 0.05
  done
  echo "missing: $1"; echo "--- out"; cat "$work/out"; echo "--- err"; cat "$work/err"
  exit 1
}

wait_for "listening"
echo "event 7 2" >"$work/control"
wait_for "event 7 2: Switch DPI into the second stage "
echo "event 5 3" >"$work/control"
wait_for "event 5 3"
echo "unplug" >"$work/control"
wait_for "mouse gone: The system did not detect the gaming mouse!"
echo "plug" >"$work/control"
wait_for "mouse arrived"
echo "event 9 12" >"$work/control"
wait_for "event 9 12: Switch to macro key12"
echo "nonsense" >"$work/control"
wait_for "unknown control line" "$work/err"

kill -INT "$pid"
status=0
wait "$pid" || status=$?
pid=
[ "$status" -eq 0 ] || { echo "listen ended with $status"; cat "$work/err"; exit 1; }
grep -qx "stopped" "$work/out" || { echo "no clean stop"; cat "$work/out"; exit 1; }
# The DPI text of stage 2 comes from the delivered settings and sensor 0.
grep "event 7 2" "$work/out"
echo "ok"
