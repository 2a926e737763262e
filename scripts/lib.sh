#!/usr/bin/env bash
# Shared by scripts/run and scripts/test: installs what a fresh Debian 12
# machine lacks, then configures and builds with a preset of
# CMakePresets.json: "release" into build/ (the default), "asan" into
# build-asan/ (GROCELLE_PRESET=asan). GROCELLE_WERROR=ON makes warnings errors.
set -euo pipefail

GROCELLE_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
GROCELLE_PRESET="${GROCELLE_PRESET:-release}"
case "$GROCELLE_PRESET" in
  release) GROCELLE_BUILD="$GROCELLE_ROOT/build" ;;
  asan) GROCELLE_BUILD="$GROCELLE_ROOT/build-asan" ;;
  *) echo "Unknown preset: $GROCELLE_PRESET (release or asan)" >&2; exit 2 ;;
esac

grocelle_packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-svg-dev libqt6svg6 qt6-image-formats-plugins
  libgl-dev libsqlite3-dev
  qt6-httpserver-dev qt6-websockets-dev libqrencode-dev
  chromium chromium-driver python3-selenium
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  xvfb xauth
)

grocelle_install_packages() {
  local missing=()
  for p in "${grocelle_packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$p")
    fi
  done
  if [ "${#missing[@]}" -eq 0 ]; then
    return 0
  fi
  echo "Installing: ${missing[*]}"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

grocelle_build() {
  grocelle_install_packages
  (cd "$GROCELLE_ROOT" && cmake --preset "$GROCELLE_PRESET" -DGROCELLE_WERROR="${GROCELLE_WERROR:-OFF}" >/dev/null)
  cmake --build "$GROCELLE_BUILD" --parallel "$(nproc)" "$@"
}
