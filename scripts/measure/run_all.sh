#!/usr/bin/env bash
# Runs every measurement against one build tree and leaves the figures as JSON in OUT.
#   scripts/measure/run_all.sh [BUILD_DIR] [OUT]
# Takes about 30 minutes; run it on an otherwise quiet machine.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="${1:-$here/../../build}"
out="${2:-measurements}"
mkdir -p "$out"
# The measurement programs are built only when asked for.
cmake -S "$here/../.." -B "$build" -DKEYVIGIL_MEASUREMENTS=ON >/dev/null
cmake --build "$build" --target keyvigil-helper keyvigil_helper_images keyvigil_sounds \
    keyvigil-defaults notify_recorder xtest_keys audio_onset pixel_latency
run() { python3 "$here/$1" --build-dir "$build" "${@:2}"; }

run latency.py --spacing 4 --json "$out/latency_cold.json"
run latency.py --spacing 1.2 --json "$out/latency_warm.json"
run latency.py --spacing 1.2 --disk-delay 1 --json "$out/latency_warm_delay1.json"
run latency.py --spacing 4 --indicators all --json "$out/latency_cold_all.json"
run memory.py --json "$out/memory_tray.json"
run memory.py --no-tray --json "$out/memory_no_tray.json"
run idle.py --json "$out/idle.json"
run soak.py --json "$out/soak.json"
# Beside the lock indicator of lxpanel, when it is installed (a reference, not a dependency).
if command -v lxpanel >/dev/null; then
    run compare_peer.py --json "$out/compare_peer.json"
fi
