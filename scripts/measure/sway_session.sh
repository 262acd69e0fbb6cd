# Sourced by the Wayland measurements: Keyvigil installed into a fresh work folder with every
# indicator on (warnings by notification, no sound), a replayed keyboard, and a headless sway
# session run as "nobody" when root (sway refuses root).
#   sway_prepare BUILD_DIR PROGRAM...   sets $work and $helper; copies the programs to $work/build
#   sway_run TIMEOUT                    runs $work/session.sh, which begins with sway_start
sway_prepare() {
    local build=$1 source_dir
    shift
    source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
    work=$(mktemp -d)
    [ -n "${KEYVIGIL_KEEP:-}" ] || trap 'rm -rf "$work"' EXIT
    cmake --install "$build" --prefix "$work/prefix" > /dev/null
    helper="$work/prefix/lib/keyvigil/Keyvigil.prefPane/Contents/Resources/Keyvigil Helper.app/Contents/MacOS/Keyvigil Helper"
    mkdir -p "$work/home" "$work/run" "$work/build"
    cp "$build/tests/e2e/notify_recorder" "$@" "$work/build/"
    cp "$source_dir/tests/data/wayland/keyboard.umockdev" "$work/"
    for setting in "warnWithGrowl -bool YES" "warnCapsLock -bool YES" "warnWithSound -bool NO" \
        "showCapsCenter -bool YES" "showCapsUpperLeft -bool YES" "showNumUpperLeft -bool YES" \
        "showCapsMenuBar -bool YES"; do
        HOME="$work/home" "$work/prefix/bin/keyvigil-defaults" write $setting
    done
    printf 'output HEADLESS-1 resolution 800x600\nxwayland disable\n' > "$work/sway.conf"
    cat > "$work/sway-start.sh" <<'START'
set -u
cd "$W"
WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman WLR_HEADLESS_OUTPUTS=1 \
    sway -c sway.conf > sway.log 2>&1 & S=$!
for i in $(seq 100); do ls "$XDG_RUNTIME_DIR"/wayland-? >/dev/null 2>&1 && break; sleep 0.05; done
export WAYLAND_DISPLAY=$(basename $(ls "$XDG_RUNTIME_DIR"/wayland-? | head -1))
export SWAYSOCK=$(ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock | head -1)
build/notify_recorder > notes.jsonl 2> /dev/null & N=$!
START
}

sway_run() {
    local as_user=()
    if [ "$(id -u)" -eq 0 ]; then
        chown -R nobody:nogroup "$work"
        chmod 755 "$work"
        as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
    fi
    chmod 700 "$work/run"
    env -i PATH="$PATH" W="$work" HELPER="$helper" HOME="$work/home" XDG_RUNTIME_DIR="$work/run" \
        "${as_user[@]}" timeout "$1" dbus-run-session -- bash -c 'source "$W/sway-start.sh"; source "$W/session.sh"' \
        2> /dev/null || true
}
