# Shared by the sway checks: a headless sway of the test's own (as a user of
# its own when the test runs as root, since sway refuses root). Source it
# after lib/xvfb.bash; sway_start [CONFIG LINE...] starts it and sets
# $sway_dir, $socket (its Wayland socket) and $ipc; tree prints its tree.

sway_start() {
  sway_dir="$work/sway"
  mkdir -p "$sway_dir/run" "$sway_dir/home"
  chmod 700 "$sway_dir/run"
  {
    printf '%s\n' "output HEADLESS-1 mode 1280x800 position 0 0" "default_border none" \
      "default_floating_border none" "focus_follows_mouse no" "xwayland disable"
    printf '%s\n' "$@"
  } >"$sway_dir/config"
  local as_user=() user
  if [ "$(id -u)" -eq 0 ]; then
    user=pelmora-e2e
    id "$user" >/dev/null 2>&1 ||
      useradd --system --no-create-home --shell /usr/sbin/nologin "$user" 2>/dev/null ||
      skip "no unprivileged user for sway (useradd failed)"
    chown -R "$user:" "$sway_dir"
    chmod 755 "$work"
    as_user=(setpriv --reuid="$(id -u "$user")" --regid="$(id -g "$user")" --clear-groups)
  fi
  env -i PATH="$PATH" HOME="$sway_dir/home" XDG_RUNTIME_DIR="$sway_dir/run" \
    WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman WLR_HEADLESS_OUTPUTS=1 \
    "${as_user[@]}" sway -c "$sway_dir/config" >"$work/sway.log" 2>&1 &
  sway_pid=$!
  pids+=("$sway_pid")
  socket= ipc=
  for _ in $(seq 100); do
    socket=$(ls "$sway_dir/run"/wayland-[0-9] 2>/dev/null | head -n1 || true)
    ipc=$(ls "$sway_dir/run"/sway-ipc.*.sock 2>/dev/null | head -n1 || true)
    [ -n "$socket" ] && [ -n "$ipc" ] && break
    kill -0 "$sway_pid" 2>/dev/null || break
    sleep 0.1
  done
  if [ -z "$socket" ] || [ -z "$ipc" ]; then
    cat "$work/sway.log"
    skip "sway cannot run here"
  fi
}
tree() { swaymsg -s "$ipc" -t get_tree; }
