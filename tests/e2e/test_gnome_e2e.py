"""Keyvigil Helper end to end on headless GNOME Shell with nothing but its companion enabled:
the companion loaded from the installed tree, Caps Lock and Num Lock switched through mutter's
remote desktop, notifications on a private bus, the indicators in the Shell's own screenshots, the
front application from the companion, and the fall-back when the companion is switched off."""

import json
import os
import shutil
import subprocess
import sys
import tempfile
import textwrap
import unittest
from pathlib import Path

from test_wayland_e2e import (BUILD_DIR, DATA, HELPER_INSTALLED, VIEWER_RELATIVE, QRect,
                              differing_colour_area, inside, keyboard_events, pixel)

COMPANION = "keyvigil@keyvigil.org"
TOOL = Path(__file__).resolve().parent / "gnome_shell_tool.py"

# GNOME Shell looks for logind on the system bus: an empty private one stands in. A Shell stopped
# within a minute of its start leaves a file that disables every extension at the next start.
# The recorder takes the notifications' name before the Shell's own service can.
COMMON = textwrap.dedent("""\
    set -u
    cd "$T"
    dbus-daemon --session --nofork --address=unix:path=$T/sysbus > /dev/null 2>&1 & SB=$!
    for i in $(seq 50); do [ -S $T/sysbus ] && break; sleep 0.1; done
    export DBUS_SYSTEM_BUS_ADDRESS=unix:path=$T/sysbus
    "$BUILD/tests/e2e/notify_recorder" > notes.jsonl 2> recorder.log & N=$!
    for i in $(seq 100); do grep -q ready notes.jsonl 2>/dev/null && break; sleep 0.05; done
    rm -f "$XDG_RUNTIME_DIR/gnome-shell-disable-extensions"
    gsettings set org.gnome.shell enabled-extensions "['keyvigil@keyvigil.org']"
    gsettings set org.gnome.desktop.interface scaling-factor "$SCALE"
    companion() {
        gdbus call --session --dest org.keyvigil.Keyvigil.Shell \\
            --object-path /org/keyvigil/Keyvigil/Shell --method org.keyvigil.Keyvigil.Shell.$1
    }
    gnome-shell --headless --wayland --no-x11 --wayland-display=wl-keyvigil \\
        --virtual-monitor 1280x800 > shell.log 2>&1 & G=$!
    for i in $(seq 100); do companion GetLocks > /dev/null 2>&1 && break; sleep 0.2; done
    export WAYLAND_DISPLAY=wl-keyvigil
    keys() { /usr/bin/python3 "$TOOL" keys "$@"; }
    # The overview, open at start, would take the keys: Escape closes it.
    keys code:1
    start_helper() {  # $1: a name for its output
        wc -l < notes.jsonl > "start-$1"
        SDL_AUDIODRIVER=dummy umockdev-run -d keyboard.umockdev \\
            -e /dev/input/event3=keyboard.events -- "$PREFIX/$HELPER" > "helper-$1.log" 2>&1 & H=$!
        sleep 2
    }
    stop_helper() { sleep "$1"; kill $H; wait $H; }
    """)

SESSION = COMMON + textwrap.dedent("""\
    start_helper alone
    keys code:58 sleep:500 code:58 sleep:500 code:69 sleep:500 code:69
    stop_helper 6
    start_helper shown
    keys code:58 code:69 sleep:1500
    /usr/bin/python3 "$TOOL" shot "$T/shown.png"
    keys code:58 code:69
    stop_helper 1
    /usr/bin/python3 "$TOOL" shot "$T/hidden.png"
    # A helper that ends without hiding its pictures takes them with it.
    start_helper killed
    keys code:58 sleep:1500
    # The helper itself, not umockdev-run around it.
    pkill -KILL -P $H; wait $H; sleep 0.5
    /usr/bin/python3 "$TOOL" shot "$T/killed.png"
    keys code:58
    # The help viewer, an excluded application, in front.
    QT_QPA_PLATFORM=wayland "$VIEWER/Contents/MacOS/Help Viewer" > viewer.log 2>&1 & V=$!
    sleep 2
    companion GetFront > front.txt; echo $V > viewer.pid
    start_helper excluded; stop_helper 6
    kill $V
    # The companion switched off: the helper falls back to the Wayland backend and says why.
    gsettings set org.gnome.shell enabled-extensions "[]"
    sleep 1
    start_helper off; stop_helper 1
    # The settings window's General tab (Alt+G) offers to turn it on again, which only its
    # button (Alt+T) does.
    QT_QPA_PLATFORM=wayland "$PREFIX/bin/keyvigil-preferences" > window.log 2>&1 & P=$!
    sleep 3; keys down:56 code:34 up:56 sleep:1000
    /usr/bin/python3 "$TOOL" shot "$T/window-off.png"
    companion GetLocks > before-click.txt 2>&1
    keys down:56 code:20 up:56 sleep:1500
    companion GetLocks > after-click.txt 2>&1
    /usr/bin/python3 "$TOOL" shot "$T/window-on.png"
    kill $P; wait $P
    kill $N $G; wait $G; kill $SB
    """)

# GNOME's look at twice the size, set before the Shell starts: it takes the scale only then.
SCALED = COMMON + textwrap.dedent("""\
    start_helper scaled
    keys code:58 sleep:1500
    /usr/bin/python3 "$TOOL" shot "$T/scaled.png"
    keys code:58
    stop_helper 1
    kill $N $G; wait $G; kill $SB
    """)


class GnomeSession(unittest.TestCase):
    """Runs `session` once for the class, at GNOME's `scale`, and reads what each helper run
    gave."""
    session = ""
    scale = 1

    @classmethod
    def setUpClass(cls):
        cls.tmp = tmp = Path(tempfile.mkdtemp(prefix="keyvigil-gnome-"))
        if not os.environ.get("KEYVIGIL_KEEP"):
            cls.addClassCleanup(shutil.rmtree, tmp, ignore_errors=True)
        (tmp / "run").mkdir(mode=0o700)
        (tmp / "home").mkdir()
        (tmp / "keyboard.events").write_text(keyboard_events(with_lights=False))
        shutil.copy(DATA / "keyboard.umockdev", tmp / "keyboard.umockdev")
        (tmp / "session.sh").write_text(cls.session)
        prefix = tmp / "prefix"
        subprocess.run(["cmake", "--install", str(BUILD_DIR), "--prefix", str(prefix)],
                       check=True, capture_output=True)
        # The Shell finds the companion where Keyvigil installed it, among the system's data.
        env = {"PATH": os.environ["PATH"], "HOME": str(tmp / "home"), "T": str(tmp),
               "XDG_RUNTIME_DIR": str(tmp / "run"),
               "XDG_DATA_DIRS": f"{prefix / 'share'}:/usr/local/share:/usr/share",
               "BUILD": str(BUILD_DIR), "PREFIX": str(prefix), "HELPER": HELPER_INSTALLED,
               "VIEWER": str(prefix / VIEWER_RELATIVE), "TOOL": str(TOOL),
               # The settings window stops only the helpers of this suite.
               "KEYVIGIL_PROCESS_SCOPE": f"gnome-e2e-{os.getpid()}",
               "KEYVIGIL_AGENT_MODE": "supervisor", "SCALE": str(cls.scale)}
        defaults = [str(prefix / "bin/keyvigil-defaults"), "write"]
        for setting in (["warnWithGrowl", "-bool", "YES"], ["warnCapsLock", "-bool", "YES"],
                        ["warnNumLock", "-bool", "YES"], ["warnWithSound", "-bool", "NO"],
                        ["showCapsCenter", "-bool", "YES"], ["showCapsUpperLeft", "-bool", "YES"],
                        ["showNumUpperLeft", "-bool", "YES"],
                        ["excludeApplicationsArray", "-array", str(prefix / VIEWER_RELATIVE)]):
            subprocess.run(defaults + setting, env=env, check=True, capture_output=True)
        # HOME is set before the bus starts: the settings service it starts takes the bus's.
        subprocess.run(["dbus-run-session", "--", "bash", str(tmp / "session.sh")], env=env,
                       timeout=150, check=False, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL)
        notes = [json.loads(line) for line in (tmp / "notes.jsonl").read_text().splitlines()
                 if "summary" in line]
        # Each run's notifications: from where it began to where the next run began.
        starts = sorted((path.stat().st_mtime_ns, path.name[6:], int(path.read_text()) - 1)
                        for path in tmp.glob("start-*"))
        ends = [start for _, _, start in starts[1:]] + [len(notes)]
        cls.runs = {name: [(n["summary"], n["body"]) for n in notes[start:end]]
                    for (_, name, start), end in zip(starts, ends)}

    def log(self, name):
        path = self.tmp / f"helper-{name}.log"
        return path.read_text() if path.exists() else (self.tmp / "shell.log").read_text()

    def assert_lines(self, name, *lines):
        for line in lines:
            self.assertIn("keyvigil.helper: " + line, self.log(name).splitlines(), self.log(name))


@unittest.skipUnless(shutil.which("gnome-shell") and shutil.which("umockdev-run")
                     and shutil.which("gsettings"),
                     "needs gnome-shell (with gjs), umockdev and gsettings")
class GnomeShell(GnomeSession):
    session = SESSION

    def test_lock_warnings_through_the_companion_and_capitals_from_the_keyboard(self):
        self.assertEqual(self.runs.get("alone"),
                         [("CAPS LOCK On", ""), ("CAPS LOCK Off", ""), ("NUM LOCK On", ""),
                          ("NUM LOCK Off", ""), ("Too Many CAPS Typed", "5 CAPS typed.")],
                         self.log("alone"))
        self.assert_lines("alone", "using the GNOME Shell backend (display wl-keyvigil)",
                          "GNOME Shell session, through Keyvigil's GNOME Shell companion: Caps "
                          "Lock, Num Lock and the application in front from the Shell, "
                          "indicators drawn by it", "keys from 1 keyboard(s)")

    def test_indicators_drawn_by_the_shell_at_the_corner_and_the_centre(self):
        """The upper-left cells of Caps Lock and Num Lock in red at the screen's corner, over
        the Shell's top bar, and the Caps Lock picture over the middle of the free area; both
        gone once the locks are off, and when the helper is killed while they show."""
        shot, hidden = self.tmp / "shown.png", self.tmp / "hidden.png"
        self.assertTrue(shot.exists() and hidden.exists(), self.log("shown"))
        self.assertEqual(self.runs.get("shown"),
                         [("CAPS LOCK On", ""), ("NUM LOCK On", ""), ("CAPS LOCK Off", ""),
                          ("NUM LOCK Off", "")], self.log("shown"))
        self.assertEqual(pixel(shot, 4, 11), (255, 0, 0), "Caps Lock cell")
        self.assertEqual(pixel(shot, 12, 11), (255, 0, 0), "Num Lock cell")
        self.assertNotEqual(pixel(hidden, 4, 11), (255, 0, 0), "Caps Lock cell, gone")
        background = pixel(shot, 1200, 700)
        # The top bar and the privileged-user banner below it are the Shell's own.
        area = differing_colour_area(shot, background, ignore=[QRect(0, 0, 1280, 120)])
        self.assertTrue(area and inside(area, QRect(390, 32, 500, 768)), area)
        self.assertGreater(area.width, 300, area)
        self.assertIsNone(differing_colour_area(hidden, background,
                                                ignore=[QRect(0, 0, 1280, 120)]))
        killed = self.tmp / "killed.png"
        self.assertEqual(self.runs.get("killed"), [("CAPS LOCK On", "")], self.log("killed"))
        self.assertNotEqual(pixel(killed, 4, 11), (255, 0, 0), "Caps Lock cell, gone")
        self.assertIsNone(differing_colour_area(killed, background,
                                                ignore=[QRect(0, 0, 1280, 120)]))

    def test_an_excluded_application_in_front_counts_no_capitals(self):
        pid = int((self.tmp / "viewer.pid").read_text())
        self.assertIn(f"({pid}, ", (self.tmp / "front.txt").read_text())
        self.assertEqual(self.runs.get("excluded"), [], self.log("excluded"))

    def test_without_the_companion_the_wayland_backend_takes_over_and_says_why(self):
        self.assert_lines("off", "cannot use the GNOME Shell backend: Keyvigil's GNOME Shell "
                          "companion (keyvigil@keyvigil.org) does not answer on the session bus",
                          "using the Wayland backend (display wl-keyvigil)")

    def test_the_settings_window_turns_the_companion_on_only_on_its_button(self):
        self.assertIn("org.freedesktop.DBus.Error.ServiceUnknown",
                      (self.tmp / "before-click.txt").read_text())
        self.assertEqual((self.tmp / "after-click.txt").read_text().strip(), "(false, false)",
                         (self.tmp / "window.log").read_text())
        self.assertIn("keyvigil.preferences: using the Wayland backend (display wl-keyvigil)",
                      (self.tmp / "window.log").read_text())


@unittest.skipUnless(shutil.which("gnome-shell") and shutil.which("umockdev-run")
                     and shutil.which("gsettings"),
                     "needs gnome-shell (with gjs), umockdev and gsettings")
class GnomeShellAtTwiceTheScale(GnomeSession):
    session = SCALED
    scale = 2

    def test_at_twice_the_scale_the_indicators_are_twice_the_pixels(self):
        """The Caps Lock cell, pixels 1 to 7 of the corner at scale 1 with a gap at 8, covers 2
        to 15 with the gap at 16 and 17; the centre picture is wider than the screen's middle."""
        shot = self.tmp / "scaled.png"
        self.assertTrue(shot.exists(), self.log("scaled"))
        for x in (3, 14):
            self.assertEqual(pixel(shot, x, 22), (255, 0, 0), f"Caps Lock cell at {x}")
        self.assertNotEqual(pixel(shot, 16, 22), (255, 0, 0), "the gap, twice as far")
        background = pixel(shot, 1270, 790)
        area = differing_colour_area(shot, background, ignore=[QRect(0, 0, 1280, 140)])
        self.assertTrue(area and area.width > 600, area)


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0], "-v", *sys.argv[1:]])
