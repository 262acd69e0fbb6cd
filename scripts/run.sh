#!/usr/bin/env bash
# Sets up, builds and opens Keyvigil's settings window on your display; where there is none,
# shows Keyvigil at work on a private virtual display instead.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    echo "Keyvigil's settings window is open on $DISPLAY. Keyvigil is paused while it is open;"
    echo "close it with \"Run Keyvigil\" switched on and Keyvigil Helper runs in the background,"
    echo "now and at every login."
    exec build/keyvigil-preferences build/Keyvigil.prefPane
fi
exec python3 scripts/demo.py
