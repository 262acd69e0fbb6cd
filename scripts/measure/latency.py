#!/usr/bin/env python3
"""Latency from an XTEST Caps Lock press to (a) the "CAPS LOCK On" notification reaching the
notifications server and (b) the warning sound's first samples in SDL's disk audio file.

Each warning is two presses: Caps Lock on (timed) and, after the sound, off again. With
--spacing longer than the sound plus the helper's 3 s idle close, every warning opens the audio
output afresh, as it does for a user who switches Caps Lock on now and then ("cold"); with a
short spacing the output stays open between warnings ("warm")."""

import json
import time

import session
from session import ALL_INDICATORS, Session, summary, wait_for

LOCK_ONLY = {"warnCapsLock": True, "warnCapsLockContinuously": False, "warnWithSound": True,
             "warnSound": "CAPS", "warnWithGrowl": True}

# SDL's output buffer: 512 frames of 16-bit stereo.
MIX_BUFFER_BYTES = 512 * 4
NOMINAL_PERIOD_MS = 512 / 44.1


def main():
    parser = session.arguments(__doc__.splitlines()[0])
    parser.add_argument("--presses", type=int, default=100)
    parser.add_argument("--warmup", type=int, default=2, help="warnings left out of the figures")
    parser.add_argument("--spacing", type=float, default=4.0,
                        help="seconds from one Caps Lock on to the next (default 4: output closed)")
    parser.add_argument("--disk-delay", type=int,
                        help="SDL_DISKAUDIODELAY, ms the disk driver waits per buffer "
                             "(default: the buffer's own length, about 11 ms)")
    parser.add_argument("--indicators", choices=("lock", "all"), default="lock",
                        help="lock: only the sound and the notification; all: every indicator")
    args = parser.parse_args()

    settings = dict(ALL_INDICATORS if args.indicators == "all" else LOCK_ONLY)
    env = {} if args.disk_delay is None else {"SDL_DISKAUDIODELAY": str(args.disk_delay)}
    samples = []
    with Session(args, settings, env) as s:
        for i in range(args.warmup + args.presses):
            before = len(s.notifications("CAPS LOCK On"))
            pressed = s.typist.press("Caps_Lock")
            wait_for(lambda: len(s.notifications("CAPS LOCK On")) > before, 3.0, 0.001)
            wait_for(lambda: s.audio_watch.onset_after(pressed), 3.0, 0.001)
            notes = s.notifications("CAPS LOCK On")
            onset = s.audio_watch.onset_after(pressed)
            if len(notes) <= before or not onset:
                print(s.diagnose())
                raise RuntimeError(f"warning {i}: notification {len(notes) > before}, "
                                   f"sound {bool(onset)}")
            opened = s.audio_watch.open_after(pressed)
            if opened and opened["time_ms"] > onset["time_ms"]:
                opened = None
            if i >= args.warmup:
                samples.append({"pressed": pressed, "notified": notes[before]["time_ms"],
                                "opened": opened["time_ms"] if opened else None, **onset})
            time.sleep(0.4)
            off_before = len(s.notifications("CAPS LOCK Off"))
            s.typist.press("Caps_Lock")
            wait_for(lambda: len(s.notifications("CAPS LOCK Off")) > off_before, 3.0)
            time.sleep(max(0.0, pressed / 1000 + args.spacing - time.time()))
        output_opens = len(s.audio_watch.opens)

    # The disk driver writes through a stdio buffer of `step` bytes, so a mix buffer reaches the
    # file only when the next write finds that buffer full: `late` buffer periods after it was
    # mixed. Taking those periods off gives the time the helper's sound entered the output.
    periods = [o["interval_ms"] * MIX_BUFFER_BYTES / o["step"] for o in samples if o["interval_ms"]]
    period = sorted(periods)[len(periods) // 2] if periods else NOMINAL_PERIOD_MS
    for o in samples:
        per_step = o["step"] // MIX_BUFFER_BYTES
        o["late_periods"] = per_step - (o["offset"] % o["step"]) // MIX_BUFFER_BYTES
        o["mixed"] = o["time_ms"] - o["late_periods"] * period

    figures = {
        "settings": args.indicators, "spacing_s": args.spacing, "disk_delay_ms": args.disk_delay,
        "tray": args.tray, "output_opens": output_opens, "buffer_period_ms": round(period, 3),
        "stdio_step_bytes": sorted({o["step"] for o in samples}),
        "notification_ms": summary([o["notified"] - o["pressed"] for o in samples]),
        "sound_in_file_ms": summary([o["time_ms"] - o["pressed"] for o in samples]),
        "sound_mixed_ms": summary([o["mixed"] - o["pressed"] for o in samples]),
        "output_opened_ms": summary([o["opened"] - o["pressed"] for o in samples if o["opened"]]),
        "machine": session.machine(),
    }
    print(json.dumps(figures, indent=1))
    if args.json:
        with open(args.json, "w") as f:
            json.dump({"figures": figures, "samples": samples}, f, indent=1)


if __name__ == "__main__":
    main()
