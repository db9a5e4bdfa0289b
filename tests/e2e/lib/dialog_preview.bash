# Runs a key-assignment dialog on its own under Xvfb (source after xvfb.bash):
# start_dialog NAME [ARGS...] starts tools/dialog-preview, sets dialog_pid and
# dialog_wid; dialog_ok clicks OK and waits for the results, which
# dialog_field FIELD then reads.

dialog_host="$bin/../tools/dialog-preview"
[ -x "$dialog_host" ] || fail "$dialog_host is not built"
dialog_runs=0

start_dialog() {
  local name=$1
  shift
  dialog_runs=$((dialog_runs + 1))
  dialog_out="$work/dialog-$dialog_runs.out"
  "$dialog_host" --data-dir "$work/data" --dialog "$name" "$@" >"$dialog_out" 2>"$work/dialog-$dialog_runs.log" &
  dialog_pid=$!
  pids+=("$dialog_pid")
  dialog_wid=
  for _ in $(seq 100); do
    dialog_wid=$(xdotool search --onlyvisible --pid "$dialog_pid" 2>/dev/null | head -n1 || true)
    [ -n "$dialog_wid" ] && break
    kill -0 "$dialog_pid" 2>/dev/null || fail "dialog-preview $name ended at once"
    sleep 0.1
  done
  [ -n "$dialog_wid" ] || fail "no window of dialog-preview $name"
  xdotool windowfocus --sync "$dialog_wid" 2>/dev/null || true
  sleep 0.3
}

# Keys as the X server sends them: raw key codes (evdev code + 8) of two or
# more digits, or key names (a single digit would be the digit key).
press_keys() {
  local code
  for code in "$@"; do
    xdotool key "$code"
  done
  sleep 0.2
}

dialog_open() {
  kill -0 "$dialog_pid" 2>/dev/null && xdotool search --onlyvisible --pid "$dialog_pid" >/dev/null 2>&1
}

click_dialog() { # X Y in client pixels
  xdotool mousemove --window "$dialog_wid" "$1" "$2" click 1
  sleep 0.2
}

dialog_ok() {
  click_dialog 218 263
  for _ in $(seq 50); do
    grep -q '^result=' "$dialog_out" && break
    sleep 0.1
  done
  grep -q '^result=1$' "$dialog_out" || fail "OK did not end the dialog: $(cat "$dialog_out")"
  wait "$dialog_pid" 2>/dev/null || true
}

dialog_field() {
  sed -n "s/^$1=//p" "$dialog_out"
}
