#!/usr/bin/env bash
# Saves a PNG of the phone page on a 390 x 844 screen, served by the main
# window on the sample catalog, as headless Chromium shows it.
# Usage: scripts/phone-screenshot.sh [output.png]   (default: docs/phone.png)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
grocelle_build --target grocelle_phone_host
out="${1:-$GROCELLE_ROOT/docs/phone.png}"
QT_QPA_PLATFORM=offscreen /usr/bin/python3 "$GROCELLE_ROOT/tests/browser/phone_page_test.py" \
  "$GROCELLE_BUILD/tests/grocelle_phone_host" "$GROCELLE_ROOT/res/sample_catalog.sql" --screenshot "$out"
