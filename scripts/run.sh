#!/usr/bin/env bash
# Installs what is missing, builds tintora.exe and starts the picker: under Wine on the
# user's X display on Linux, directly on Windows.
set -euo pipefail
cd "$(dirname "$0")/.."
case "$(uname -s)" in
MINGW* | MSYS* | CYGWIN*)
    cmake -S . -B build/native-windows -G Ninja -DCMAKE_BUILD_TYPE=Release -DTINTORA_TESTS=OFF
    cmake --build build/native-windows --target tintora
    exec build/native-windows/platform/win32/tintora.exe
    ;;
esac
scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target tintora
if [ -z "${DISPLAY:-}" ]; then
    echo "run.sh: no X display (DISPLAY is empty); start it from a desktop session" >&2
    exit 1
fi
source scripts/wine-env.sh
wine_prepare_prefix
# Wine's helpers keep inherited output open after the picker ends: give them none.
"$WINE" build/windows/platform/win32/tintora.exe >/dev/null 2>&1 </dev/null
