#!/usr/bin/env bash
# Under KWin itself (kwin_wayland --virtual, Plasma's compositor, headless)
# with the simulated mouse: the program loads its KWin script through KWin's
# scripting interface, the script tells it each window KWin activates, and
# the mouse switches to each window's profile; when the program ends the
# script is unloaded.
set -euo pipefail
bin=${1:?usage: focus_kwin.sh <bin-dir>}
source "$(dirname "$0")/lib/xvfb.bash"
source "$(dirname "$0")/lib/focus.bash"
command -v kwin_wayland >/dev/null 2>&1 || skip "kwin_wayland is not installed (scripts/bootstrap installs it)"
need_tools dbus-daemon gdbus
[ -x "$bin/focus-window" ] || fail "focus-window was not built"
[ -f "$bin/kwin/pelmora-focus.js" ] || fail "the KWin script is not beside the program"

export XDG_RUNTIME_DIR="$work/run" HOME="$work/home"
mkdir -p -m 700 "$XDG_RUNTIME_DIR" "$HOME"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
export PELMORA_POINTER_BACKEND=none
session_bus_start
# The installed binary carries a file capability (cap_sys_resource), which a
# container without it refuses to execute; a copy carries none.
cp "$(command -v kwin_wayland)" "$work/kwin_wayland"
"$work/kwin_wayland" --virtual --no-lockscreen --socket wayland-pelmora --width 1024 --height 768 \
  >"$work/kwin.log" 2>&1 &
pids+=($!)
for _ in $(seq 150); do
  [ -S "$XDG_RUNTIME_DIR/wayland-pelmora" ] &&
    gdbus call --session -d org.kde.KWin -o /Scripting -m org.freedesktop.DBus.Peer.Ping >/dev/null 2>&1 &&
    break
  sleep 0.1
done
gdbus call --session -d org.kde.KWin -o /Scripting -m org.freedesktop.DBus.Peer.Ping >/dev/null 2>&1 ||
  { cat "$work/kwin.log"; skip "kwin_wayland cannot run here"; }
kwin_loaded() {
  gdbus call --session -d org.kde.KWin -o /Scripting -m org.kde.kwin.Scripting.isScriptLoaded pelmora-focus
}

focus_profiles org.example.Game
# The program itself draws off screen: only the test's windows are on KWin.
WAYLAND_DISPLAY=wayland-pelmora XDG_CURRENT_DESKTOP=KDE QT_QPA_PLATFORM=offscreen \
  start_pelmora --simulate --sim-state "$work/mouse.json"
wait_for_mechanism "KWin script"
for _ in $(seq 50); do [ "$(kwin_loaded)" = "(true,)" ] && break; sleep 0.1; done
[ "$(kwin_loaded)" = "(true,)" ] || fail "the KWin script was not loaded: $(kwin_loaded)"

windows_switch wayland-pelmora

kill -TERM "$pelmora_pid"
wait "$pelmora_pid" 2>/dev/null || true
[ "$(kwin_loaded)" = "(false,)" ] || fail "the KWin script stayed loaded after the program ended"
echo PASS
