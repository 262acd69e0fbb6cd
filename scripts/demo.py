#!/usr/bin/env python3
"""Shows Keyvigil Helper at work on a private virtual display, for machines without one:
demonstration settings in a temporary home, a short typing session, and a report of what a
user would have seen and heard, with screenshots."""

import argparse
import subprocess
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
sys.path.insert(0, str(ROOT / "tests/e2e"))
from desktop import Desktop, Helper, wait_for  # noqa: E402

DEMO_SETTINGS = {
    "warnCapsLock": True, "warnCapsLockContinuously": True, "warnNumLock": True,
    "warnCaps": True, "warnCount": 5, "warnWithSound": True, "warnSound": "CAPS",
    "warnWithGrowl": True, "warnWithFlash": True,
    "showCapsMenuBar": True, "showShiftMenuBar": False, "showNumMenuBar": True,
    "showCapsCenter": True, "showNumCenter": True,
    "showCapsUpperLeft": True, "showNumUpperLeft": True, "showOtherUpperLeft": True, "showOutlines": True,
    "excludeWords": True, "excludeWordsArray": ["NASA"],
}

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
        for window in sorted(self.shown):
            print(f"    window shown: {self.describe(window)}")

    def keyvigil_windows(self):
        return [w for w in self.desktop.windows() if w[:2] in WINDOW_NAMES]

    @staticmethod
    def describe(window):
        w, h, x, y = window
        return f"{WINDOW_NAMES[(w, h)]}, {w}x{h} at ({x}, {y})"

    def step(self, title, action, settle=0.8):
        print(f"\n>>> {title}")
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

    def screenshot(self, name):
        self.shots += 1
        path = self.out_dir / f"{self.shots:02d}-{name}.png"
        self.desktop.screenshot(path)
        print(f"    screenshot: {path}")


def show_settings_window(desktop, build_dir, out_dir):
    """Opens Keyvigil's settings window, as the run command does on a real display."""
    print("\n>>> Keyvigil's settings window opened")
    window = desktop.spawn([str(build_dir / "keyvigil-preferences"),
                            str(build_dir / "Keyvigil.prefPane")])
    mapped = wait_for(lambda: subprocess.run(
        ["xdotool", "search", "--onlyvisible", "--name", "^Keyvigil$"], env=desktop.env(),
        capture_output=True).returncode == 0, timeout=10.0)
    print("    window shown: Keyvigil settings" if mapped else "    the settings window did not open")
    time.sleep(0.5)
    path = out_dir / "00-settings-window.png"
    desktop.screenshot(path)
    print(f"    screenshot: {path}")
    window.terminate()
    window.wait(5)
    print("    window closed (Keyvigil is not switched on in this demonstration, so nothing starts)")


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--build-dir", default=str(ROOT / "build"))
    parser.add_argument("--out", default=str(ROOT / "build/demo"))
    args = parser.parse_args()
    out_dir = Path(args.out)
    out_dir.mkdir(parents=True, exist_ok=True)

    print("No X display here: showing Keyvigil Helper on a private virtual display (1280x900)")
    print("with demonstration settings in a temporary home; your own settings are not touched.")
    with Desktop(args.build_dir, window_manager=["icewm"]) as desktop:
        subprocess.run(["xsetroot", "-solid", "#4a6f8f"], env=desktop.env())
        desktop.spawn(["xcompmgr"])  # translucent windows need a compositing manager
        desktop.write_settings(DEMO_SETTINGS)
        time.sleep(0.5)  # let the panel and its tray come up before the helper docks its icon
        show_settings_window(desktop, Path(args.build_dir), out_dir)
        helper = Helper(desktop)
        try:
            print("\n>>> Keyvigil Helper started")
            session = Session(desktop, helper, out_dir)
            session.screenshot("started")
            session.step("Caps Lock switched on", lambda: desktop.key("Caps_Lock"))
            session.screenshot("caps-lock-on")
            session.step("Caps Lock switched off", lambda: desktop.key("Caps_Lock"))
            session.step("typing 'Hello WORLD!' (Shift held for the capitals)",
                         lambda: desktop.type("Hello WORLD!"))
            session.step("typing 'NASA rocks' (NASA is an excluded word)",
                         lambda: desktop.type(" NASA rocks"))
            session.step("Num Lock switched on", lambda: desktop.key("Num_Lock"))
            session.screenshot("num-lock-on")
            session.step("Num Lock switched off", lambda: desktop.key("Num_Lock"))
        finally:
            helper.stop()
    print(f"\nScreenshots are in {out_dir}")


if __name__ == "__main__":
    main()
