#!/usr/bin/env bash
# pelmora-virtual-mouse refuses what --simulate refuses, before it touches
# /dev/uhid: a control path that is no named pipe (reading a plain file as
# one would spin for ever) and a damaged state file (left as it is).
set -euo pipefail
bin=$1
work=$(mktemp -d /tmp/pelmora-e2e-vm.XXXXXX)
trap 'rm -rf "$work"' EXIT
vm() { timeout 10 "$bin/pelmora-virtual-mouse" --uhid "$work/no-uhid" "$@" 2>"$work/err"; }
expect_refusal() { # text, options...
  local text=$1 status=0
  shift
  vm "$@" || status=$?
  if [ "$status" != 1 ] || ! grep -qF "$text" "$work/err" || grep -qF no-uhid "$work/err"; then
    echo "pelmora-virtual-mouse $* gave status $status:"; cat "$work/err"
    exit 1
  fi
}

echo plain >"$work/plain"
expect_refusal "is not a named pipe" --sim-control "$work/plain"

printf '{"sensorType": ' >"$work/state.json"
expect_refusal "damaged" --sim-state "$work/state.json"
[ "$(cat "$work/state.json")" = '{"sensorType": ' ] || { echo "the damaged state was rewritten"; exit 1; }
echo "ok"
