#!/usr/bin/env bash
# End to end under Xvfb: the single key dialog names real X key events by the
# physical key, Enter and Escape do not end it, and it holds the keyboard.
set -euo pipefail
bin=${1:?usage: key_capture_single.sh <bin-dir>}
source "$(dirname "$0")/lib/xvfb.bash"
need_tools Xvfb xdotool
source "$(dirname "$0")/lib/dialog_preview.bash"

xvfb_start
make_data_folder

# X key code -> the name the dialog must give.
declare -A names=(
  [105]="Right Ctrl" [104]="Num Enter" [133]="Left Windows" [49]='`'
  [37]="Ctrl" [62]="Right Shift" [108]="Right Alt" [67]="F1" [87]="Num 1" [38]="A"
)
for code in "${!names[@]}"; do
  start_dialog single
  press_keys "$code"
  dialog_ok
  [ "$(dialog_field capturedKeyName)" = "${names[$code]}" ] ||
    fail "key $code gave \"$(dialog_field capturedKeyName)\", not \"${names[$code]}\""
done

# Enter and Escape are captured and leave the dialog open; the last key counts.
start_dialog single
press_keys 36
dialog_open || fail "Enter ended the single key dialog"
press_keys Escape
dialog_open || fail "Escape ended the single key dialog"
dialog_ok
[ "$(dialog_field capturedKeyName)" = "Esc" ] || fail "Escape gave \"$(dialog_field capturedKeyName)\""

# With a second window focused, the keys still reach the dialog: it holds the
# keyboard while it is open.
start_dialog single
first_pid=$dialog_pid first_wid=$dialog_wid first_out=$dialog_out
start_dialog single
other_pid=$dialog_pid
xdotool windowfocus --sync "$dialog_wid" 2>/dev/null || true
press_keys 133
kill "$other_pid"
wait "$other_pid" 2>/dev/null || true
dialog_pid=$first_pid dialog_wid=$first_wid dialog_out=$first_out
dialog_ok
[ "$(dialog_field capturedKeyName)" = "Left Windows" ] ||
  fail "the grabbing dialog captured \"$(dialog_field capturedKeyName)\" while another window had the focus"

# Under a window manager that closes a window on Alt+F4 and shows the desktop
# on Super+D (openbox), these keys reach the dialog instead: it takes the
# keyboard once the window manager has mapped it.
if command -v openbox >/dev/null 2>&1; then
  HOME=$work openbox >"$work/openbox.log" 2>&1 &
  pids+=($!)
  for _ in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
  done
  start_dialog single
  press_keys alt+F4 super+d
  dialog_open || fail "the window manager took Alt+F4 or Super+D from the single key dialog"
  press_keys 105
  dialog_ok
  [ "$(dialog_field capturedKeyName)" = "Right Ctrl" ] ||
    fail "under a window manager the dialog captured \"$(dialog_field capturedKeyName)\""
else
  echo "note: openbox is not installed (scripts/bootstrap installs it); no window manager check"
fi
echo "single key capture: ok"
