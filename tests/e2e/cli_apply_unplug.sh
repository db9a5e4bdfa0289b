#!/usr/bin/env bash
# pelmora-cli apply with the simulated mouse pulled out midway: Apply runs to
# its end and saves config.bin, then says how many writes were lost and ends
# with status 1. A sweep of unplug points across the whole Apply.
set -euo pipefail
bin=$1
work=$(mktemp -d /tmp/pelmora-e2e-unplug.XXXXXX)
cleanup() {
  exec 3>&- 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

failures=0
for at in 5 40 120 200; do
  rm -rf "$work/data" "$work/control"
  mkdir "$work/data"
  cp "$bin/config.bin" "$work/data/"
  mkfifo "$work/control"
  exec 3<>"$work/control"
  # The trace comes line by line as the writes happen; after line $at the
  # mouse is pulled out.
  set +e
  "$bin/pelmora-cli" --data-dir "$work/data" --sim-control "$work/control" --trace apply \
    2>"$work/err" | {
    n=0
    while IFS= read -r _; do
      n=$((n + 1))
      [ "$n" = "$at" ] && echo unplug >&3
    done
  }
  status=${PIPESTATUS[0]}
  set -e
  exec 3>&-
  err=$(cat "$work/err")
  flag=$(od -An -tu1 -N1 "$work/data/config.bin" | tr -d ' ')
  if [ "$status" = 1 ] &&
    [[ "$err" =~ the\ mouse\ stopped\ answering\;\ ([0-9]+)\ of\ 96\ writes\ did\ not\ reach\ it ]] &&
    [ "${BASH_REMATCH[1]}" -ge 1 ] && [ "${BASH_REMATCH[1]}" -le 96 ] && [ "$flag" = 1 ]; then
    echo "ok - unplug after trace line $at: status 1, ${BASH_REMATCH[1]} writes lost, config.bin saved"
  else
    echo "not ok - unplug after trace line $at: status $status, flag $flag, stderr: $err"
    failures=$((failures + 1))
  fi
done
[ "$failures" = 0 ]
