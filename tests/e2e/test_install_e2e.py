"""Keyvigil installed into a prefix: the tree `cmake --install` lays out, the installed window
running the installed helper, and the uninstall script taking all of it away again."""

import gzip
import os
import plistlib
import shutil
import signal
import struct
import subprocess
import tempfile
import unittest
from pathlib import Path

from desktop import BUILD_DIR, main, pids_running, start_desktop, wait_for

SOURCE_DIR = Path(__file__).resolve().parents[2]
BUNDLE = "lib/keyvigil/Keyvigil.prefPane"
HELPER = BUNDLE + "/Contents/Resources/Keyvigil Helper.app/Contents/MacOS/Keyvigil Helper"
APP_ID = "org.keyvigil.Keyvigil"
ICON_SIZES = (16, 24, 32, 48, 64, 128, 256)


def install(prefix):
    subprocess.run(["cmake", "--install", str(BUILD_DIR), "--prefix", str(prefix)], check=True,
                   stdout=subprocess.DEVNULL)


def files_under(folder):
    return {p.relative_to(folder) for p in Path(folder).rglob("*") if not p.is_dir()}


class InstalledTree(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = Path(tempfile.mkdtemp(prefix="keyvigil-install-"))
        cls.prefix = cls.tmp / "my prefix"
        install(cls.prefix)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.tmp, ignore_errors=True)

    def test_the_bundle_is_installed_whole_with_its_programs_executable(self):
        # The built bundle's programs are run by the other end-to-end tests.
        built = BUILD_DIR / "Keyvigil.prefPane"
        installed = self.prefix / BUNDLE
        self.assertEqual(files_under(installed), files_under(built))
        for name in files_under(built):
            self.assertEqual(os.access(installed / name, os.X_OK), os.access(built / name, os.X_OK),
                             name)
            self.assertFalse((installed / name).stat().st_mode & 0o022, f"{name} is writable by others")

    def test_desktop_files_validate_and_the_icons_have_their_sizes(self):
        entry = self.prefix / f"share/applications/{APP_ID}.desktop"
        subprocess.run(["desktop-file-validate", str(entry)], check=True)
        text = entry.read_text()
        self.assertIn("\nExec=keyvigil-preferences\n", text)
        self.assertIn(f"\nIcon={APP_ID}\n", text)
        self.assertIn("caps lock;num lock;keyboard;", text)
        subprocess.run(["appstreamcli", "validate", "--no-net",
                        str(self.prefix / f"share/metainfo/{APP_ID}.metainfo.xml")],
                       check=True, stdout=subprocess.DEVNULL)
        self.assertTrue((self.prefix / f"share/icons/hicolor/scalable/apps/{APP_ID}.svg").is_file())
        for size in ICON_SIZES:
            png = (self.prefix / f"share/icons/hicolor/{size}x{size}/apps/{APP_ID}.png").read_bytes()
            self.assertEqual(png[:8], b"\x89PNG\r\n\x1a\n")
            self.assertEqual(struct.unpack(">II", png[16:24]), (size, size))

    def test_each_command_has_its_manual_page_and_runs_from_the_prefix(self):
        for command in ("keyvigil-preferences", "keyvigil-defaults"):
            page = gzip.decompress((self.prefix / f"share/man/man1/{command}.1.gz").read_bytes())
            self.assertTrue(page.startswith(b".TH " + command.upper().encode()), command)
            version = subprocess.run([str(self.prefix / "bin" / command), "--version"], check=True,
                                     capture_output=True, text=True).stdout
            self.assertEqual(version, f"{command} 6.2\n")

    def test_no_installed_text_names_the_build_or_source_tree(self):
        for name in files_under(self.prefix):
            data = (self.prefix / name).read_bytes()
            if b"\0" in data or name.suffix == ".gz":
                continue
            for tree in (BUILD_DIR, SOURCE_DIR):
                self.assertNotIn(str(tree).encode(), data, f"{name} names {tree}")


class InstalledWindow(unittest.TestCase):
    def test_the_installed_window_runs_the_installed_helper_and_uninstall_takes_everything(self):
        desktop = start_desktop(self)
        prefix = desktop.tmp / "local"
        install(prefix)
        self.assertFalse((prefix / "share/lintian").exists(), "the package's lintian override")
        helper = prefix / HELPER
        env = desktop.env(XDG_STATE_HOME=str(desktop.tmp / "state"))
        agent_file = desktop.home / "Library/LaunchAgents/org.keyvigil.Keyvigil.helper.plist"
        self.addCleanup(lambda: [os.kill(pid, signal.SIGKILL) for pid in pids_running(helper)])
        desktop.write_settings({"startAutomatically": True, "preferencesForPrefPane": True})

        host = subprocess.Popen([str(prefix / "bin/keyvigil-preferences")], env=env,
                                stderr=subprocess.PIPE, text=True)
        self.addCleanup(host.stderr.close)
        self.addCleanup(lambda: host.poll() is None and host.kill())
        self.assertTrue(desktop.find_window("^Keyvigil$"), "the settings window did not open")
        maps = Path(f"/proc/{host.pid}/maps").read_text()
        self.assertIn(str(prefix / BUNDLE / "Contents/MacOS/Keyvigil.so"), maps)
        host.send_signal(signal.SIGTERM)
        self.assertEqual(host.wait(15), 0, host.stderr.read())

        with open(agent_file, "rb") as f:
            self.assertEqual(plistlib.load(f)["Program"], str(helper))
        self.assertTrue(wait_for(lambda: pids_running(helper), timeout=5.0),
                        "the installed helper is not running")
        autostart = desktop.home / ".config/autostart/org.keyvigil.Keyvigil.helper.desktop"
        self.assertTrue(autostart.exists())

        uninstall = [str(SOURCE_DIR / "scripts/uninstall.sh"), "--prefix", str(prefix)]
        subprocess.run(uninstall, env=env, check=True, stdout=subprocess.DEVNULL)
        self.assertTrue(wait_for(lambda: not pids_running(helper), timeout=5.0))
        self.assertFalse(agent_file.exists())
        self.assertFalse(autostart.exists())
        self.assertEqual(files_under(prefix), set())
        settings = desktop.home / "Library/Preferences/org.keyvigil.Keyvigil.prefs"
        self.assertTrue(settings.exists(), "uninstalling without --purge removed the settings")

        # The window kept its size and place; --purge leaves nothing of Keyvigil in the home.
        self.assertTrue((desktop.home / ".config/Keyvigil/Keyvigil.conf").exists())
        subprocess.run(uninstall + ["--purge"], env=env, check=True, stdout=subprocess.DEVNULL)
        self.assertEqual([p for p in desktop.home.rglob("*") if "eyvigil" in p.name.lower()
                          or p.name == "Library"], [])


if __name__ == "__main__":
    main()
