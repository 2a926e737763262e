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
  libgl-dev libsqlite3-dev libpq-dev postgresql-15 libcsv-dev sqlite3
  qt6-httpserver-dev qt6-websockets-dev libqrencode-dev qt6-l10n-tools qt6-tools-dev
  chromium chromium-driver python3-selenium
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  xvfb xauth
  clang libclang-rt-14-dev clang-format
  openssl curl caddy systemd lintian
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

# A throwaway PostgreSQL server for the tests: a cluster in a temporary
# folder, listening only on a Unix socket in that folder (no TCP port), run as
# the postgres user when we are root (the server refuses root). Sets
# GROCELLE_TEST_POSTGRES to its URI; grocelle_stop_postgres removes it all.
grocelle_pg_bin() {
  local dir
  dir="$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)"
  [ -n "$dir" ] && [ -x "$dir/initdb" ] && echo "$dir"
}

grocelle_as_pg_owner() {
  if [ "$(id -u)" -eq 0 ]; then
    runuser -u postgres -- "$@"
  else
    "$@"
  fi
}

grocelle_start_postgres() {
  local bin
  bin="$(grocelle_pg_bin)" || { echo "PostgreSQL is not installed: its tests will be skipped" >&2; return 0; }
  GROCELLE_PG_DIR="$(mktemp -d /tmp/grocelle-pg.XXXXXX)"
  chmod 755 "$GROCELLE_PG_DIR"
  if [ "$(id -u)" -eq 0 ]; then chown postgres: "$GROCELLE_PG_DIR"; fi
  grocelle_as_pg_owner "$bin/initdb" -D "$GROCELLE_PG_DIR/data" -U postgres --auth=trust -E UTF8 \
    --locale=C.UTF-8 --no-sync >"$GROCELLE_PG_DIR/initdb.log" 2>&1 \
    || { cat "$GROCELLE_PG_DIR/initdb.log" >&2; return 1; }
  grocelle_as_pg_owner "$bin/pg_ctl" -D "$GROCELLE_PG_DIR/data" -l "$GROCELLE_PG_DIR/server.log" -w -s \
    -o "-c listen_addresses='' -c unix_socket_directories='$GROCELLE_PG_DIR' -c fsync=off \
        -c synchronous_commit=off -c full_page_writes=off -c max_connections=200" start \
    || { cat "$GROCELLE_PG_DIR/server.log" >&2; return 1; }
  export GROCELLE_PG_BIN="$bin"
  export GROCELLE_PG_DATA="$GROCELLE_PG_DIR/data"
  export GROCELLE_TEST_POSTGRES="postgresql://postgres@/postgres?host=$GROCELLE_PG_DIR"
  "$bin/psql" -q -X -d "$GROCELLE_TEST_POSTGRES" -c "CREATE EXTENSION IF NOT EXISTS citext SCHEMA public" >/dev/null
}

grocelle_stop_postgres() {
  if [ -n "${GROCELLE_PG_DIR:-}" ] && [ -d "$GROCELLE_PG_DIR" ]; then
    grocelle_as_pg_owner "$GROCELLE_PG_BIN/pg_ctl" -D "$GROCELLE_PG_DIR/data" -m immediate -w -s stop \
      >/dev/null 2>&1 || true
    rm -rf "$GROCELLE_PG_DIR"
  fi
}
