#!/usr/bin/env bash
# Installs what building, running and testing Keyvigil needs on Debian 12, then builds into build/.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
    build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6
    libplist-dev libplist++-dev libplist-utils
    libsdl2-mixer-dev
    libx11-dev libx11-xcb-dev libxi-dev libxtst-dev libxres-dev libxrandr-dev
    libxkbcommon-dev libxkbcommon-x11-dev libxcb1-dev libxcb-xkb-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xdotool x11-utils x11-xserver-utils icewm xcompmgr dbus dbus-x11 python3 locales
    imagemagick
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

build_dir="${KEYVIGIL_BUILD_DIR:-build}"
cmake -S . -B "$build_dir" -G Ninja ${KEYVIGIL_CMAKE_ARGS:-}
cmake --build "$build_dir"
