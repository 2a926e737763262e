#!/usr/bin/env bash
# Starts Grocelle under a virtual X server on the sample catalog, in a
# temporary device folder, and saves a PNG of the main window.
# Usage: scripts/screenshot.sh [output.png]   (default: docs/screenshot.png)
#        scripts/screenshot.sh --first-start LANG [output.png]
# The second form is a first start on no catalog in the system language LANG
# (de, fr, es, en): it takes the common groceries the first-start box offers
# and shows the store's tab, where they all are.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
grocelle_extra_packages+=(xvfb xauth sqlite3 imagemagick x11-utils)
first_start=""
if [ "${1:-}" = "--first-start" ]; then
  first_start="${2:?a language code, as de}"
  shift 2
  grocelle_extra_packages+=(xdotool)
fi
grocelle_build run --target grocelle

out="${1:-$GROCELLE_ROOT/docs/screenshot.png}"
mkdir -p "$(dirname "$out")"
home="$(mktemp -d)"
trap 'kill "${app_pid:-}" "${xvfb_pid:-}" 2>/dev/null || true; rm -rf "$home"' EXIT

if [ -z "$first_start" ]; then
  sqlite3 "$home/shoplistdata.cdb" < "$GROCELLE_ROOT/res/sample_catalog.sql"
  cat > "$home/Grocelle.conf" <<'CONF'
[General]
Installed=dword:00000001
SoundOnLaunch=dword:00000000
CONF
fi

display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp &
xvfb_pid=$!
sleep 1
language=()
if [ -n "$first_start" ]; then
  declare -A locale_of=([de]=de_DE [fr]=fr_FR [es]=es_ES [en]=en_US)
  language=(LANG="${locale_of[$first_start]:-$first_start}.UTF-8" LANGUAGE= LC_ALL= LC_MESSAGES=)
fi
env "${language[@]}" DISPLAY="$display" GROCELLE_HOME="$home" "$GROCELLE_BUILD/grocelle" &
app_pid=$!
for _ in $(seq 1 50); do
  if DISPLAY="$display" xwininfo -root -tree | grep -q '"Grocelle".*[0-9][0-9][0-9]x'; then break; fi
  sleep 0.2
done
sleep 2
# The largest top-level window titled Grocelle is the main window.
main_window() {
  DISPLAY="$display" xwininfo -root -tree | awk '
    /"Grocelle"/ { split($0, a, /\)  */); g = $(NF-1); split(g, p, /[x+]/);
                   if (p[1] * p[2] > best) { best = p[1] * p[2]; pick = g } }
    END { print pick }'
}
if [ -n "$first_start" ]; then
  # The common groceries are the first choice and have the focus.
  DISPLAY="$display" xdotool key Return
  sleep 2
  IFS='x+' read -r _ _ left top <<<"$(main_window)"
  # The store's tab, beside the need tab at the top of the window.
  DISPLAY="$display" xdotool mousemove $((left + 160)) $((top + 60)) click 1
  sleep 1
fi
geometry="$(main_window)"
DISPLAY="$display" import -window root -crop "$geometry" +repage "$out"
echo "Saved $out"
