#!/bin/sh
# The Debian package from the build folder: made by CPack from what is built,
# holding the program, its menu entry, icon, metainfo and service, and
# without lintian errors.
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
            ./usr/share/icons/hicolor/scalable/apps/grocelle.svg ./usr/share/metainfo/grocelle.metainfo.xml \
            ./usr/lib/systemd/system/grocelle.service ./usr/lib/sysusers.d/grocelle.conf \
            ./usr/share/doc/grocelle/copyright ./usr/share/doc/grocelle/changelog.Debian.gz; do
  if ! grep -q " $path\$" "$work/contents"; then
    echo "FAIL  the package lacks $path"
    exit 1
  fi
  echo "ok    the package holds $path"
done
status=0
lintian --fail-on error "$deb" >"$work/lintian.log" 2>&1 || status=$?
cat "$work/lintian.log"
if [ "$status" -ne 0 ] || grep -q '^E:' "$work/lintian.log"; then
  echo "FAIL  lintian finds errors"
  exit 1
fi
echo "ok    lintian finds no errors"
