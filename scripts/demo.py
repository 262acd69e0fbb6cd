#!/usr/bin/env python3
"""Shows Keyvigil at work on a private virtual display, for machines without one: the settings
window opened and Keyvigil switched on, the helper the agent then starts, a short typing session,
and a report of what a user would have seen and heard, with screenshots."""

import argparse
import subprocess
import time
from pathlib import Path

from private_desktop import HELPER_RELATIVE, AudioFile, Desktop, pids_running, wait_for

ROOT = Path(__file__).resolve().parent.parent

AGENT_FILE = "Library/LaunchAgents/org.keyvigil.Keyvigil.helper.plist"
NOTIFICATION_DAEMON = "/usr/lib/notification-daemon/notification-daemon"

DEMO_SETTINGS = {
    "warnCapsLock": True, "warnCapsLockContinuously": True, "warnNumLock": True,
    "warnCaps": True, "warnCount": 5, "warnWithSound": True, "warnSound": "CAPS",
    "warnWithGrowl": True, "warnWithFlash": True,
    "showCapsMenuBar": True, "showShiftMenuBar": False, "showNumMenuBar": True,
    "showCapsCenter": True, "showNumCenter": True,
    "showCapsUpperLeft": True, "showNumUpperLeft": True, "showOtherUpperLeft": True, "showOutlines": True,
    "excludeWords": True, "excludeWordsArray": ["NASA"],
    "preferencesForPrefPane": True, "startAutomatically": False,
}

# The daemon shows one bubble at a time, each for a few seconds, and queues the others.
BUBBLE_NAME = "^Notification$"

WINDOW_NAMES = {(500, 500): "Caps Lock window in the centre of the screen",
                (268, 335): "Num Lock window in the centre of the screen",
                (17, 15): "upper-left modifier window"}


class Session:
    def __init__(self, desktop, helper, out_dir):
        self.desktop, self.helper, self.out_dir = desktop, helper, out_dir
        self.seen_notes = 0
        self.shown = set(self.keyvigil_windows())
        self.playing = False
        self.shots = 0
        self.bubbles_before = set()
        for window in sorted(self.shown):
            print(f"    window shown: {self.describe(window)}")

    def keyvigil_windows(self):
        return [w for w in self.desktop.windows() if w[:2] in WINDOW_NAMES]

    @staticmethod
    def describe(window):
        w, h, x, y = window
        return f"{WINDOW_NAMES[(w, h)]}, {w}x{h} at ({x}, {y})"

    def bubbles(self):
        """The notification bubbles on screen, by window id."""
        return set(subprocess.run(["xdotool", "search", "--onlyvisible", "--name", BUBBLE_NAME],
                                  env=self.desktop.env(), capture_output=True, text=True).stdout.split())

    def step(self, title, action, settle=0.8):
        print(f"\n>>> {title}")
        self.bubbles_before = self.bubbles()
        start = len(self.helper.audio_bytes())
        action()
        time.sleep(settle - 0.3)
        recent = len(self.helper.audio_bytes())
        time.sleep(0.3)
        self.report(start, recent)

    def report(self, audio_start, audio_recent):
        notes = self.desktop.received()
        for note in notes[self.seen_notes:]:
            body = f" - {note['body']}" if note["body"] else ""
            print(f"    notification from {note['app_name']}: {note['summary']}{body}")
        self.seen_notes = len(notes)
        # The audio file is rewritten from its start whenever the output reopens.
        if len(self.helper.audio_bytes()) < audio_start:
            audio_start = audio_recent = 0
        playing = self.helper.sound_heard_since(audio_recent)
        if self.helper.sound_heard_since(audio_start) and not self.playing:
            print("    sound played: CAPS" + (" (looping)" if playing else ""))
        elif self.playing and not playing:
            print("    sound stopped")
        self.playing = playing
        now = set(self.keyvigil_windows())
        for window in sorted(now - self.shown):
            print(f"    window shown: {self.describe(window)}")
        for window in sorted(self.shown - now):
            print(f"    window hidden: {WINDOW_NAMES[window[:2]]}")
        self.shown = now

    def screenshot(self, name, bubble=False):
        """bubble: the last step's notification is to be seen, once the daemon shows it after
        the bubbles queued before it."""
        if bubble and not wait_for(lambda: self.bubbles() - self.bubbles_before, timeout=15.0):
            print("    (the notification's bubble did not show)")
        self.shots += 1
        path = self.out_dir / f"{self.shots:02d}-{name}.png"
        self.desktop.screenshot(path)
        print(f"    screenshot: {path}")


class AgentStartedHelper(AudioFile):
    """Keyvigil Helper as the agent started it when the window closed; its sound goes to a file."""

    def __init__(self, desktop, build_dir, audio, env):
        self.desktop, self.audio, self.env = desktop, audio, env
        self.binary = str(build_dir / HELPER_RELATIVE)
        self.agent = build_dir / "Keyvigil.prefPane/Contents/Resources/keyvigil-agent"
        running = wait_for(lambda: pids_running(self.binary), timeout=10.0)
        self.pid = running[0] if running else None
        time.sleep(1.5)  # its windows and tray icon come up

    def stop(self):
        subprocess.run([str(self.agent), "unload", str(self.desktop.home / AGENT_FILE)],
                       env=self.env, capture_output=True)


def open_window_and_switch_on(desktop, build_dir, out_dir, env):
    """The path a user takes: the window opened, the switch ticked, the window closed."""
    print("\n>>> Keyvigil's settings window opened (Keyvigil is paused while it is open)")
    host = subprocess.Popen([str(build_dir / "keyvigil-preferences"),
                             str(build_dir / "Keyvigil.prefPane")], env=env,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    window = desktop.find_window("^Keyvigil$")
    if not window:
        host.kill()
        raise RuntimeError("the settings window did not open")
    time.sleep(0.5)
    path = out_dir / "00-settings-window.png"
    desktop.screenshot(path)
    print(f"    screenshot: {path}")
    subprocess.run(["xdotool", "windowactivate", "--sync", window, "key", "alt+k"], env=env)
    time.sleep(0.5)
    print("    \"Start Keyvigil, now and at every login\" ticked")
    path = out_dir / "00-switch-on.png"
    desktop.screenshot(path)
    print(f"    screenshot: {path}")
    host.terminate()
    host.wait(15)
    print("    window closed: the agent installs Keyvigil Helper for every login and starts it")


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--build-dir", default=str(ROOT / "build"))
    parser.add_argument("--out", default=str(ROOT / "build/demo"))
    args = parser.parse_args()
    out_dir = Path(args.out)
    out_dir.mkdir(parents=True, exist_ok=True)
    build_dir = Path(args.build_dir).resolve()

    print("No X display here: showing Keyvigil on a private virtual display (1280x900) with")
    print("demonstration settings in a temporary home; your own settings are not touched.")
    with Desktop(build_dir, window_manager=["icewm"],
                 notification_server=[NOTIFICATION_DAEMON]) as desktop:
        subprocess.run(["xsetroot", "-solid", "#4a6f8f"], env=desktop.env())
        desktop.spawn(["xcompmgr"])  # translucent windows need a compositing manager
        desktop.write_settings(DEMO_SETTINGS)
        time.sleep(0.5)  # let the panel and its tray come up before the helper docks its icon
        audio = desktop.tmp / "audio.raw"
        # The desktop's environment has the agent run its own supervisor, so that nothing
        # reaches this machine's service manager.
        env = desktop.env(SDL_AUDIODRIVER="disk", SDL_DISKAUDIOFILE=str(audio))
        open_window_and_switch_on(desktop, build_dir, out_dir, env)
        helper = AgentStartedHelper(desktop, build_dir, audio, env)
        try:
            if not helper.pid:
                raise RuntimeError("the agent did not start Keyvigil Helper")
            print(f"\n>>> Keyvigil Helper running (process {helper.pid}, started by the agent)")
            session = Session(desktop, helper, out_dir)
            session.screenshot("started")
            session.step("Caps Lock switched on", lambda: desktop.key("Caps_Lock"))
            print("    the top of the screen flashed (too brief for a screenshot)")
            session.screenshot("caps-lock-on", bubble=True)
            session.step("Caps Lock switched off", lambda: desktop.key("Caps_Lock"))
            session.step("typing 'Hello WORLD!' (Shift held for the capitals)",
                         lambda: desktop.type("Hello WORLD!"))
            print("    the top of the screen flashed (too brief for a screenshot)")
            session.screenshot("capitals-warned", bubble=True)
            session.step("typing 'NASA rocks'", lambda: desktop.type(" NASA rocks"))
            print("    NASA: excluded word, no warning")
            session.step("Num Lock switched on", lambda: desktop.key("Num_Lock"))
            session.screenshot("num-lock-on", bubble=True)
            session.step("Num Lock switched off", lambda: desktop.key("Num_Lock"))
        finally:
            helper.stop()
    print(f"\nScreenshots are in {out_dir}")


if __name__ == "__main__":
    main()
