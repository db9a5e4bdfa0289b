#!/usr/bin/env bash
# The GNOME Shell extension for GNOME 45 and later (a module) runs under
# gjs, GNOME Shell's own interpreter, with a stand-in for the shell's
# global.display: Debian's GNOME Shell is 43, which loads only the other
# extension (focus_gnome_shell.sh runs that one in the real shell). Each
# focus change it sees reaches the running program's WindowFocused, whose
# profile switch reaches the simulated mouse; after disable() nothing is sent.
set -euo pipefail
bin=${1:?usage: focus_gnome_extension.sh <bin-dir>}
source "$(dirname "$0")/lib/xvfb.bash"
source "$(dirname "$0")/lib/focus.bash"
need_tools gjs dbus-daemon gdbus
extensions=$(cd "$(dirname "$0")/../../packaging/gnome-shell" && pwd)
standin=$(cd "$(dirname "$0")/lib" && pwd)/gnome_shell_standin.js

export XDG_RUNTIME_DIR="$work/run"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset DISPLAY WAYLAND_DISPLAY XDG_CURRENT_DESKTOP
export PELMORA_POINTER_BACKEND=none QT_QPA_PLATFORM=offscreen
session_bus_start
focus_profiles org.example.Game
start_pelmora --simulate --sim-state "$work/mouse.json"
wait_for_mechanism "none"
reports() {
  gdbus call --session -d org.pelmora.Pelmora -o /org/pelmora/Pelmora \
    -m org.freedesktop.DBus.Properties.Get org.pelmora.Pelmora1 FocusReports
}

for uuid in pelmora@pelmora.org; do
  python3 -c 'import json, sys; m = json.load(open(sys.argv[1])); assert m["uuid"] == sys.argv[2], m' \
    "$extensions/$uuid/metadata.json" "$uuid" || fail "$uuid: its metadata.json"
  before=$(reports)
  gjs -m "$standin" "$extensions/$uuid" 600 org.example.Editor:Editor "org.example.Game:A game" \
    >"$work/gjs.log" 2>&1 || fail "$uuid under gjs: $(cat "$work/gjs.log")"
  mouse_at 250 Game
  # Two focus changes arrived, the one after disable() did not.
  sleep 0.5
  after=$(reports)
  [ "${after//[^0-9]/}" = $((${before//[^0-9]/} + 2)) ] || fail "$uuid: reports went from $before to $after"
  cli profile list | grep -qx "\* Game.*" || fail "$uuid: $(cli profile list)"
  # The next run starts from Default.
  gdbus call --session -d org.pelmora.Pelmora -o /org/pelmora/Pelmora \
    -m org.pelmora.Pelmora1.ActivateProfile Default >/dev/null
  mouse_at 1000 Default
done
echo PASS
