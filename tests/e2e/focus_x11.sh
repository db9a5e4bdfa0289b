#!/usr/bin/env bash
# Under Xvfb with openbox (a window manager that keeps _NET_ACTIVE_WINDOW)
# and the simulated mouse: profiles follow the focused window. Game is used
# for one window's class, Default for every other application; focusing each
# window switches the mouse to its profile (its report rate in the mouse's
# state), focus flapping faster than the settle time switches once, and
# `pelmora-cli profile focus` prints the ids as the focus moves.
set -euo pipefail
bin=${1:?usage: focus_x11.sh <bin-dir>}
source "$(dirname "$0")/lib/xvfb.bash"
source "$(dirname "$0")/lib/focus.bash"
need_tools Xvfb openbox xdotool dbus-daemon gdbus
[ -x "$bin/focus-window" ] || fail "focus-window was not built"

xvfb_start
mkdir -p "$work/home"
HOME="$work/home" openbox --sm-disable >"$work/openbox.log" 2>&1 &
pids+=($!)
focus_profiles Game-One
[ "$(cli profile list)" = "  Default
* Game  [Game-One]" ] || fail "the profiles: $(cli profile list)"
start_pelmora --simulate --sim-state "$work/mouse.json"
wait_for_mechanism "X11"
gdbus monitor --session -d org.pelmora.Pelmora >"$work/monitor.out" 2>&1 &
pids+=($!)
cli profile focus >"$work/focus.out" 2>"$work/focus.err" &
pids+=($!)
sleep 0.5

window() { # ID TITLE: starts a window and prints its X id once it has the focus
  "$bin/focus-window" "$1" "$2" >"$work/window-$1.log" 2>&1 &
  pids+=($!)
  local wid=
  for _ in $(seq 100); do
    wid=$(xdotool search --name "^$2\$" 2>/dev/null | head -n1 || true)
    [ -n "$wid" ] && [ "$(xdotool getactivewindow 2>/dev/null)" = "$wid" ] && { echo "$wid"; return 0; }
    sleep 0.1
  done
  fail "the window $2 did not get the focus"
}

other=$(window editor-app Editor)
mouse_at 1000 Default
game=$(window game-one "Game One")
mouse_at 250 Game

# Flapping: the focus ends on the editor; one switch, to Default.
before=$(grep -c "ProfileActivated ('Default',)" "$work/monitor.out" || true)
# One xdotool for the lot: no program start between the changes.
xdotool windowactivate "$other" sleep 0.03 windowactivate "$game" sleep 0.03 \
  windowactivate "$other" sleep 0.03 windowactivate "$game" sleep 0.03 windowactivate "$other"
mouse_at 1000 Default
sleep 1
after=$(grep -c "ProfileActivated ('Default',)" "$work/monitor.out" || true)
[ "$after" = $((before + 1)) ] || fail "flapping switched $((after - before)) times"
grep -c "ProfileActivated ('Game',)" "$work/monitor.out" | grep -qx 1 ||
  fail "flapping switched to Game: $(grep ProfileActivated "$work/monitor.out")"

grep -qx "game-one focus-window" "$work/focus.out" ||
  fail "profile focus printed: $(cat "$work/focus.out" "$work/focus.err")"
grep -q "the focus comes from: X11" "$work/focus.err" || fail "profile focus: $(cat "$work/focus.err")"
echo PASS
