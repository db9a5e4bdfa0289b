#!/usr/bin/env bash
# End to end under Xvfb: the combo key dialog captures real X key events into
# the key field that has the focus, none while its modifier list is open, and
# Enter and Escape do not end it.
set -euo pipefail
bin=${1:?usage: key_capture_combo.sh <bin-dir>}
source "$(dirname "$0")/lib/xvfb.bash"
need_tools Xvfb xdotool
source "$(dirname "$0")/lib/dialog_preview.bash"

xvfb_start
make_data_folder

expect_field() { # FIELD VALUE
  [ "$(dialog_field "$1")" = "$2" ] || fail "$1 is \"$(dialog_field "$1")\", not \"$2\""
}

# Client pixels: the modifier header, the two key fields, row 6 of the list.
header=(91 77) first=(90 127) second=(90 177) right_alt=(91 191)

start_dialog combo
press_keys 105 # the first field has the focus when the dialog opens
click_dialog "${second[@]}"
press_keys 49
click_dialog "${header[@]}"
press_keys 38 # the list is open: no field takes it
click_dialog "${right_alt[@]}"
press_keys 133 36 # the focus is on the dialog now: nothing is captured
dialog_open || fail "Enter ended the combo key dialog"
dialog_ok
expect_field modifierName "Right Alt"
expect_field modifierPosition 6
expect_field firstKeyName "Right Ctrl"
expect_field secondKeyName '`'

start_dialog combo
click_dialog "${first[@]}"
press_keys Escape
dialog_open || fail "Escape ended the combo key dialog"
press_keys 104
click_dialog "${second[@]}"
press_keys 133
dialog_ok
expect_field modifierName ""
expect_field firstKeyName "Num Enter"
expect_field secondKeyName "Left Windows"
echo "combo key capture: ok"
