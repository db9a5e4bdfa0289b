# Shared by the focus checks. Source it after lib/xvfb.bash.

cli() { "$bin/pelmora-cli" --data-dir "$work/data" "$@"; }

# focus_profiles ID: the data folder with two profiles, Default (1000 Hz) and
# Game (250 Hz, the active one) used for the application ID.
focus_profiles() {
  make_data_folder
  cli set report-rate=1000 >/dev/null
  cli profile save Default >/dev/null
  cli set report-rate=250 >/dev/null
  cli profile save Game >/dev/null
  cli profile match Game "$1" >/dev/null
}

# wait_for_mechanism TEXT: the running program's FocusMechanism holds TEXT.
wait_for_mechanism() {
  for _ in $(seq 100); do
    gdbus call --session -d org.pelmora.Pelmora -o /org/pelmora/Pelmora \
      -m org.freedesktop.DBus.Properties.Get org.pelmora.Pelmora1 FocusMechanism \
      >"$work/mechanism" 2>/dev/null && break
    sleep 0.1
  done
  grep -q "$1" "$work/mechanism" || fail "the focus mechanism: $(cat "$work/mechanism")"
}

# mouse_at RATE PROFILE: waits until the mouse reports at RATE Hz and
# PROFILE is the active one.
mouse_at() {
  local interval=$((1000 / $1))
  for _ in $(seq 100); do
    grep -q "\"reportInterval\": $interval\b" "$work/mouse.json" 2>/dev/null &&
      cli profile list | grep -qx "\* $2.*" && return 0
    sleep 0.1
  done
  fail "the mouse is not at $1 Hz with $2 active: $(cli profile list)"
}

# windows_switch DISPLAY: on the compositor at DISPLAY, which activates a
# window as it maps, an editor's window switches the mouse to Default, a
# game's to Game, and the game's closing (the editor active again) back.
windows_switch() {
  local window
  for window in "org.example.Editor Editor 1000 Default" "org.example.Game Game 250 Game"; do
    set -- "$1" $window
    WAYLAND_DISPLAY=$1 QT_QPA_PLATFORM=wayland "$bin/focus-window" "$2" "$3" \
      >"$work/window-$2.log" 2>&1 &
    pids+=($!)
    mouse_at "$4" "$5"
  done
  kill "${pids[-1]}"
  mouse_at 1000 Default
}
