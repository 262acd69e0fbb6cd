"""Keyvigil Helper end to end in Wayland sessions: headless sway and KWin, a keyboard replayed
by umockdev (its keys and its lock lights), notifications on a private bus, the front
application from sway's IPC or a KWin script. sway refuses to run as root, so its session runs as
"nobody" then. The sessions' set-up, the start of their scripts and the screenshots' checks serve
the GNOME suite too."""

import json
import os
import shutil
import subprocess
import tempfile
import textwrap
import unittest
from collections import namedtuple
from pathlib import Path

from desktop import BUILD_DIR, HELPER_RELATIVE, main

DATA = Path(__file__).resolve().parents[2] / "tests/data/wayland"
VIEWER_RELATIVE = "lib/keyvigil/Keyvigil.prefPane/Contents/Resources/Help Viewer.app"
HELPER_INSTALLED = "lib/keyvigil/" + HELPER_RELATIVE
TEST_PROGRAMS = ("tests/e2e/notify_recorder", "tests/e2e/kwin_keys", "tests/e2e/kwin_shot")

# evdev codes
KEY_CAPSLOCK, KEY_NUMLOCK, KEY_LEFTSHIFT, LED_NUML, LED_CAPSL = 58, 69, 42, 0, 1
HELLOWORLD = [35, 18, 38, 38, 24, 17, 24, 19, 38, 32]
# The notifications a run gives, as (summary, body), and the indicators' red.
CAPS_ON, CAPS_OFF = ("CAPS LOCK On", ""), ("CAPS LOCK Off", "")
NUM_ON, NUM_OFF = ("NUM LOCK On", ""), ("NUM LOCK Off", "")
LOCKS, CAPITALS = [CAPS_ON, CAPS_OFF, NUM_ON, NUM_OFF], ("Too Many CAPS Typed", "5 CAPS typed.")
RED = (255, 0, 0)


def keyboard_events(with_lights=True):
    """Caps Lock on, HELLOWORLD typed, Caps Lock off, Num Lock on and off, as the kernel reports
    them: each lock key's light changes after its press. Without lights (the desktop says where
    the locks are), the capitals are typed with Shift held instead."""
    # Typed once the helper has started and heard which application is in front: a new window
    # on headless KWin is shown and activated only seconds after it starts.
    # umockdev replays the first record at once and each later one after its time difference.
    records, t = ["E: 0.000000 0000 0000 0000"], 0.5 if with_lights else 7.0

    def record(kind, code, value):
        records.append(f"E: {t:.6f} {kind:04x} {code:04x} {value:04x}")

    def key(code):
        nonlocal t
        for value in (1, 0):
            record(1, code, value)
            record(0, 0, 0)
            t += 0.03

    def light(code, value, pause):
        nonlocal t
        record(0x11, code, value)
        record(0, 0, 0)
        t += pause

    if not with_lights:
        record(1, KEY_LEFTSHIFT, 1)
        record(0, 0, 0)
        for code in HELLOWORLD:
            key(code)
        record(1, KEY_LEFTSHIFT, 0)
        record(0, 0, 0)
        return "\n".join(records) + "\n"
    key(KEY_CAPSLOCK), light(LED_CAPSL, 1, 0.3)
    for code in HELLOWORLD:
        key(code)
    t += 0.5
    key(KEY_CAPSLOCK), light(LED_CAPSL, 0, 0.5)
    key(KEY_NUMLOCK), light(LED_NUML, 1, 0.5)
    key(KEY_NUMLOCK), light(LED_NUML, 0, 0.5)
    return "\n".join(records) + "\n"


def lights_on():
    """Caps Lock and then Num Lock switched on, and left on."""
    return "\n".join(["E: 0.000000 0000 0000 0000",
                      f"E: 0.500000 0011 {LED_CAPSL:04x} 0001", "E: 0.500000 0000 0000 0000",
                      f"E: 1.000000 0011 {LED_NUML:04x} 0001", "E: 1.000000 0000 0000 0000"]) + "\n"


def pixel(image, x, y):
    """The colour at (x, y) of a screenshot, as (red, green, blue) from 0 to 255."""
    text = subprocess.run(["convert", str(image), "-format", f"%[pixel:p{{{x},{y}}}]", "info:"],
                          check=True, capture_output=True, text=True).stdout
    values = text[text.index("(") + 1:text.index(")")].split(",")
    return tuple(round(float(v.rstrip("%")) * (2.55 if v.endswith("%") else 1)) for v in values[:3])


QRect = namedtuple("QRect", "x y width height")


def within(point, box, slack=0):
    return (box.x - slack <= point[0] < box.x + box.width + slack
            and box.y - slack <= point[1] < box.y + box.height + slack)


def inside(box, frame, slack=2):
    return within((box.x, box.y), frame, slack) and within(
        (box.x + box.width - 1, box.y + box.height - 1), frame, slack)


def rgb(image):
    """(width, bytes of RGB) of a screenshot."""
    width = subprocess.run(["identify", "-format", "%w", str(image)], check=True,
                           capture_output=True, text=True).stdout
    return int(width), subprocess.run(["convert", str(image), "-depth", "8", "rgb:-"], check=True,
                                      capture_output=True).stdout


def differing_area(image, reference, ignore):
    """The QRect around every second pixel, each way, of a screenshot that differs from
    `reference` (another screenshot, or a colour as pixel() gives it) outside the boxes
    `ignore`; None where none does."""
    width, a = rgb(image)
    b = rgb(reference)[1] if isinstance(reference, Path) else bytes(reference) * (len(a) // 3)

    def differs(x, y):
        i = 3 * (y * width + x)
        return sum(abs(a[i + k] - b[i + k]) for k in range(3)) > 12
    points = [(x, y) for y in range(0, len(a) // (3 * width), 2) for x in range(0, width, 2)
              if differs(x, y) and not any(within((x, y), box) for box in ignore)]
    if not points:
        return None
    xs, ys = [x for x, _ in points], [y for _, y in points]
    return QRect(min(xs), min(ys), max(xs) - min(xs) + 1, max(ys) - min(ys) + 1)


def focused_pid(node):
    """The process of the focused window in sway's tree."""
    if node.get("focused") and "pid" in node:
        return node["pid"]
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        found = focused_pid(child)
        if found is not None:
            return found
    return None


# The start of every session's script: the notification recorder, the helper run with the
# replayed keyboard (each run's notifications told apart by where it began; then $SETTLE seconds
# for it to start) and the help viewer, a native Wayland window that takes the focus, an excluded
# application.
COMMON = textwrap.dedent("""\
    set -u
    cd "$T"
    start_recorder() {
        "$BUILD/tests/e2e/notify_recorder" > notes.jsonl 2> recorder.log & N=$!
        for i in $(seq 100); do grep -q ready notes.jsonl 2>/dev/null && break; sleep 0.05; done
    }
    start_helper() {  # $1: a name for its output; $2: the keyboard's records
        wc -l < notes.jsonl > "start-$1"
        SDL_AUDIODRIVER=dummy umockdev-run -d keyboard.umockdev \\
            -e /dev/input/event3="${2:-keyboard.events}" -- "$PREFIX/$HELPER" \\
            > "helper-$1.log" 2>&1 & H=$!
        sleep "$SETTLE"
    }
    stop_helper() { sleep "$1"; kill $H; wait $H; }
    start_viewer() {
        QT_QPA_PLATFORM=wayland "$VIEWER/Contents/MacOS/Help Viewer" > viewer.log 2>&1 & V=$!
        sleep 2
    }
    """)

SWAY = COMMON + textwrap.dedent("""\
    WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman WLR_HEADLESS_OUTPUTS=1 \\
        sway -c sway.conf > sway.log 2>&1 & S=$!
    for i in $(seq 100); do ls "$XDG_RUNTIME_DIR"/wayland-? >/dev/null 2>&1 && break; sleep 0.05; done
    export WAYLAND_DISPLAY=$(basename $(ls "$XDG_RUNTIME_DIR"/wayland-? | head -1))
    export SWAYSOCK=$(ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock | head -1)
    start_recorder
    start_helper alone; stop_helper 5
    # Two windows side by side, the right one focused, under the indicators.
    start_viewer; V1=$V; echo $V1 > left.pid; start_viewer; V2=$V
    start_helper shown locks.events; sleep 2.5; grim -o HEADLESS-1 shown.png
    dbus-send --session --print-reply --dest=org.kde.StatusNotifierWatcher /StatusNotifierWatcher \
        org.freedesktop.DBus.Properties.Get string:org.kde.StatusNotifierWatcher \
        string:RegisteredStatusNotifierItems > items.txt 2>&1
    # A click on the left window, under the centre picture, must reach that window.
    swaymsg seat seat0 cursor set 250 300 > /dev/null
    swaymsg seat seat0 cursor press button1 > /dev/null
    swaymsg seat seat0 cursor release button1 > /dev/null
    sleep 0.5; swaymsg -t get_tree > clicked.txt; stop_helper 0
    # A second output at twice the pixels, where the user goes to work: the picture shows there.
    swaymsg create_output > /dev/null
    swaymsg output HEADLESS-2 resolution 1600x1200 scale 2 position 800 0 > /dev/null
    swaymsg focus output HEADLESS-2 > /dev/null
    start_helper second locks.events; sleep 2.5
    grim -o HEADLESS-1 first.png; grim -o HEADLESS-2 second.png; stop_helper 0
    swaymsg focus output HEADLESS-1 > /dev/null
    swaymsg -t get_tree > front.txt
    start_helper excluded; stop_helper 5
    kill $V1 $V2 $N $S
    wait
    """)

# KWin's program carries a file capability no container grants: a plain copy runs.
KWIN = COMMON + textwrap.dedent("""\
    cp "$(command -v kwin_wayland)" ./kwin_wayland
    # OpenGL compositing in software: KWin takes screenshots only so.
    KWIN_COMPOSE=O2 LIBGL_ALWAYS_SOFTWARE=1 KWIN_SCREENSHOT_NO_PERMISSION_CHECKS=1 \\
    QT_QPA_PLATFORM=offscreen ./kwin_wayland --virtual --socket wl-keyvigil \\
        --width 800 --height 600 --no-lockscreen --no-global-shortcuts --no-kactivities \\
        > kwin.log 2>&1 & K=$!
    for i in $(seq 100); do
        dbus-send --session --print-reply --dest=org.kde.KWin /KWin org.freedesktop.DBus.Peer.Ping \\
            > /dev/null 2>&1 && break
        sleep 0.1
    done
    export WAYLAND_DISPLAY=wl-keyvigil
    start_recorder
    start_helper alone; sleep 2
    "$BUILD/tests/e2e/kwin_keys" 58 58 69 69 > keys.log 2>&1
    stop_helper 6
    start_helper shown; sleep 2
    "$BUILD/tests/e2e/kwin_keys" 58 69 >> keys.log 2>&1; sleep 1.5
    "$BUILD/tests/e2e/kwin_shot" shown.png > shot.log 2>&1
    "$BUILD/tests/e2e/kwin_keys" 58 69 >> keys.log 2>&1; stop_helper 1
    start_viewer
    start_helper excluded; stop_helper 8.5
    kill $V $N $K
    wait
    """)


class CompositorSession(unittest.TestCase):
    """Runs `session` once for the class, as `as_user`, with Keyvigil installed and `settings`
    written, and reads what each helper run gave."""
    session, compositor_log, as_user, timeout = "", "", [], 90
    with_lights = True
    env = {"SETTLE": "0"}
    settings = {"warnWithGrowl": True, "warnCapsLock": True, "warnNumLock": True,
                "warnWithSound": False, "showCapsCenter": True, "showCapsUpperLeft": True,
                "showNumUpperLeft": True, "showCapsMenuBar": True}

    @classmethod
    def prepare(cls, tmp, build):
        """Compositor files before the session starts."""

    @classmethod
    def setUpClass(cls):
        cls.tmp = tmp = Path(tempfile.mkdtemp(prefix=f"keyvigil-{cls.__name__.lower()}-"))
        if not os.environ.get("KEYVIGIL_KEEP"):
            cls.addClassCleanup(shutil.rmtree, tmp, ignore_errors=True)
        (tmp / "run").mkdir()
        (tmp / "home").mkdir()
        (tmp / "keyboard.events").write_text(keyboard_events(cls.with_lights))
        (tmp / "locks.events").write_text(lights_on())
        shutil.copy(DATA / "keyboard.umockdev", tmp / "keyboard.umockdev")
        (tmp / "session.sh").write_text(cls.session)
        # Keyvigil as installed, and the test programs copied: the user the session runs as may
        # not reach the build folder.
        prefix, build = tmp / "prefix", tmp / "build"
        subprocess.run(["cmake", "--install", str(BUILD_DIR), "--prefix", str(prefix)],
                       check=True, capture_output=True)
        for program in TEST_PROGRAMS:
            (build / program).parent.mkdir(parents=True, exist_ok=True)
            shutil.copy2(BUILD_DIR / program, build / program)
        viewer = prefix / VIEWER_RELATIVE
        # Nothing tells the helper it is in a Wayland session but the compositor's socket. GNOME
        # Shell finds the companion where Keyvigil installed it, among the system's data; a
        # settings window stops only the helpers of this session.
        env = {"PATH": os.environ["PATH"], "HOME": str(tmp / "home"), "T": str(tmp),
               "XDG_RUNTIME_DIR": str(tmp / "run"),
               "XDG_DATA_DIRS": f"{tmp / 'xdg'}:{prefix / 'share'}:/usr/local/share:/usr/share",
               "BUILD": str(build), "PREFIX": str(prefix), "HELPER": HELPER_INSTALLED,
               "VIEWER": str(viewer), "KEYVIGIL_PROCESS_SCOPE": str(tmp),
               "KEYVIGIL_AGENT_MODE": "supervisor", **cls.env}
        cls.prepare(tmp, build)
        if cls.as_user:
            for path in [tmp, *tmp.rglob("*")]:
                shutil.chown(path, "nobody", "nogroup")
        os.chmod(tmp / "run", 0o700)
        for key, value in dict(cls.settings, excludeApplicationsArray=[str(viewer)]).items():
            kind, values = ("-array", value) if isinstance(value, list) else ("-bool", ["YES" if value else "NO"])
            subprocess.run([*cls.as_user, str(prefix / "bin/keyvigil-defaults"), "write", key, kind,
                            *values], env=env, check=True, capture_output=True)
        # HOME is set before the bus starts: the settings service it starts takes the bus's.
        subprocess.run([*cls.as_user, "dbus-run-session", "--", "bash", str(tmp / "session.sh")],
                       env=env, timeout=cls.timeout, check=False, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL)
        # Each run's notifications: from where it began to where the next run began.
        notes = [json.loads(line) for line in (tmp / "notes.jsonl").read_text().splitlines()]
        starts = sorted((path.stat().st_mtime_ns, path.name[6:], int(path.read_text()))
                        for path in tmp.glob("start-*"))
        ends = [start for _, _, start in starts[1:]] + [len(notes)]
        cls.runs = {name: [(n["summary"], n["body"]) for n in notes[start:end]]
                    for (_, name, start), end in zip(starts, ends)}

    def log(self, name):
        path = self.tmp / f"helper-{name}.log"
        return (path if path.exists() else self.tmp / self.compositor_log).read_text()

    def assert_lines(self, name, *lines):
        for line in lines:
            self.assertIn("keyvigil.helper: " + line, self.log(name).splitlines(), self.log(name))

    def assert_cells(self, shot, cells=((4, 11), (12, 11))):
        """The upper-left window's cells (those of Caps Lock and Num Lock at scale 1) are red."""
        for x, y in cells:
            self.assertEqual(pixel(shot, x, y), RED, f"the cell at {x}, {y}")

    def assert_picture(self, shot, reference, ignore, box=None, wider_than=0):
        """Outside `ignore`, `shot` differs from `reference` only in an area inside `box` and
        wider than `wider_than`: the centre picture."""
        area = differing_area(shot, reference, ignore)
        self.assertTrue(area and (box is None or inside(area, box)), area)
        self.assertGreater(area.width, wider_than, area)


@unittest.skipUnless(shutil.which("sway") and shutil.which("umockdev-run"), "needs sway and umockdev")
class Sway(CompositorSession):
    session, compositor_log = SWAY, "sway.log"
    as_user = (["setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups"]
               if os.geteuid() == 0 else [])

    @classmethod
    def prepare(cls, tmp, build):
        # A plain background on every output, and a bar whose tray hosts status items.
        (tmp / "sway.conf").write_text("output HEADLESS-1 resolution 800x600\n"
                                       "output * bg #4a6c8c solid_color\n"
                                       "xwayland disable\n"
                                       "bar {\n  status_command while :; do echo; sleep 60; done\n"
                                       "  tray_output *\n}\n")

    def test_locks_and_a_run_of_capitals_from_the_keyboard_device(self):
        self.assertEqual(self.runs.get("alone"), [CAPS_ON, CAPITALS, CAPS_OFF, NUM_ON, NUM_OFF],
                         self.log("alone"))
        self.assert_lines("alone", "using the Wayland backend (display wayland-1)",
                          "Wayland session on a wlroots compositor",
                          "Caps Lock and Num Lock from the keyboards' lights",
                          "keys from 1 keyboard(s)", "the front application from sway")

    def test_indicators_are_drawn_on_the_overlay_layer_and_let_clicks_through(self):
        """The upper-left cells of Caps Lock and Num Lock in red at the screen's corner, over the
        windows, and the Caps Lock picture over the middle, see-through: only there does the
        screen differ from the same windows without it. A click on the window under the
        picture reaches that window."""
        shot, bare = self.tmp / "shown.png", self.tmp / "first.png"
        self.assertTrue(shot.exists() and bare.exists(), self.log("shown"))
        self.assert_lines("shown", "indicators drawn on the compositor's overlay layer")
        self.assert_cells(shot)
        # Title bars, borders and the bar change with the focus; only the picture may change
        # besides: 500 points square, centred, a third of the spare height above it.
        focus = [QRect(0, 0, 800, 33), QRect(0, 560, 800, 40), QRect(0, 0, 3, 600),
                 QRect(396, 0, 9, 600), QRect(796, 0, 4, 600)]
        self.assert_picture(shot, bare, focus, QRect(150, 33, 500, 500), 300)
        self.assertEqual(self.runs.get("shown"), [CAPS_ON, NUM_ON])
        focused = focused_pid(json.loads((self.tmp / "clicked.txt").read_text()))
        self.assertEqual(focused, int((self.tmp / "left.pid").read_text()))

    def test_the_picture_shows_on_the_output_the_user_works_on_at_its_scale(self):
        """With a second output of scale 2 focused, the picture is there, 500 points = 1000
        pixels wide, and not on the first output."""
        shot = self.tmp / "second.png"
        self.assertTrue(shot.exists(), self.log("second"))
        # The upper-left window, made anew by this helper, is there too; so is the bar.
        self.assert_picture(shot, pixel(shot, 1500, 100),
                            [QRect(0, 0, 60, 60), QRect(0, 1120, 1600, 80)],
                            QRect(300, 66, 1000, 1000), 900)
        self.assert_cells(shot, [(8, 22)])
        self.assertEqual(pixel(self.tmp / "first.png", 250, 300), (255, 255, 255),
                         "no picture on the first output")

    def test_the_status_item_registers_with_the_bars_tray(self):
        self.assertIn("org.kde.StatusNotifierItem-", (self.tmp / "items.txt").read_text())
        self.assert_lines("shown", "the status item is shown by the panel's status-notifier host")

    def test_an_excluded_application_in_front_counts_no_capitals_but_locks_still_warn(self):
        self.assertIn("Keyvigil Help", (self.tmp / "front.txt").read_text())
        self.assertEqual(self.runs.get("excluded"), LOCKS, self.log("excluded"))


@unittest.skipUnless(shutil.which("kwin_wayland") and shutil.which("umockdev-run"),
                     "needs KWin and umockdev")
class KWin(CompositorSession):
    session, compositor_log, with_lights = KWIN, "kwin.log", False

    @classmethod
    def prepare(cls, tmp, build):
        """KWin shows its lock state to the helper, and takes keys from the test's typist, as
        their desktop entries say: the helper's is the one Keyvigil installs."""
        applications = tmp / "xdg/applications"
        applications.mkdir(parents=True)
        (applications / "kwin_keys.desktop").write_text(
            "[Desktop Entry]\nType=Application\nName=kwin_keys\nNoDisplay=true\n"
            f"Exec={build / 'tests/e2e/kwin_keys'}\n"
            "X-KDE-Wayland-Interfaces=org_kde_kwin_fake_input\n")

    def test_locks_from_kwin_and_a_run_of_capitals_from_the_keyboard_device(self):
        self.assertEqual(self.runs.get("alone"), LOCKS + [CAPITALS],
                         self.log("alone") + (self.tmp / "keys.log").read_text())
        self.assert_lines("alone", "Wayland session on KDE Plasma (KWin)",
                          "Caps Lock and Num Lock from KWin", "keys from 1 keyboard(s)",
                          "the front application from KWin, through a script of ours")

    def test_an_excluded_application_in_front_counts_no_capitals(self):
        self.assertEqual(self.runs.get("excluded"), [], self.log("excluded"))

    def test_indicators_are_drawn_on_the_overlay_layer(self):
        """KWin's own screenshot: the upper-left cells of Caps Lock and Num Lock in red at the
        corner, and the Caps Lock picture over the middle, see-through."""
        shot = self.tmp / "shown.png"
        self.assertTrue(shot.exists(), (self.tmp / "shot.log").read_text() + self.log("shown"))
        self.assert_lines("shown", "indicators drawn on the compositor's overlay layer")
        self.assert_cells(shot)
        self.assert_picture(shot, pixel(shot, 790, 590), [QRect(0, 0, 40, 40)],
                            QRect(150, 33, 500, 500), 400)


if __name__ == "__main__":
    main()
