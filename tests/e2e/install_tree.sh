#!/usr/bin/env bash
# `cmake --install` into a scratch root (prefix /usr): every file where the
# desktop looks for it, each validated by its own tool, and the installed
# command line working from an empty home.
set -euo pipefail
bin=$1
work=$(mktemp -d /tmp/pelmora-install.XXXXXX)
trap 'rm -rf "$work"' EXIT
source "$(dirname "$0")/lib/installed.bash"
require_tools desktop-file-validate appstreamcli man groff

root=$work/root
DESTDIR=$root cmake --install "$build" --prefix /usr >"$work/install.log" ||
  { cat "$work/install.log"; echo "FAIL: cmake --install"; exit 1; }

id=org.pelmora.Pelmora
expected=(
  usr/bin/pelmora usr/bin/pelmora-cli usr/bin/pelmora-virtual-mouse
  usr/share/pelmora/config.bin usr/share/pelmora/str.ini usr/share/pelmora/record.ini
  usr/share/pelmora/Skins/Default/BasicSet2.png usr/share/pelmora/Skins/Ember/BasicSet2.png
  usr/lib/udev/rules.d/70-pelmora.rules
  usr/share/applications/$id.desktop etc/xdg/autostart/$id.desktop
  usr/share/metainfo/$id.metainfo.xml usr/share/icons/hicolor/scalable/apps/$id.svg
  usr/share/man/man1/pelmora.1.gz usr/share/man/man1/pelmora-cli.1.gz
  usr/share/man/man1/pelmora-virtual-mouse.1.gz
  usr/share/bash-completion/completions/pelmora-cli
  usr/share/dbus-1/interfaces/org.pelmora.Pelmora1.xml usr/share/pelmora/kwin/pelmora-focus.js
  usr/share/gnome-shell/extensions/pelmora@pelmora.org/metadata.json
  usr/share/gnome-shell/extensions/pelmora@pelmora.org/extension.js
  usr/share/gnome-shell/extensions/pelmora-legacy@pelmora.org/extension.js
)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
done
for f in "${expected[@]}"; do
  [ -f "$root/$f" ] || { echo "FAIL: $f is not installed"; exit 1; }
done
# Nothing lands outside the usual places.
stray=$(cd "$root" && find . -type f | grep -Ev '^\./(usr/(bin|share|lib/udev/rules\.d)|etc/xdg/autostart)/' || true)
[ -z "$stray" ] || { echo "FAIL: files outside the expected folders: $stray"; exit 1; }

# The icon sizes are what their folders say.
for size in 16 48 256; do
  got=$(file -b "$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
  [[ $got == *"$size x $size"* ]] || { echo "FAIL: ${size}px icon is $got"; exit 1; }
done

# Desktop entries, AppStream metadata, manual pages and the udev rule.
for entry in usr/share/applications/$id.desktop etc/xdg/autostart/$id.desktop; do
  out=$(desktop-file-validate "$root/$entry" 2>&1) && [ -z "$out" ] ||
    { echo "$out"; echo "FAIL: desktop-file-validate $entry"; exit 1; }
done
grep -qx 'StartupWMClass=KandroGMClass' "$root/usr/share/applications/$id.desktop" ||
  { echo "FAIL: the desktop entry does not name the window's class"; exit 1; }
out=$(appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" 2>&1) ||
  { echo "$out"; echo "FAIL: appstreamcli validate"; exit 1; }
if grep -Eq '^[EW]: ' <<<"$out"; then echo "$out"; echo "FAIL: appstreamcli warns"; exit 1; fi
grep -q '<modalias>usb:v04D9pA09F\*</modalias>' "$root/usr/share/metainfo/$id.metainfo.xml" ||
  { echo "FAIL: the metainfo does not name the mouse"; exit 1; }
for page in pelmora pelmora-cli pelmora-virtual-mouse; do
  file=$root/usr/share/man/man1/$page.1.gz
  out=$( { LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$file" >/dev/null; } 2>&1)
  out+=$(zcat "$file" | groff -man -ww -z 2>&1)
  [ -z "$out" ] || { echo "$out"; echo "FAIL: warnings in the manual page $page"; exit 1; }
done
check_udev_rule "$root/usr/lib/udev/rules.d/70-pelmora.rules"

# The installed command line, from an empty home.
check_installed_cli "$root"
echo "PASS"
