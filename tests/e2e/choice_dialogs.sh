#!/usr/bin/env bash
# End to end under Xvfb: the fire key, multimedia, launch, macro key and delay
# dialogs driven with the real mouse and keyboard, checked in their results.
set -euo pipefail
bin=${1:?usage: choice_dialogs.sh <bin-dir>}
source "$(dirname "$0")/lib/xvfb.bash"
need_tools Xvfb xdotool
source "$(dirname "$0")/lib/dialog_preview.bash"

xvfb_start
make_data_folder

expect_field() { # FIELD VALUE
  [ "$(dialog_field "$1")" = "$2" ] || fail "$1 is \"$(dialog_field "$1")\", not \"$2\" ($(tr '\n' ' ' <"$dialog_out"))"
}
wait_result() {
  for _ in $(seq 50); do
    grep -q '^result=' "$dialog_out" && break
    sleep 0.1
  done
  wait "$dialog_pid" 2>/dev/null || true
}
# Row n of a list whose rectangle starts at top: 16-pixel rows under a
# 1-pixel border.
row_y() { echo $(($1 + 1 + 16 * $2 + 8)); }

# Fire key: the wheel over the dialog scrolls the open list three rows, a click
# on the top row then chooses "D"; speed 4 becomes 5 when its field loses the
# focus; times 0 stays.
start_dialog fire
click_dialog 91 77
xdotool mousemove --window "$dialog_wid" 300 60 click 5
sleep 0.2
click_dialog 91 "$(row_y 86 0)"
click_dialog 90 127
press_keys ctrl+a 4
click_dialog 90 177
press_keys ctrl+a 0
dialog_ok
expect_field keyPosition 3
expect_field chosenKeyText D
expect_field speed 5
expect_field times 0

# Multimedia: "Vol-".
start_dialog media
click_dialog 97 136
click_dialog 97 "$(row_y 145 6)"
dialog_ok
expect_field choicePosition 6
expect_field chosenText Vol-

# Launch: "Mail", then OK while the list is open again ends with "Mail".
start_dialog windows
click_dialog 97 136
click_dialog 97 "$(row_y 145 1)"
click_dialog 97 136
dialog_ok
expect_field choicePosition 1
expect_field chosenText Mail

# Macro key without any macro: OK explains (a message box) and the dialog stays.
printf '' >"$work/data/record.ini"
start_dialog macro
click_dialog 218 263
sleep 0.5
windows=$(xdotool search --onlyvisible --pid "$dialog_pid" 2>/dev/null | wc -l)
[ "$windows" -ge 2 ] || fail "OK without any macro showed no message"
grep -q '^result=' "$dialog_out" && fail "OK without any macro ended the dialog"
kill "$dialog_pid"
wait "$dialog_pid" 2>/dev/null || true

# Macro key: the second macro, repeated until the button is released.
printf '[Burst]\nMacroLoopTimes=3\nItemCount=0\n[Reload]\nMacroLoopTimes=1\nItemCount=0\n' >"$work/data/record.ini"
start_dialog macro
click_dialog 97 136
click_dialog 97 "$(row_y 146 1)"
click_dialog 228 186
dialog_ok
expect_field selectedMacroIndex 1
expect_field selectedMacroName Reload
expect_field loopMode 3

# Delay: typed digits, Enter is OK.
start_dialog delay
xdotool type --delay 50 20000
press_keys Return
wait_result
grep -q '^result=1$' "$dialog_out" || fail "Enter did not end the delay dialog with OK"
expect_field delayValue 20000
expect_field delayText 20000
echo "choice dialogs: ok"
