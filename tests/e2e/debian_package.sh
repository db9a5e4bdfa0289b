#!/usr/bin/env bash
# The Debian package: built with CPack, its files and dependencies checked,
# lintian without errors, its maintainer scripts reloading udev, and the
# command line run from the unpacked package with an empty home.
set -euo pipefail
bin=$1
work=$(mktemp -d /tmp/pelmora-deb.XXXXXX)
trap 'rm -rf "$work"' EXIT
source "$(dirname "$0")/lib/installed.bash"
require_tools cpack dpkg-deb dpkg-shlibdeps lintian file

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; echo "FAIL: cpack"; exit 1; }
debs=("$work"/out/pelmora_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: no single package: ${debs[*]}"; exit 1; }
deb=${debs[0]}

# Files: the programs, data, desktop files, nothing anywhere else.
dpkg-deb -c "$deb" | awk '{print $6}' | sed 's,^\./,/,' >"$work/files"
for f in /usr/bin/pelmora /usr/bin/pelmora-cli /usr/bin/pelmora-virtual-mouse \
  /usr/share/pelmora/config.bin /usr/share/pelmora/str.ini /usr/share/pelmora/record.ini \
  /usr/share/pelmora/Skins/Default/BasicSet2.png /usr/lib/udev/rules.d/70-pelmora.rules \
  /usr/share/applications/org.pelmora.Pelmora.desktop \
  /etc/xdg/autostart/org.pelmora.Pelmora.desktop \
  /usr/share/metainfo/org.pelmora.Pelmora.metainfo.xml \
  /usr/share/icons/hicolor/scalable/apps/org.pelmora.Pelmora.svg \
  /usr/share/man/man1/pelmora.1.gz /usr/share/doc/pelmora/copyright; do
  grep -qx "$f" "$work/files" || { echo "FAIL: $f is not in the package"; exit 1; }
done
stray=$(grep -v '/$' "$work/files" | grep -Ev '^/(usr/(bin|share|lib/udev/rules\.d)|etc/xdg/autostart)/' || true)
[ -z "$stray" ] || { echo "FAIL: files outside the package's places: $stray"; exit 1; }

# Dependencies from the libraries the programs link, plus Qt's platform plugins.
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libudev1 libstdc++6 qt6-qpa-plugins qt6-wayland qt6-base-abi; do
  [[ $depends == *"$lib"* ]] || { echo "FAIL: Depends lacks $lib: $depends"; exit 1; }
done

# The maintainer scripts reload the rules and re-trigger hidraw nodes after
# install and removal, and leave udev alone on an upgrade.
dpkg-deb -e "$deb" "$work/control"
grep -qx /etc/xdg/autostart/org.pelmora.Pelmora.desktop "$work/control/conffiles" ||
  { echo "FAIL: the autostart entry is no conffile"; exit 1; }
mkdir "$work/fake"
printf '#!/bin/sh\necho "udevadm $*" >>"%s/udevadm.log"\n' "$work" >"$work/fake/udevadm"
chmod +x "$work/fake/udevadm"
run_script() { : >"$work/udevadm.log"; PATH="$work/fake:$PATH" sh "$work/control/$1" "$2"; }
for call in "postinst configure" "postrm remove" "postrm purge"; do
  run_script $call || { echo "FAIL: $call failed"; exit 1; }
  grep -qx 'udevadm control --reload-rules' "$work/udevadm.log" &&
    grep -q '^udevadm trigger .*--subsystem-match=hidraw' "$work/udevadm.log" ||
    { cat "$work/udevadm.log"; echo "FAIL: $call did not reload and re-trigger udev"; exit 1; }
done
run_script postrm upgrade
[ ! -s "$work/udevadm.log" ] || { echo "FAIL: postrm upgrade touched udev"; exit 1; }
# Without udev (a container) the scripts still succeed.
PATH=/nonexistent /bin/sh "$work/control/postinst" configure ||
  { echo "FAIL: postinst fails without udevadm"; exit 1; }

# lintian: no errors.
lintian --fail-on error "$deb" >"$work/lintian.log" 2>&1 || true
if grep -q '^E: ' "$work/lintian.log"; then
  cat "$work/lintian.log"; echo "FAIL: lintian reports errors"; exit 1
fi

# Unpacked anywhere, the command line runs from an empty home.
dpkg -x "$deb" "$work/root"
check_installed_cli "$work/root"
echo "PASS"
