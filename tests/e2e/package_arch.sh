#!/usr/bin/env bash
# The Arch Linux PKGBUILD (Debian has no makepkg or namcap): its build() and
# package() run in bash against a scratch root and must give the .deb's files
# (plus the licence where Arch keeps licences). The compiler is not run again:
# `cmake` is a stand-in that checks the arguments of each step and carries
# it out on the already built tree, installing with the prefix build() chose.
set -euo pipefail
bin=$1
work=$(mktemp -d /tmp/pelmora-arch.XXXXXX)
trap 'rm -rf "$work"' EXIT
source "$(dirname "$0")/lib/installed.bash"
require_tools cpack dpkg-deb
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
pkgbuild=$source_dir/packaging/arch/PKGBUILD
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/deb" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; echo "FAIL: cpack -G DEB"; exit 1; }
dpkg-deb -c "$work"/deb/pelmora_*.deb | awk '$1 !~ /^d/ {print $6}' | sed 's,^\./,/,' | sort \
  >"$work/deb-files"

(
  set -euo pipefail
  # shellcheck source=/dev/null
  source "$pkgbuild"
  [ "$pkgver" = "$version" ] || { echo "FAIL: pkgver $pkgver, the project is $version"; exit 1; }
  [ "${license[*]}" = GPL-3.0-or-later ] || { echo "FAIL: license=${license[*]}"; exit 1; }
  [ "${source[*]}" = "pelmora-$pkgver.tar.gz" ] || { echo "FAIL: source ${source[*]}"; exit 1; }
  [ -f "$source_dir/packaging/arch/$install" ] || { echo "FAIL: no $install"; exit 1; }
  srcdir=$work/src pkgdir=$work/pkg
  mkdir -p "$srcdir" "$pkgdir"
  ln -s "$source_dir" "$srcdir/$pkgname-$pkgver" # the unpacked tarball
  prefix=
  cmake() {
    case $1 in
    -S)
      [ -f "$2/CMakeLists.txt" ] || { echo "FAIL: build() configures $2"; return 1; }
      [[ " $* " == *" -DCMAKE_INSTALL_PREFIX=/usr "* ]] || { echo "FAIL: prefix: $*"; return 1; }
      prefix=/usr
      ln -s "$build" "$4" ;;
    --build) [ -L "$2" ] || { echo "FAIL: builds $2, not the configured folder"; return 1; } ;;
    --install)
      [ -n "$prefix" ] && [ -L "$2" ] && [ -n "${DESTDIR:-}" ] ||
        { echo "FAIL: package() installs $* (DESTDIR=${DESTDIR:-})"; return 1; }
      shift 2
      command cmake --install "$build" --prefix "$prefix" "$@" >/dev/null ;;
    *) echo "FAIL: unexpected cmake $*"; return 1 ;;
    esac
  }
  cd "$srcdir"
  build
  cd "$srcdir"
  package
)
(cd "$work/pkg" && find . ! -type d | sed 's,^\.,,' | sort) >"$work/arch-files"
grep -vx /usr/share/licenses/pelmora/LICENSE "$work/arch-files" >"$work/arch-rest" || true
grep -qx /usr/share/licenses/pelmora/LICENSE "$work/arch-files" ||
  { echo "FAIL: the licence is not in /usr/share/licenses/pelmora"; exit 1; }
diff "$work/deb-files" "$work/arch-rest" ||
  { echo "FAIL: the PKGBUILD's files differ from the .deb's (< deb, > arch)"; exit 1; }
echo "PASS"
