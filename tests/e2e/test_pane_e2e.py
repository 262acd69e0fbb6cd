"""The settings window end to end: the real host, pane, agent tool and helper on a private X
display, in a home whose path holds a space and a quote."""

import os
import plistlib
import shutil
import signal
import subprocess
import time
import unittest
from urllib.parse import unquote

from desktop import (BUILD_DIR, HELPER_RELATIVE, Helper, main, pids_running, said, start_desktop,
                     wait_for)

AGENT_FILE = "Library/LaunchAgents/org.keyvigil.Keyvigil.helper.plist"
# What the next login runs to load the agent again.
AUTOSTART_ENTRY = ".config/autostart/org.keyvigil.Keyvigil.helper.desktop"


class PaneTest(unittest.TestCase):
    """The settings window's desktop and tools; the tests are in the classes below."""
    window_manager = None

    def setUp(self):
        self.desktop = start_desktop(self, home_name="it's home", window_manager=self.window_manager)
        # A copy of the bundle in the home, so that every path the pane writes has the quote.
        self.bundle = self.desktop.home / "Keyvigil.prefPane"
        shutil.copytree(BUILD_DIR / "Keyvigil.prefPane", self.bundle, symlinks=True)
        self.helper = self.desktop.home / HELPER_RELATIVE
        self.agent_tool = self.bundle / "Contents/Resources/keyvigil-agent"
        self.agent_file = self.desktop.home / AGENT_FILE
        self.env = self.desktop.env(KEYVIGIL_AGENT_MODE="supervisor",
                                    XDG_STATE_HOME=str(self.desktop.tmp / "state"))
        self.addCleanup(self.unload_agent)

    def unload_agent(self):
        subprocess.run([str(self.agent_tool), "unload", str(self.agent_file)], env=self.env,
                       capture_output=True)
        for pid in pids_running(self.helper) + pids_running(BUILD_DIR / "keyvigil-preferences"):
            os.kill(pid, signal.SIGKILL)

    def open_window(self, prefix=(), title="^Keyvigil$"):
        return self.desktop.open_settings_window(self, self.bundle, self.env, prefix, title)

    def dismiss(self, title):
        """Presses OK in the alert named `title`, which must show."""
        alert = self.desktop.find_window(f"^{title}$", 20.0)
        self.assertTrue(alert, f"no alert {title!r}")
        self.desktop.xdotool("windowfocus", "--sync", alert, "key", "Return")
        self.assertTrue(wait_for(lambda: not self.desktop.find_window(f"^{title}$", 0), 5.0))

    def close_window(self, host, *alerts):
        """Closes the window as a session's end does, pressing OK in each alert it shows."""
        host.send_signal(signal.SIGTERM)
        for title in alerts:
            self.dismiss(title)
        self.assertEqual(host.wait(15), 0, said(host))


class HelperControl(PaneTest):
    def test_the_switch_runs_a_service_that_an_open_or_killed_window_keeps_paused(self):
        self.desktop.write_settings({"startAutomatically": True, "preferencesForPrefPane": True})
        host, _ = self.open_window()
        self.close_window(host)
        with open(self.agent_file, "rb") as f:
            self.assertEqual(plistlib.load(f), {
                "Label": "org.keyvigil.Keyvigil.helper", "Program": str(self.helper),
                "RunAtLoad": True, "KeepAlive": True})
        self.assertEqual(len(wait_for(lambda: pids_running(self.helper), timeout=5.0)), 1,
                         "the helper is not running as a service")

        # Open, the window pauses the helper; killed, it leaves it paused.
        host, _ = self.open_window()
        self.assertTrue(wait_for(lambda: not pids_running(self.helper), timeout=5.0))
        host.kill()
        host.wait()
        time.sleep(1.5)
        self.assertEqual(pids_running(self.helper), [], "the paused helper came back by itself")
        # The next login runs the autostart entry, which loads the agent file kept meanwhile.
        entry = (self.desktop.home / AUTOSTART_ENTRY).read_text()
        self.assertRegex(entry, r"/keyvigil-agent\"? load ")
        subprocess.run([str(self.agent_tool), "load", str(self.agent_file)], env=self.env,
                       check=True)
        self.assertEqual(len(wait_for(lambda: pids_running(self.helper), timeout=5.0)), 1)

        # Switched off with its keyboard shortcut, closing leaves nothing running or installed.
        host, window = self.open_window()
        self.desktop.xdotool("windowfocus", "--sync", window, "key", "alt+k")
        time.sleep(0.3)
        self.close_window(host)
        time.sleep(1.0)
        self.assertEqual(pids_running(self.helper), [])
        self.assertFalse(self.agent_file.exists())
        self.assertFalse((self.desktop.home / AUTOSTART_ENTRY).exists())
        self.assertEqual(self.desktop.defaults("read", "startAutomatically").strip(), "0")

    def test_of_two_helpers_the_first_in_pid_order_is_told_to_quit(self):
        # Each waits in its event loop, its quit handler installed, before the window opens.
        helpers = [Helper(self.desktop), Helper(self.desktop)]
        for helper in helpers:
            self.addCleanup(helper.stop)
        lower, higher = sorted((helper.proc for helper in helpers), key=lambda p: p.pid)
        host, _ = self.open_window()
        self.assertEqual(lower.wait(5), 0)  # 'quit' ends the helper at once
        self.assertIsNone(higher.poll())
        self.close_window(host)


class Failures(PaneTest):
    """Each failure reaches the user in an alert and the journal, and loses nothing stored."""
    window_manager = ["icewm"]

    def test_a_read_only_settings_folder_is_said_and_the_stored_settings_stay(self):
        self.desktop.write_settings({"startAutomatically": True, "preferencesForPrefPane": True,
                                     "excludeWords": True, "warnCount": 7})
        store = self.desktop.home / "Library/Preferences/org.keyvigil.Keyvigil.prefs"
        before = store.read_bytes()
        store.parent.chmod(0o555)
        self.addCleanup(store.parent.chmod, 0o755)
        # root writes anywhere unless it gives that up.
        prefix = ["setpriv", "--bounding-set=-dac_override,-dac_read_search"] \
            if os.geteuid() == 0 else []
        host, window = self.open_window(prefix)
        self.desktop.keys_into(window, "alt+x", "alt+a")
        self.desktop.type("NASA")
        self.desktop.key("Return")
        self.dismiss("Settings Not Saved")
        self.close_window(host, "Settings Not Saved")

        text = said(host)
        self.assertIn(f"Settings Not Saved: Keyvigil could not save your settings in “{store}”: "
                      "Permission denied.", text)
        self.assertIn("The changes made in this window are lost.", text)
        self.assertEqual(store.read_bytes(), before)
        self.assertTrue(wait_for(lambda: pids_running(self.helper), timeout=5.0),
                        "the helper did not start with the settings stored before")

    def test_a_helper_that_ends_at_start_up_is_said_at_closing_with_the_agent_tools_reason(self):
        self.desktop.write_settings({"startAutomatically": True, "preferencesForPrefPane": True})
        self.helper.write_text("#!/bin/sh\necho 'keyvigil.helper: no display here' >&2\nexit 1\n")
        host, _ = self.open_window()
        self.close_window(host, "Keyvigil Not Started")
        self.assertRegex(said(host), "Keyvigil Not Started: Keyvigil Helper was started but "
                         "does not keep running: Keyvigil Helper is not running;.*no display here")

    def test_a_bundle_of_another_version_restarts_once_then_says_to_reinstall(self):
        info = self.bundle / "Contents/Info.plist"
        with open(info, "rb") as f:
            plist = plistlib.load(f)
        plist["CFBundleVersion"] = "6.1"
        with open(info, "wb") as f:
            plistlib.dump(plist, f)
        host, _ = self.open_window(title="^Upgrading Keyvigil$")
        self.dismiss("Upgrading Keyvigil")
        self.assertEqual(host.wait(10), 0)
        # Restart brings the window back once the first has ended; it then says what helps.
        self.dismiss("Reinstall Keyvigil")
        self.assertTrue(wait_for(lambda: not pids_running(BUILD_DIR / "keyvigil-preferences"), 10.0))

        # Later openings say so at once.
        host, _ = self.open_window(title="^Reinstall Keyvigil$")
        self.dismiss("Reinstall Keyvigil")
        self.assertEqual(host.wait(10), 0)


class ExclusionLists(PaneTest):
    window_manager = ["icewm"]  # reports the active window, as the application exclusion needs

    def test_a_word_and_an_application_chosen_in_the_window_are_excluded_by_the_helper(self):
        applications = self.desktop.home / ".local/share/applications"
        applications.mkdir(parents=True)
        entry = applications / "kv-note.desktop"
        entry.write_text("[Desktop Entry]\nType=Application\nName=Note Pad\nExec=xmessage\n")
        self.desktop.write_settings({"startAutomatically": True, "preferencesForPrefPane": True,
                                     "excludeWords": True, "warnWithGrowl": True,
                                     "warnWithSound": False})
        host, window = self.open_window()
        self.desktop.keys_into(window, "alt+x", "alt+a")
        self.desktop.type("NASA")
        self.desktop.keys_into(window, "Return")
        self.assertTrue(wait_for(lambda: "NASA" in self.desktop.defaults("read", "excludeWordsArray"),
                                 3.0), "the word did not reach the store file")
        self.desktop.keys_into(window, "alt+p")
        self.desktop.type("Note")
        time.sleep(0.3)
        self.desktop.key("Return")
        self.assertTrue(wait_for(lambda: str(entry) in self.desktop.defaults(
            "read", "excludeApplicationsArray"), 3.0), "the application did not reach the store file")
        self.close_window(host)
        self.assertTrue(wait_for(lambda: pids_running(self.helper), 5.0))
        time.sleep(1.0)

        # In the excluded application nothing counts; elsewhere the excluded word does not.
        note = subprocess.Popen(["xmessage", "-name", "note", "excluded"], env=self.env)
        self.addCleanup(note.kill)
        note_window = self.desktop.find_window("^note$", 5.0)
        self.assertTrue(note_window)
        self.desktop.xdotool("windowactivate", "--sync", note_window)
        time.sleep(0.5)
        self.desktop.type("HELLOWORLD ")
        time.sleep(0.7)
        note.kill()
        note.wait()
        time.sleep(0.5)
        self.desktop.type("NASAXY ")
        time.sleep(0.7)
        self.assertNotIn("Too Many CAPS Typed", [n["summary"] for n in self.desktop.received()])
        self.desktop.type("HELLO ")
        self.assertTrue(self.desktop.wait_for_notification("Too Many CAPS Typed"))


class HelpAndSupport(PaneTest):
    window_manager = ["icewm"]

    def test_help_opens_the_viewer_at_its_topic_and_support_hands_the_mail_to_the_mail_program(self):
        # A mail program of the test's own, the desktop's handler for mailto links.
        data, config = self.desktop.tmp / "data", self.desktop.tmp / "config"
        (data / "applications").mkdir(parents=True)
        config.mkdir()
        received, recorder = self.desktop.tmp / "mail.txt", self.desktop.tmp / "mail-recorder"
        recorder.write_text("#!/bin/sh\nprintf '%%s' \"$1\" > '%s'\n" % received)
        recorder.chmod(0o755)
        (data / "applications/kv-mail.desktop").write_text(
            "[Desktop Entry]\nType=Application\nName=Mail Recorder\nExec=%s %%u\n"
            "MimeType=x-scheme-handler/mailto;\n" % recorder)
        (config / "mimeapps.list").write_text(
            "[Default Applications]\nx-scheme-handler/mailto=kv-mail.desktop\n")
        self.env.update(XDG_DATA_HOME=str(data), XDG_CONFIG_HOME=str(config))
        self.desktop.write_settings({"excludeWordsArray": ["100%", "C#", "naïve"]})
        viewer = self.bundle / "Contents/Resources/Help Viewer.app/Contents/MacOS/Help Viewer"
        host, window = self.open_window()

        # The switch has the focus; the help button beside it comes next.
        self.desktop.keys_into(window, "Tab", "space")
        self.assertTrue(wait_for(lambda: pids_running(viewer), 10.0), "no viewer started")
        handoff = lambda: self.desktop.defaults("-d", "org.keyvigil.HelpViewer", "read")
        self.assertTrue(wait_for(lambda: "PSNlow" in handoff(), 10.0), handoff())
        self.assertTrue(self.desktop.find_window("Keyvigil Help"), "the viewer shows no window")
        [pid] = pids_running(viewer)
        self.assertEqual(handoff().count(f"PSNlow = {pid};"), 1, handoff())
        # The viewer follows the store when woken; a second request finds the viewer by the
        # serial number it recorded, and wakes it rather than start another.
        self.desktop.defaults("-d", "org.keyvigil.HelpViewer", "write", "Path", "-string",
                              "indicators.html")
        os.kill(pid, signal.SIGHUP)
        self.assertTrue(self.desktop.find_window("^Indicators — Keyvigil Help$"),
                        "the viewer did not follow SIGHUP")
        self.desktop.keys_into(window, "space")
        self.assertTrue(self.desktop.find_window("^Keyvigil Help$"), "the second request was not shown")
        self.assertEqual(pids_running(viewer), [pid])

        self.desktop.keys_into(window, "alt+g", "alt+e")
        self.assertTrue(wait_for(lambda: received.exists() and received.stat().st_size, 10.0),
                        "no mail reached the mail program")
        # Whole through the handler: characters a link must escape, the real sources' sections.
        url = received.read_text()
        self.assertTrue(url.startswith("mailto:support@keyvigil.org?Subject=KeyVigil%20v6.2&body="),
                        url[:120])
        body = unquote(url.split("&body=", 1)[1])
        for part in ('"100%"', '"C#"', "na\\U00efve", "-   LaunchAgents   -", "-   Log Entries   -"):
            self.assertIn(part, body)

        self.close_window(host)
        self.assertTrue(wait_for(lambda: not pids_running(viewer), 10.0),
                        "the viewer did not end when the window closed")
        self.assertNotIn("PSNlow", handoff())


if __name__ == "__main__":
    main()
