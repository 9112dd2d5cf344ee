#!/usr/bin/env bash
# Makes dist/velmora_<version>_<arch>.deb from this checkout: a release build with Debian's
# hardening flags in the system layout under /usr, stripped, its Depends worked out by
# dpkg-shlibdeps; then checks it with lintian, desktop-file-validate and appstreamcli, and fails
# on any error or warning of theirs.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
velmora_install_packages "${VELMORA_PACKAGES[@]}" dpkg-dev lintian desktop-file-utils appstream
umask 022

version=$(sed -n 's/^project(Velmora VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
arch=$(dpkg --print-architecture)
deb="$PWD/dist/velmora_${version}_${arch}.deb"
build=build-deb

export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=None -DCMAKE_INSTALL_PREFIX=/usr \
    -DVELMORA_INSTALL_LAYOUT=system -DVELMORA_TESTS=OFF \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build "$build" -j"$(nproc)"

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
root="$stage/root"
DESTDIR="$root" cmake --install "$build" --strip >/dev/null
# As dh_strip does: the compiler's notes are no use to anyone running the program.
strip --remove-section=.comment --remove-section=.note "$root/usr/bin/Velmora"

# dpkg-shlibdeps reads the package's names from a debian/control of its own.
mkdir -p "$stage/debian"
printf 'Source: velmora\n\nPackage: velmora\nArchitecture: any\n' >"$stage/debian/control"
depends=$(cd "$stage" && dpkg-shlibdeps -O -e"$root/usr/bin/Velmora" 2>/dev/null | sed -n 's/^shlibs:Depends=//p')
[ -n "$depends" ] || { echo "dpkg-shlibdeps found no dependencies" >&2; exit 1; }

mkdir -p "$root/DEBIAN"
cat >"$root/DEBIAN/control" <<EOF
Package: velmora
Version: $version
Architecture: $arch
Maintainer: Velmora developers <velmora@example.com>
Installed-Size: $(du -sk --exclude=DEBIAN "$root" | cut -f1)
Depends: $depends
Recommends: fonts-ipafont-gothic | fonts-noto-cjk, xdg-utils
Section: utils
Priority: optional
Homepage: https://www.example.org/velmora/
Description: text-based launcher that appears at the screen edge
 Velmora is a small program launcher. A narrow, always-on-top panel waits
 hidden in a corner of the screen; it appears when the mouse touches the left
 or right screen edge and hides when the mouse leaves. It holds a list of
 programs, documents, folders and web addresses; a double-click opens one.
 .
 Files dropped on the list become items; files or text dropped on a small
 label become the arguments of the next launch only. The program's texts are
 Japanese. Each user's settings live in ~/.config/velmora/.
EOF
(cd "$root" && find usr -type f -print0 | sort -z | xargs -0 md5sum >DEBIAN/md5sums)
mkdir -p dist
rm -f "$deb"
dpkg-deb --root-owner-group -Zxz --build "$root" "$deb" >/dev/null
echo "Built $deb ($(stat -c %s "$deb") bytes); Depends: $depends"

echo "== lintian"
status=0
report=$(lintian --fail-on error,warning --tag-display-limit 0 "$deb" 2>&1) || status=$?
grep -v "root privileges" <<<"$report" || true
[ "$status" -eq 0 ] || { echo "lintian found errors or warnings" >&2; exit 1; }
echo "== desktop-file-validate, appstreamcli validate"
check=$(mktemp -d)
trap 'rm -rf "$stage" "$check"' EXIT
dpkg-deb -x "$deb" "$check"
desktop-file-validate "$check"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$check"/usr/share/metainfo/*.metainfo.xml
echo "The package passes lintian, desktop-file-validate and appstreamcli validate"
