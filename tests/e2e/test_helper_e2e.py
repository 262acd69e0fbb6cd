"""Keyvigil Helper end to end: the real program on a private X display, typed at with XTEST."""

import os
import subprocess
import time
import unittest
from pathlib import Path

from desktop import BUILD_DIR, HELPER_RELATIVE, Helper, main, start_desktop, wait_for


class HelperTest(unittest.TestCase):
    settings = {}

    def setUp(self):
        self.desktop = start_desktop(self)
        self.desktop.write_settings(self.settings)
        self.helper = Helper(self.desktop)
        self.addCleanup(self.helper.stop)


class Locks(HelperTest):
    settings = {"warnCapsLock": True, "warnCapsLockContinuously": True, "warnNumLock": True,
                "warnWithSound": True, "warnSound": "CAPS", "warnWithGrowl": True,
                "showCapsCenter": True, "showNumCenter": True, "showCapsUpperLeft": True,
                "showOtherUpperLeft": True}

    def centre_windows(self, *sizes):
        return [w for w in self.desktop.windows() if w[:2] in sizes]

    def test_each_lock_notifies_and_shows_its_window_and_caps_lock_loops_its_sound_until_off(self):
        # 15 high with the other keys, on the 900-point screen's top bar at y = 4.
        self.assertIn((17, 15, 0, 4), self.desktop.windows())
        self.assertEqual(self.centre_windows((500, 500), (268, 335)), [])

        self.desktop.key("Caps_Lock")
        self.assertTrue(self.desktop.wait_for_notification("CAPS LOCK On"))
        note = self.desktop.received()[0]
        self.assertEqual((note["app_name"], note["urgency"]), ("Keyvigil", 1))
        self.assertTrue(wait_for(lambda: self.helper.sound_heard_since(0), 3.0), "no sound played")
        self.assertTrue(wait_for(lambda: self.centre_windows((500, 500)), 3.0),
                        "Caps Lock window not shown")

        self.desktop.key("Caps_Lock")
        self.assertTrue(self.desktop.wait_for_notification("CAPS LOCK Off"))
        time.sleep(0.3)
        stopped_at = len(self.helper.audio_bytes())
        time.sleep(1.0)
        self.assertFalse(self.helper.sound_heard_since(stopped_at), "the looping sound went on")

        self.desktop.key("Num_Lock")
        self.assertTrue(self.desktop.wait_for_notification("NUM LOCK On"))
        self.assertTrue(wait_for(lambda: self.centre_windows((268, 335)), 3.0))
        self.desktop.key("Num_Lock")
        self.assertTrue(self.desktop.wait_for_notification("NUM LOCK Off"))
        self.assertTrue(wait_for(lambda: not self.centre_windows((500, 500), (268, 335)), 3.0))


class LateTray(HelperTest):
    """The status item when the window manager's XEmbed tray starts after the helper."""
    settings = {"showCapsMenuBar": True}

    def helper_icon_ancestors(self):
        """The lines of the windows holding the helper's own window, from the root down."""
        tree = subprocess.run(["xwininfo", "-root", "-tree"], env=self.desktop.env(),
                              capture_output=True, text=True).stdout
        path = []  # (indent, line) down to the line before
        for line in (line for line in tree.splitlines() if line.strip().startswith("0x")):
            indent = len(line) - len(line.lstrip())
            path = [(i, above) for i, above in path if i < indent]
            if '("Keyvigil Helper" "Keyvigil Helper")' in line:
                return [above for _, above in path]
            path.append((indent, line))
        return []

    def test_icon_is_embedded_when_a_tray_starts_after_the_helper(self):
        self.desktop.spawn(["icewm"])
        embedded = wait_for(lambda: any('"SystemTray"' in line
                                        for line in self.helper_icon_ancestors()), 5.0, 0.1)
        self.assertTrue(embedded, f"not in the tray: {self.helper_icon_ancestors()}")
        stderr = self.helper.stop()
        said = [line for line in stderr.splitlines() if "no system tray yet" in line]
        self.assertEqual(len(said), 1, stderr)


class Isolation(HelperTest):
    def test_a_settings_window_on_another_desktop_leaves_this_helper_running(self):
        other = start_desktop(self)
        other.spawn([str(BUILD_DIR / "keyvigil-preferences"), str(BUILD_DIR / "Keyvigil.prefPane")])
        self.assertTrue(other.find_window("^Keyvigil$"), "the settings window did not open")
        time.sleep(1.0)
        self.assertIsNone(self.helper.proc.poll(), "the other desktop's window stopped the helper")


def dbus_daemons(desktop):
    """The buses started from this desktop's programs (the desktop's own bus is not one)."""
    out = subprocess.run(["pgrep", "-x", "dbus-daemon"], capture_output=True, text=True).stdout
    mark = f"XDG_RUNTIME_DIR={desktop.tmp}".encode()
    found = set()
    for pid in out.split():
        try:
            if mark in Path(f"/proc/{pid}/environ").read_bytes().split(b"\0"):
                found.add(pid)
        except OSError:
            pass
    return found


class Diagnostics(unittest.TestCase):
    """What the helper says when it cannot do its work, and what it answers on its command line."""

    def run_helper(self, *args, **env):
        environment = {k: v for k, v in os.environ.items() if k != "DISPLAY"}
        environment.update(env)
        return subprocess.run([BUILD_DIR / HELPER_RELATIVE, *args], env=environment,
                              capture_output=True, text=True, timeout=10)

    def test_options_and_a_missing_display(self):
        help_run = self.run_helper("--help")
        self.assertEqual((help_run.returncode, help_run.stderr), (0, ""))
        self.assertIn("SIGHUP", help_run.stdout)
        self.assertEqual(self.run_helper("--version").stdout, "Keyvigil Helper 6.2\n")
        unknown = self.run_helper("--frobnicate")
        self.assertEqual(unknown.returncode, 2)
        self.assertEqual(len(unknown.stderr.splitlines()), 1)
        wayland_only = {"XDG_SESSION_TYPE": "wayland", "WAYLAND_DISPLAY": "wayland-0"}
        for env in ({}, {"DISPLAY": ":4711"}, wayland_only):
            run = self.run_helper(**env)
            self.assertEqual(run.returncode, 1, run.stderr)
            self.assertEqual(len(run.stderr.splitlines()), 1, run.stderr)
            self.assertIn("no display server can be used", run.stderr)

    def test_without_a_session_bus_no_bus_is_started_and_one_line_says_so(self):
        desktop = start_desktop(self)
        desktop.write_settings({"warnWithGrowl": True, "showCapsMenuBar": True})
        helper = Helper(desktop, DBUS_SESSION_BUS_ADDRESS=None)
        desktop.key("Caps_Lock")
        desktop.type("HELLO")
        desktop.key("Caps_Lock")
        time.sleep(0.5)
        stderr = helper.stop()
        self.assertEqual(dbus_daemons(desktop), set())
        lines = stderr.splitlines()
        self.assertEqual(len([line for line in lines if "no session bus" in line]), 1, stderr)
        # The start-up lines only: keys and warnings print nothing.
        self.assertTrue(all(line.startswith("keyvigil.helper: ") for line in lines), stderr)
        self.assertEqual(lines[0], "keyvigil.helper: using the X11 backend (display %s)"
                         % desktop.display, stderr)
        self.assertLessEqual(len(lines), 6, stderr)


if __name__ == "__main__":
    main()
