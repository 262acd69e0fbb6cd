#!/usr/bin/python3
"""Caps Lock to the upper-left window's Caps Lock cell on GNOME Shell: presses Caps Lock through
mutter's remote desktop and takes the Shell's screenshots of the corner (org.gnome.Shell.Screenshot,
as org.gnome.Screenshot) until the cell's pixel turns red (on) or back (off). A screenshot shows
what the Shell had drawn when it took it, so each change lies between the start of the last
screenshot without it and the end of the first with it: both are given. A bus monitor times the
steps between: the companion's LocksChanged signal and the helper's Show call."""
import statistics
import struct
import subprocess
import time
import zlib

import dbus

X, Y = 4, 11  # inside the Caps Lock cell
SHOT = "/dev/shm/keyvigil-gnome-pixel.png"


def pixel(path):
    """(r, g, b) at (X, Y) of an 8-bit RGB or RGBA PNG without interlacing."""
    data = open(path, "rb").read()
    pos, chunks, header = 8, [], None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            chunks.append(body)
        pos += 12 + length
    width, _, depth, colour, *_ = header
    assert depth == 8 and colour in (2, 6), header
    size = 3 if colour == 2 else 4
    raw = zlib.decompress(b"".join(chunks))
    stride = width * size
    previous = bytearray(stride)
    for row in range(Y + 1):
        kind, line = raw[row * (stride + 1)], bytearray(raw[row * (stride + 1) + 1:(row + 1) * (stride + 1)])
        for i in range(stride):
            left = line[i - size] if i >= size else 0
            up, corner = previous[i], previous[i - size] if i >= size else 0
            if kind == 1:
                line[i] = (line[i] + left) & 255
            elif kind == 2:
                line[i] = (line[i] + up) & 255
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 255
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                line[i] = (line[i] + (left if pa <= pb and pa <= pc else up if pb <= pc else corner)) & 255
        previous = line
    return tuple(previous[X * size:X * size + 3])


bus = dbus.SessionBus()
bus.request_name("org.gnome.Screenshot")
shell = dbus.Interface(bus.get_object("org.gnome.Shell.Screenshot", "/org/gnome/Shell/Screenshot"),
                       "org.gnome.Shell.Screenshot")
desktop = dbus.Interface(bus.get_object("org.gnome.Mutter.RemoteDesktop", "/org/gnome/Mutter/RemoteDesktop"),
                         "org.gnome.Mutter.RemoteDesktop")
session = dbus.Interface(bus.get_object("org.gnome.Mutter.RemoteDesktop", desktop.CreateSession()),
                         "org.gnome.Mutter.RemoteDesktop.Session")
session.Start()
for down in (True, False):
    session.NotifyKeyboardKeycode(dbus.UInt32(42), down)
time.sleep(0.5)


def red():
    shell.ScreenshotArea(0, 0, 24, 24, False, SHOT)
    r, g, b = pixel(SHOT)
    return r > 200 and g < 60 and b < 60


monitor = subprocess.Popen(["dbus-monitor", "--session", "--profile",
                            "interface=org.keyvigil.Keyvigil.Shell"],
                           stdout=subprocess.PIPE, text=True)
time.sleep(0.5)
results = {True: ([], []), False: ([], [])}
shots = []
presses = []
for press in range(61):
    want = press % 2 == 0
    pressed = time.monotonic()
    presses.append(time.time())
    session.NotifyKeyboardKeycode(dbus.UInt32(58), True)
    session.NotifyKeyboardKeycode(dbus.UInt32(58), False)
    last_start = pressed
    while True:
        start = time.monotonic()
        changed = red() == want
        end = time.monotonic()
        shots.append(end - start)
        if changed:
            break
        last_start = start
        if end - pressed > 2:
            raise SystemExit(f"press {press}: no change in 2 s")
    if press > 0:  # the first press wakes the keyboard mutter makes
        results[want][0].append((last_start - pressed) * 1000)
        results[want][1].append((end - pressed) * 1000)
    time.sleep(0.2)
session.Stop()
time.sleep(0.3)
monitor.terminate()
events = []
for line in monitor.stdout:
    fields = line.split()
    if len(fields) >= 8 and fields[0] in ("sig", "mc"):
        events.append((float(fields[1]), fields[7]))
for member in ("LocksChanged", "Show"):
    delays = []
    for press in presses[1:]:
        later = [t for t, m in events if m == member and t >= press]
        if later:
            delays.append((later[0] - press) * 1000)
    if delays:
        print(f"GNOME, Caps Lock to the {member} message on the bus: median "
              f"{statistics.median(delays):.1f} ms, {len(delays)} changes")
for want, (low, high) in results.items():
    print(f"GNOME, Caps Lock {'on' if want else 'off'} to the upper-left pixel: median between "
          f"{statistics.median(low):.1f} and {statistics.median(high):.1f} ms, "
          f"p90 at most {statistics.quantiles(high, n=10)[-1]:.1f} ms, {len(high)} changes")
print(f"one screenshot of the corner: median {statistics.median(shots) * 1000:.1f} ms")
