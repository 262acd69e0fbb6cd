"""The running helper on a private X display holds no network and leaves no core dump, while the
launcher it started first, which opens the settings window, keeps the network. Each process is
made to connect to a listener on 127.0.0.1 from inside, by a library preloaded into it."""

import os
import signal
import socket
import sys
import unittest
from pathlib import Path

from desktop import Desktop, Helper, wait_for

BUILD_DIR = os.environ.get("KEYVIGIL_BUILD_DIR", "build")
LAUNCHER = Path(BUILD_DIR).resolve() / "Keyvigil.prefPane/Contents/Resources/keyvigil-launcher"


def status(pid):
    fields = dict(line.split(":", 1) for line in Path(f"/proc/{pid}/status").read_text().splitlines())
    return {key: value.strip() for key, value in fields.items()}


def core_limit(pid):
    for line in Path(f"/proc/{pid}/limits").read_text().splitlines():
        if line.startswith("Max core file size"):
            return line.split()[4:6]
    return None


class Probes:
    """socket_probe.so in every process the helper starts or is: each, on SIGUSR2, connects to
    the listener from inside and logs how that went."""

    def __init__(self, tmp, port):
        self.log = tmp / "probes.log"
        self.env = {"LD_PRELOAD": str(Path(BUILD_DIR).resolve() / "tests/e2e/socket_probe.so"),
                    "KEYVIGIL_PROBE_PORT": str(port), "KEYVIGIL_PROBE_LOG": str(self.log)}

    def connect_from_inside(self, pid):
        """(socket's result, its errno, connect's result) in process `pid`."""
        os.kill(pid, signal.SIGUSR2)
        found = wait_for(lambda: [line.split()[1:] for line in self.lines() if line.split()[0] == str(pid)])
        if not found:
            raise AssertionError("no probe from %d" % pid)
        return tuple(int(value) for value in found[-1])

    def lines(self):
        try:
            return self.log.read_text().splitlines()
        except FileNotFoundError:
            return []


class Sandbox(unittest.TestCase):
    def setUp(self):
        self.desktop = Desktop(BUILD_DIR)
        self.desktop.start()
        self.addCleanup(self.desktop.stop)
        self.desktop.write_settings({"warnWithSound": False})
        self.listener = socket.socket()
        self.addCleanup(self.listener.close)
        self.listener.bind(("127.0.0.1", 0))
        self.listener.listen(4)
        self.listener.settimeout(0.5)
        self.probes = Probes(self.desktop.tmp, self.listener.getsockname()[1])
        self.helper = Helper(self.desktop, **self.probes.env)
        self.addCleanup(self.helper.stop)

    def connections(self):
        count = 0
        while True:
            try:
                self.listener.accept()[0].close()
                count += 1
            except socket.timeout:
                return count

    def test_helper_cannot_reach_the_network_but_its_window_launcher_can(self):
        helper = self.helper.proc.pid
        children = Path(f"/proc/{helper}/task/{helper}/children").read_text().split()
        launchers = [int(pid) for pid in children
                     if os.readlink(f"/proc/{pid}/exe") == str(LAUNCHER)]
        self.assertEqual(len(launchers), 1, children)

        self.assertEqual((status(helper)["Seccomp"], status(helper)["NoNewPrivs"]), ("2", "1"))
        self.assertEqual(core_limit(helper), ["0", "0"])
        self.assertEqual(self.probes.connect_from_inside(helper), (-1, 97, -1))  # EAFNOSUPPORT
        self.assertEqual(self.connections(), 0)

        self.assertEqual((status(launchers[0])["Seccomp"], status(launchers[0])["NoNewPrivs"]),
                         ("0", "0"))
        fd, _, connected = self.probes.connect_from_inside(launchers[0])
        self.assertEqual((fd >= 0, connected), (True, 0))
        self.assertEqual(self.connections(), 1)

        # It still warns, and says once at start-up which protection holds.
        self.desktop.write_settings({"warnWithGrowl": True})
        self.helper.signal(signal.SIGHUP)
        self.desktop.key("Caps_Lock")
        self.assertTrue(self.desktop.wait_for_notification("CAPS LOCK On"))
        self.desktop.key("Caps_Lock")
        lines = self.helper.stop().splitlines()
        self.assertEqual(len([line for line in lines if "system-call filter" in line]), 1, lines)


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0], "-v", *sys.argv[1:]])
