"""The private desktop of scripts/private_desktop.py with what the end-to-end tests add: a
notification recorder on its session bus unless a real server is asked for, and the helper run
with its sound written to a file; and what every suite shares: the build, a desktop for a test,
and running the suite."""

import json
import os
import signal
import subprocess
import sys
import threading
import time
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "scripts"))

import private_desktop  # noqa: E402
from private_desktop import HELPER_RELATIVE, AudioFile, pids_running, wait_for  # noqa: E402,F401

BUILD_DIR = Path(os.environ.get("KEYVIGIL_BUILD_DIR", "build")).resolve()


def main():
    """Runs the calling suite, naming each test as it runs."""
    unittest.main(argv=[sys.argv[0], "-v", *sys.argv[1:]])


def start_desktop(test, **options):
    """A Desktop for `test`, stopped when it ends."""
    desktop = Desktop(BUILD_DIR, **options)
    test.addCleanup(desktop.stop)
    desktop.start()
    return desktop


class Desktop(private_desktop.Desktop):
    def start(self):
        super().start()
        if self.notification_server:
            return
        recorder = self.spawn([str(self.build_dir / "tests/e2e/notify_recorder")],
                              stdout=subprocess.PIPE, stderr=None, text=True)
        if "ready" not in recorder.stdout.readline():
            raise RuntimeError("notification recorder did not start")
        threading.Thread(target=self._read_notifications, args=(recorder.stdout,), daemon=True).start()

    def _read_notifications(self, stream):
        for line in stream:
            self.add_notification(json.loads(line))

    def keys_into(self, window, *keys):
        """Types `keys` into `window`, activated first, and lets them take effect."""
        self.xdotool("windowactivate", "--sync", window, "key", "--delay", "80", *keys)
        time.sleep(0.4)

    def open_settings_window(self, test, bundle, env, prefix=(), title="^Keyvigil$"):
        """Starts keyvigil-preferences on `bundle` for `test`; returns it and its window. What
        it says on stderr, the journal's share, is read with said()."""
        err = open(self.tmp / f"host-{time.monotonic_ns()}.err", "w+")
        test.addCleanup(err.close)
        program = self.build_dir / "keyvigil-preferences"
        host = subprocess.Popen([*prefix, str(program), str(bundle)], env=env, stderr=err, text=True)
        host.err = err
        test.addCleanup(lambda: host.poll() is None and host.kill())
        window = self.find_window(title)
        test.assertTrue(window, f"no window named {title} opened")
        return host, window


def said(host):
    """What a program started by open_settings_window has written on stderr."""
    host.err.seek(0)
    return host.err.read()


class Helper(AudioFile):
    """Keyvigil Helper running on a Desktop, with its sound written to a file."""

    def __init__(self, desktop, **env):
        """`env` adds to the desktop's environment; a value of None removes the variable."""
        self.desktop = desktop
        self.audio = desktop.tmp / f"audio-{time.monotonic_ns()}.raw"
        binary = desktop.build_dir / HELPER_RELATIVE
        self.proc = subprocess.Popen([str(binary)], env=desktop.env(
            SDL_AUDIODRIVER="disk", SDL_DISKAUDIOFILE=str(self.audio), **env),
            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        # Start-up ends with the event loop, after every keyboard event is selected: wait for
        # the main thread to sit in poll for a while, and give a loaded machine a second at least.
        time.sleep(1.0)
        wait_for(self._idle_in_event_loop, timeout=10.0)
        if self.proc.poll() is not None:
            raise RuntimeError("helper ended at start-up: " + self.proc.stderr.read())

    def _idle_in_event_loop(self):
        for _ in range(4):
            try:
                if "poll" not in Path(f"/proc/{self.proc.pid}/wchan").read_text():
                    return False
            except OSError:
                return True  # ended: the caller reports it
            time.sleep(0.05)
        return True

    def signal(self, signum):
        self.proc.send_signal(signum)

    def stop(self):
        """Ends the helper; returns what it wrote on stderr."""
        if self.proc.poll() is None:
            self.proc.send_signal(signal.SIGTERM)
            try:
                self.proc.wait(3)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()
        if self.proc.stderr.closed:
            return ""
        text = self.proc.stderr.read()
        self.proc.stderr.close()
        return text
