#!/usr/bin/env bash
# Sets up, builds and runs Keyvigil Helper on your X display; where there is none, shows it at
# work on a private virtual display instead.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
helper="build/Keyvigil.prefPane/Contents/Resources/Keyvigil Helper.app/Contents/MacOS/Keyvigil Helper"
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    echo "Keyvigil Helper is running on $DISPLAY with the settings of ./build/tools/keyvigil-defaults/keyvigil-defaults read."
    echo "Stop it with Ctrl-C."
    exec "$helper"
fi
exec python3 scripts/demo.py
