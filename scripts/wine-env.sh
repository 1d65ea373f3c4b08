# Sourced by the scripts that run Windows programs: a private Wine prefix under
# build/, a virtual X server when no display is set, and Wine's own fonts so
# that "Tahoma" is the real face.
WINE_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEPREFIX="${WINEPREFIX:-$WINE_ROOT/build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
WINE="$(command -v wine64 || { [[ -x /usr/lib/wine/wine64 ]] && echo /usr/lib/wine/wine64; } || command -v wine)"

wine_start_display() {
  if [[ -z "${DISPLAY:-}" ]]; then
    local n
    for n in $(seq 90 120); do
      [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] && continue
      Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
      WINE_XVFB_PID=$!
      export DISPLAY=":$n"
      break
    done
    for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
  fi
}

wine_stop_display() {
  wineserver -k >/dev/null 2>&1 || true
  if [[ -n "${WINE_XVFB_PID:-}" ]]; then kill "$WINE_XVFB_PID" 2>/dev/null || true; wait "$WINE_XVFB_PID" 2>/dev/null || true; unset DISPLAY; fi
}

wine_prepare_prefix() {
  if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
    mkdir -p "$WINEPREFIX"
    "$WINE" wineboot.exe -i >/dev/null 2>&1 || true
    wineserver -w 2>/dev/null || true
  fi
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  mkdir -p "$fonts"
  cp -n /usr/share/wine/fonts/tahoma*.ttf "$fonts/" 2>/dev/null || true
}
