#!/usr/bin/env bash
# Installs what is missing and builds the Windows release of the checked-out commit:
# tintora.exe (MinGW-w64, Release, stripped) with README.txt, LICENSE and CHANGELOG.md in
# tintora-<version>-win64.zip, and SHA256SUMS, both in <build folder>/dist.
#   scripts/release.sh [build folder]      (default build/release-win)
# The same commit gives the same bytes in any folder at any time: the zip's file times are the
# commit's date (or SOURCE_DATE_EPOCH when it is set, for sources without their history).
set -euo pipefail
build=$(realpath -m "${1:-build/release-win}")
cd "$(dirname "$0")/.."
scripts/setup.sh
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
  git diff --quiet HEAD || echo "release.sh: uncommitted changes go into this build" >&2
fi
export SOURCE_DATE_EPOCH
cmake --preset release-win -B "$build" >/dev/null
cmake --build "$build"
rm -rf "$build/dist"
# The zip's times are local times and its entries carry the files' owner: UTC and fakeroot make
# both the same for everyone.
TZ=UTC fakeroot cpack --config "$build/CPackConfig.cmake" >/dev/null
mv "$build"/dist/tintora-*-win64.zip.sha256 "$build/dist/SHA256SUMS"
ls -l "$build/dist"
