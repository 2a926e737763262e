#!/usr/bin/env bash
# The packages scripts/run installs hold nothing only the tests need, on every
# release scripts/lib.sh knows; scripts/test installs those besides; and an
# unknown release gets a message and no list at all.
set -uo pipefail
lib="$1/scripts/lib.sh"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "FAIL  $*"; failed=1; }

# Browsers and their drivers, database servers, the proxy, the linters and
# formatters, compilers beyond GCC, test and benchmark libraries, X servers.
test_only='^(chromium.*|.*selenium.*|postgresql(-[0-9]+)?|caddy|lintian|clang.*|libclang-rt-.*|lib(gtest|gmock|benchmark)-dev|googletest|xvfb|xauth|sqlite3|curl)$'

packagesFor() { # packagesFor ID VERSION MODE
  printf 'ID=%s\nVERSION_ID="%s"\n' "$1" "$2" >"$work/os-release"
  GROCELLE_OS_RELEASE="$work/os-release" bash -c 'source "$1"; grocelle_packages_for "$2"' _ "$lib" "$3"
}

for release in debian:12 debian:13 ubuntu:24.04; do
  run="$(packagesFor "${release%%:*}" "${release#*:}" run)" || fail "$release: no run list"
  all="$(packagesFor "${release%%:*}" "${release#*:}" test)" || fail "$release: no test list"
  extra="$(grep -E "$test_only" <<<"$run")" && fail "$release: scripts/run would install" $extra
  for p in qt6-base-dev qt6-httpserver-dev libpq-dev qt6-translations-l10n; do
    grep -qx "$p" <<<"$run" || fail "$release: scripts/run lacks $p"
  done
  for p in postgresql chromium-driver libgtest-dev locales-all lintian; do
    grep -qx "$p" <<<"$all" || fail "$release: scripts/test lacks $p"
  done
  grep -qx 'libclang-rt-[0-9]*-dev' <<<"$all" || fail "$release: scripts/test lacks the sanitizer runtimes"
  [ "$(comm -23 <(sort <<<"$run") <(sort <<<"$all"))" = "" ] || fail "$release: scripts/test misses some of scripts/run's packages"
  [ "$failed" -eq 0 ] && echo "ok    $release"
done

if out="$(packagesFor fedora 41 run 2>"$work/err")"; then
  fail "an unknown release is accepted"
fi
[ -z "$out" ] || fail "an unknown release gets packages: $out"
grep -q "Debian 12 and 13" "$work/err" || fail "an unknown release gets no message"
exit "$failed"
