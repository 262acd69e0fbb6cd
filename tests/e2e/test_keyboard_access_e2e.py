"""The General tab's keyboard access end to end: the real host and pane on a private X display,
with a pkexec of the test's that runs keyvigil-keyboard-access on a folder of its own (as nobody
when the test runs as root), so that nothing of this machine changes."""

import glob
import os
import re
import shutil
import signal
import subprocess
import tempfile
import unittest
from pathlib import Path

from desktop import BUILD_DIR, main, said, start_desktop, wait_for

BUNDLE = BUILD_DIR / "Keyvigil.prefPane"
PROGRAM = BUNDLE / "Contents/Resources/keyvigil-keyboard-access"
RULE = "etc/udev/rules.d/70-keyvigil-keyboard-access.rules"

# pkexec PROGRAM COMMAND, run on the test's folder rather than the system.
PKEXEC = """#!/bin/sh
echo "$*" >> '{log}'
[ -e '{log}.dismiss' ] && exit 126
program="$1"
shift
[ "$(id -u)" = 0 ] && exec setpriv --reuid=65534 --regid=65534 --clear-groups "$program" \\
    --root '{system}' "$@"
exec "$program" --root '{system}' "$@"
"""


class KeyboardAccess(unittest.TestCase):
    def setUp(self):
        self.desktop = start_desktop(self, window_manager=["icewm"])
        tmp = self.desktop.tmp
        # Out of the desktop's own folder, which only its user may enter.
        self.system = Path(tempfile.mkdtemp(prefix="keyvigil-system-"))
        self.addCleanup(shutil.rmtree, self.system, ignore_errors=True)
        self.system.chmod(0o755)
        for folder in ("etc", "run/systemd/system", "run/systemd/seats"):
            (self.system / folder).mkdir(parents=True)
        (self.system / "etc").chmod(0o777)
        self.log = tmp / "pkexec.log"
        bin_dir = tmp / "bin"
        bin_dir.mkdir()
        (bin_dir / "pkexec").write_text(PKEXEC.format(log=self.log, system=self.system))
        (bin_dir / "pkexec").chmod(0o755)
        self.env = self.desktop.env(PATH=f"{bin_dir}:{os.environ['PATH']}",
                                    KEYVIGIL_SYSTEM_ROOT=str(self.system),
                                    XDG_STATE_HOME=str(tmp / "state"))

    def message(self, window, first=False):
        """The group's text, copied from the window. From the switch, which has the focus at
        first, it is four stops on (past the help button, the tabs and the page's scroll area);
        then it keeps the focus, as mnemonics do not take it."""
        self.desktop.keys_into(window, *(("Tab",) * 4 if first else ()), "ctrl+a", "ctrl+c")
        return subprocess.run(["xclip", "-o", "-selection", "clipboard", "-t", "UTF8_STRING"],
                              env=self.env, capture_output=True, text=True, timeout=5).stdout

    def answer(self, title, *keys):
        dialog = self.desktop.find_window(f"^{re.escape(title)}$", 10.0)
        self.assertTrue(dialog, f"no window {title!r}")
        self.desktop.keys_into(dialog, *keys)
        self.assertTrue(wait_for(lambda: not self.desktop.find_window(f"^{re.escape(title)}$", 0),
                                 5.0), f"{title!r} stayed")

    def test_on_wayland_access_is_allowed_and_taken_back_only_after_the_user_says_so(self):
        if any(os.access(node, os.R_OK) for node in glob.glob("/dev/input/event*")):
            self.skipTest("this user can read the keyboards without Keyvigil")
        # No compositor answers there: the desktop is told by its name.
        host, window = self.desktop.open_settings_window(self, BUNDLE, dict(
            self.env, XDG_SESSION_TYPE="wayland", XDG_CURRENT_DESKTOP="sway",
            WAYLAND_DISPLAY="wayland-keyvigil-none"))
        self.desktop.keys_into(window, "alt+g")
        self.assertIn("Keyvigil must be allowed to read the keyboard.",
                      self.message(window, first=True))

        # Cancel is the default; a dismissed password dialog is said.
        self.desktop.keys_into(window, "alt+a")
        self.answer("Allow Keyvigil to Read the Keyboard?", "Return")
        Path(f"{self.log}.dismiss").touch()
        self.desktop.keys_into(window, "alt+a")
        self.answer("Allow Keyvigil to Read the Keyboard?", "alt+a")
        self.answer("Keyboard Access Not Allowed", "Return")
        self.assertEqual(self.log.read_text(), f"{PROGRAM} grant\n")
        self.assertFalse((self.system / RULE).exists())

        Path(f"{self.log}.dismiss").unlink()
        self.desktop.keys_into(window, "alt+a")
        self.answer("Allow Keyvigil to Read the Keyboard?", "alt+a")
        self.assertTrue((self.system / RULE).exists())
        self.assertIn("Keyboard access is allowed", self.message(window))

        self.desktop.keys_into(window, "alt+t")
        self.answer("Take Keyboard Access Back?", "alt+t")
        self.assertFalse((self.system / RULE).exists())
        self.assertEqual(self.log.read_text().splitlines()[1:], [f"{PROGRAM} grant",
                                                                 f"{PROGRAM} revoke"])
        self.assertTrue(self.message(window).startswith("Keyboard access is taken back."))
        host.send_signal(signal.SIGTERM)
        self.assertEqual(host.wait(15), 0)
        self.assertIn("Keyboard Access Not Allowed: Keyboard access was not allowed: the "
                      "administrator's password was not given.", said(host))


if __name__ == "__main__":
    main()
