#!/usr/bin/env bash
# End to end under a headless Wayland compositor (sway), with Qt's Wayland
# plugin: the window maps with the app id of the desktop entry, a click
# chooses "Single Key" from a button's list, the single key dialog captures
# Super+D although sway binds it (the shortcuts inhibitor holds), Apply
# writes config.bin, a macro recording takes Super+D too, and Escape unmaps
# the window (there is no tray). Input
# comes from wl-virtual-input (wlroots' virtual pointer and the virtual
# keyboard protocol, with the standard us keymap).
# sway refuses to run as root: as root the test runs it as a user of its own.
set -euo pipefail
bin=${1:?usage: wayland_sway.sh <bin-dir>}
source "$(dirname "$0")/lib/xvfb.bash"
source "$(dirname "$0")/lib/sway.bash"
for tool in sway swaymsg; do
  command -v "$tool" >/dev/null 2>&1 || skip "$tool is not installed (scripts/bootstrap installs it)"
done
command -v jq >/dev/null 2>&1 || fail "jq is not installed (scripts/bootstrap installs it)"
[ -x "$bin/wl-virtual-input" ] || fail "wl-virtual-input was not built"

# The file sway's Super+D binding creates tells whether sway took the keys.
took="$work/sway/run/sway-took-super-d"
sway_start "bindsym Mod4+d exec touch $took"

export WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland XDG_RUNTIME_DIR="$work/run"
unset DISPLAY
mkdir -m 700 "$XDG_RUNTIME_DIR"
export PELMORA_POINTER_BACKEND=none
session_bus_start
make_data_folder
rm -f "$work/data/record.ini"
start_pelmora --simulate --show --sim-state "$work/mouse.json"

# find_window W: prints "X Y" of the program's mapped window that is W pixels
# wide; window_at W waits for one.
find_window() {
  tree | jq -r --argjson w "$1" '.. | objects
    | select(.app_id? == "org.pelmora.Pelmora" and .visible == true and .rect.width == $w)
    | "\(.rect.x + .window_rect.x) \(.rect.y + .window_rect.y)"' | head -n1
}
window_at() {
  local at
  for _ in $(seq 100); do
    at=$(find_window "$1")
    [ -n "$at" ] && { echo "$at"; return 0; }
    kill -0 "$pelmora_pid" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}
read -r wx wy < <(window_at 890) ||
  fail "no window with app id org.pelmora.Pelmora: $(tree | jq -c '[.. | objects | .app_id? // empty]')"
sleep 0.5
click() { # X Y in the main window's pixels
  "$bin/wl-virtual-input" click $((wx + $1)) $((wy + $2)) 1280 800
  sleep 0.2
}

# Button 5 of key mode A: its list, then "Single Key" (row 11).
click 357 $((199 + 23 * 4 + 10))
click 300 $((221 + 23 * 4 + 1 + 16 * 11 + 8))
read -r dx dy < <(window_at 400) || fail "the single key dialog did not open"
sleep 0.5

# Super+D, which sway binds: with the inhibitor it reaches the dialog; D is
# released last, so the dialog names it.
"$bin/wl-virtual-input" keys +125 +32 -125 -32
sleep 0.3
[ ! -e "$took" ] || fail "sway took Super+D from the single key dialog"
"$bin/wl-virtual-input" click $((dx + 218)) $((dy + 263)) 1280 800
for _ in $(seq 50); do [ -n "$(find_window 400)" ] || break; sleep 0.1; done

click 718 633 # Apply
for _ in $(seq 50); do [ "$(config_flag)" = 1 ] && break; sleep 0.1; done
[ "$(config_flag)" = 1 ] || fail "Apply did not write config.bin"
got=$("$bin/pelmora-cli" --data-dir "$work/data" get a5)
[ "$got" = "a5=Single Key:D" ] || fail "button 5 is '$got', not the captured Super+D's D"

# A macro recording takes Super+D as well: advanced page, name "m", New,
# Start Recording, Enter closes its box, Super+D, Stop Recording, Enter,
# Confirm.
key() { "$bin/wl-virtual-input" keys "$@"; sleep 0.2; }
click 90 78
click 767 329
key +50 -50
click 565 538
click 749 243
sleep 0.3
key +28 -28
key +125 +32 -32 -125
[ ! -e "$took" ] || fail "sway took Super+D from the macro recording"
click 749 279
sleep 0.3
key +28 -28
click 773 538
grep -q '^Item2=D   Dn' "$work/data/record.ini" ||
  fail "the recording did not take Super+D: $(cat "$work/data/record.ini")"

# Without a tray, Escape hides the window: unmapped, not left on screen.
"$bin/wl-virtual-input" keys +1 -1
for _ in $(seq 50); do [ -n "$(find_window 890)" ] || break; sleep 0.1; done
[ -z "$(find_window 890)" ] || fail "Escape left the window on screen"
kill -0 "$pelmora_pid" 2>/dev/null || fail "pelmora ended on Escape"
echo "wayland (sway): ok"
