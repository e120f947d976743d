#!/usr/bin/env bash
# End-to-end tests of tintora.exe under Xvfb + Wine: tests/e2e/run.sh BUILD_DIR
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
[ $# -eq 1 ] || { echo "usage: $0 BUILD_DIR" >&2; exit 2; }
exec python3 "$here/e2e.py" "$1"
