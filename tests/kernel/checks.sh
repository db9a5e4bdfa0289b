# Runs inside the test VM (busybox sh, as root, no udev): pelmora-cli on the
# real hidraw backend against pelmora-virtual-mouse, compared with the same
# commands against the in-process simulated mouse. Prints "ok - ..." or
# "FAIL - ..." per check and exits non-zero when any failed.
set -u
failures=0
pass() { echo "ok - $1"; }
fail() {
  echo "FAIL - $1"
  failures=$((failures + 1))
}
check() { # description, command...
  desc=$1
  shift
  if "$@"; then pass "$desc"; else fail "$desc"; fi
}
show() { # a file's content, indented, after a failure
  sed 's/^/    /' "$1"
}
traceOf() { # the HID operations of a --trace output
  grep -E '^(set|get|out|in|sleep) ' "$1"
}
waitFor() { # tenths of a second, command...
  n=$1
  shift
  while [ "$n" -gt 0 ]; do
    "$@" && return 0
    sleep 0.1
    n=$((n - 1))
  done
  return 1
}

cd /tmp
mkdir -p hw sim
cp /pelmora/bin/config.bin hw/
cp /pelmora/bin/config.bin sim/
cli() { pelmora-cli "$@"; }

# --- the virtual mouse -----------------------------------------------------
mkfifo /tmp/control
pelmora-virtual-mouse --sim-state /tmp/vm-state.json --sim-control /tmp/control \
  >/tmp/vm.log 2>&1 &
vm=$!
control() { echo "$*" >/tmp/control; }
# Two hidraw nodes; after a re-plug they may get new numbers while a program
# still holds an old one open.
bothNodes() { [ "$(ls /dev/ | grep -c '^hidraw')" -ge 2 ]; }
if ! waitFor 50 bothNodes; then
  fail "the virtual mouse's two hidraw nodes appear"
  show /tmp/vm.log
  exit 1
fi
pass "the virtual mouse's two hidraw nodes appear"

# --- discovery ---------------------------------------------------------------
cli devices >devices.out 2>&1
status=$?
check "devices succeeds" [ "$status" = 0 ]
check "devices: command collection 0xff00 with input 33, output 33, feature 9" \
  grep -q 'usage page 0xff00 usage 0xff00  input 33 output 33 feature 9$' devices.out
check "devices: listener collection 0xff01 with input 9" \
  grep -q 'usage page 0xff01 usage 0xff01  input 9 output 0 feature 0$' devices.out
check "devices: the ordinary mouse collection beside the listener" \
  grep -q 'usage page 0x0001 usage 0x0002  input 7 output 0 feature 0$' devices.out
[ "$failures" = 0 ] || show devices.out

# --- doctor: a user without access, then with an ACL ------------------------
# No udev here: the nodes stay root's, and no rule is installed. An ordinary
# user's doctor fails on each node and names the rule as the fix; once
# setfacl grants the user the nodes, the same lines say ok.
doctorChecks() {
  echo 'ada:x:1000:1000:ada:/tmp/ada:/bin/sh' >>/etc/passwd
  echo 'ada:x:1000:' >>/etc/group
  mkdir -p /tmp/ada && chown ada /tmp/ada
  asAda() { su ada -s /bin/sh -c "/pelmora/bin/pelmora-cli --data-dir /tmp/hw doctor $*"; }
  asAda >doctor-denied.out 2>&1
  denied=$?
  check "doctor fails for a user without access (status $denied)" [ "$denied" = 1 ]
  check "doctor: the mouse's two HID devices with their driver" \
    [ "$(grep -c '^ok   mouse: .*driver hid-generic, /dev/hidraw' doctor-denied.out)" = 2 ]
  check "doctor: each node FAILs for the user, naming the rule to install" \
    [ "$(grep -c '^FAIL access: /dev/hidraw[0-9]*: ada may not open it; the udev rule 70-pelmora.rules is installed in none.*-> install the rule: sudo install -m 644 packaging/70-pelmora.rules /etc/udev/rules.d/' doctor-denied.out)" = 2 ]
  check "doctor: the command collection and the listener" \
    sh -c "grep -q 'the command collection' doctor-denied.out && grep -q '(the listener)' doctor-denied.out"
  for node in /dev/hidraw*; do setfacl -m u:ada:rw "$node"; done
  asAda --json >doctor-granted.out 2>&1
  check "doctor: both nodes ok after setfacl" \
    [ "$(grep -c '"found": "/dev/hidraw[0-9]*: ada may read and write it (an ACL grants it)"' doctor-granted.out)" = 2 ]
  check "doctor: no access line fails after setfacl" \
    sh -c "! grep -A1 '\"topic\": \"access\"' doctor-granted.out | grep -q FAIL"
  [ "$failures" = 0 ] || { show doctor-denied.out; show doctor-granted.out; }
}
doctorChecks

# --- read and apply: the same bytes as against the simulated mouse -----------
compareRun() { # name, command...
  name=$1
  shift
  cli --data-dir hw --trace "$@" >"hw-$name.out" 2>&1
  hwStatus=$?
  cli --data-dir sim --simulate --sim-state /tmp/sim-state.json --trace "$@" \
    >"sim-$name.out" 2>&1
  simStatus=$?
  check "$name succeeds against the virtual mouse" [ "$hwStatus" = 0 ]
  check "$name succeeds against the simulated mouse" [ "$simStatus" = 0 ]
  traceOf "hw-$name.out" >"hw-$name.trace"
  traceOf "sim-$name.out" >"sim-$name.trace"
  check "$name traces something" [ -s "sim-$name.trace" ]
  if cmp -s "hw-$name.trace" "sim-$name.trace"; then
    pass "$name gives the same trace through hidraw as in process"
  else
    fail "$name gives the same trace through hidraw as in process"
    diff "sim-$name.trace" "hw-$name.trace" | head -n 20 | sed 's/^/    /'
  fi
}
compareRun read read
compareRun apply apply
check "apply read every macro slot back through hidraw (48 chunks)" \
  [ "$(grep -c '^in ' hw-apply.trace)" = 48 ]
if cmp -s /tmp/vm-state.json /tmp/sim-state.json; then
  pass "the virtual mouse keeps what the simulated mouse keeps after apply"
else
  fail "the virtual mouse keeps what the simulated mouse keeps after apply"
  diff /tmp/sim-state.json /tmp/vm-state.json | head -n 20 | sed 's/^/    /'
fi

# --- listen --------------------------------------------------------------------
listening() { grep -q '^listening' listen.out; }
pelmora-cli --data-dir hw listen >listen.out 2>&1 &
listener=$!
waitFor 100 listening || fail "listen starts"
# A report of the ordinary mouse collection whose bytes 1 and 3 look like a
# DPI event (7, 3): the listener must skip it, as it is not report 6.
control motion 7 768 0
control event 7 2
gotEvent() { grep -q '^event 7 2' listen.out; }
check "listen prints an event raised on the mouse" waitFor 100 gotEvent
check "listen ignores the ordinary mouse collection's reports" \
  sh -c "! grep -q '^event 7 3' listen.out"

# Unplugged while listening: the program carries on and ends cleanly.
control unplug
gone() { ! ls /dev/ | grep -q '^hidraw'; }
check "unplug removes the hidraw nodes" waitFor 50 gone
cpuTicks() { # user + system clock ticks of a process
  awk '{ print $14 + $15 }' "/proc/$1/stat"
}
before=$(cpuTicks "$listener")
sleep 1
spent=$(($(cpuTicks "$listener") - before))
check "listen survives the unplug" kill -0 "$listener"
check "listen waits quietly while the mouse is away ($spent ticks in 1 s)" [ "$spent" -lt 30 ]
control plug
check "plug brings the hidraw nodes back" waitFor 50 bothNodes
# SIGTERM: a background job of a script ignores SIGINT.
kill "$listener"
stopped() { ! kill -0 "$listener" 2>/dev/null; }
waitFor 100 stopped
wait "$listener"
listenStatus=$?
check "listen ends cleanly when told to after the unplug (status $listenStatus)" \
  [ "$listenStatus" = 0 ]
check "listen says it stopped" grep -q '^stopped' listen.out
[ "$failures" = 0 ] || show listen.out

# --- a mouse that stops answering ----------------------------------------------
# The frames are answered, the chunks of the macro read-back never come:
# every bulk read must give up on its own.
control stall
start=$(date +%s)
timeout 90 pelmora-cli --data-dir hw --trace apply >stalled.out 2>&1
stalledStatus=$?
elapsed=$(($(date +%s) - start))
control resume
check "apply ends although the mouse sends no chunks (${elapsed}s)" [ "$stalledStatus" != 124 ]
check "apply still reads every macro slot's answer frame" \
  [ "$(grep -c '^get 93' stalled.out)" = 12 ]
check "no chunk arrived from the stalled mouse" sh -c "! grep -q '^in ' stalled.out"

# --- two programs at once ------------------------------------------------------
# Two applies of different settings started together: the second waits for
# the first (flock on the command collection's node), both succeed, and the
# virtual mouse holds one whole block (its key matrices and DPI stages).
concurrentApplies() {
  mkdir -p lock-a lock-b
  cp /pelmora/bin/config.bin lock-a/
  cp /pelmora/bin/config.bin lock-b/
  cli --data-dir lock-a set a2="Mid Click" dpi1=3 dpi4=off >/dev/null
  cli --data-dir lock-b set a3=Forward b2="DPI +" dpi2=7 >/dev/null
  blockOf() { sed -n '/"dpiStages"/p; /"keyMatrices"/,/]/p' /tmp/vm-state.json; }
  blockOf >lock-before.block
  for name in a b; do
    cli --data-dir "lock-$name" apply >/dev/null 2>&1
    # The virtual mouse saves its state once it has taken the last chunk.
    saved() { blockOf >"lock-$name.now" && ! cmp -s "lock-$name.now" lock-before.block; }
    waitFor 50 saved
    blockOf >"lock-$name.block"
    cp "lock-$name.block" lock-before.block
  done
  check "the two settings blocks differ" sh -c "! cmp -s lock-a.block lock-b.block"
  node=$(cli devices 2>/dev/null | sed -n 's/^using //p')
  # Held while both start, so that both are waiting when it frees.
  barrier=
  if command -v flock >/dev/null && [ -n "$node" ]; then
    flock "$node" sleep 1 &
    barrier=$!
    sleep 0.2
  fi
  cli --data-dir lock-a apply >lock-a.out 2>&1 &
  first=$!
  cli --data-dir lock-b apply >lock-b.out 2>&1 &
  second=$!
  wait "$first"
  firstStatus=$?
  wait "$second"
  secondStatus=$?
  [ -n "$barrier" ] && wait "$barrier"
  check "both concurrent applies succeed ($firstStatus, $secondStatus)" \
    [ "$firstStatus$secondStatus" = 00 ]
  check "a concurrent apply says that it waits" \
    grep -q 'another program is sending settings to the mouse' lock-a.out lock-b.out
  sleep 1
  blockOf >lock-both.block
  if cmp -s lock-both.block lock-a.block || cmp -s lock-both.block lock-b.block; then
    pass "the virtual mouse holds one whole block after two concurrent applies"
  else
    fail "the virtual mouse holds one whole block after two concurrent applies"
    diff lock-a.block lock-both.block | head -n 20 | sed 's/^/    /'
    show lock-a.out
    show lock-b.out
  fi
}
concurrentApplies

kill "$vm"
wait "$vm"
check "the virtual mouse ends cleanly" [ $? = 0 ]
if [ -s /tmp/vm.log ] && grep -qv 'plugged in' /tmp/vm.log; then
  echo "virtual mouse log:"
  show /tmp/vm.log
fi
echo "$((failures)) failed"
[ "$failures" = 0 ]
