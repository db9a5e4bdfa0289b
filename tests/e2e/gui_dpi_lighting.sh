#!/usr/bin/env bash
# End to end under Xvfb: the report rate, DPI stages and DPI lighting driven
# with the mouse alone at the window's client coordinates: rate 250, level 5
# of stage 1, stage 4's tick, Mode -> Neon, Parameter -> its fourth entry,
# Effect -> "RGB Fixed On", Apply. Then config.bin and the simulated mouse's
# rate, DPI stages, colours and effect are checked byte for byte.
set -euo pipefail
bin=${1:?usage: gui_dpi_lighting.sh <bin-dir>}
source "$(dirname "$0")/lib/xvfb.bash"
need_tools Xvfb xdotool od cmp

xvfb_start
make_data_folder
printf '\0' | dd of="$work/data/config.bin" bs=1 count=1 conv=notrunc status=none

start_pelmora --simulate --show --sim-state "$work/mouse.json"
wid=$(wait_for_window) || fail "no window of class KandroGMClass"
sleep 0.5

# The middle of row R of a list whose rectangle starts at TOP: rows are 16
# pixels high from 1 pixel below the top.
row_y() { echo $(($1 + 1 + 16 * $2 + 8)); }

click 649 209                 # report rate 250: 614..683 x 204..214
click 562 436                 # stage 1, level 5: 554..569 x 428..443
click 643 549                 # stage 4's tick: 635..650 x 541..556
click 800 337                 # Mode box: 767..850 x 330..343
click 800 "$(row_y 347 2)"    # its list at 766, 347: "Neon"
click 800 367                 # Parameter box: 767..850 x 360..373
click 800 "$(row_y 377 3)"    # its list at 767, 377: "2S", the fourth entry
click 800 397                 # Effect box: 767..850 x 390..403
click 800 "$(row_y 407 1)"    # its list at 766, 407: "RGB Fixed On"

apply_and_wait || true # the comparison below says what went wrong

# config.bin: the delivered file with the flag byte set and exactly the
# bytes of the six choices changed.
expected_config
poke 0x085 4    # reportInterval: 250 reports per second
poke 0x087 4    # dpiLevel[0]: level 5
poke 0x08E 0    # dpiStageOn[3]: off
poke 0x09B 3    # lightMode: Neon
poke 0x09E 3    # lightLevel3: 2S
poke 0x0A1 3    # lightColourMode3: RGB Fixed On
cmp -l "$work/data/config.bin" "$expected" >"$work/config-diff.log" ||
  fail "config.bin differs from what the clicks make (offset, saved, expected in octal)"

# The simulated mouse (sensor type 0): stage codes of levels 5, 4, 6, 8, the
# last with bit 7 for its disabled stage; the delivered colours; Neon at
# level 3 + 1 with its option as the mouse had it, colour page 0 = 3, 5, 5.
value() { sed -n "s/^ *\"$1\": \"\{0,1\}\([0-9a-f]*\)\"\{0,1\},\{0,1\}$/\1/p" "$work/mouse.json"; }
want="4 0504068880808080 ff000000ff000000ffffff00000000000000000000000000 3 4 2 030505 000000"
got=
for _ in $(seq 50); do
  got="$(value reportInterval) $(value dpiStages) $(value dpiColours) $(value effect) $(value effectOption1) $(value effectOption2) $(value colourPage0) $(value colourPage1)"
  [ "$got" = "$want" ] && break
  sleep 0.1
done
[ "$got" = "$want" ] || fail "the simulated mouse holds: $got; expected: $want"
echo "gui dpi lighting: ok"
