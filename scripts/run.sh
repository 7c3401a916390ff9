#!/usr/bin/env bash
# Starts Folvane under Wine: on $DISPLAY when there is one, otherwise on a
# virtual display (its number and a screenshot are printed). Runs until the
# window is closed or the command is interrupted.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh
mkdir -p build/wine

virtual=no
if [ -z "${DISPLAY:-}" ]; then
  virtual=yes
  trap folvane_stop_all EXIT
  trap 'exit 130' INT TERM
  folvane_start_xvfb build/wine/run-xvfb.log
  echo "Virtual display: $DISPLAY"
  folvane_prefix "$PWD/build/wine/run-prefix" "" N
else
  trap folvane_stop_all EXIT
  # The program draws its own frame: the window manager must not add one.
  folvane_prefix "$PWD/build/wine/run-prefix" "" N
fi

exe=$PWD/build/win64/Folvane.exe
"$WINE64" "$exe" >build/wine/run.log 2>&1 &
pid=$!
if [ "$virtual" = yes ]; then
  shot=$PWD/build/run-screenshot.png
  for _ in $(seq 1 30); do
    sleep 0.5
    if xwininfo -root -tree 2>/dev/null | grep -q '"Folvane"'; then break; fi
  done
  sleep 1
  import -window root "$shot" 2>/dev/null && echo "Screenshot: $shot"
  echo "Folvane is running; close its window or press Ctrl+C to stop."
fi
wait "$pid" || true
