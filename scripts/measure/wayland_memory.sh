#!/usr/bin/env bash
# The helper's resident memory on headless sway: 5 s after start, and after 100 warnings (Caps
# Lock switched on and off 50 times by a keyboard umockdev replays, its light following; every
# indicator on, warnings by notification, no sound). Prints both, with the same helper on X11
# under Xvfb beside them when Xvfb is there. Needs a build with the tests (notify_recorder),
# sway and umockdev; sway refuses root, so its session runs as "nobody" then.
#   scripts/measure/wayland_memory.sh [BUILD_DIR]
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-build}" && pwd)
work=$(mktemp -d)
[ -n "${KEYVIGIL_KEEP:-}" ] || trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" > /dev/null
helper="$prefix/lib/keyvigil/Keyvigil.prefPane/Contents/Resources/Keyvigil Helper.app/Contents/MacOS/Keyvigil Helper"
mkdir -p "$work/home" "$work/run" "$work/build"
cp "$build/tests/e2e/notify_recorder" "$work/build/"
cp "$source_dir/tests/data/wayland/keyboard.umockdev" "$work/"
python3 - "$work/toggles.events" <<'PY'
import sys
# Caps Lock's key and light, on and off 50 times, 60 ms apart, after 6 s.
records, t = ["E: 0.000000 0000 0000 0000"], 6.0
for i in range(100):
    for kind, code, value in ((1, 58, 1), (0, 0, 0), (1, 58, 0), (0, 0, 0),
                              (0x11, 1, 1 - i % 2), (0, 0, 0)):
        records.append(f"E: {t:.6f} {kind:04x} {code:04x} {value:04x}")
    t += 0.06
open(sys.argv[1], "w").write("\n".join(records) + "\n")
PY
D="$prefix/bin/keyvigil-defaults"
for setting in "warnWithGrowl -bool YES" "warnCapsLock -bool YES" "warnWithSound -bool NO" \
    "showCapsCenter -bool YES" "showCapsUpperLeft -bool YES" "showNumUpperLeft -bool YES" \
    "showCapsMenuBar -bool YES"; do
    HOME="$work/home" $D write $setting
done
printf 'output HEADLESS-1 resolution 800x600\nxwayland disable\n' > "$work/sway.conf"
cat > "$work/session.sh" <<'INNER'
set -u
cd "$W"
WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman WLR_HEADLESS_OUTPUTS=1 \
    sway -c sway.conf > sway.log 2>&1 & S=$!
for i in $(seq 100); do ls "$XDG_RUNTIME_DIR"/wayland-? >/dev/null 2>&1 && break; sleep 0.05; done
export WAYLAND_DISPLAY=$(basename $(ls "$XDG_RUNTIME_DIR"/wayland-? | head -1))
export SWAYSOCK=$(ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock | head -1)
build/notify_recorder > notes.jsonl 2> /dev/null & N=$!
SDL_AUDIODRIVER=dummy umockdev-run -d keyboard.umockdev -e /dev/input/event3=toggles.events -- \
    "$HELPER" > helper.log 2>&1 &
sleep 5
# This run's helper, not its launcher nor another run's helper.
for p in $(pgrep -x "Keyvigil Helper"); do
    tr '\0' ' ' < /proc/$p/cmdline | grep -q "$W" && H=$p
done
grep VmRSS /proc/$H/status | awk '{print $2}' > rss-start
sleep 10
grep VmRSS /proc/$H/status | awk '{print $2}' > rss-warned
grep -c '"summary"' notes.jsonl > warnings || true
kill $H $N $S
wait
INNER
as_user=()
if [ "$(id -u)" -eq 0 ]; then
    chown -R nobody:nogroup "$work"
    chmod 755 "$work"
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
chmod 700 "$work/run"
env -i PATH="$PATH" W="$work" HELPER="$helper" HOME="$work/home" XDG_RUNTIME_DIR="$work/run" \
    "${as_user[@]}" timeout 60 dbus-run-session -- bash "$work/session.sh" 2> /dev/null || true
echo "Wayland (headless sway): resident $(awk '{printf "%.1f", $1/1024}' "$work/rss-start") MB" \
    "5 s after start, $(awk '{printf "%.1f", $1/1024}' "$work/rss-warned") MB after" \
    "$(cat "$work/warnings") warnings"
