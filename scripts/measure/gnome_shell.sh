#!/usr/bin/env bash
# On headless GNOME Shell 43 (1280 x 800): Caps Lock pressed through mutter's remote desktop, 30
# times on and 30 off, and the time until the upper-left window's Caps Lock cell changes colour in
# the Shell's own screenshots of that corner; then the Shell's resident memory with the companion
# running and showing the helper's indicators, and without the companion. Needs a build with the
# tests (notify_recorder) and gnome-shell, gjs and python3-dbus installed.
#   scripts/measure/gnome_shell.sh [BUILD_DIR]
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
source=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/xdg/gnome-shell/extensions"
ln -s "$build/resources/gnome-shell/keyvigil@keyvigil.org" "$work/xdg/gnome-shell/extensions/"
cat > "$work/session.sh" <<'INNER'
set -u
cd "$W"
dbus-daemon --session --nofork --address=unix:path=$W/sysbus > /dev/null 2>&1 & SB=$!
for i in $(seq 50); do [ -S $W/sysbus ] && break; sleep 0.1; done
export DBUS_SYSTEM_BUS_ADDRESS=unix:path=$W/sysbus
rm -f "$XDG_RUNTIME_DIR/gnome-shell-disable-extensions"
gsettings set org.gnome.shell enabled-extensions "$EXTENSIONS"
gnome-shell --headless --wayland --no-x11 --wayland-display=wl-measure \
    --virtual-monitor 1280x800 > shell.log 2>&1 & G=$!
sleep 6
export WAYLAND_DISPLAY=wl-measure
/usr/bin/python3 "$TOOL" keys code:1
D="$BUILD/tools/keyvigil-defaults/keyvigil-defaults"
for key in warnWithGrowl warnCapsLock warnNumLock warnWithSound showCapsCenter showCapsMenuBar; do
    $D write $key -bool NO
done
$D write showCapsUpperLeft -bool YES
SDL_AUDIODRIVER=dummy "$HELPER" 2> helper.log & H=$!
sleep 3
if [ "$MEASURE" = yes ]; then /usr/bin/python3 "$SOURCE/scripts/measure/gnome_pixel.py" > pixel.txt; fi
sleep 5
grep VmRSS /proc/$G/status > shell-rss.txt
kill $H; wait $H; kill $G; wait $G; kill $SB
INNER
for run in with without; do
    rm -rf "$work/home" "$work/run"; mkdir -p "$work/home" "$work/run"; chmod 700 "$work/run"
    if [ $run = with ]; then extensions="['keyvigil@keyvigil.org']" measure=yes
    else extensions="@as []" measure=no; fi
    W="$work" BUILD="$build" SOURCE="$source" TOOL="$source/tests/e2e/gnome_shell_tool.py" \
        HELPER="$build/Keyvigil.prefPane/Contents/Resources/Keyvigil Helper.app/Contents/MacOS/Keyvigil Helper" \
        HOME="$work/home" XDG_RUNTIME_DIR="$work/run" XDG_DATA_DIRS="$work/xdg:/usr/share" \
        EXTENSIONS="$extensions" MEASURE=$measure \
        timeout 300 dbus-run-session -- bash "$work/session.sh" > /dev/null 2>&1 || true
    [ $run = with ] && cat "$work/pixel.txt"
    echo "GNOME Shell resident $run the companion: $(awk '{print $2, $3}' "$work/shell-rss.txt")"
done
