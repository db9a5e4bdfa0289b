#!/usr/bin/env bash
# End to end through the accessibility bus under Xvfb: every control of both
# pages, of the skins dialog and of the multimedia key dialog is there with a
# role and a name, in English and in Turkish, under the program's name;
# choosing "Forward" for button 2 and pressing Apply through their accessible
# actions saves config.bin as the clicks do, and the end is announced; in
# Turkish the single key dialog reads its key and ends by a held Enter.
set -euo pipefail
bin=${1:?usage: gui_accessibility.sh <bin-dir>}
here=$(dirname "$0")
source "$here/lib/xvfb.bash"
source "$here/lib/atspi.bash"
need_tools Xvfb xdotool od cmp

xvfb_start
atspi_start
make_data_folder
printf '\0' | dd of="$work/data/config.bin" bs=1 count=1 conv=notrunc status=none

# scenario ARGS: the program started afresh and driven through the bus; $tab
# is then the basic tab's name.
scenario() {
  start_pelmora --simulate --show --sim-state "$work/mouse.json"
  wait_for_window >/dev/null || fail "no window of class KandroGMClass"
  /usr/bin/python3 "$here/lib/atspi_scenario.py" "$@" >"$work/scenario.log" 2>&1 ||
    fail "the accessible scenario $*"
  tab=$(sed -n 's/^tab: //p' "$work/scenario.log")
}

scenario apply
[ "$tab" = "Basic Settings" ] || fail "the basic tab's English name: $tab"
for _ in $(seq 50); do
  [ "$(config_flag)" = 1 ] && break
  sleep 0.1
done
expected_config
poke 0x001 3 # keyFunctionA[1]: Forward
cmp -l "$work/data/config.bin" "$expected" >"$work/config-diff.log" ||
  fail "config.bin differs from what the click on Forward and Apply make"

kill "$pelmora_pid"
wait "$pelmora_pid" 2>/dev/null || true
sed -i 's/^Lan=.*/Lan=TUR/' "$work/data/str.ini"
scenario single
[ -n "$tab" ] && [ "$tab" != "Basic Settings" ] || fail "the basic tab's Turkish name: $tab"
echo "gui accessibility: ok"
