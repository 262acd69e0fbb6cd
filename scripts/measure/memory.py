#!/usr/bin/env python3
"""The helper's memory (VmRSS, and Pss from smaps_rollup) with every indicator on: after
start-up, right after 100 Caps Lock warnings, and once the audio output has closed again."""

import json
import time

import session
from session import ALL_INDICATORS, Session, memory_kb, wait_for


def main():
    parser = session.arguments(__doc__.splitlines()[0])
    parser.add_argument("--warnings", type=int, default=100)
    args = parser.parse_args()

    readings = {}
    with Session(args, ALL_INDICATORS) as s:
        time.sleep(2.0)
        readings["after_start"] = memory_kb(s.pid)
        readings["after_start_by_mapping"] = session.memory_by_mapping(s.pid)
        for i in range(args.warnings):
            on = len(s.notifications("CAPS LOCK On"))
            s.typist.press("Caps_Lock")
            if not wait_for(lambda: len(s.notifications("CAPS LOCK On")) > on, 3.0, 0.002):
                raise RuntimeError(f"warning {i} not given")
            time.sleep(0.05)
            off = len(s.notifications("CAPS LOCK Off"))
            s.typist.press("Caps_Lock")
            wait_for(lambda: len(s.notifications("CAPS LOCK Off")) > off, 3.0, 0.002)
            time.sleep(0.05)
        time.sleep(0.5)
        readings["after_warnings_output_open"] = memory_kb(s.pid)
        time.sleep(4.0)
        readings["after_warnings_output_closed"] = memory_kb(s.pid)
        readings["after_warnings_by_mapping"] = session.memory_by_mapping(s.pid)
        readings["peak_rss_kb"] = int(session.status_fields(f"/proc/{s.pid}/status")["VmHWM"].split()[0])
        readings["warnings"] = len(s.notifications("CAPS LOCK On"))
        readings["alive"] = s.alive()

    readings["tray"] = args.tray
    readings["machine"] = session.machine()
    print(json.dumps(readings, indent=1))
    if args.json:
        with open(args.json, "w") as f:
            json.dump(readings, f, indent=1)


if __name__ == "__main__":
    main()
