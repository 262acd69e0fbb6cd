#!/usr/bin/env python3
"""Soak: 100,000 keys typed through XTEST as fast as the X server takes them (runs of 1 to 8
Shift-typed letters and Caps Lock switched on and off now and then), with a reload (SIGHUP)
after every chunk. Afterwards the helper must still run, must have given exactly the warnings the
typing called for, must warn once for a fresh run of five capitals, and its resident memory must
not have grown by 1 MB or more since the first chunk."""

import json
import signal
import time

import session
from session import ALL_INDICATORS, Session, memory_kb, wait_for, wait_until_quiet

TOO_MANY = "Too Many CAPS Typed"


def settle(s):
    """Waits until the helper has caught up with the typing and its audio output has closed."""
    waited = wait_until_quiet(s.pid, quiet_s=1.0)
    time.sleep(4.0)
    return waited


def stable_count(s, summary, quiet=2.0, timeout=60.0):
    deadline = time.monotonic() + timeout
    last, since = -1, time.monotonic()
    while time.monotonic() < deadline:
        n = len(s.notifications(summary))
        if n != last:
            last, since = n, time.monotonic()
        elif time.monotonic() - since >= quiet:
            break
        time.sleep(0.1)
    return last


def main():
    parser = session.arguments(__doc__.splitlines()[0])
    parser.add_argument("--keys", type=int, default=100_000)
    parser.add_argument("--chunk", type=int, default=10_000, help="keys between reloads")
    args = parser.parse_args()

    chunks, result = [], {}
    with Session(args, ALL_INDICATORS) as s:
        time.sleep(1.0)
        result["rss_after_start"] = memory_kb(s.pid)
        typed = None
        while (typed["keys"] if typed else 0) < args.keys:
            cpu_before = session.process_cpu_ms(s.pid)
            typed = s.typist.soak(args.chunk)
            sent = time.monotonic()
            # How long the helper took to finish the chunk's events after the server had them.
            lag = wait_until_quiet(s.pid, quiet_s=0.5) - 0.5
            chunks.append({**typed, "helper_lag_s": round(max(lag, 0.0), 3),
                           "helper_cpu_ms": session.process_cpu_ms(s.pid) - cpu_before,
                           "rss_kb": memory_kb(s.pid)["rss_kb"], "alive": s.alive()})
            print(json.dumps(chunks[-1]), flush=True)
            if len(chunks) == 1:
                settle(s)
                result["rss_after_warmup"] = memory_kb(s.pid)
            if typed["keys"] < args.keys:
                s.helper.send_signal(signal.SIGHUP)
            del sent
        settle(s)
        result["rss_at_end"] = memory_kb(s.pid)
        result["alive_after_soak"] = s.alive()

        expected = {TOO_MANY: typed["long_runs"], "CAPS LOCK On": typed["caps_lock_on"],
                    "CAPS LOCK Off": typed["caps_lock_on"]}
        result["notifications"] = {
            name: {"expected": n, "received": stable_count(s, name)} for name, n in expected.items()}

        # A fresh run of five capitals after a small letter has ended any earlier run.
        before = len(s.notifications(TOO_MANY))
        s.typist.type("x")
        s.typist.type("ABCDE")
        wait_for(lambda: len(s.notifications(TOO_MANY)) > before, 3.0)
        time.sleep(1.0)
        fresh = s.notifications(TOO_MANY)[before:]
        result["final_run"] = {"warnings": len(fresh), "bodies": [n["body"] for n in fresh]}
        result["alive_at_end"] = s.alive()

    send_s = sum(c["chunk_seconds"] for c in chunks)
    lag_s = sum(c["helper_lag_s"] for c in chunks)
    result.update({
        "keys": typed["keys"], "xtest_events": typed["events"], "reloads": len(chunks) - 1,
        "send_seconds": round(send_s, 3),
        "keys_per_s": round(typed["keys"] / send_s), "events_per_s": round(typed["events"] / send_s),
        "helper_lag_seconds": round(lag_s, 3),
        "rss_growth_kb": result["rss_at_end"]["rss_kb"] - result["rss_after_warmup"]["rss_kb"],
        "chunks": chunks, "tray": args.tray, "machine": session.machine(),
    })
    print(json.dumps({k: v for k, v in result.items() if k != "chunks"}, indent=1))
    if args.json:
        with open(args.json, "w") as f:
            json.dump(result, f, indent=1)


if __name__ == "__main__":
    main()
