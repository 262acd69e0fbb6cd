#!/usr/bin/env python3
"""The helper's wake-ups while no key is pressed: context switches and CPU time of every thread
over an idle period, right after start-up and again after a warning has come and gone (the
audio output opened and closed again)."""

import json
import time

import session
from session import ALL_INDICATORS, Session, threads, wait_for


def idle_window(pid, seconds):
    before = threads(pid)
    time.sleep(seconds)
    after = threads(pid)
    rows = []
    for tid, now in sorted(after.items()):
        was = before.get(tid, {"voluntary": 0, "nonvoluntary": 0, "cpu_ticks": 0, "cpu_ns": 0})
        rows.append({
            "tid": tid, "name": now["name"], "new": tid not in before,
            "voluntary": now["voluntary"] - was["voluntary"],
            "nonvoluntary": now["nonvoluntary"] - was["nonvoluntary"],
            "cpu_ms_ticks": (now["cpu_ticks"] - was["cpu_ticks"]) * 1000 / session.CLOCK_TICKS,
            "cpu_ms": round((now["cpu_ns"] - was["cpu_ns"]) / 1e6, 3),
        })
    gone = [{"tid": tid, "name": t["name"]} for tid, t in before.items() if tid not in after]
    total = {k: sum(r[k] for r in rows) for k in ("voluntary", "nonvoluntary", "cpu_ms")}
    return {"seconds": seconds, "threads": rows, "ended": gone, "total": total}


def show(title, window):
    print(f"\n{title} ({window['seconds']} s)")
    print(f"{'tid':>7} {'thread':<16} {'vol':>6} {'invol':>6} {'cpu ms':>8}")
    for r in window["threads"]:
        print(f"{r['tid']:>7} {r['name']:<16} {r['voluntary']:>6} {r['nonvoluntary']:>6} "
              f"{r['cpu_ms']:>8.3f}{'  (new)' if r['new'] else ''}")
    t = window["total"]
    print(f"{'':>7} {'all':<16} {t['voluntary']:>6} {t['nonvoluntary']:>6} {t['cpu_ms']:>8.3f}")
    for g in window["ended"]:
        print(f"        ended: {g['tid']} {g['name']}")


def main():
    parser = session.arguments(__doc__.splitlines()[0])
    parser.add_argument("--seconds", type=float, default=30.0)
    args = parser.parse_args()

    with Session(args, ALL_INDICATORS) as s:
        time.sleep(2.0)
        started = idle_window(s.pid, args.seconds)
        show("idle after start-up", started)

        # One warning: the sound opens the audio output, which closes 3 s after the sound ends.
        # The first 2.5 s after it show what the open output costs.
        s.typist.press("Caps_Lock")
        wait_for(lambda: s.notifications("CAPS LOCK On"), 3.0)
        s.typist.press("Caps_Lock")
        wait_for(lambda: s.notifications("CAPS LOCK Off"), 3.0)
        output_open = idle_window(s.pid, 2.5)
        show("the 2.5 s after a warning, audio output open", output_open)
        time.sleep(3.0)
        warned = idle_window(s.pid, args.seconds)
        show("idle after one warning and the output's close", warned)
        alive = s.alive()

    figures = {"after_start": started, "output_open": output_open, "after_warning": warned, "alive": alive,
               "tray": args.tray, "machine": session.machine()}
    if args.json:
        with open(args.json, "w") as f:
            json.dump(figures, f, indent=1)


if __name__ == "__main__":
    main()
