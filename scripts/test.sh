#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test:
#   native tests with AddressSanitizer + UBSan, the Windows build (exe and unit tests)
#   under Wine, the release zip built twice and compared, the two fuzzers for a bounded
#   time each, and the end-to-end tests.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
scripts/setup.sh

passed=0
failed=0
run_ctest() {  # preset; adds its counts to the totals
  local log
  log=$(mktemp)
  local rc=0
  ctest --preset "$1" -j2 2>&1 | tee "$log" || rc=1
  local line
  line=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -n 1 || true)
  rm -f "$log"
  if [ -n "$line" ]; then
    local total bad
    bad=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\1/' <<<"$line")
    total=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\2/' <<<"$line")
    passed=$((passed + total - bad))
    failed=$((failed + bad))
  else
    failed=$((failed + 1))
  fi
  return $rc
}

status=0
echo "== native build and tests (AddressSanitizer + UBSan)"
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize
run_ctest sanitize || status=1

echo "== benchmarks (built, not run)"
cmake --preset release >/dev/null
cmake --build --preset release

echo "== Windows build and unit tests under Wine"
source scripts/wine-env.sh
wine_prepare_prefix
wine_start_server
trap wine_stop_server EXIT
cmake --preset windows >/dev/null
cmake --build --preset windows
run_ctest windows || status=1

echo "== release: built twice, the same bytes"
# The second build is of a copy of the sources in another folder, minutes after the first: neither
# the folders nor the time may reach the bytes. The zip holds exactly its four files.
release_twice() {
  local a="$root/build/release-a" b="$root/build/release-b" copy="$root/build/release-sources" zip
  local epoch
  epoch=$(git log -1 --format=%ct)
  rm -rf "$a" "$b" "$copy" && mkdir -p "$copy" &&
    tar -C "$root" --exclude=./build --exclude=./.git -cf - . | tar -C "$copy" -xf - &&
    SOURCE_DATE_EPOCH=$epoch CMAKE_BUILD_PARALLEL_LEVEL=2 scripts/release.sh "$a" &&
    SOURCE_DATE_EPOCH=$epoch CMAKE_BUILD_PARALLEL_LEVEL=2 "$copy/scripts/release.sh" "$b" || return 1
  zip=$(cd "$a/dist" && echo tintora-*-win64.zip)
  cmp "$a/platform/win32/tintora.exe" "$b/platform/win32/tintora.exe" &&
    cmp "$a/dist/$zip" "$b/dist/$zip" && cmp "$a/dist/SHA256SUMS" "$b/dist/SHA256SUMS" &&
    (cd "$a/dist" && sha256sum -c SHA256SUMS) &&
    unzip -q "$a/dist/$zip" -d "$a/unpacked" &&
    diff <(cd "$a/unpacked" && find . -mindepth 1 | LC_ALL=C sort) <(printf './%s\n' CHANGELOG.md LICENSE README.txt tintora.exe) &&
    cmp "$a/unpacked/tintora.exe" "$a/platform/win32/tintora.exe"
}
if release_twice; then passed=$((passed + 1)); else failed=$((failed + 1)); status=1; fi

if [ -x tests/fuzz/run.sh ]; then
  echo "== fuzzing"
  cmake --preset fuzz >/dev/null
  cmake --build --preset fuzz
  if tests/fuzz/run.sh "$root/build/fuzz"; then passed=$((passed + 1)); else failed=$((failed + 1)); status=1; fi
fi

if [ -x tests/e2e/run.sh ]; then
  echo "== end-to-end tests under Xvfb + Wine"
  e2e_log=$(mktemp)
  tests/e2e/run.sh "$root/build/windows" 2>&1 | tee "$e2e_log" || status=1
  p=$(grep -cE '^PASS ' "$e2e_log" || true)
  f=$(grep -cE '^FAIL ' "$e2e_log" || true)
  passed=$((passed + p))
  failed=$((failed + f))
  rm -f "$e2e_log"
fi

[ "$failed" -eq 0 ] || status=1
echo "all: $passed passed, $failed failed"
exit $status
