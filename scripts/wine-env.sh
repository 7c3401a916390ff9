# Sourced by the scripts that run Wine: one place for the prefix, the display
# and the persistent server, and for stopping all of them again.
# Every Wine command runs under `timeout`, so a stray dialog cannot hold a run.

FOLVANE_ROOT=${FOLVANE_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
WINE64=${WINE64:-/usr/lib/wine/wine64}
WINESERVER=${WINESERVER:-$(command -v wineserver || echo /usr/lib/wine/wineserver)}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe="
export WINEARCH=win64

_folvane_xvfb_pid=""

# folvane_prefix DIR [fresh] [managed]: makes DIR a ready Wine prefix.
folvane_prefix() {
  local dir=$1 fresh=${2:-} managed=${3:-N}
  export WINEPREFIX=$dir
  if [ "$fresh" = fresh ]; then rm -rf "$dir"; fi
  if [ -f "$dir/.folvane-ready" ]; then return 0; fi
  rm -rf "$dir"; mkdir -p "$dir" "$dir.home"
  # Wine links Desktop and Documents into the home folder: keep them inside.
  HOME="$dir.home" timeout -k 5 180 "$WINE64" wineboot -i >"$dir.log" 2>&1 || true
  HOME="$dir.home" timeout -k 5 60 "$WINESERVER" -w || true
  # Debian's Wine does not find its own fonts (Tahoma, MS Sans Serif, Marlett).
  mkdir -p "$dir/drive_c/windows/Fonts"
  cp -n /usr/share/wine/fonts/* "$dir/drive_c/windows/Fonts/" 2>/dev/null || true
  local reg="$dir/folvane.reg"
  {
    printf 'REGEDIT4\n\n'
    # Without a window manager Wine must draw frames itself, or the
    # non-client area is invisible and every DestroyWindow stalls.
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\n"Managed"="%s"\n"Decorated"="N"\n\n' "$managed"
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]\n"ShowCrashDialog"=dword:00000000\n\n'
  } >"$reg"
  HOME="$dir.home" timeout -k 5 60 "$WINE64" regedit /S "$reg" >>"$dir.log" 2>&1 || true
  HOME="$dir.home" timeout -k 5 60 "$WINESERVER" -w || true
  touch "$dir/.folvane-ready"
}

# folvane_start_xvfb: a 24-bit virtual display on a free number.
folvane_start_xvfb() {
  local log=${1:-/dev/null} fdfile
  fdfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fdfile" >"$log" 2>&1 &
  _folvane_xvfb_pid=$!
  local i
  for i in $(seq 1 100); do
    [ -s "$fdfile" ] && break
    sleep 0.1
  done
  if [ ! -s "$fdfile" ]; then
    echo "Xvfb did not start" >&2
    rm -f "$fdfile"
    return 1
  fi
  export DISPLAY=":$(head -n1 "$fdfile")"
  rm -f "$fdfile"
}

# folvane_start_wineserver: persistent server plus one warm-up program, so
# that later programs start quickly and ctest does not hang on the first.
folvane_start_wineserver() {
  timeout -k 5 30 "$WINESERVER" -p >/dev/null 2>&1 </dev/null || true
  timeout -k 5 120 "$WINE64" cmd /c exit >/dev/null 2>&1 </dev/null || true
}

folvane_stop_all() {
  if [ -n "${WINEPREFIX:-}" ]; then
    timeout -k 5 30 "$WINESERVER" -k >/dev/null 2>&1 || true
  fi
  if [ -n "$_folvane_xvfb_pid" ]; then
    kill "$_folvane_xvfb_pid" 2>/dev/null || true
    wait "$_folvane_xvfb_pid" 2>/dev/null || true
    _folvane_xvfb_pid=""
  fi
}
