"""Keyvigil Helper end to end on headless GNOME Shell with nothing but its companion enabled:
the companion loaded from the installed tree, Caps Lock and Num Lock switched through mutter's
remote desktop, notifications on a private bus, the indicators in the Shell's own screenshots, the
front application from the companion, and the fall-back when the companion is switched off."""

import shutil
import textwrap
import unittest
from pathlib import Path

from desktop import main
from test_wayland_e2e import (CAPITALS, CAPS_OFF, CAPS_ON, COMMON, LOCKS, NUM_OFF, NUM_ON, RED,
                              CompositorSession, QRect, differing_area, pixel)

TOOL = Path(__file__).resolve().parent / "gnome_shell_tool.py"

# GNOME Shell looks for logind on the system bus: an empty private one stands in. A Shell stopped
# within a minute of its start leaves a file that disables every extension at the next start.
# The recorder takes the notifications' name before the Shell's own service can.
SHELL = COMMON + textwrap.dedent("""\
    dbus-daemon --session --nofork --address=unix:path=$T/sysbus > /dev/null 2>&1 & SB=$!
    for i in $(seq 50); do [ -S $T/sysbus ] && break; sleep 0.1; done
    export DBUS_SYSTEM_BUS_ADDRESS=unix:path=$T/sysbus
    start_recorder
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
    shot() { /usr/bin/python3 "$TOOL" shot "$T/$1"; }
    # The overview, open at start, would take the keys: Escape closes it.
    keys code:1
    """)

SESSION = SHELL + textwrap.dedent("""\
    start_helper alone
    keys code:58 sleep:500 code:58 sleep:500 code:69 sleep:500 code:69
    stop_helper 6
    start_helper shown
    keys code:58 code:69 sleep:1500
    shot shown.png
    keys code:58 code:69
    stop_helper 1
    shot hidden.png
    # A helper that ends without hiding its pictures takes them with it.
    start_helper killed
    keys code:58 sleep:1500
    # The helper itself, not umockdev-run around it.
    pkill -KILL -P $H; wait $H; sleep 0.5
    shot killed.png
    keys code:58
    start_viewer
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
    shot window-off.png
    companion GetLocks > before-click.txt 2>&1
    keys down:56 code:20 up:56 sleep:1500
    companion GetLocks > after-click.txt 2>&1
    shot window-on.png
    kill $P; wait $P
    kill $N $G; wait $G; kill $SB
    """)

# GNOME's look at twice the size, set before the Shell starts: it takes the scale only then.
SCALED = SHELL + textwrap.dedent("""\
    start_helper scaled
    keys code:58 sleep:1500
    shot scaled.png
    keys code:58
    stop_helper 1
    kill $N $G; wait $G; kill $SB
    """)

needs_gnome = unittest.skipUnless(
    shutil.which("gnome-shell") and shutil.which("umockdev-run") and shutil.which("gsettings"),
    "needs gnome-shell (with gjs), umockdev and gsettings")


class GnomeSession(CompositorSession):
    """The keyboard's keys without its lights: the Shell tells the locks. No status item."""
    compositor_log, with_lights, timeout = "shell.log", False, 150
    env = {"TOOL": str(TOOL), "SCALE": "1", "SETTLE": "2"}
    settings = {key: value for key, value in CompositorSession.settings.items()
                if key != "showCapsMenuBar"}


@needs_gnome
class GnomeShell(GnomeSession):
    session = SESSION

    def test_lock_warnings_through_the_companion_and_capitals_from_the_keyboard(self):
        self.assertEqual(self.runs.get("alone"), LOCKS + [CAPITALS], self.log("alone"))
        self.assert_lines("alone", "using the GNOME Shell backend (display wl-keyvigil)",
                          "GNOME Shell session, through Keyvigil's GNOME Shell companion: Caps "
                          "Lock, Num Lock and the application in front from the Shell, "
                          "indicators drawn by it", "keys from 1 keyboard(s)")

    def test_indicators_drawn_by_the_shell_at_the_corner_and_the_centre(self):
        """The upper-left cells of Caps Lock and Num Lock in red at the screen's corner, over
        the Shell's top bar, and the Caps Lock picture over the middle of the free area; both
        gone once the locks are off, and when the helper is killed while they show."""
        shot, hidden, killed = (self.tmp / f"{name}.png" for name in ("shown", "hidden", "killed"))
        self.assertTrue(shot.exists() and hidden.exists(), self.log("shown"))
        self.assertEqual(self.runs.get("shown"), [CAPS_ON, NUM_ON, CAPS_OFF, NUM_OFF],
                         self.log("shown"))
        self.assertEqual(self.runs.get("killed"), [CAPS_ON], self.log("killed"))
        self.assert_cells(shot)
        # The top bar and the privileged-user banner below it are the Shell's own.
        background, bars = pixel(shot, 1200, 700), [QRect(0, 0, 1280, 120)]
        self.assert_picture(shot, background, bars, QRect(390, 32, 500, 768), 300)
        for gone in (hidden, killed):
            self.assertNotEqual(pixel(gone, 4, 11), RED, f"Caps Lock cell in {gone.name}")
            self.assertIsNone(differing_area(gone, background, bars), gone.name)

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


@needs_gnome
class GnomeShellAtTwiceTheScale(GnomeSession):
    session = SCALED
    env = dict(GnomeSession.env, SCALE="2")

    def test_at_twice_the_scale_the_indicators_are_twice_the_pixels(self):
        """The Caps Lock cell, pixels 1 to 7 of the corner at scale 1 with a gap at 8, covers 2
        to 15 with the gap at 16 and 17; the centre picture is wider than the screen's middle."""
        shot = self.tmp / "scaled.png"
        self.assertTrue(shot.exists(), self.log("scaled"))
        self.assert_cells(shot, [(3, 22), (14, 22)])
        self.assertNotEqual(pixel(shot, 16, 22), RED, "the gap, twice as far")
        self.assert_picture(shot, pixel(shot, 1270, 790), [QRect(0, 0, 1280, 140)],
                            wider_than=600)


if __name__ == "__main__":
    main()
