#!/usr/bin/env bash
# The tests of unreadable and read-only files skip under root, where file
# permissions do not stop anything. When this runs as root, run them again as
# an ordinary user so CI checks them too.
set -euo pipefail
bin=$1
filter='*Permission*:*ReadOnly*'
if [ "$(id -u)" -ne 0 ]; then
  echo "SKIP: already unprivileged; the core test binary ran these tests"
  exit 77
fi
command -v setpriv >/dev/null || { echo "SKIP: setpriv missing"; exit 77; }
scratch=$(mktemp -d /tmp/pelmora-unprivileged.XXXXXX)
trap 'rm -rf "$scratch"' EXIT
chmod 1777 "$scratch"
# The test binary must be reachable by the ordinary user.
if ! setpriv --reuid=nobody --regid=nogroup --clear-groups test -x "$bin/pelmora_core_tests"; then
  echo "SKIP: the build folder is not readable by nobody"
  exit 77
fi
out=$(TMPDIR=$scratch setpriv --reuid=nobody --regid=nogroup --clear-groups \
  "$bin/pelmora_core_tests" --gtest_filter="$filter" 2>&1) || { echo "$out"; exit 1; }
echo "$out" | tail -3
if echo "$out" | grep -q '\[  SKIPPED \]'; then
  echo "FAIL: tests still skipped as an ordinary user"
  exit 1
fi
