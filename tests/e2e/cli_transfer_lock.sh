#!/usr/bin/env bash
# Two pelmora-cli applies sharing one simulated mouse (--sim-state) at the
# same moment: the second waits for the first, both succeed, and the mouse
# holds one whole settings block. A third that finds the mouse held past its
# wait sends nothing and ends with status 1.
set -uo pipefail
bin=${1:?usage: cli_transfer_lock.sh BIN_DIR}
cli="$bin/pelmora-cli"
work=$(mktemp -d /tmp/pelmora-e2e-lock.XXXXXX)
cleanup() {
  exec 7>&- 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*"
  for f in "$work"/*.err; do [ -s "$f" ] && { echo "--- $f"; cat "$f"; }; done
  exit 1
}
command -v flock >/dev/null || { echo "SKIP: flock is not installed"; exit 77; }

# Two data folders whose key matrices and DPI stages differ.
for name in a b; do
  mkdir "$work/$name"
  cp "$bin/config.bin" "$work/$name/"
done
"$cli" --data-dir "$work/a" set a2="Mid Click" dpi1=3 dpi4=off >/dev/null || fail "set a"
"$cli" --data-dir "$work/b" set a3=Forward b2="DPI +" dpi2=7 report-rate=250 >/dev/null ||
  fail "set b"
# What the mouse holds after each alone.
for name in a b; do
  cp -r "$work/$name" "$work/ref-$name"
  "$cli" --data-dir "$work/ref-$name" --sim-state "$work/ref-$name.json" apply >/dev/null ||
    fail "apply $name alone"
done
cmp -s "$work/ref-a.json" "$work/ref-b.json" && fail "the two blocks do not differ"

# This script holds the mouse (fd 7) while both start, then lets go: both
# are waiting when it frees.
state="$work/mouse.json"
exec 7>"$state.lock"
flock 7
"$cli" --data-dir "$work/a" --sim-state "$state" apply >"$work/a.out" 2>"$work/a.err" 7>&- &
first=$!
"$cli" --data-dir "$work/b" --sim-state "$state" apply >"$work/b.out" 2>"$work/b.err" 7>&- &
second=$!
sleep 0.3
flock -u 7
wait "$first" || fail "the apply of a failed"
wait "$second" || fail "the apply of b failed"
grep -q 'another program is sending settings to the mouse' "$work/a.err" ||
  fail "a did not say that it waited"
if cmp -s "$state" "$work/ref-a.json"; then
  echo "the mouse holds the whole block of a"
elif cmp -s "$state" "$work/ref-b.json"; then
  echo "the mouse holds the whole block of b"
else
  diff "$work/ref-b.json" "$state" | head -n 20
  fail "the mouse holds neither whole block"
fi

# Held past the third's wait: nothing is sent, status 1, one line why.
cp "$state" "$work/before.json"
flock 7
PELMORA_TRANSFER_WAIT_MS=300 "$cli" --data-dir "$work/a" --sim-state "$state" --trace apply \
  >"$work/third.out" 2>"$work/third.err" 7>&-
status=$?
flock -u 7
[ "$status" = 1 ] || fail "the third ended with status $status, not 1"
[ "$(tail -n1 "$work/third.err")" = \
  "pelmora-cli: another program kept the mouse busy for 300 ms; nothing was sent" ] ||
  fail "the third did not say why"
grep -qE '^(set|out) ' "$work/third.out" && fail "the third sent something"
cmp -s "$state" "$work/before.json" || fail "the mouse changed"
echo "cli transfer lock: ok"
