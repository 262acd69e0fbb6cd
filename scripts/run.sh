#!/usr/bin/env bash
# Sets up and builds Keyvigil, installs it into ~/.local and opens its settings window on your
# display; where there is none, shows Keyvigil at work on a private virtual display instead.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
build_dir="${KEYVIGIL_BUILD_DIR:-build}"
prefix="${KEYVIGIL_PREFIX:-$HOME/.local}"
cmake --install "$build_dir" --prefix "$prefix" >/dev/null
echo "Keyvigil is installed in $prefix (scripts/uninstall.sh removes it)."
case ":$PATH:" in
*":$prefix/bin:"*) ;;
*) echo "Note: $prefix/bin is not on your PATH; add it to start keyvigil-preferences and"
   echo "keyvigil-defaults by name (the desktop's menu finds Keyvigil either way)." ;;
esac
wayland_socket="${WAYLAND_DISPLAY:-}"
[ -z "$wayland_socket" ] || [ "${wayland_socket#/}" != "$wayland_socket" ] ||
    wayland_socket="${XDG_RUNTIME_DIR:-/nonexistent}/$wayland_socket"
if { [ -n "${WAYLAND_DISPLAY:-}" ] && [ -S "$wayland_socket" ]; } ||
    { [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; }; then
    echo "Keyvigil's settings window is open on your display. Keyvigil is paused while it is open;"
    echo "close it with \"Start Keyvigil, now and at every login\" ticked and Keyvigil Helper"
    echo "runs in the background, now and at every login."
    exec "$prefix/bin/keyvigil-preferences"
fi
exec python3 scripts/demo.py
