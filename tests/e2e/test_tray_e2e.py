"""Keyvigil Helper's status item when the helper starts before the desktop's tray does."""

import os
import subprocess
import sys
import unittest

from desktop import Desktop, Helper, wait_for

BUILD_DIR = os.environ.get("KEYVIGIL_BUILD_DIR", "build")
HELPER_CLASS = '("Keyvigil Helper" "Keyvigil Helper")'
TRAY = '"SystemTray"'  # the window manager's XEmbed tray in its task bar


class LateTray(unittest.TestCase):
    def setUp(self):
        self.desktop = Desktop(BUILD_DIR)
        self.desktop.start()
        self.addCleanup(self.desktop.stop)

    def helper_icon_ancestors(self):
        """The lines of the windows holding the helper's own window, from the root down."""
        tree = subprocess.run(["xwininfo", "-root", "-tree"], env=self.desktop.env(),
                              capture_output=True, text=True).stdout
        path = []  # (indent, line) down to the line before
        for line in (line for line in tree.splitlines() if line.strip().startswith("0x")):
            indent = len(line) - len(line.lstrip())
            path = [(i, above) for i, above in path if i < indent]
            if HELPER_CLASS in line:
                return [above for _, above in path]
            path.append((indent, line))
        return []

    def test_icon_is_embedded_when_a_tray_starts_after_the_helper(self):
        self.desktop.write_settings({"showCapsMenuBar": True})
        helper = Helper(self.desktop)
        self.addCleanup(helper.stop)

        self.desktop.spawn(["icewm"])
        embedded = wait_for(lambda: any(TRAY in line for line in self.helper_icon_ancestors()),
                            timeout=5.0, interval=0.1)
        self.assertTrue(embedded, f"not in the tray; above the helper: {self.helper_icon_ancestors()}")

        stderr = helper.stop()
        said = [line for line in stderr.splitlines() if "no system tray yet" in line]
        self.assertEqual(len(said), 1, stderr)


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0], "-v", *sys.argv[1:]])
