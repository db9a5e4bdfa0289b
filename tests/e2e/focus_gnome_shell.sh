#!/usr/bin/env bash
# Under GNOME Shell itself (gnome-shell --headless, Debian's GNOME 43) with
# the simulated mouse: the doctor says the extension is installed but not
# enabled, the extension is enabled as gnome-extensions does it, the doctor
# then says so, and the windows the shell focuses switch the mouse to their
# profiles. The shell asks logind on the system bus at start: the test gives
# it a system bus of its own, with no logind on it.
set -euo pipefail
bin=${1:?usage: focus_gnome_shell.sh <bin-dir>}
source "$(dirname "$0")/lib/xvfb.bash"
source "$(dirname "$0")/lib/focus.bash"
command -v gnome-shell >/dev/null 2>&1 || skip "gnome-shell is not installed (scripts/bootstrap installs it)"
need_tools dbus-daemon gdbus
[ -x "$bin/focus-window" ] || fail "focus-window was not built"
uuid=pelmora-legacy@pelmora.org
extension=$(cd "$(dirname "$0")/../../packaging/gnome-shell/$uuid" && pwd)

export XDG_RUNTIME_DIR="$work/run" HOME="$work/home" XDG_DATA_HOME="$work/home/.local/share"
mkdir -p -m 700 "$XDG_RUNTIME_DIR" "$HOME"
mkdir -p "$XDG_DATA_HOME/gnome-shell/extensions"
cp -r "$extension" "$XDG_DATA_HOME/gnome-shell/extensions/"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
export PELMORA_POINTER_BACKEND=none
dbus-daemon --session --nofork --nopidfile --print-address=8 8>"$work/system-bus" \
  >"$work/system-dbus.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/system-bus" ] && break; sleep 0.05; done
DBUS_SYSTEM_BUS_ADDRESS=$(head -n1 "$work/system-bus")
export DBUS_SYSTEM_BUS_ADDRESS
session_bus_start
gnome-shell --headless --wayland --no-x11 --virtual-monitor 1024x768 --wayland-display wayland-gs \
  >"$work/shell.log" 2>&1 &
pids+=($!)
shell() { gdbus call --session -d org.gnome.Shell -o /org/gnome/Shell "$@"; }
for _ in $(seq 200); do
  shell -m org.gnome.Shell.Extensions.GetExtensionInfo "$uuid" 2>/dev/null | grep -q "'state'" && break
  sleep 0.1
done
shell -m org.gnome.Shell.Extensions.GetExtensionInfo "$uuid" 2>/dev/null | grep -q "'state'" ||
  { cat "$work/shell.log"; skip "gnome-shell cannot run here"; }

export WAYLAND_DISPLAY=wayland-gs XDG_CURRENT_DESKTOP=GNOME
doctor_line() { "$bin/pelmora-cli" doctor | grep "automatic profile switching" || true; }
line=$(doctor_line)
grep -q "^warn.*$uuid, not enabled.*-> gnome-extensions enable $uuid" <<<"$line" ||
  fail "the doctor before enabling: $line"
shell -m org.gnome.Shell.Extensions.EnableExtension "$uuid" >/dev/null
line=$(doctor_line)
grep -q "^ok.*GNOME Shell extension $uuid enabled" <<<"$line" || fail "the doctor after enabling: $line"

# The shell starts in the overview, where no window takes the focus.
for _ in $(seq 50); do
  shell -m org.freedesktop.DBus.Properties.Set org.gnome.Shell OverviewActive "<false>" >/dev/null 2>&1
  [ "$(shell -m org.freedesktop.DBus.Properties.Get org.gnome.Shell OverviewActive)" = "(<false>,)" ] && break
  sleep 0.2
done
focus_profiles org.example.Game
QT_QPA_PLATFORM=offscreen start_pelmora --simulate --sim-state "$work/mouse.json"
wait_for_mechanism "GNOME Shell extension"
windows_switch wayland-gs
echo PASS
