"""A private X desktop for running Keyvigil's programs for real, apart from anything else the
same user runs: Xvfb, a session bus, a home, runtime folder and process scope of its own, and
helpers to type, to look at windows and to read the notifications sent.

Used by the demonstration; the end-to-end tests and the measurements build on it."""

import os
import re
import shutil
import subprocess
import tempfile
import threading
import time
from pathlib import Path

HELPER_RELATIVE = "Keyvigil.prefPane/Contents/Resources/Keyvigil Helper.app/Contents/MacOS/Keyvigil Helper"


def pids_running(executable):
    """PIDs, in order, of the processes running `executable`."""
    found = []
    for entry in Path("/proc").iterdir():
        if entry.name.isdigit():
            try:
                if os.readlink(entry / "exe") == str(executable):
                    found.append(int(entry.name))
            except OSError:
                pass
    return sorted(found)


def wait_for(predicate, timeout=5.0, interval=0.01):
    """Polls until predicate() is truthy; returns its last value."""
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value or time.monotonic() > deadline:
            return value
        time.sleep(interval)


class AudioFile:
    """The sound a helper writes to `self.audio` through SDL's disk driver."""

    def audio_bytes(self):
        try:
            return self.audio.read_bytes()
        except FileNotFoundError:
            return b""

    def sound_heard_since(self, offset):
        """True when the audio written after `offset` bytes holds anything but silence."""
        return any(self.audio_bytes()[offset:])


class Desktop:
    def __init__(self, build_dir, width=1280, height=900, window_manager=None, home_name="home",
                 notification_server=None):
        """notification_server: a command line serving notifications on screen; the
        notifications sent are read off the bus."""
        self.notification_server = notification_server
        self.build_dir = Path(build_dir)
        self.width, self.height = width, height
        self.window_manager = window_manager
        self.tmp = Path(tempfile.mkdtemp(prefix="keyvigil-e2e-"))
        self.home = self.tmp / home_name
        self.home.mkdir()
        self.notifications = []
        self._lock = threading.Lock()
        self._procs = []

    # --- lifetime -------------------------------------------------------------------------
    def __enter__(self):
        self.start()
        return self

    def __exit__(self, *exc):
        self.stop()

    def start(self):
        read_fd, write_fd = os.pipe()
        xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", f"{self.width}x{self.height}x24",
             "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_fd,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_fd)
        self._procs.append(xvfb)
        with os.fdopen(read_fd) as f:
            self.display = ":" + f.readline().strip()

        bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                               stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        self._procs.append(bus)
        self.bus_address = bus.stdout.readline().strip()

        if self.window_manager:
            self.spawn(self.window_manager)
        if self.notification_server:
            self.spawn(self.notification_server)
            monitor = subprocess.Popen(
                ["dbus-monitor", "--session",
                 "type='method_call',interface='org.freedesktop.Notifications',member='Notify'"],
                env=self.env(), stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
            self._procs.append(monitor)
            threading.Thread(target=self._watch_notify_calls, args=(monitor.stdout,),
                             daemon=True).start()

    def spawn(self, command, **popen):
        """Starts a program on this desktop; it ends with the desktop."""
        popen.setdefault("stdout", subprocess.DEVNULL)
        popen.setdefault("stderr", subprocess.DEVNULL)
        proc = subprocess.Popen(command, env=self.env(), **popen)
        self._procs.append(proc)
        return proc

    def stop(self):
        for proc in reversed(self._procs):
            if proc.poll() is None:
                proc.terminate()
                try:
                    proc.wait(3)
                except subprocess.TimeoutExpired:
                    proc.kill()
            for stream in (proc.stdout, proc.stderr):
                if stream:
                    stream.close()
        shutil.rmtree(self.tmp, ignore_errors=True)

    def _watch_notify_calls(self, stream):
        # Notify's first arguments: app_name, replaces_id, app_icon, summary, body.
        call = None
        for line in stream:
            line = line.strip()
            if line.startswith("method call") and "member=Notify" in line:
                call = []
            elif call is not None and (line.startswith("string ") or line.startswith("uint32 ")):
                call.append(line.split(" ", 1)[1].strip('"'))
                if len(call) == 5:
                    self.add_notification({"app_name": call[0], "summary": call[3], "body": call[4]})
                    call = None

    def add_notification(self, notification):
        with self._lock:
            self.notifications.append(notification)

    # --- environment and tools ------------------------------------------------------------
    def env(self, **extra):
        """The environment of a program on this desktop. Its runtime folder and process scope
        are the desktop's own: a settings window started here finds and stops only the helpers
        started here, and the agent runs its own supervisor rather than reach the user's service
        manager, whatever else the same user runs."""
        env = {k: v for k, v in os.environ.items()
               if not k.startswith(("QT_", "SDL_", "XDG_", "KEYVIGIL_"))}
        env.update(DISPLAY=self.display, HOME=str(self.home), DBUS_SESSION_BUS_ADDRESS=self.bus_address,
                   QT_QPA_PLATFORM="xcb", XDG_RUNTIME_DIR=str(self.tmp),
                   KEYVIGIL_PROCESS_SCOPE=str(self.tmp), KEYVIGIL_AGENT_MODE="supervisor")
        env.update(extra)
        return {k: v for k, v in env.items() if v is not None}

    def defaults(self, *args):
        tool = self.build_dir / "tools/keyvigil-defaults/keyvigil-defaults"
        return subprocess.run([str(tool), *args], env=self.env(), check=True, capture_output=True,
                              text=True).stdout

    def write_settings(self, settings):
        """settings: {key: value}; bools, ints, floats, strings and lists of strings."""
        for key, value in settings.items():
            if isinstance(value, bool):
                self.defaults("write", key, "-bool", "YES" if value else "NO")
            elif isinstance(value, int):
                self.defaults("write", key, "-int", str(value))
            elif isinstance(value, float):
                self.defaults("write", key, "-float", repr(value))
            elif isinstance(value, list):
                self.defaults("write", key, "-array", *value)
            else:
                self.defaults("write", key, "-string", value)

    def xdotool(self, *args):
        subprocess.run(["xdotool", *args], env=self.env(), check=True)

    def key(self, *keys):
        self.xdotool("key", "--delay", "20", *keys)

    def type(self, text):
        self.xdotool("type", "--delay", "20", text)

    def find_window(self, name, timeout=10.0):
        """The id of the first visible window whose name matches `name`, or None."""
        found = wait_for(lambda: subprocess.run(
            ["xdotool", "search", "--onlyvisible", "--name", name], env=self.env(),
            capture_output=True, text=True).stdout.split(), timeout)
        return found[0] if found else None

    def windows(self):
        """Every viewable top-level window as (width, height, x, y)."""
        out = subprocess.run(["xwininfo", "-root", "-children"], env=self.env(), capture_output=True,
                             text=True).stdout
        found = []
        for wid in re.findall(r"^\s+(0x[0-9a-f]+)", out, re.M):
            info = subprocess.run(["xwininfo", "-id", wid], env=self.env(), capture_output=True,
                                  text=True).stdout
            if "IsViewable" not in info:
                continue
            get = lambda name: int(re.search(name + r":\s+(-?\d+)", info).group(1))
            found.append((get("Width"), get("Height"), get("Absolute upper-left X"),
                          get("Absolute upper-left Y")))
        return found

    def screenshot(self, path):
        subprocess.run(["import", "-display", self.display, "-window", "root", str(path)],
                       env=self.env(), check=True)

    # --- notifications --------------------------------------------------------------------
    def received(self):
        with self._lock:
            return list(self.notifications)

    def wait_for_notification(self, summary, count=1, timeout=3.0):
        return wait_for(lambda: len([n for n in self.received() if n["summary"] == summary]) >= count,
                        timeout)
