#!/usr/bin/env bash
# Shared by scripts/run and scripts/test: installs what a fresh Debian 12 or
# 13 machine lacks for the one or the other, then configures and builds with
# a preset of CMakePresets.json: "release" into build/ (the default), "asan" into
# build-asan/ (GROCELLE_PRESET=asan). GROCELLE_WERROR=ON makes warnings errors.
set -euo pipefail

GROCELLE_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
GROCELLE_PRESET="${GROCELLE_PRESET:-release}"
case "$GROCELLE_PRESET" in
  release) GROCELLE_BUILD="$GROCELLE_ROOT/build" ;;
  asan) GROCELLE_BUILD="$GROCELLE_ROOT/build-asan" ;;
  *) echo "Unknown preset: $GROCELLE_PRESET (release or asan)" >&2; exit 2 ;;
esac

# What ./scripts/run needs: the build tools (npm fetches the phone page's
# barcode decoder), the libraries the program links and Qt's own
# translations (standard buttons, the file dialog, key names). Nothing here may be
# there only for the tests (tests/scripts checks).
grocelle_run_packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-svg-dev libqt6svg6 qt6-image-formats-plugins
  libgl-dev libsqlite3-dev libpq-dev libcsv-dev
  qt6-httpserver-dev qt6-websockets-dev libqrencode-dev qt6-l10n-tools qt6-tools-dev
  qt6-translations-l10n
  npm
)
# What ./scripts/test adds: test and benchmark libraries, a browser and its
# driver, a PostgreSQL server, the sanitizer runtimes, the formatter, the
# proxy and the package checker. Qt 6.8 warns on every start without the
# locales the tests name, and the command-line tests read that output.
grocelle_test_packages=(
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  chromium chromium-driver python3-selenium
  postgresql sqlite3 locales-all
  xvfb xauth
  clang clang-format-19
  openssl curl caddy systemd lintian ccache
)
# What a script needs besides, for either mode.
grocelle_extra_packages=()

# The release named in /etc/os-release (GROCELLE_OS_RELEASE names another
# file, for tests), as ID:VERSION_ID.
grocelle_release() {
  (
    # shellcheck disable=SC1090
    . "${GROCELLE_OS_RELEASE:-/etc/os-release}"
    echo "${ID:-unknown}:${VERSION_ID:-}"
  )
}

# The packages MODE (run or test) needs on this release, one a line. Fails
# with a message on a release it does not know, before anything is installed.
grocelle_packages_for() {
  local mode="$1" release clang
  release="$(grocelle_release)"
  # The version of the release's default clang, for its sanitizer runtimes.
  case "$release" in
    debian:12) clang=14 ;;
    debian:13) clang=19 ;;
    ubuntu:24.04) clang=18 ;;
    *)
      echo "Grocelle is built and tested on Debian 12 and 13 (and should build on Ubuntu 24.04)." >&2
      echo "This system is ${release/:/ }: install its packages by hand, as" \
        "scripts/lib.sh lists them. Nothing was installed." >&2
      return 1
      ;;
  esac
  printf '%s\n' "${grocelle_run_packages[@]}" "${grocelle_extra_packages[@]}"
  if [ "$mode" = test ]; then
    printf '%s\n' "${grocelle_test_packages[@]}" "libclang-rt-$clang-dev"
  fi
}

# Installs what MODE (run, or test by default) needs and this machine lacks.
grocelle_install_packages() {
  local list missing=() p
  list="$(grocelle_packages_for "${1:-test}")" || exit 1
  for p in $list; do
    # An npm the machine already has (Node.js's own packages, say) serves;
    # Debian's would conflict with it.
    if [ "$p" = npm ] && command -v npm >/dev/null; then continue; fi
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

# The compiler launcher for a test build: ccache, when there, with its
# cache kept beside the Debian 13 chroot for root (a CI machine keeps that
# folder between runs; inside the chroot it is the chroot's own), and paths
# taken relative to the tree, so a clone at another path reuses it.
# Sets GROCELLE_LAUNCHER (empty without ccache).
grocelle_use_ccache() {
  GROCELLE_LAUNCHER=""
  command -v ccache >/dev/null || return 0
  if [ -z "${CCACHE_DIR:-}" ] && [ "$(id -u)" -eq 0 ]; then
    export CCACHE_DIR=/var/cache/grocelle/ccache
  fi
  export CCACHE_BASEDIR="$GROCELLE_ROOT" CCACHE_NOHASHDIR=1
  GROCELLE_LAUNCHER=ccache
}

# Installs what MODE needs, then configures and builds. The program alone
# (run) leaves the tests and benchmarks out, whose libraries it did not
# install; test builds them, but no benchmarks under the sanitizers.
grocelle_build() {
  local mode="$1" tests=ON bench=ON
  shift
  grocelle_install_packages "$mode"
  GROCELLE_LAUNCHER=""
  if [ "$mode" = run ]; then tests=OFF bench=OFF; else grocelle_use_ccache; fi
  if [ "$GROCELLE_PRESET" = asan ]; then bench=OFF; fi
  (cd "$GROCELLE_ROOT" && cmake --preset "$GROCELLE_PRESET" -DGROCELLE_WERROR="${GROCELLE_WERROR:-OFF}" \
    -DGROCELLE_BUILD_TESTS="$tests" -DGROCELLE_BUILD_BENCH="$bench" \
    -DCMAKE_C_COMPILER_LAUNCHER="$GROCELLE_LAUNCHER" -DCMAKE_CXX_COMPILER_LAUNCHER="$GROCELLE_LAUNCHER" >/dev/null)
  cmake --build "$GROCELLE_BUILD" --parallel "${GROCELLE_JOBS:-$(nproc)}" "$@"
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
