#!/usr/bin/env bash
# Runs one Windows program under Wine with a time limit (the test emulator).
# The caller (scripts/test.sh) provides WINEPREFIX, DISPLAY and the server.
source "$(dirname "$0")/wine-env.sh"
exec timeout -k 5 "${FOLVANE_WINE_TIMEOUT:-240}" "$WINE64" "$@"
