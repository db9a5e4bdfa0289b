#!/usr/bin/env bash
# End to end under Xvfb: the key settings driven with the mouse alone at the
# window's client coordinates. Button 2 becomes "Forward" in mode A; in mode B
# button 4 becomes "DPI +" from the list beside "DPI Switch" and button 5 a
# single key (F5, typed into the single key dialog); Apply. Then config.bin,
# str.ini and the simulated mouse's key matrices are checked byte for byte,
# and pelmora-cli matrices on the saved config.bin prints what the mouse got.
set -euo pipefail
bin=${1:?usage: gui_key_page.sh <bin-dir>}
source "$(dirname "$0")/lib/xvfb.bash"
need_tools Xvfb xdotool od cmp

xvfb_start
make_data_folder
printf '\0' | dd of="$work/data/config.bin" bs=1 count=1 conv=notrunc status=none

start_pelmora --simulate --show --sim-state "$work/mouse.json"
wid=$(wait_for_window) || fail "no window of class KandroGMClass"
sleep 0.5

# The middle of row R of the key list under box N (rows 16 pixels high from
# 1 pixel below the list's top at 221 + 23 (N - 1)).
row_y() { echo $((221 + 23 * ($1 - 1) + 1 + 16 * $2 + 8)); }
box_y() { echo $((199 + 23 * ($1 - 1) + 10)); }

# Mode A: box 2, "Forward" (row 3).
click 357 "$(box_y 2)"
click 300 "$(row_y 2 3)"

# Mode B: box 4, rest on "DPI Switch" (row 6), move right into the list
# beside it and choose "DPI +" (its first row, level with "DPI Switch").
click 410 528
click 357 "$(box_y 4)"
y=$(row_y 4 6)
xdotool mousemove --window "$wid" 300 "$y"
sleep 0.2
xdotool mousemove --window "$wid" 350 "$y"
sleep 0.3
click 480 "$y"

# Mode B: box 5, "Single Key" (row 11) opens the single key dialog.
click 357 "$(box_y 5)"
click 300 "$(row_y 5 11)"
dialog=$(wait_for_dialog) || fail "the single key dialog did not open"
xdotool windowfocus --sync "$dialog" 2>/dev/null || true
sleep 0.3
xdotool key F5
sleep 0.3
click_dialog_ok "$dialog"

apply_and_wait || true # the comparison below says what went wrong

# config.bin: the delivered file with the flag byte set and exactly the
# bytes of the three choices and the key mode changed.
expected_config
poke 0x001 3                  # keyFunctionA[1]: Forward
poke 0x6A8 1                  # keyMode: B
poke $((0x6A9 + 3)) 6         # keyFunctionB[3]: DPI Switch
poke $((0x731 + 3)) 1         # dpiSwitchParamB[3]: DPI +
poke $((0x6A9 + 4)) 11        # keyFunctionB[4]: Single Key
poke $((0x6A9 + 0x50 + 4)) 0x3E # singleKeyCodeB[4]: F5
cmp -l "$work/data/config.bin" "$expected" >"$work/config-diff.log" ||
  fail "config.bin differs from what the choices make (offset, saved, expected in octal)"

# str.ini: both modes' labels in the English section.
labels=$(sed -n '/^\[Setting-EN\]/,/^\[/p' "$work/data/str.ini" | grep '^Item')
want="Item1=Left Click
Item2=Forward
Item3=Mid Click
Item4=Forward
Item5=Backward
Item6=DPI Loop
Item7=Key Off
Item8=Key Off
Item13=Left Click
Item23=Right Click
Item33=Mid Click
Item43=DPI +
Item53=Single Key-F5
Item63=DPI Loop
Item73=Key Off
Item83=Key Off"
[ "$labels" = "$want" ] || fail "str.ini labels: $labels"

# The simulated mouse's key matrices, and pelmora-cli on the saved file.
zero=00000000
fixed="0100f700 0100f800"
gap="$zero $zero $zero $zero $zero $zero"
want_matrices="matrix 1: 0100f000 0100f400 0100f200 0100f300 0100f400 07000300 $zero $zero $gap $fixed
matrix 2: $zero $zero $zero $zero $zero $zero $zero $zero $gap $zero $zero
matrix 3: 0100f000 0100f100 0100f200 00003e00 07000100 07000300 $zero $zero $gap $fixed
matrix 4: $zero $zero $zero $zero $zero $zero $zero $zero $gap $zero $zero"
cli=$("$bin/pelmora-cli" --data-dir "$work/data" matrices) || fail "pelmora-cli matrices failed"
[ "$cli" = "$want_matrices" ] || fail "pelmora-cli matrices: $cli"

from_cli=$(echo "$cli" | sed 's/^matrix [0-9]: //; s/ //g')
mouse=
for _ in $(seq 50); do
  mouse=$(sed -n '/"keyMatrices"/,/\]/p' "$work/mouse.json" 2>/dev/null |
    grep -o '"[0-9a-f]\{128\}"' | tr -d '"' || true)
  [ "$mouse" = "$from_cli" ] && break
  sleep 0.1
done
[ "$mouse" = "$from_cli" ] || fail "the mouse's key matrices differ: $mouse"
echo "gui key page: ok"
