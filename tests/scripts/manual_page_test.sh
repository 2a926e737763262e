#!/usr/bin/env bash
# The manual page names every option that grocelle --help names, so that a
# new option cannot be left out of it.
# Usage: manual_page_test.sh GROCELLE MANUAL_PAGE
set -euo pipefail
program="$1"
page="$2"
home="$(mktemp -d)"
trap 'rm -rf "$home"' EXIT
options="$(GROCELLE_HOME="$home" QT_QPA_PLATFORM=offscreen "$program" --help | grep -o -E -- '--[a-z][a-z-]*' | sort -u)"
[ -n "$options" ] || { echo "FAIL  --help names no option"; exit 1; }
missing=0
for option in $options; do
  # The page writes each hyphen as \-.
  if ! grep -q -F -- "\\fB${option//-/\\-}\\fR" "$page"; then
    echo "FAIL  the manual page does not name $option"
    missing=1
  fi
done
[ "$missing" -eq 0 ] && echo "ok    the manual page names all $(echo "$options" | wc -l) options"
exit "$missing"
