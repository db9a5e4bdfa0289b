#!/usr/bin/env bash
# Under a headless sway (a wlroots compositor) with the simulated mouse:
# profiles follow the focused window through the compositor's foreign
# toplevel list. Windows of two app ids each switch the mouse to their
# profile (Game by its match list, Default for the other), focus moved with
# swaymsg; Pelmora's own window taking the focus switches nothing.
set -euo pipefail
bin=${1:?usage: focus_sway.sh <bin-dir>}
source "$(dirname "$0")/lib/xvfb.bash"
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
make_data_folder
cli() { "$bin/pelmora-cli" --data-dir "$work/data" "$@"; }
cli set report-rate=1000 >/dev/null
cli profile save default >/dev/null
cli set report-rate=250 >/dev/null
cli profile save Game >/dev/null
cli profile match Game org.example.Game >/dev/null
start_pelmora --simulate --show --sim-state "$work/mouse.json"
for _ in $(seq 100); do
  gdbus call --session -d org.pelmora.Pelmora -o /org/pelmora/Pelmora \
    -m org.freedesktop.DBus.Properties.Get org.pelmora.Pelmora1 FocusMechanism >"$work/mechanism" 2>/dev/null && break
  sleep 0.1
done
grep -q "wlroots toplevel list" "$work/mechanism" || fail "the focus mechanism: $(cat "$work/mechanism")"

mouse_at() { # RATE PROFILE
  local interval=$((1000 / $1))
  for _ in $(seq 100); do
    grep -q "\"reportInterval\": $interval\b" "$work/mouse.json" 2>/dev/null &&
      cli profile list | grep -qx "\* $2.*" && return 0
    sleep 0.1
  done
  fail "the mouse is not at $1 Hz with $2 active: $(cli profile list)"
}
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
mouse_at 1000 default
window org.example.Game "A game"
mouse_at 250 Game
focus org.pelmora.Pelmora
sleep 1
mouse_at 250 Game
focus org.example.Editor
mouse_at 1000 default
echo PASS
