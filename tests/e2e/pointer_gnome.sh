#!/usr/bin/env bash
# End to end under Xvfb: the advanced page on GNOME's settings (GIO's
# key-file store in a scratch config folder, never the tester's desktop):
# a click on pointer-speed tick 8 and on Apply, then gsettings shows speed
# 0.4 and config.bin holds level 8.
set -euo pipefail
bin=${1:?usage: pointer_gnome.sh <bin-dir>}
source "$(dirname "$0")/lib/xvfb.bash"
need_tools Xvfb xdotool od gsettings
gsettings list-keys org.gnome.desktop.peripherals.mouse >/dev/null 2>&1 || {
  echo "SKIP: the GNOME mouse schema is not installed (scripts/bootstrap installs it)"
  exit 0
}

xvfb_start
make_data_folder
export PELMORA_POINTER_BACKEND=gnome GSETTINGS_BACKEND=keyfile XDG_CONFIG_HOME="$work/config"
mkdir -p "$XDG_CONFIG_HOME"
mouse() { gsettings get org.gnome.desktop.peripherals.mouse "$1"; }
flag() { od -An -tu1 -N1 "$work/data/config.bin" | tr -d ' '; }
level() { od -An -tu1 -j $((1 + $1)) -N1 "$work/data/config.bin" | tr -d ' '; }

start_pelmora --simulate --show --sim-state "$work/mouse.json"
wid=$(wait_for_window) || fail "no window of class KandroGMClass"
sleep 0.5

xdotool mousemove --window "$wid" 90 78 click 1   # advanced page tab
sleep 0.3
xdotool mousemove --window "$wid" 232 205 click 1 # pointer speed tick 8 (220..243)
sleep 0.3
[ "$(mouse speed)" = 0.0 ] || fail "the tick reached the desktop before Apply: $(mouse speed)"
xdotool mousemove --window "$wid" 718 633 click 1 # Apply

for _ in $(seq 50); do
  [ "$(flag)" = 1 ] && [ "$(level 0x6A5)" = 8 ] && break
  sleep 0.1
done
[ "$(level 0x6A5)" = 8 ] || fail "config.bin holds pointer speed level $(level 0x6A5), not 8"
speed=$(mouse speed)
awk -v s="$speed" 'BEGIN { exit !(s > 0.3999999 && s < 0.4000001) }' ||
  fail "gsettings shows speed $speed, not 0.4"
# Read from GNOME's defaults at the first drawing: 'default' is adaptive.
[ "$(mouse accel-profile)" = "'adaptive'" ] || fail "accel-profile is $(mouse accel-profile)"
echo "pointer gnome: ok"
