#!/usr/bin/env bash
# Copies the README's pictures from the screenshots of an end-to-end run:
#   tests/e2e/run.sh build/windows && scripts/docs-pictures.sh build/windows
set -euo pipefail
cd "$(dirname "$0")/.."
from="${1:-build/windows}/e2e-artifacts"
mkdir -p docs/pictures
for name in capture-live capture-fixed gradation-drag gradation; do
  cp "$from/$name.png" docs/pictures/
done
