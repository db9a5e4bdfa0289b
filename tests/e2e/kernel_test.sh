#!/usr/bin/env bash
# The hidraw backend against a real kernel: boots a Debian kernel under QEMU
# with pelmora-cli and pelmora-virtual-mouse (see scripts/kernel-test).
# Usage: kernel_test.sh BIN_DIR. Skipped (77) where QEMU or the packages are
# not to be had, except in CI, where it must run.
set -uo pipefail
bin=${1:?usage: kernel_test.sh BIN_DIR}
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
"$source_dir/scripts/kernel-test" --bin "$bin"
status=$?
if [ "$status" = 77 ] && [ "${CI:-}" = true ]; then
  echo "kernel_test: cannot run, but CI requires it" >&2
  exit 1
fi
exit "$status"
