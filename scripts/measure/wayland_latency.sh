#!/usr/bin/env bash
# Key to warning on headless KWin: Caps Lock pressed through fake input, 30 times on and 30 off,
# and the time until the helper's notification reaches the recorder (median and quartiles).
# Needs a build with the tests (kwin_keys, notify_recorder) and kwin-wayland installed.
#   scripts/measure/wayland_latency.sh [BUILD_DIR]
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
helper="$build/Keyvigil.prefPane/Contents/Resources/Keyvigil Helper.app/Contents/MacOS/Keyvigil Helper"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/xdg/applications" "$work/home" "$work/run"
chmod 700 "$work/run"
printf '[Desktop Entry]\nType=Application\nName=Keyvigil Helper\nExec="%s"\nNoDisplay=true\nX-KDE-Wayland-Interfaces=org_kde_kwin_keystate\n' "$helper" \
    > "$work/xdg/applications/helper.desktop"
printf '[Desktop Entry]\nType=Application\nName=kwin_keys\nExec=%s\nNoDisplay=true\nX-KDE-Wayland-Interfaces=org_kde_kwin_fake_input\n' "$build/tests/e2e/kwin_keys" \
    > "$work/xdg/applications/kwin_keys.desktop"
cp "$(command -v kwin_wayland)" "$work/kwin_wayland"
cat > "$work/session.sh" <<'INNER'
set -u
cd "$W"
KWIN_COMPOSE=Q QT_QPA_PLATFORM=offscreen ./kwin_wayland --virtual --socket wl-measure --width 800 \
    --height 600 --no-lockscreen --no-global-shortcuts --no-kactivities > kwin.log 2>&1 & K=$!
for i in $(seq 100); do
    dbus-send --session --print-reply --dest=org.kde.KWin /KWin org.freedesktop.DBus.Peer.Ping \
        > /dev/null 2>&1 && break
    sleep 0.1
done
export WAYLAND_DISPLAY=wl-measure XDG_SESSION_TYPE=wayland
D="$BUILD/tools/keyvigil-defaults/keyvigil-defaults"
$D write warnWithGrowl -bool YES; $D write warnCapsLock -bool YES; $D write warnWithSound -bool NO
"$BUILD/tests/e2e/notify_recorder" > notes.jsonl & N=$!
SDL_AUDIODRIVER=dummy "$HELPER" 2> helper.log & H=$!
sleep 2
"$BUILD/tests/e2e/kwin_keys" -gap 300 $(for i in $(seq 60); do echo 58; done) > presses.txt
sleep 1
kill $H $N $K
wait
INNER
W="$work" BUILD="$build" HELPER="$helper" HOME="$work/home" XDG_RUNTIME_DIR="$work/run" \
    XDG_DATA_DIRS="$work/xdg:/usr/share" timeout 120 dbus-run-session -- bash "$work/session.sh" 2>/dev/null
python3 - "$work" <<'PY'
import json, statistics, sys
work = sys.argv[1]
events = [line.split() for line in open(f"{work}/presses.txt")]
notes = [json.loads(l) for l in open(f"{work}/notes.jsonl") if '"summary"' in l]
times = [n["time_ms"] for n in notes if n["summary"].startswith("CAPS LOCK")]
# Caps Lock locks when pressed and unlocks when released, as XKB has it: each on is timed from
# its press, each off from its release.
sent = [float(t) for kind, _, t in events if kind == "press"][0::2]
sent += [float(t) for kind, _, t in events if kind == "release"][1::2]
starts = sorted(sent)
if len(times) != len(starts):
    sys.exit(f"{len(starts)} lock changes, {len(times)} warnings: cannot pair them")
latencies = [t - s for s, t in zip(starts, times)]
for name, part in (("on", latencies[0::2]), ("off", latencies[1::2])):
    q = statistics.quantiles(part, n=4)
    print(f"KWin, Caps Lock {name} to notification: median {statistics.median(part):.2f} ms, "
          f"quartiles {q[0]:.2f}-{q[2]:.2f} ms, {len(part)} changes")
PY
