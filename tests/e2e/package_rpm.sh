#!/usr/bin/env bash
# The RPM: built with CPack, its file list (rpm -qlp) the same as a /usr
# install's and free of folders other packages own, its Fedora dependencies,
# licence and udev scriptlets, and its files installed into a scratch root.
set -euo pipefail
bin=$1
work=$(mktemp -d /tmp/pelmora-rpm.XXXXXX)
trap 'rm -rf "$work"' EXIT
source "$(dirname "$0")/lib/installed.bash"
require_tools cpack rpmbuild rpm rpm2cpio cpio

cpack -G RPM --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; echo "FAIL: cpack -G RPM"; exit 1; }
rpms=("$work"/out/pelmora-*.rpm)
[ ${#rpms[@]} -eq 1 ] && [ -f "${rpms[0]}" ] || { echo "FAIL: no single RPM: ${rpms[*]}"; exit 1; }
rpm=${rpms[0]}
query() { rpm -qp --nosignature "$@" "$rpm" 2>/dev/null; }

# The files: those of an install with prefix /usr, nothing else; folders of
# the system (udev's rules folder, the icon theme, autostart) stay unowned.
DESTDIR="$work/tree" cmake --install "$build" --prefix /usr >/dev/null
(cd "$work/tree" && find . ! -type d | sed 's,^\.,,' | sort) >"$work/installed"
query -l >"$work/listed"
# Every folder above an installed file; what the RPM lists besides is a file.
awk -F/ '{ p = ""; for (i = 2; i < NF; i++) { p = p "/" $i; print p } }' "$work/installed" |
  sort -u >"$work/folders"
grep -Fxvf "$work/folders" "$work/listed" | sort >"$work/files"
diff "$work/installed" "$work/files" ||
  { echo "FAIL: rpm -qlp differs from the install's files"; exit 1; }
for dir in /etc/xdg/autostart /usr/lib/udev/rules.d /usr/share/icons/hicolor/48x48/apps \
  /usr/share/man/man1; do
  ! grep -qx "$dir" "$work/listed" || { echo "FAIL: the RPM owns $dir"; exit 1; }
done
grep -qx /usr/lib/udev/rules.d/70-pelmora.rules "$work/files" ||
  { echo "FAIL: the udev rule is not in %{_udevrulesdir}"; exit 1; }
query -c | grep -qx /etc/xdg/autostart/org.pelmora.Pelmora.desktop ||
  { echo "FAIL: the autostart entry is no %config file"; exit 1; }

# Metadata: Fedora's package names, the licence.
requires=$(query --requires)
for dep in qt6-qtbase-gui qt6-qtwayland systemd-udev; do
  grep -qx "$dep" <<<"$requires" || { echo "FAIL: Requires lacks $dep: $requires"; exit 1; }
done
[ "$(query --qf '%{LICENSE}')" = GPL-3.0-or-later ] ||
  { echo "FAIL: licence $(query --qf '%{LICENSE}')"; exit 1; }

# Scriptlets: reload and re-trigger after install and removal, not when
# %postun runs for an upgrade.
mkdir "$work/fake"
printf '#!/bin/sh\necho "udevadm $*" >>"%s/udevadm.log"\n' "$work" >"$work/fake/udevadm"
chmod +x "$work/fake/udevadm"
for script in POSTIN:1:yes POSTUN:0:yes POSTUN:1:no; do
  IFS=: read -r tag arg expected <<<"$script"
  : >"$work/udevadm.log"
  query --qf "%{$tag}" >"$work/$tag.sh"
  PATH="$work/fake:$PATH" sh "$work/$tag.sh" "$arg" || { echo "FAIL: %$tag $arg fails"; exit 1; }
  if [ "$expected" = yes ]; then
    grep -qx 'udevadm control --reload' "$work/udevadm.log" &&
      grep -q '^udevadm trigger --subsystem-match=hidraw' "$work/udevadm.log" ||
      { echo "FAIL: %$tag $arg did not reload and re-trigger udev"; exit 1; }
  elif [ -s "$work/udevadm.log" ]; then
    echo "FAIL: %$tag $arg touched udev"; exit 1
  fi
done

# Installed (unpacked) anywhere, the command line runs from an empty home.
mkdir "$work/root"
(cd "$work/root" && rpm2cpio "$rpm" | cpio -idm --quiet)
check_installed_cli "$work/root"
echo "PASS"
