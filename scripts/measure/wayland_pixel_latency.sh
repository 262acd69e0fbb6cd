#!/usr/bin/env bash
# Caps Lock to the upper-left pixel on headless sway: the keyboard's Caps Lock light switched on
# and off 30 times each, 400 ms apart, by a keyboard umockdev replays; the time each light record
# reaches the helper (its read of the device, seen by strace) to the frame in which the Caps Lock
# cell turns red or back, seen through screen copies of that pixel (wayland_pixel_latency). Every
# indicator on, warnings by notification, no sound. Needs a build with the tests and the
# measurements (-DKEYVIGIL_MEASUREMENTS=ON), sway, umockdev and strace; sway refuses root, so its
# session runs as "nobody" then.
#   scripts/measure/wayland_pixel_latency.sh [BUILD_DIR]
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
source "$(dirname "$0")/sway_session.sh"
sway_prepare "$build" "$build/scripts/measure/wayland_pixel_latency"
python3 - "$work/toggles.events" <<'PY'
import sys
# The Caps Lock light on and off 30 times each, 400 ms apart, after 5 s.
records, t = ["E: 0.000000 0000 0000 0000"], 5.0
for i in range(60):
    records += [f"E: {t:.6f} 0011 0001 {1 - i % 2:04x}", f"E: {t:.6f} 0000 0000 0000"]
    t += 0.4
open(sys.argv[1], "w").write("\n".join(records) + "\n")
PY
cat > "$work/session.sh" <<'INNER'
build/wayland_pixel_latency 4 11 35 > pixels.txt & P=$!
SDL_AUDIODRIVER=dummy strace --seccomp-bpf -f -ttt -xx -s 96 -e trace=read,connect,sendmsg,close -o reads.txt \
    umockdev-run -d keyboard.umockdev -e /dev/input/event3=toggles.events -- "$HELPER" \
    > helper.log 2>&1 & H=$!
wait $P
kill $H $N $S
wait
INNER
sway_run 90
python3 - "$work" <<'PY'
import re, statistics, struct, sys
work = sys.argv[1]
# Each read of 24-byte input records that holds the Caps Lock light's record: its time and value.
lights, wayland, sends = [], set(), []
for line in open(f"{work}/reads.txt"):
    # The helper's connections to the compositor, by process and descriptor, until closed.
    c = re.match(r'(\d+)\s+[\d.]+ connect\((\d+), \{sa_family=AF_UNIX, sun_path="([^"]*)"', line)
    if c:
        path = bytes(int(h, 16) for h in re.findall(r"\\x([0-9a-f]{2})", c.group(3)))
        if re.search(rb"/wayland-\d+$", path):
            wayland.add((c.group(1), c.group(2)))
    closed = re.match(r'(\d+)\s+[\d.]+ close\((\d+)\)', line)
    if closed:
        wayland.discard((closed.group(1), closed.group(2)))
    s = re.match(r'(\d+)\s+([\d.]+) sendmsg\((\d+),', line)
    if s and (s.group(1), s.group(3)) in wayland:
        sends.append(float(s.group(2)) * 1e3)
    m = re.match(r'\d+\s+([\d.]+) read\(\d+, "((?:\\x[0-9a-f]{2})*)"', line)
    if not m:
        continue
    data = bytes(int(h, 16) for h in re.findall(r"\\x([0-9a-f]{2})", m.group(2)))
    if len(data) % 24:
        continue
    for i in range(0, len(data), 24):
        kind, code, value = struct.unpack_from("<HHi", data, i + 16)
        if kind == 0x11 and code == 1:
            lights.append((float(m.group(1)) * 1e3, value))
pixels = [(kind, float(t)) for kind, t in (l.split() for l in open(f"{work}/pixels.txt"))]
# The helper's own part: from the light's record to its first request to the compositor after.
own = []
for at, value in lights:
    after = [t for t in sends if t >= at]
    if after and after[0] - at < 200:
        own.append(after[0] - at)
latencies = {"on": [], "off": []}
for at, value in lights:
    kind = "on" if value else "off"
    after = [t for k, t in pixels if k == kind and t >= at]
    if after and after[0] - at < 200:
        latencies[kind].append(after[0] - at)
if own:
    q = statistics.quantiles(own, n=4)
    print(f"sway, the helper's part (light read to its first request to the compositor): "
          f"median {statistics.median(own):.2f} ms, quartiles {q[0]:.2f}-{q[2]:.2f} ms, "
          f"{len(own)} changes")
for kind, part in latencies.items():
    if len(part) < 4:
        sys.exit(f"only {len(part)} {kind} changes paired: {len(lights)} lights, {len(pixels)} pixel changes")
    q = statistics.quantiles(part, n=4)
    print(f"sway, Caps Lock {kind} to the upper-left pixel: median {statistics.median(part):.2f} ms, "
          f"quartiles {q[0]:.2f}-{q[2]:.2f} ms, {len(part)} changes")
PY
