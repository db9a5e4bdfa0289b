#!/usr/bin/env bash
# The installed pelmora (cmake --install into a scratch root) under Xvfb with
# an empty home and the simulated mouse: it seeds its data folder, finds the
# installed skin and shows its window drawn with it.
set -euo pipefail
bin=$1
source "$(dirname "$0")/lib/xvfb.bash"
source "$(dirname "$0")/lib/installed.bash"
need_tools Xvfb xdotool import convert compare
[ -x "$bin/pelmora" ] || { echo "SKIP: pelmora was not built"; exit 77; }

root=$work/root
DESTDIR=$root cmake --install "$build" --prefix /usr >"$work/install.out" || fail "cmake --install"
xvfb_start
home=$work/home
mkdir "$home"
start_installed() {
  env -i HOME="$home" PATH=/usr/bin:/bin DISPLAY="$DISPLAY" XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" \
    LANG=C.UTF-8 "$root/usr/bin/pelmora" --simulate --show >"$work/pelmora.log" 2>&1 &
  pelmora_pid=$!
  pids+=("$pelmora_pid")
  wid=$(wait_for_window) || fail "the installed pelmora shows no window"
  sleep 1
  import -window "$wid" "$work/window.png" 2>"$work/import.out" || fail "no screenshot"
}
# rmse_of A B: the normalised difference of two images.
rmse_of() { compare -metric RMSE "$1" "$2" null: 2>&1 | sed 's/.*(\(.*\))/\1/' || true; }
# matches_skin IMAGE: the window's mouse picture on the left is the skin's
# background itself, which is far from black there.
matches_skin() {
  local area=200x300+25+170 rmse black
  convert "$1" -crop "$area" +repage "$work/skin-area.png"
  convert "$work/window.png" -crop "$area" +repage "$work/window-area.png"
  convert "$work/skin-area.png" -fill black -colorize 100 "$work/black-area.png"
  rmse=$(rmse_of "$work/skin-area.png" "$work/window-area.png")
  black=$(rmse_of "$work/skin-area.png" "$work/black-area.png")
  echo "mouse picture vs $1: $rmse, black: $black"
  awk -v a="$rmse" -v b="$black" 'BEGIN { exit !(a < 0.02 && b > 0.1) }'
}
start_installed
[ -f "$home/.config/pelmora/config.bin" ] || fail "no seeded config.bin"
[ ! -e "$home/.config/pelmora/Skins" ] || fail "skins were copied into the user's folder"

# The window has the size of the skin's background and looks like it: the
# installed Default skin, not an undrawn (black) window.
skin=$root/usr/share/pelmora/Skins/Default/BasicSet2.png
want=$(identify -format '%wx%h' "$skin")
got=$(identify -format '%wx%h' "$work/window.png")
[ "$want" = "$got" ] || fail "window is $got, the skin's background $want"
colours=$(identify -format '%k' "$work/window.png")
[ "$colours" -gt 50 ] || fail "the window has only $colours colours"
matches_skin "$skin" || fail "the window does not show the installed skin"
# Texts are drawn light on the dark skin: the window holds light pixels the
# background does not.
light=$(convert "$work/window.png" -colorspace Gray -threshold 70% -format '%[fx:mean]' info:)
base=$(convert "$skin" -colorspace Gray -threshold 70% -format '%[fx:mean]' info:)
echo "light pixels: window $light, background $base"
awk -v a="$light" -v b="$base" 'BEGIN { exit !(a > b) }' || fail "no light text on the window"

# A skin of the user's own named like an installed one wins: a "Default"
# under ~/.local/share/pelmora/Skins that holds the Ember images.
kill "$pelmora_pid"
wait "$pelmora_pid" 2>/dev/null || true
mkdir -p "$home/.local/share/pelmora/Skins"
cp -r "$root/usr/share/pelmora/Skins/Ember" "$home/.local/share/pelmora/Skins/Default"
start_installed
matches_skin "$root/usr/share/pelmora/Skins/Ember/BasicSet2.png" ||
  fail "the user's skin does not win over the installed one"
echo "PASS"
