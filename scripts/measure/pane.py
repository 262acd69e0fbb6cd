#!/usr/bin/env python3
"""The settings window on a private X display: from starting keyvigil-preferences to its window
mapped while a helper runs (the pane stops it first); from the window closed with the switch on to
the helper's first window mapped; and the host's resident memory with its window open."""

import argparse
import json
import os
import shutil
import signal
import statistics
import subprocess
import sys
import threading
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
sys.path.insert(0, str(ROOT / "tests/e2e"))
from desktop import HELPER_RELATIVE, Desktop, wait_for  # noqa: E402

AGENT_FILE = "Library/LaunchAgents/org.keyvigil.Keyvigil.helper.plist"


class MapWatcher:
    """Stamps every top-level window mapped on the display, as the server reports it."""

    def __init__(self, env):
        self.maps = []
        self.proc = subprocess.Popen(["stdbuf", "-oL", "xev", "-root", "-event", "substructure"],
                                     env=env, stdout=subprocess.PIPE, text=True)
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        for line in self.proc.stdout:
            if line.startswith("MapNotify"):
                self.maps.append(time.monotonic())

    def first_after(self, start, timeout=10.0):
        found = wait_for(lambda: [t for t in self.maps if t > start], timeout, 0.001)
        return found[0] - start if found else None

    def stop(self):
        self.proc.terminate()
        self.proc.wait()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build-dir", default=str(ROOT / "build"))
    parser.add_argument("--runs", type=int, default=11)
    parser.add_argument("--json")
    args = parser.parse_args()
    build = Path(args.build_dir).resolve()

    with Desktop(build) as desktop:
        env = desktop.env(KEYVIGIL_AGENT_MODE="supervisor", XDG_STATE_HOME=str(desktop.tmp / "state"))
        bundle = desktop.home / "Keyvigil.prefPane"
        shutil.copytree(build / "Keyvigil.prefPane", bundle, symlinks=True)
        agent_tool = bundle / "Contents/Resources/keyvigil-agent"
        desktop.write_settings({"startAutomatically": True, "preferencesForPrefPane": True,
                                "showOtherUpperLeft": True})
        maps = MapWatcher(env)
        open_ms, start_ms, rss_kb = [], [], []
        try:
            # A first, untimed run writes the agent file and starts the helper as a service.
            host = subprocess.Popen([str(build / "keyvigil-preferences"), str(bundle)], env=env)
            time.sleep(1.5)
            host.send_signal(signal.SIGTERM)
            host.wait(10)
            for _ in range(args.runs):
                time.sleep(1.0)  # the helper is up and idle
                start = time.monotonic()
                host = subprocess.Popen([str(build / "keyvigil-preferences"), str(bundle)], env=env)
                opened = maps.first_after(start)
                time.sleep(0.5)
                rss_kb.append(int(next(line.split()[1] for line in
                                       open(f"/proc/{host.pid}/status") if line.startswith("VmRSS"))))
                closed = time.monotonic()
                host.send_signal(signal.SIGTERM)
                helper_mapped = maps.first_after(closed)
                host.wait(10)
                if opened is not None:
                    open_ms.append(opened * 1000)
                if helper_mapped is not None:
                    start_ms.append(helper_mapped * 1000)
        finally:
            subprocess.run([str(agent_tool), "unload", str(desktop.home / AGENT_FILE)], env=env)
            maps.stop()

    result = {
        "runs": args.runs,
        "open_to_mapped_ms": {"median": statistics.median(open_ms), "max": max(open_ms),
                              "all": [round(v, 1) for v in open_ms]},
        "closed_to_helper_window_ms": {"median": statistics.median(start_ms), "max": max(start_ms),
                                       "all": [round(v, 1) for v in start_ms]},
        "host_rss_kb": {"median": statistics.median(rss_kb), "max": max(rss_kb)},
    }
    print(json.dumps(result, indent=1))
    if args.json:
        with open(args.json, "w") as f:
            json.dump(result, f, indent=1)


if __name__ == "__main__":
    main()
