#!/usr/bin/env bash
# Builds the Debian package and checks what it holds; as root (CI) it also
# installs it with apt, runs the installed tracelo and removes it again.
#   deb_test.sh BUILD_DIR
set -u
build="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

(cd "$build" && cpack -G DEB -B "$work" > "$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack"; }
deb="$(ls "$work"/veltor_*.deb 2> /dev/null | head -n 1)"
[ -n "$deb" ] || fail "no veltor_*.deb written"
dpkg -c "$deb" > "$work/files.txt" || fail "dpkg -c"
for file in ./usr/bin/tracelo ./usr/bin/veltordemo ./usr/bin/veltor_gallery \
    ./usr/share/applications/tracelo.desktop ./usr/share/applications/veltordemo.desktop ./usr/share/applications/veltor-gallery.desktop \
    ./usr/share/icons/hicolor/scalable/apps/tracelo.svg ./usr/share/icons/hicolor/scalable/apps/veltordemo.svg ./usr/share/icons/hicolor/scalable/apps/veltor-gallery.svg \
    ./usr/include/veltor/meters/meter270.h ./usr/include/veltor/host/formloader.h \
    /libveltor_meters.a /cmake/Veltor/VeltorConfig.cmake /cmake/Veltor/VeltorConfigVersion.cmake \
    /qt6/plugins/designer/libveltor_designer.so; do
  grep -q -- "$file\$" "$work/files.txt" || fail "$file missing from the package"
done
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "the programs' shared libraries are dependencies"
# The menu entries start programs the package holds, with icons it holds.
for entry in tracelo veltordemo veltor-gallery; do
  dpkg-deb --fsys-tarfile "$deb" | tar -xO "./usr/share/applications/$entry.desktop" > "$work/$entry.desktop"
  program="$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$work/$entry.desktop")"
  icon="$(sed -n 's/^Icon=//p' "$work/$entry.desktop")"
  grep -q -- "./usr/bin/$program\$" "$work/files.txt" || fail "$entry starts $program, which is not in the package"
  grep -q -- "/apps/$icon.svg\$" "$work/files.txt" || fail "$entry shows icon $icon, which is not in the package"
done
echo "package contents: $(grep -c . "$work/files.txt") entries"

here="$(cd "$(dirname "$0")" && pwd)"
if [ "$(id -u)" -ne 0 ]; then
  # The menu entries of the unpacked package instead of the installed one.
  dpkg-deb -x "$deb" "$work/root" || fail "dpkg-deb -x"
  "$here/desktop_test.sh" "$work/root/usr" || fail "menu entries of the unpacked package"
  echo "SKIP: installing the package needs root (CI runs as root)"
  exit 0
fi
cp "$deb" "$work/pkg.deb" && chmod 644 "$work/pkg.deb" && chmod 755 "$work"
DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$work/pkg.deb" > "$work/apt.log" 2>&1 \
  || { cat "$work/apt.log"; fail "apt install"; }
version="$(QT_QPA_PLATFORM=offscreen /usr/bin/tracelo --version)"
"$here/desktop_test.sh" /usr
menu=$?
DEBIAN_FRONTEND=noninteractive apt-get remove -y -q veltor > /dev/null 2>&1
[ "$menu" -eq 0 ] || fail "menu entries of the installed package"
[ "$version" = "tracelo $(dpkg-deb -f "$deb" Version)" ] || fail "installed tracelo --version said: $version"
echo "package: all checks passed"
