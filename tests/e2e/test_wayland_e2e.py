"""Keyvigil Helper end to end in a Wayland session: headless sway, a keyboard replayed by
umockdev (its keys and its lock lights), notifications on a private bus, the front application
from sway's IPC. sway refuses to run as root, so everything here runs as "nobody" then."""

import json
import os
import shutil
import subprocess
import sys
import tempfile
import textwrap
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "scripts"))
from private_desktop import HELPER_RELATIVE  # noqa: E402

BUILD_DIR = Path(os.environ.get("KEYVIGIL_BUILD_DIR", "build")).resolve()
DATA = Path(__file__).resolve().parents[1] / "data" / "wayland"
VIEWER_RELATIVE = "Keyvigil.prefPane/Contents/Resources/Help Viewer.app"
PROGRAMS = ("Keyvigil.prefPane", "tools/keyvigil-defaults/keyvigil-defaults",
            "tests/e2e/notify_recorder")

# evdev codes
KEY_CAPSLOCK, KEY_NUMLOCK, LED_NUML, LED_CAPSL = 58, 69, 0, 1
HELLOWORLD = [35, 18, 38, 38, 24, 17, 24, 19, 38, 32]


def keyboard_events():
    """Caps Lock on, HELLOWORLD typed, Caps Lock off, Num Lock on and off, as the kernel reports
    them: each lock key's light changes after its press."""
    records, t = [], 0.5

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

    key(KEY_CAPSLOCK), light(LED_CAPSL, 1, 0.3)
    for code in HELLOWORLD:
        key(code)
    t += 0.5
    key(KEY_CAPSLOCK), light(LED_CAPSL, 0, 0.5)
    key(KEY_NUMLOCK), light(LED_NUML, 1, 0.5)
    key(KEY_NUMLOCK), light(LED_NUML, 0, 0.5)
    return "\n".join(records) + "\n"


SESSION = textwrap.dedent("""\
    set -u
    cd "$T"
    WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman WLR_HEADLESS_OUTPUTS=1 \\
        sway -c sway.conf > sway.log 2>&1 & S=$!
    for i in $(seq 100); do ls "$XDG_RUNTIME_DIR"/wayland-? >/dev/null 2>&1 && break; sleep 0.05; done
    export WAYLAND_DISPLAY=$(basename $(ls "$XDG_RUNTIME_DIR"/wayland-? | head -1))
    export SWAYSOCK=$(ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock | head -1)
    "$BUILD/tests/e2e/notify_recorder" > notes.jsonl 2> recorder.log & N=$!
    for i in $(seq 100); do grep -q ready notes.jsonl 2>/dev/null && break; sleep 0.05; done
    run_helper() {  # $1: a name for its output
        wc -l < notes.jsonl > "start-$1"
        SDL_AUDIODRIVER=dummy umockdev-run -d keyboard.umockdev \\
            -e /dev/input/event3=keyboard.events -- "$BUILD/$HELPER" > "helper-$1.log" 2>&1 & H=$!
        sleep 5
        kill $H; wait $H
    }
    run_helper alone
    # The help viewer, a native Wayland window, takes the focus; it is an excluded application.
    QT_QPA_PLATFORM=wayland "$VIEWER/Contents/MacOS/Help Viewer" > viewer.log 2>&1 & V=$!
    for i in $(seq 100); do swaymsg -t get_tree 2>/dev/null | grep -q '"focused": true, *"pid"\\|Help Viewer' && break; sleep 0.05; done
    sleep 0.5
    swaymsg -t get_tree > tree.json
    run_helper excluded
    kill $V $N $S
    wait
    """)


@unittest.skipUnless(shutil.which("sway") and shutil.which("umockdev-run"), "needs sway and umockdev")
class SwayWithAReplayedKeyboard(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = Path(tempfile.mkdtemp(prefix="keyvigil-wayland-"))
        if not os.environ.get("KEYVIGIL_KEEP"):
            cls.addClassCleanup(shutil.rmtree, cls.tmp, ignore_errors=True)
        tmp = cls.tmp
        (tmp / "run").mkdir()
        (tmp / "home").mkdir()
        (tmp / "sway.conf").write_text("output HEADLESS-1 resolution 800x600\nxwayland disable\n")
        (tmp / "keyboard.events").write_text(keyboard_events())
        shutil.copy(DATA / "keyboard.umockdev", tmp / "keyboard.umockdev")
        (tmp / "session.sh").write_text(SESSION)
        # The programs are copied: the user the session runs as may not reach the build folder.
        build = tmp / "build"
        for program in PROGRAMS:
            (build / program).parent.mkdir(parents=True, exist_ok=True)
            if (BUILD_DIR / program).is_dir():
                shutil.copytree(BUILD_DIR / program, build / program, symlinks=True)
            else:
                shutil.copy2(BUILD_DIR / program, build / program)
        viewer = build / VIEWER_RELATIVE
        as_user = []
        if os.geteuid() == 0:
            for path in [tmp, *tmp.rglob("*")]:
                shutil.chown(path, "nobody", "nogroup")
            as_user = ["setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups"]
        os.chmod(tmp / "run", 0o700)
        env = {"PATH": os.environ["PATH"], "HOME": str(tmp / "home"), "T": str(tmp),
               "XDG_RUNTIME_DIR": str(tmp / "run"), "XDG_SESSION_TYPE": "wayland",
               "BUILD": str(build), "HELPER": HELPER_RELATIVE, "VIEWER": str(viewer)}
        defaults = [str(build / "tools/keyvigil-defaults/keyvigil-defaults"), "write"]
        for setting in (["warnWithGrowl", "-bool", "YES"], ["warnCapsLock", "-bool", "YES"],
                        ["warnNumLock", "-bool", "YES"], ["warnWithSound", "-bool", "NO"],
                        ["excludeApplicationsArray", "-array", str(viewer)]):
            subprocess.run(as_user + defaults + setting, env=env, check=True,
                           capture_output=True)
        subprocess.run(as_user + ["dbus-run-session", "--", "bash", str(tmp / "session.sh")],
                       env=env, timeout=90, check=False, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL)
        # The notifications each helper run gave, told apart by where each run began.
        notes = [json.loads(line) for line in (tmp / "notes.jsonl").read_text().splitlines()]
        starts = {name: int((tmp / f"start-{name}").read_text())
                  for name in ("alone", "excluded") if (tmp / f"start-{name}").exists()}
        cls.runs = {}
        for name, start in starts.items():
            end = min([s for s in starts.values() if s > start], default=len(notes))
            cls.runs[name] = [(n["summary"], n["body"]) for n in notes[start:end]]

    def log(self, name):
        return (self.tmp / f"helper-{name}.log").read_text()

    def test_locks_and_a_run_of_capitals_from_the_keyboard_device(self):
        self.assertEqual(self.runs.get("alone"),
                         [("CAPS LOCK On", ""), ("Too Many CAPS Typed", "5 CAPS typed."),
                          ("CAPS LOCK Off", ""), ("NUM LOCK On", ""), ("NUM LOCK Off", "")],
                         self.log("alone"))
        lines = self.log("alone").splitlines()
        self.assertIn("keyvigil.helper: using the Wayland backend (display wayland-1)", lines)
        self.assertIn("keyvigil.helper: Wayland session on a wlroots compositor", lines)
        self.assertIn("keyvigil.helper: keys from 1 keyboard(s)", lines)
        self.assertIn("keyvigil.helper: the front application from sway", lines)

    def test_an_excluded_application_in_front_counts_no_capitals_but_locks_still_warn(self):
        self.assertIn("Help Viewer", (self.tmp / "tree.json").read_text())
        self.assertEqual(self.runs.get("excluded"),
                         [("CAPS LOCK On", ""), ("CAPS LOCK Off", ""), ("NUM LOCK On", ""),
                          ("NUM LOCK Off", "")],
                         self.log("excluded"))


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0], "-v", *sys.argv[1:]])
