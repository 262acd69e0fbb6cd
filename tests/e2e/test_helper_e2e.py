"""Keyvigil Helper end to end: the real program on a private X display, typed at with XTEST."""

import os
import signal
import subprocess
import sys
import time
import unittest

from desktop import HELPER_RELATIVE, Desktop, Helper, wait_for

BUILD_DIR = os.environ.get("KEYVIGIL_BUILD_DIR", "build")

LOCK_WARNINGS = {
    "warnCapsLock": True, "warnCapsLockContinuously": True, "warnNumLock": True,
    "warnWithSound": True, "warnSound": "CAPS", "warnWithGrowl": True,
}


class HelperTest(unittest.TestCase):
    settings = {}

    def setUp(self):
        self.desktop = Desktop(BUILD_DIR)
        self.desktop.start()
        self.addCleanup(self.desktop.stop)
        self.desktop.write_settings(self.settings)
        self.helper = Helper(self.desktop)
        self.addCleanup(self.helper.stop)

    def summaries(self):
        return [n["summary"] for n in self.desktop.received()]


class LockWarnings(HelperTest):
    settings = LOCK_WARNINGS

    def test_caps_lock_on_warns_and_off_stops_the_looping_sound(self):
        self.desktop.key("Caps_Lock")
        self.assertTrue(self.desktop.wait_for_notification("CAPS LOCK On"))
        note = self.desktop.received()[0]
        self.assertEqual(note["app_name"], "Keyvigil")
        self.assertEqual(note["urgency"], 2)
        self.assertTrue(wait_for(lambda: self.helper.sound_heard_since(0), 3.0), "no sound played")

        self.desktop.key("Caps_Lock")
        self.assertTrue(self.desktop.wait_for_notification("CAPS LOCK Off"))
        time.sleep(0.3)
        stopped_at = len(self.helper.audio_bytes())
        time.sleep(1.0)
        self.assertFalse(self.helper.sound_heard_since(stopped_at), "the looping sound went on")

    def test_num_lock_on_and_off(self):
        self.desktop.key("Num_Lock")
        self.assertTrue(self.desktop.wait_for_notification("NUM LOCK On"))
        self.desktop.key("Num_Lock")
        self.assertTrue(self.desktop.wait_for_notification("NUM LOCK Off"))
        self.assertNotIn("CAPS LOCK On", self.summaries())


class CapitalRuns(HelperTest):
    settings = {"warnWithGrowl": True, "warnWithSound": False, "excludeWords": True,
                "excludeWordsArray": ["NASA"]}

    def test_run_warns_at_the_threshold_once_with_the_count(self):
        self.desktop.type("HELLOWORLD")
        self.assertTrue(self.desktop.wait_for_notification("Too Many CAPS Typed"))
        time.sleep(0.5)
        notes = [n for n in self.desktop.received() if n["summary"] == "Too Many CAPS Typed"]
        self.assertEqual(len(notes), 1)
        self.assertEqual(notes[0]["body"], "5 CAPS typed.")

    def test_excluded_word_is_not_counted(self):
        self.desktop.type("NASAX nasa")
        time.sleep(0.7)
        self.assertNotIn("Too Many CAPS Typed", self.summaries())
        self.desktop.type("ABCDE")
        self.assertTrue(self.desktop.wait_for_notification("Too Many CAPS Typed"))


class Reload(HelperTest):
    settings = {"warnWithGrowl": True, "warnWithSound": False}

    def test_sighup_after_a_settings_change_applies_to_the_next_key(self):
        self.desktop.write_settings({"warnCount": 2})
        self.helper.signal(signal.SIGHUP)
        time.sleep(0.3)
        self.desktop.type("AB")
        self.assertTrue(self.desktop.wait_for_notification("Too Many CAPS Typed"))
        self.assertEqual(self.desktop.received()[-1]["body"], "2 CAPS typed.")

    def test_sigterm_ends_it_at_once(self):
        started = time.monotonic()
        self.helper.signal(signal.SIGTERM)
        self.helper.proc.wait(2)
        self.assertLess(time.monotonic() - started, 1.0)


class Windows(HelperTest):
    settings = {"showCapsCenter": True, "showNumCenter": True, "showCapsUpperLeft": True,
                "showOtherUpperLeft": True, "warnWithSound": False}

    def test_centre_and_upper_left_windows(self):
        windows = self.desktop.windows()
        # 15 high with the other keys shown, centred on the 22-point top bar: bottom edge at
        # 900 - 18.5 cut to 881, so its top is 900 - 881 - 15 = 4.
        self.assertIn((17, 15, 0, 4), windows)
        self.assertFalse([w for w in windows if w[:2] in ((500, 500), (268, 335))])

        self.desktop.key("Caps_Lock")
        caps = wait_for(lambda: [w for w in self.desktop.windows() if w[:2] == (500, 500)], 3.0)
        self.assertTrue(caps, "Caps Lock window not shown")
        x = caps[0][2]
        self.assertEqual(x, (1280 - 500) // 2)

        self.desktop.key("Num_Lock")
        self.assertTrue(wait_for(lambda: [w for w in self.desktop.windows() if w[:2] == (268, 335)], 3.0))

        self.desktop.key("Caps_Lock", "Num_Lock")
        self.assertTrue(wait_for(lambda: not [w for w in self.desktop.windows()
                                              if w[:2] in ((500, 500), (268, 335))], 3.0))


def dbus_daemons():
    out = subprocess.run(["pgrep", "-x", "dbus-daemon"], capture_output=True, text=True).stdout
    return set(out.split())


class Diagnostics(unittest.TestCase):
    """What the helper says when it cannot do its work, and what it answers on its command line."""

    def run_helper(self, *args, **env):
        environment = {k: v for k, v in os.environ.items() if k != "DISPLAY"}
        environment.update(env)
        return subprocess.run([os.path.join(BUILD_DIR, HELPER_RELATIVE), *args], env=environment,
                              capture_output=True, text=True, timeout=10)

    def test_options_and_a_missing_display(self):
        help_run = self.run_helper("--help")
        self.assertEqual((help_run.returncode, help_run.stderr), (0, ""))
        self.assertIn("SIGHUP", help_run.stdout)
        self.assertEqual(self.run_helper("--version").stdout, "Keyvigil Helper 6.2\n")
        unknown = self.run_helper("--frobnicate")
        self.assertEqual(unknown.returncode, 2)
        self.assertEqual(len(unknown.stderr.splitlines()), 1)
        for env in ({}, {"DISPLAY": ":4711"}):
            run = self.run_helper(**env)
            self.assertEqual(run.returncode, 1, run.stderr)
            self.assertEqual(len(run.stderr.splitlines()), 1, run.stderr)
            self.assertIn("needs an X11 display", run.stderr)

    def test_without_a_session_bus_no_bus_is_started_and_one_line_says_so(self):
        desktop = Desktop(BUILD_DIR)
        desktop.start()
        self.addCleanup(desktop.stop)
        desktop.write_settings({"warnWithGrowl": True, "showCapsMenuBar": True})
        before = dbus_daemons()
        helper = Helper(desktop, DBUS_SESSION_BUS_ADDRESS=None)
        desktop.key("Caps_Lock")
        desktop.type("HELLO")
        desktop.key("Caps_Lock")
        time.sleep(0.5)
        stderr = helper.stop()
        self.assertEqual(dbus_daemons() - before, set())
        lines = stderr.splitlines()
        self.assertEqual(len([line for line in lines if "no session bus" in line]), 1, stderr)
        # The start-up lines only: keys and warnings print nothing.
        self.assertTrue(all(line.startswith("keyvigil.helper: ") for line in lines), stderr)
        self.assertLessEqual(len(lines), 3, stderr)


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0], "-v", *sys.argv[1:]])
