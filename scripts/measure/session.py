"""What the measurement scripts share: the helper on a private desktop (tests/e2e/desktop.py),
the XTEST typist and the audio-onset watcher built from this folder, and /proc readings."""

import argparse
import os
import statistics
import subprocess
import sys
import threading
import time
from pathlib import Path

REPO = Path(__file__).resolve().parents[2]
sys.path.insert(0, str(REPO / "tests/e2e"))

from desktop import HELPER_RELATIVE, Desktop, wait_for  # noqa: E402

# Every indicator on: sound, flash, notifications, status item for all keys, both centre
# windows and the upper-left window with every cell.
ALL_INDICATORS = {
    "warnCaps": True, "warnCapsLock": True, "warnCapsLockContinuously": False,
    "warnNumLock": True, "warnNumLockContinuously": False,
    "warnWithSound": True, "warnSound": "CAPS", "warnWithFlash": True, "warnWithGrowl": True,
    "showCapsMenuBar": True, "showShiftMenuBar": True, "showNumMenuBar": True, "noMenuBar": False,
    "showCapsCenter": True, "showNumCenter": True,
    "showCapsUpperLeft": True, "showNumUpperLeft": True, "showOtherUpperLeft": True,
    "showFnUpperLeft": True, "showCtrlUpperLeft": True, "showOptionUpperLeft": True,
    "showCmdUpperLeft": True, "showOutlines": True,
}

CLOCK_TICKS = os.sysconf("SC_CLK_TCK")
PAGE_KB = os.sysconf("SC_PAGE_SIZE") // 1024


def arguments(description):
    parser = argparse.ArgumentParser(description=description)
    parser.add_argument("--build-dir", default=os.environ.get("KEYVIGIL_BUILD_DIR", str(REPO / "build")),
                        help="the build tree holding the bundle and scripts/measure (default: build/)")
    parser.add_argument("--tray", action=argparse.BooleanOptionalAction, default=True,
                        help="run icewm, whose task bar holds a system tray (default: on)")
    parser.add_argument("--json", help="also write the figures to this file")
    return parser


class Session:
    """A desktop with the helper running on it and a typist connected to it."""

    def __init__(self, args, settings, helper_env=None):
        self.build_dir = Path(args.build_dir).resolve()
        wm = ["icewm"] if args.tray else None
        self.desktop = Desktop(self.build_dir, window_manager=wm)
        self.settings = settings
        self.helper_env = dict(helper_env or {})
        self.helper = None
        self.typist = None
        self.audio_watch = None

    def __enter__(self):
        self.desktop.start()
        if self.desktop.window_manager:
            time.sleep(1.0)  # let the task bar and its tray come up before the status item
        self.desktop.write_settings(self.settings)
        self.audio = self.desktop.tmp / "audio.raw"
        self.audio_watch = AudioWatch(self.build_dir / "scripts/measure/audio_onset", self.audio)
        self.helper = subprocess.Popen(
            [str(self.build_dir / HELPER_RELATIVE)],
            env=self.desktop.env(SDL_AUDIODRIVER="disk", SDL_DISKAUDIOFILE=str(self.audio),
                                 **self.helper_env),
            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        self.typist = Typist(self.build_dir / "scripts/measure/xtest_keys", self.desktop.env())
        time.sleep(1.5)
        if self.helper.poll() is not None:
            raise RuntimeError("helper ended at start-up: " + self.helper.stderr.read())
        return self

    def __exit__(self, *exc):
        if self.typist:
            self.typist.close()
        if self.helper and self.helper.poll() is None:
            self.helper.terminate()
            try:
                self.helper.wait(3)
            except subprocess.TimeoutExpired:
                self.helper.kill()
                self.helper.wait()
        if self.audio_watch:
            self.audio_watch.close()
        self.desktop.stop()

    @property
    def pid(self):
        return self.helper.pid

    def alive(self):
        return self.helper.poll() is None

    def diagnose(self):
        """What the helper is doing, for a report when it stops answering."""
        if not self.alive():
            return f"helper ended with {self.helper.returncode}: {self.helper.stderr.read()}"
        lines = []
        for task in sorted(Path(f"/proc/{self.pid}/task").iterdir()):
            stat = (task / "stat").read_text()
            wchan = (task / "wchan").read_text()
            lines.append(f"{task.name} {(task / 'comm').read_text().strip()} "
                         f"state={stat[stat.rindex(')') + 2]} wchan={wchan}")
        try:
            stacks = subprocess.run(["gdb", "-p", str(self.pid), "-batch", "-ex",
                                     "thread apply all bt 25"], capture_output=True, text=True).stdout
        except FileNotFoundError:
            stacks = "(no gdb for stacks)"
        return "\n".join(lines) + "\n" + stacks

    def notifications(self, summary):
        return [n for n in self.desktop.received() if n["summary"] == summary]

    def helper_windows(self):
        """The X window tree lines that belong to the helper."""
        out = subprocess.run(["xwininfo", "-root", "-tree"], env=self.desktop.env(),
                             capture_output=True, text=True).stdout
        return [line.strip() for line in out.splitlines() if "Keyvigil" in line]


class Typist:
    """scripts/measure/xtest_keys, one command at a time."""

    def __init__(self, binary, env):
        self.proc = subprocess.Popen([str(binary)], env=env, stdin=subprocess.PIPE,
                                     stdout=subprocess.PIPE, text=True, bufsize=1)
        if self.proc.stdout.readline().strip() != "ready":
            raise RuntimeError("xtest_keys did not start")

    def command(self, line):
        self.proc.stdin.write(line + "\n")
        self.proc.stdin.flush()
        answer = self.proc.stdout.readline().strip()
        if not answer or answer.startswith("error"):
            raise RuntimeError(f"xtest_keys: {line!r} -> {answer!r}")
        return answer

    def press(self, keysym):
        """Presses and releases a key; returns the press time, CLOCK_REALTIME in ms."""
        return float(self.command("press " + keysym).split()[1])

    def type(self, text):
        return int(self.command("type " + text).split()[1])

    def soak(self, keys):
        fields = self.command(f"soak {keys}").split()[1:]
        return {k: float(v) if "." in v else int(v) for k, v in (f.split("=") for f in fields)}

    def close(self):
        if self.proc.poll() is None:
            self.proc.stdin.write("quit\n")
            self.proc.stdin.close()
            self.proc.wait(3)
        self.proc.stdout.close()


class AudioWatch:
    """scripts/measure/audio_onset on the helper's audio file; collects its events."""

    def __init__(self, binary, path, poll_us=200):
        self.proc = subprocess.Popen([str(binary), str(path), str(poll_us)], stdout=subprocess.PIPE,
                                     text=True)
        self.onsets = []
        self.opens = []
        self._lock = threading.Lock()
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        for line in self.proc.stdout:
            words = line.split()
            with self._lock:
                if words[0] == "onset":
                    self.onsets.append({"time_ms": float(words[1]), "offset": int(words[2]),
                                        "generation": int(words[3]),
                                        "interval_ms": float(words[4]), "step": int(words[5])})
                elif words[0] == "open":
                    self.opens.append({"time_ms": float(words[1]), "generation": int(words[2])})

    def onset_after(self, t_ms):
        with self._lock:
            return next((o for o in self.onsets if o["time_ms"] > t_ms), None)

    def open_after(self, t_ms):
        with self._lock:
            return next((o for o in self.opens if o["time_ms"] > t_ms), None)

    def close(self):
        self.proc.terminate()
        self.proc.wait(3)
        self.proc.stdout.close()


# --- /proc ---------------------------------------------------------------------------------
def status_fields(path):
    fields = {}
    try:
        with open(path) as f:
            for line in f:
                key, _, value = line.partition(":")
                fields[key] = value.strip()
    except (FileNotFoundError, ProcessLookupError):
        pass
    return fields


def memory_kb(pid):
    """VmRSS, and Pss from smaps_rollup, in kB."""
    rss = int(status_fields(f"/proc/{pid}/status")["VmRSS"].split()[0])
    pss = int(status_fields(f"/proc/{pid}/smaps_rollup")["Pss"].split()[0])
    return {"rss_kb": rss, "pss_kb": pss}


def memory_by_mapping(pid, top=20):
    """Rss and Pss in kB per mapped file (anonymous memory, heap and stacks grouped by kind),
    largest first."""
    totals = {}
    name = None
    with open(f"/proc/{pid}/smaps") as f:
        for line in f:
            words = line.split()
            if "-" in words[0] and len(words) >= 5 and ":" in words[3]:
                name = words[5] if len(words) > 5 else "[anonymous]"
                if name.startswith("/memfd:"):
                    name = "[memfd]"
                totals.setdefault(name, {"rss_kb": 0, "pss_kb": 0})
            elif words[0] == "Rss:":
                totals[name]["rss_kb"] += int(words[1])
            elif words[0] == "Pss:":
                totals[name]["pss_kb"] += int(words[1])
    ordered = sorted(totals.items(), key=lambda item: -item[1]["rss_kb"])
    return [{"mapping": n, **v} for n, v in ordered[:top]]


def threads(pid):
    """Per thread: name, context switches, CPU time (ticks and, from schedstat, ns)."""
    found = {}
    for task in Path(f"/proc/{pid}/task").iterdir():
        try:
            comm = (task / "comm").read_text().strip()
            stat = (task / "stat").read_text()
            status = status_fields(task / "status")
            schedstat = (task / "schedstat").read_text().split()
        except (FileNotFoundError, ProcessLookupError):
            continue
        after_name = stat[stat.rindex(")") + 2:].split()
        found[int(task.name)] = {
            "name": comm,
            "voluntary": int(status["voluntary_ctxt_switches"]),
            "nonvoluntary": int(status["nonvoluntary_ctxt_switches"]),
            "cpu_ticks": int(after_name[11]) + int(after_name[12]),
            "cpu_ns": int(schedstat[0]),
        }
    return found


def process_cpu_ms(pid):
    stat = Path(f"/proc/{pid}/stat").read_text()
    after_name = stat[stat.rindex(")") + 2:].split()
    return (int(after_name[11]) + int(after_name[12])) * 1000 / CLOCK_TICKS


def wait_until_quiet(pid, quiet_s=1.0, timeout=300.0):
    """Waits until the process has used no CPU for quiet_s; returns the seconds waited."""
    started = time.monotonic()
    last, last_change = process_cpu_ms(pid), time.monotonic()
    while time.monotonic() - started < timeout:
        time.sleep(0.1)
        now = process_cpu_ms(pid)
        if now != last:
            last, last_change = now, time.monotonic()
        elif time.monotonic() - last_change >= quiet_s:
            break
    return time.monotonic() - started


def summary(values):
    ordered = sorted(values)
    if not ordered:
        return {"n": 0}
    return {"n": len(ordered), "min": ordered[0], "median": statistics.median(ordered),
            "p90": ordered[int(0.9 * (len(ordered) - 1))], "max": ordered[-1],
            "mean": statistics.fmean(ordered)}


def machine():
    load = os.getloadavg()
    return {"cpus": os.cpu_count(), "loadavg": [round(x, 2) for x in load],
            "date": time.strftime("%Y-%m-%d %H:%M")}
