#!/bin/sh
# The Debian package from the build folder: made by CPack from what is built,
# holding the program, its menu entry, icon, metainfo and service, and
# without lintian errors or warnings.
# Usage: package_test.sh BUILD_DIR
set -eu
build="$1"
if ! command -v lintian >/dev/null 2>&1 || ! command -v dpkg-deb >/dev/null 2>&1; then
  echo "lintian is not installed; skipped"
  exit 0
fi
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
(cd "$build" && cpack -G DEB -B "$work" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; exit 1; }
deb="$(ls "$work"/grocelle_*.deb)"
dpkg-deb -c "$deb" >"$work/contents"
for path in ./usr/bin/grocelle ./usr/share/applications/grocelle.desktop \
            ./usr/share/icons/hicolor/scalable/apps/grocelle.svg ./usr/share/metainfo/org.example.grocelle.metainfo.xml \
            ./usr/lib/systemd/system/grocelle.service ./usr/lib/sysusers.d/grocelle.conf \
            ./usr/share/doc/grocelle/copyright ./usr/share/doc/grocelle/changelog.Debian.gz \
            ./usr/share/man/man1/grocelle.1.gz; do
  if ! grep -q " $path\$" "$work/contents"; then
    echo "FAIL  the package lacks $path"
    exit 1
  fi
  echo "ok    the package holds $path"
done
# Its dependencies are this system's: apt could install it here.
if command -v apt-get >/dev/null 2>&1; then
  if ! apt-get install -s -qq "$deb" >"$work/apt.log" 2>&1; then
    cat "$work/apt.log"
    echo "FAIL  apt cannot install the package on this system"
    exit 1
  fi
  echo "ok    apt can install the package on this system"
fi
status=0
lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 || status=$?
cat "$work/lintian.log"
if [ "$status" -ne 0 ] || grep -q '^[EW]:' "$work/lintian.log"; then
  echo "FAIL  lintian finds errors or warnings"
  exit 1
fi
echo "ok    lintian finds no errors or warnings"
