# Sourced: one Wine prefix for the whole run, prepared once (Japanese menu font), with
# a server whose helpers do not hold the caller's output open.
export WINEDEBUG=-all
export WINEARCH=win64
: "${WINEPREFIX:=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build/wine-prefix}"
export WINEPREFIX
export WINE=/usr/lib/wine/wine64
export WINESERVER=/usr/lib/wine/wineserver64

wine_prepare_prefix() {
  mkdir -p "$(dirname "$WINEPREFIX")"
  if [ ! -f "$WINEPREFIX/.tintora-ready" ]; then
    "$WINE" wineboot -i >/dev/null 2>&1 </dev/null || true
    "$WINE" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ ゴシック' /t REG_SZ /d IPAGothic /f >/dev/null 2>&1 </dev/null
    "$WINE" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' /v Tahoma /t REG_MULTI_SZ /d 'ipag.ttf,IPAGothic' /f >/dev/null 2>&1 </dev/null
    "$WINE" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' /v 'MS Shell Dlg' /t REG_MULTI_SZ /d 'ipag.ttf,IPAGothic' /f >/dev/null 2>&1 </dev/null
    "$WINESERVER" -w
    touch "$WINEPREFIX/.tintora-ready"
  fi
}

wine_start_server() {
  # Persistent until wine_stop_server; started with no inherited output.
  "$WINESERVER" -p >/dev/null 2>&1 </dev/null &
  "$WINE" cmd /c exit >/dev/null 2>&1 </dev/null || true
}

wine_stop_server() {
  "$WINESERVER" -k >/dev/null 2>&1 || true
}
