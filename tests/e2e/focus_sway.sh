#!/usr/bin/env bash
# Under a headless sway (a wlroots compositor) with the simulated mouse:
# profiles follow the focused window through the compositor's foreign
# toplevel list. Windows of two app ids each switch the mouse to their
# profile (Game by its match list, Default for the other), focus moved with
# swaymsg; Pelmora's own window taking the focus switches nothing.
set -euo pipefail
bin=${1:?usage: focus_sway.sh <bin-dir>}
source "$(dirname "$0")/lib/xvfb.bash"
source "$(dirname "$0")/lib/focus.bash"
source "$(dirname "$0")/lib/sway.bash"
for tool in sway swaymsg gdbus dbus-daemon; do
  command -v "$tool" >/dev/null 2>&1 || skip "$tool is not installed (scripts/bootstrap installs it)"
done
[ -x "$bin/focus-window" ] || fail "focus-window was not built"
sway_start

export WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland XDG_RUNTIME_DIR="$work/run"
unset DISPLAY XDG_CURRENT_DESKTOP
mkdir -m 700 "$XDG_RUNTIME_DIR"
export PELMORA_POINTER_BACKEND=none
session_bus_start
focus_profiles org.example.Game
start_pelmora --simulate --show --sim-state "$work/mouse.json"
wait_for_mechanism "wlroots toplevel list"

focused() { # APP_ID: waits until sway gives it the focus
  for _ in $(seq 100); do
    [ "$(tree | jq -r '.. | objects | select(.focused? == true) | .app_id // empty')" = "$1" ] && return 0
    sleep 0.1
  done
  fail "$1 did not get the focus: $(tree | jq -c '[.. | objects | select(.app_id? != null) | {app_id, focused}]')"
}
window() { # APP_ID TITLE
  "$bin/focus-window" "$1" "$2" >"$work/window-$1.log" 2>&1 &
  pids+=($!)
  focused "$1"
}
focus() { swaymsg -s "$ipc" "[app_id=\"$1\"] focus" >/dev/null; focused "$1"; }

window org.example.Editor Editor
mouse_at 1000 Default
window org.example.Game "A game"
mouse_at 250 Game
focus org.pelmora.Pelmora
sleep 1
mouse_at 250 Game
focus org.example.Editor
mouse_at 1000 Default
echo PASS
