#!/usr/bin/env bash
# Runs a cross-compiled Windows program under Wine (CMake's cross-compiling emulator).
source "$(dirname "$0")/wine-env.sh"
[ -f "$WINEPREFIX/.tintora-ready" ] || wine_prepare_prefix
exec "$WINE" "$@"
