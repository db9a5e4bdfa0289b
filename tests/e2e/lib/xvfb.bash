# Shared by the Xvfb checks: a private X server, a scratch data folder and
# the program started in it. Source it; call xvfb_start, then start_pelmora.

need_tools() {
  for tool in "$@"; do
    if ! command -v "$tool" >/dev/null 2>&1; then
      echo "SKIP: $tool is not installed (scripts/bootstrap installs it)"
      exit 0
    fi
  done
}

work=$(mktemp -d /tmp/pelmora-e2e.XXXXXX)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A test that cannot run here ends so (ctest's SKIP_RETURN_CODE).
skip() { echo "SKIP: $*"; exit 77; }

fail() {
  echo "FAIL: $*"
  for log in "$work"/*.log; do [ -s "$log" ] && { echo "--- $log"; cat "$log"; }; done
  exit 1
}

# Starts Xvfb on a free display and exports DISPLAY.
xvfb_start() {
  # Several servers may start at once on this machine: a server that lost the
  # race for its display number ends at once, so check it lives and answers,
  # and try again.
  # -noreset: without it the server resets when its last client leaves, and
  # a program started again at that moment (a restart test) finds no display.
  local attempt xvfb_pid
  for attempt in 1 2 3 4 5; do
    exec 9>"$work/display"
    Xvfb -displayfd 9 -screen 0 1280x1024x24 -r -noreset -nolisten tcp >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
      [ -s "$work/display" ] && break
      kill -0 "$xvfb_pid" 2>/dev/null || break
      sleep 0.1
    done
    if [ -s "$work/display" ] && kill -0 "$xvfb_pid" 2>/dev/null &&
      { ! command -v xdpyinfo >/dev/null 2>&1 ||
        xdpyinfo -display ":$(head -n1 "$work/display")" >/dev/null 2>&1; }; then
      pids+=("$xvfb_pid")
      break
    fi
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    sleep 0.$((RANDOM % 5 + 1))
  done
  [ -s "$work/display" ] && kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb did not start"
  export DISPLAY=":$(head -n1 "$work/display")"
  export XDG_RUNTIME_DIR="$work/run"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  unset WAYLAND_DISPLAY QT_QPA_PLATFORM
  # Never the tester's desktop pointer settings (a test may choose its own).
  export PELMORA_POINTER_BACKEND=none
  session_bus_start
}

# A private D-Bus session bus, stopped with the test: without one, the
# program's D-Bus calls would autolaunch a daemon that outlives the test.
session_bus_start() {
  unset DBUS_SESSION_BUS_ADDRESS
  command -v dbus-daemon >/dev/null 2>&1 || return 0
  dbus-daemon --session --nofork --nopidfile --print-address=8 8>"$work/bus" \
    >"$work/dbus.log" 2>&1 &
  pids+=($!)
  for _ in $(seq 100); do
    [ -s "$work/bus" ] && break
    sleep 0.05
  done
  [ -s "$work/bus" ] || fail "dbus-daemon did not start"
  DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$work/bus")
  export DBUS_SESSION_BUS_ADDRESS
}

# A data folder with the delivered files.
make_data_folder() {
  mkdir -p "$work/data"
  cp "$bin/config.bin" "$work/data/"
  for f in str.ini record.ini Skins; do
    [ -e "$bin/$f" ] && cp -r "$bin/$f" "$work/data/"
  done
  return 0
}

# start_pelmora ARGS...: runs pelmora in the background against the folder.
start_pelmora() {
  "$bin/pelmora" --data-dir "$work/data" "$@" >"$work/pelmora.log" 2>&1 &
  pelmora_pid=$!
  pids+=("$pelmora_pid")
}

# Waits for a visible window of the program's class; prints its id.
wait_for_window() {
  local wid=
  for _ in $(seq 100); do
    wid=$(xdotool search --onlyvisible --class KandroGMClass 2>/dev/null | head -n1 || true)
    [ -n "$wid" ] && { echo "$wid"; return 0; }
    kill -0 "$pelmora_pid" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

visible_windows() {
  xdotool search --onlyvisible --class KandroGMClass 2>/dev/null | wc -l
}

# Prints the window id of pelmora's open modal dialog (a window of the
# process narrower than the main window) once it is mapped.
wait_for_dialog() {
  local w width
  for _ in $(seq 50); do
    for w in $(xdotool search --onlyvisible --pid "$pelmora_pid" 2>/dev/null); do
      width=$(xdotool getwindowgeometry "$w" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')
      if [ -n "$width" ] && [ "$width" -lt 800 ]; then echo "$w"; return 0; fi
    done
    sleep 0.1
  done
  return 1
}

# click X Y: a press and release at client pixels of the main window ($wid),
# with time for the window to draw between them.
click() {
  xdotool mousemove --window "$wid" "$1" "$2"
  sleep 0.15
  xdotool click 1
  sleep 0.25
}

# OK of a key or skins dialog (166..270 x 253..273 in its client pixels);
# returns once the dialog is gone.
click_dialog_ok() { # dialog window id
  xdotool mousemove --window "$1" 218 263 click 1
  for _ in $(seq 50); do
    xdotool search --onlyvisible --pid "$pelmora_pid" 2>/dev/null | grep -qx "$1" || return 0
    sleep 0.1
  done
}

# The flag byte of the data folder's config.bin (1 once a save ran).
config_flag() {
  od -An -tu1 -N1 "$work/data/config.bin" | tr -d ' '
}

# Apply (666..770 x 623..643) and wait up to 5 s for config.bin to be saved.
apply_and_wait() {
  click 718 633
  for _ in $(seq 50); do
    [ "$(config_flag)" = 1 ] && return 0
    sleep 0.1
  done
  return 1
}

# $work/expected.bin: the delivered config.bin with the flag byte set, to be
# changed with `poke OFFSET VALUE` (an offset into the settings, after the
# flag byte) and compared with the saved file.
expected_config() {
  expected="$work/expected.bin"
  cp "$bin/config.bin" "$expected"
  printf '\x01' | dd of="$expected" bs=1 count=1 conv=notrunc status=none
}
poke() {
  printf "\\x$(printf %02x "$2")" | dd of="$expected" bs=1 seek=$((1 + $1)) conv=notrunc status=none
}

# Whether pelmora's main window (a visible window at least 800 pixels wide;
# a tray icon is smaller) is mapped now.
main_window_shown() {
  local w width
  for w in $(xdotool search --onlyvisible --pid "$pelmora_pid" 2>/dev/null); do
    width=$(xdotool getwindowgeometry "$w" 2>/dev/null | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')
    [ -n "$width" ] && [ "$width" -ge 800 ] && return 0
  done
  return 1
}

# start_standin watcher|notifications: a stand-in desktop service on the
# test's bus (tests/e2e/lib/bus_standin.py); its output goes to
# $work/<kind>.out.
start_standin() {
  /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/bus_standin.py" "$1" >"$work/$1.out" 2>"$work/$1.log" &
  pids+=($!)
  for _ in $(seq 50); do
    grep -q '^ready' "$work/$1.out" 2>/dev/null && return 0
    sleep 0.1
  done
  fail "the stand-in $1 service did not start"
}

# tray_start: a notification area (trayer) on the test's display.
tray_start() {
  trayer --edge bottom --align right --widthtype pixel --width 200 --heighttype pixel \
    --height 32 >"$work/trayer.log" 2>&1 &
  pids+=($!)
}

# wait_for_control_pipe: the simulated mouse's control pipe at $work/control.
wait_for_control_pipe() {
  for _ in $(seq 50); do [ -p "$work/control" ] && return 0; sleep 0.1; done
  fail "no control pipe"
}
