#!/usr/bin/env bash
# Installs what building, running and testing Keyvigil needs on Debian 12, then builds into build/.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
    build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev clang-format-14
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 qt6-image-formats-plugins
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    libplist-dev libplist++-dev libplist-utils
    libsdl2-mixer-dev libsystemd-dev libseccomp-dev xdg-utils
    libx11-dev libx11-xcb-dev libxi-dev libxtst-dev libxres-dev libxrandr-dev libxext-dev
    libxfixes-dev
    libxkbcommon-dev libxkbcommon-x11-dev libxcb1-dev libxcb-xkb-dev
    libwayland-dev libwayland-bin wayland-protocols plasma-wayland-protocols libudev-dev qt6-wayland
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xdotool x11-utils x11-xserver-utils icewm xcompmgr dbus dbus-x11 python3 locales
    xserver-xorg-core xserver-xorg-video-dummy
    imagemagick notification-daemon sway grim umockdev kwin-wayland xclip
    librsvg2-bin desktop-file-utils appstream
    gnome-shell gjs python3-dbus libglib2.0-bin
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    # A freshly started desktop often runs its automatic updates now: wait for their lock
    # rather than fail.
    wait_for_lock=(-o DPkg::Lock::Timeout=600)
    echo "Installing ${#missing[@]} packages (waiting up to 10 minutes if another package manager is busy)..."
    # The package lists' lock is not covered by the timeout: try again while it is held.
    for attempt in $(seq 120); do
        if errors=$($sudo apt-get "${wait_for_lock[@]}" update -qq 2>&1 >/dev/null); then
            break
        fi
        if ! grep -q "lock" <<<"$errors" || ((attempt == 120)); then
            echo "$errors" >&2
            exit 1
        fi
        ((attempt > 1)) || echo "Another package manager holds the package lists; waiting..."
        sleep 5
    done
    DEBIAN_FRONTEND=noninteractive $sudo apt-get "${wait_for_lock[@]}" install -y -qq \
        --no-install-recommends "${missing[@]}"
fi

build_dir="${KEYVIGIL_BUILD_DIR:-build}"
# Configure a new build folder, or one given other options; otherwise the build itself runs
# CMake again when a CMake file has changed, so an unchanged tree is neither configured nor built.
if [ ! -f "$build_dir/CMakeCache.txt" ]; then
    cmake -S . -B "$build_dir" -G Ninja ${KEYVIGIL_CMAKE_ARGS:-}
elif [ -n "${KEYVIGIL_CMAKE_ARGS:-}" ]; then
    cmake -S . -B "$build_dir" ${KEYVIGIL_CMAKE_ARGS}
fi
cmake --build "$build_dir"
