#!/usr/bin/env python3
"""Writes CAPS.aiff, the pane's own warning sound: two soft rising tones, 16-bit mono 44.1 kHz.

Run from anywhere: python3 make_caps_sound.py [OUTPUT]. The output is deterministic, so the
committed file can be checked against a fresh run.
"""
import math
import struct
import sys
from pathlib import Path

RATE = 44100
PEAK = 0.7  # with the decay, peaks near -6 dBFS: clear without being harsh
# (frequency in Hz, start in seconds, length in seconds)
TONES = [(880.0, 0.0, 0.12), (1318.5, 0.11, 0.14)]
FADE = 0.012  # raised-cosine fade in and out, long enough to avoid clicks
LENGTH = 0.26


def envelope(t: float, length: float) -> float:
    if t < 0.0 or t > length:
        return 0.0
    edge = min(t, length - t)
    if edge >= FADE:
        # A gentle exponential decay after the attack keeps the tone soft.
        return math.exp(-3.0 * t / length)
    return 0.5 * (1.0 - math.cos(math.pi * edge / FADE)) * math.exp(-3.0 * t / length)


def samples() -> list[int]:
    out = []
    for n in range(int(RATE * LENGTH)):
        t = n / RATE
        value = 0.0
        for freq, start, length in TONES:
            local = t - start
            env = envelope(local, length)
            if env:
                # A little of the octave gives the sine some body.
                value += env * (math.sin(2 * math.pi * freq * local)
                                + 0.15 * math.sin(4 * math.pi * freq * local)) / 1.15
        out.append(max(-32768, min(32767, round(value * PEAK * 32767))))
    return out


def extended80(value: float) -> bytes:
    """IEEE 754 80-bit extended, as the COMM chunk stores the sample rate."""
    mantissa, exponent = math.frexp(value)  # value = mantissa * 2**exponent, 0.5 <= mantissa < 1
    return struct.pack(">HQ", exponent - 1 + 16383, int(mantissa * (1 << 64)))


def aiff(frames: list[int]) -> bytes:
    data = struct.pack(f">{len(frames)}h", *frames)
    comm = struct.pack(">hIh", 1, len(frames), 16) + extended80(RATE)
    ssnd = struct.pack(">II", 0, 0) + data
    chunks = b"COMM" + struct.pack(">I", len(comm)) + comm
    chunks += b"SSND" + struct.pack(">I", len(ssnd)) + ssnd
    return b"FORM" + struct.pack(">I", 4 + len(chunks)) + b"AIFF" + chunks


def main() -> None:
    target = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).with_name("CAPS.aiff")
    target.write_bytes(aiff(samples()))


if __name__ == "__main__":
    main()
