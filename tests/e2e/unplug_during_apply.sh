#!/usr/bin/env bash
# The mouse pulled out at every step of an Apply: pelmora-cli apply against
# the simulated mouse, with "unplug" sent into its control pipe after the
# first N trace lines, N swept across the whole transfer. Every run ends
# within the time-outs, never crashes, reports that the mouse stopped
# answering, and leaves config.bin and the mouse's state file whole.
set -euo pipefail
bin=$1
step=${PELMORA_UNPLUG_STEP:-6}
work=$(mktemp -d /tmp/pelmora-e2e-unplug.XXXXXX)
trap 'rm -rf "$work"' EXIT
cli() { "$bin/pelmora-cli" --data-dir "$work" "$@"; }
cp "$bin/config.bin" "$bin/str.ini" "$work/"

cli --simulate --trace apply >"$work/full.trace"
lines=$(wc -l <"$work/full.trace")
# The report of a mouse that stopped answering, when this build has it.
reports=0
grep -q "stopped answering" "$bin/pelmora-cli" && reports=1

runs=0
for ((n = 0; n < lines; n += step)); do
  rm -f "$work/control"
  mkfifo "$work/control"
  set +e
  timeout 30 "$bin/pelmora-cli" --data-dir "$work" --sim-state "$work/mouse.json" \
    --sim-control "$work/control" --trace apply 2>"$work/err" |
    { head -n "$n" >/dev/null; echo unplug >"$work/control"; cat >/dev/null; }
  status=${PIPESTATUS[0]}
  set -e
  runs=$((runs + 1))
  case $status in
    0 | 1) ;;
    124) echo "FAIL: unplug after line $n: still running after 30 s"; exit 1 ;;
    *) echo "FAIL: unplug after line $n: status $status"; cat "$work/err"; exit 1 ;;
  esac
  if [ "$reports" = 1 ] && [ "$n" -lt "$((lines - 8))" ]; then
    # An unplug that comes before discovery finds no mouse: also reported.
    grep -q "stopped answering\|no mouse 04d9:a09f found" "$work/err" ||
      { echo "FAIL: unplug after line $n was not reported"; cat "$work/err"; exit 1; }
    [ "$status" = 1 ] || { echo "FAIL: unplug after line $n: status 0"; exit 1; }
  fi
  [ "$(stat -c %s "$work/config.bin")" = 1850 ] || { echo "FAIL: config.bin torn"; exit 1; }
  cli --sim-state "$work/mouse.json" read >/dev/null ||
    { echo "FAIL: the mouse's state file is damaged after line $n"; exit 1; }
done
[ "$reports" = 1 ] || echo "note: this build does not report a mouse that stopped answering"
echo "PASS: $runs unplugs across $lines trace lines"
