#!/usr/bin/env bash
# Starts Grocelle under a virtual X server on the sample catalog, in a
# temporary device folder, and saves a PNG of the main window.
# Usage: scripts/screenshot.sh [output.png]   (default: docs/screenshot.png)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
grocelle_packages+=(sqlite3 imagemagick x11-utils)
grocelle_build --target grocelle

out="${1:-$GROCELLE_ROOT/docs/screenshot.png}"
mkdir -p "$(dirname "$out")"
home="$(mktemp -d)"
trap 'kill "${app_pid:-}" "${xvfb_pid:-}" 2>/dev/null || true; rm -rf "$home"' EXIT

sqlite3 "$home/shoplistdata.cdb" < "$GROCELLE_ROOT/res/sample_catalog.sql"
cat > "$home/Grocelle.conf" <<'CONF'
[General]
Installed=dword:00000001
SoundOnLaunch=dword:00000000
CONF

display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp &
xvfb_pid=$!
sleep 1
DISPLAY="$display" GROCELLE_HOME="$home" "$GROCELLE_BUILD/grocelle" &
app_pid=$!
for _ in $(seq 1 50); do
  if DISPLAY="$display" xwininfo -root -tree | grep -q '"Grocelle".*[0-9][0-9][0-9]x'; then break; fi
  sleep 0.2
done
sleep 2
# The largest top-level window titled Grocelle is the main window.
geometry="$(DISPLAY="$display" xwininfo -root -tree | awk '
  /"Grocelle"/ { split($0, a, /\)  */); g = $(NF-1); split(g, p, /[x+]/);
                 if (p[1] * p[2] > best) { best = p[1] * p[2]; pick = g } }
  END { print pick }')"
DISPLAY="$display" import -window root -crop "$geometry" +repage "$out"
echo "Saved $out"
