#!/usr/bin/env bash
# A second copy of pelmora ends at once with status 0 and leaves the first
# running; without a session bus to reach the first it says that one runs.
# Once the first is killed, a new copy starts (no stale lock).
set -euo pipefail
bin=${1:?usage: single_instance.sh <bin-dir>}
work=$(mktemp -d /tmp/pelmora-e2e-single.XXXXXX)
first=
cleanup() {
  [ -n "$first" ] && kill "$first" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

export QT_QPA_PLATFORM=offscreen DBUS_SESSION_BUS_ADDRESS=disabled:
export XDG_RUNTIME_DIR="$work/run"
mkdir -m 700 "$XDG_RUNTIME_DIR"
mkdir "$work/data"
cp "$bin/config.bin" "$work/data/"
args=(--data-dir "$work/data" --simulate --sim-state "$work/mouse.json")

"$bin/pelmora" "${args[@]}" >"$work/first.log" 2>&1 &
first=$!
for _ in $(seq 50); do
  [ -e "$XDG_RUNTIME_DIR/KandroMutex.lock" ] && break
  sleep 0.1
done
sleep 0.5
kill -0 "$first" || { echo "first copy died"; cat "$work/first.log"; exit 1; }

start=$(date +%s)
set +e
timeout 10 "$bin/pelmora" "${args[@]}" --sim-control "$work/second.pipe" >"$work/second.log" 2>&1
status=$?
set -e
[ "$status" -eq 0 ] || { echo "second copy ended with $status"; cat "$work/second.log"; exit 1; }
[ $(( $(date +%s) - start )) -le 5 ] || { echo "second copy took too long"; exit 1; }
grep -q "already running" "$work/second.log" || { echo "the second copy did not say why it ended"; cat "$work/second.log"; exit 1; }
# It changed nothing: no control pipe of its own was made.
[ ! -e "$work/second.pipe" ] || { echo "the second copy set up the simulated mouse"; exit 1; }
kill -0 "$first" || { echo "first copy is gone"; exit 1; }

# A killed first copy leaves no stale lock.
kill -9 "$first"
wait "$first" 2>/dev/null || true
first=
"$bin/pelmora" "${args[@]}" >"$work/third.log" 2>&1 &
first=$!
sleep 1.5
kill -0 "$first" || { echo "a new copy did not start after the first was killed"; cat "$work/third.log"; exit 1; }
echo "single instance: ok"
