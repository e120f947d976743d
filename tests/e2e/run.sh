#!/usr/bin/env bash
# End-to-end tests of tintora.exe under Xvfb + Wine: tests/e2e/run.sh BUILD_DIR
[ $# -eq 1 ] && [ -f "$1/platform/win32/tintora.exe" ] || { echo "usage: $0 BUILD_DIR (a build holding platform/win32/tintora.exe)" >&2; exit 2; }
exec python3 "$(dirname "$0")/e2e.py" "$1"
