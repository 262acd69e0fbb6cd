#!/usr/bin/env bash
# The helper's resident memory on headless sway: 5 s after start, and after 100 warnings (Caps
# Lock switched on and off 50 times by a keyboard umockdev replays, its light following; every
# indicator on, warnings by notification, no sound). Needs a build with the tests
# (notify_recorder), sway and umockdev; sway refuses root, so its session runs as "nobody" then.
#   scripts/measure/wayland_memory.sh [BUILD_DIR]
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
source "$(dirname "$0")/sway_session.sh"
sway_prepare "$build"
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
cat > "$work/session.sh" <<'INNER'
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
sway_run 60
echo "Wayland (headless sway): resident $(awk '{printf "%.1f", $1/1024}' "$work/rss-start") MB" \
    "5 s after start, $(awk '{printf "%.1f", $1/1024}' "$work/rss-warned") MB after" \
    "$(cat "$work/warnings") warnings"
