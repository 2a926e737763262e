#!/usr/bin/env bash
# Saves a PNG of the phone page on a 390 x 844 screen, served by the main
# window on the sample catalog, as headless Chromium shows it.
# Usage: scripts/phone-screenshot.sh [--offline] [output.png]
#   default: docs/phone.png; with --offline the page without reception, two
#   marks waiting (default docs/phone-offline.png)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
test_script=phone_page_test.py
default=phone.png
if [[ "${1:-}" == --offline ]]; then
  test_script=phone_offline_test.py
  default=phone-offline.png
  shift
fi
grocelle_build test --target grocelle_phone_host
out="${1:-$GROCELLE_ROOT/docs/$default}"
QT_QPA_PLATFORM=offscreen /usr/bin/python3 "$GROCELLE_ROOT/tests/browser/$test_script" \
  "$GROCELLE_BUILD/tests/grocelle_phone_host" "$GROCELLE_ROOT/res/sample_catalog.sql" --screenshot "$out"
