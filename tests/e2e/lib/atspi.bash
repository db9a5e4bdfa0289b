# The desktop's accessibility bus for a test: source after xvfb.bash and call
# atspi_start after xvfb_start (which starts the session bus it registers on).
# The launcher and what it starts (the bus, the registry) run in a process
# group of their own, stopped with the test.

atspi_start() {
  local launcher=/usr/libexec/at-spi-bus-launcher
  [ -x "$launcher" ] && /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || {
    echo "SKIP: at-spi2-core and python3-pyatspi are needed (scripts/bootstrap installs them)"
    exit 77
  }
  setsid "$launcher" --launch-immediately >"$work/atspi.log" 2>&1 &
  atspi_group=$!
  trap 'kill -- -"$atspi_group" 2>/dev/null || true; cleanup' EXIT
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}
