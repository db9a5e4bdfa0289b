#!/usr/bin/env bash
# kill -9 at random moments while pelmora-cli saves: `encode-macros --save`
# (config.bin) and `apply` against the simulated mouse (config.bin, str.ini,
# the mouse's state file). After every kill each data file is complete - the
# old or the new content, never a mix - and after the next save no temporary
# file of ours is left in the folder.   PELMORA_KILL_ITERATIONS (default 200)
set -euo pipefail
bin=$1
iterations=${PELMORA_KILL_ITERATIONS:-200}
work=$(mktemp -d /tmp/pelmora-e2e-kill.XXXXXX)
trap 'rm -rf "$work"' EXIT
data=$work/data
mkdir "$data"
cp "$bin/config.bin" "$bin/str.ini" "$data/"
printf '[Copy]\r\nMacroLoopTimes=2\r\nItemCount=2\r\nItem0=C Down 30\r\nItem1=C Up 20\r\n' \
  >"$data/record.ini"
cli() { "$bin/pelmora-cli" --data-dir "$data" "$@"; }

fail() {
  echo "FAIL: $*"
  ls -la "$data"
  exit 1
}

# Every content each file may legitimately hold: the delivered one and what
# each command writes (the commands are deterministic).
mkdir "$work/allowed"
snapshot() { # tag
  for f in config.bin str.ini mouse.json; do
    [ -e "$data/$f" ] && cp "$data/$f" "$work/allowed/$f.$1"
  done
  return 0
}
snapshot delivered
cli encode-macros --save >/dev/null
snapshot encoded
cli --sim-state "$data/mouse.json" apply >/dev/null
snapshot applied
cli --sim-state "$data/mouse.json" apply >/dev/null
snapshot applied-again

is_allowed() { # file
  local f
  for f in "$work/allowed/$(basename "$1")".*; do
    cmp -s "$1" "$f" && return 0
  done
  return 1
}
check_complete() { # iteration
  for f in config.bin str.ini mouse.json; do
    [ -e "$data/$f" ] || fail "iteration $1: $f is gone"
    is_allowed "$data/$f" || fail "iteration $1: $f holds a content no save wrote"
  done
}
strays() {
  find "$data" -maxdepth 1 -type f ! -name config.bin ! -name str.ini ! -name record.ini \
    ! -name mouse.json ! -name mouse.json.lock | wc -l
}

# A command's own running time sets the range of the random moments.
start=$(date +%s%N)
cli --sim-state "$data/mouse.json" apply >/dev/null
applyUs=$((($(date +%s%N) - start) / 1000))
start=$(date +%s%N)
cli encode-macros --save >/dev/null
encodeUs=$((($(date +%s%N) - start) / 1000 + 2000))

killed=0
for ((i = 0; i < iterations; i++)); do
  if ((i % 4 == 3)); then
    cli --sim-state "$data/mouse.json" apply >/dev/null 2>&1 &
    range=$applyUs
  else
    cli encode-macros --save >/dev/null 2>&1 &
    range=$encodeUs
  fi
  pid=$!
  delay=$((RANDOM * 32768 + RANDOM))
  sleep "$(printf '0.%06d' $((delay % range)))"
  kill -9 "$pid" 2>/dev/null && killed=$((killed + 1))
  wait "$pid" 2>/dev/null || true
  check_complete "$i"
done
echo "killed $killed of $iterations runs while they worked"

# The next save clears what killed saves left.
cli encode-macros --save >/dev/null
cli --sim-state "$data/mouse.json" apply >/dev/null
check_complete final
[ "$(strays)" = 0 ] || fail "temporary files left behind: $(strays)"
echo "PASS: every data file complete after $iterations kills, no temporary file left"
