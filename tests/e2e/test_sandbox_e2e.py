"""The running helper on a private X display holds no network and leaves no core dump, while the
launcher it started first, which opens the settings window, keeps the network. Each process is
made to connect to a listener on 127.0.0.1 from inside, by a library preloaded into it."""

import os
import signal
import socket
import unittest
from pathlib import Path

from desktop import BUILD_DIR, Helper, main, start_desktop, wait_for

LAUNCHER = BUILD_DIR / "Keyvigil.prefPane/Contents/Resources/keyvigil-launcher"


def status(pid):
    """Seccomp and NoNewPrivs of /proc/PID/status, and the core-file limits of /proc/PID/limits."""
    fields = dict(line.split(":", 1) for line in Path(f"/proc/{pid}/status").read_text().splitlines())
    limits = [line.split()[4:6] for line in Path(f"/proc/{pid}/limits").read_text().splitlines()
              if line.startswith("Max core file size")]
    return fields["Seccomp"].strip(), fields["NoNewPrivs"].strip(), *limits[0]


class Sandbox(unittest.TestCase):
    def setUp(self):
        self.desktop = start_desktop(self)
        self.desktop.write_settings({"warnWithSound": False})
        listener = socket.socket()
        self.addCleanup(listener.close)
        listener.bind(("127.0.0.1", 0))
        listener.listen(4)
        # socket_probe.so in every process the helper starts or is: each, on SIGUSR2, connects to
        # the listener from inside and logs how that went.
        self.probes = self.desktop.tmp / "probes.log"
        self.helper = Helper(self.desktop, LD_PRELOAD=str(BUILD_DIR / "tests/e2e/socket_probe.so"),
                             KEYVIGIL_PROBE_PORT=str(listener.getsockname()[1]),
                             KEYVIGIL_PROBE_LOG=str(self.probes))
        self.addCleanup(self.helper.stop)

    def connect_from_inside(self, pid):
        """(socket's result, its errno, connect's result) in process `pid`."""
        os.kill(pid, signal.SIGUSR2)
        found = wait_for(lambda: self.probes.exists() and [
            line.split()[1:] for line in self.probes.read_text().splitlines()
            if line.split()[0] == str(pid)])
        self.assertTrue(found, f"no probe from {pid}")
        return tuple(int(value) for value in found[-1])

    def test_helper_cannot_reach_the_network_but_its_window_launcher_can(self):
        helper = self.helper.proc.pid
        children = Path(f"/proc/{helper}/task/{helper}/children").read_text().split()
        launchers = [int(pid) for pid in children
                     if os.readlink(f"/proc/{pid}/exe") == str(LAUNCHER)]
        self.assertEqual(len(launchers), 1, children)

        self.assertEqual(status(helper), ("2", "1", "0", "0"))
        self.assertEqual(self.connect_from_inside(helper), (-1, 97, -1))  # EAFNOSUPPORT
        self.assertEqual(status(launchers[0])[:2], ("0", "0"))
        fd, _, connected = self.connect_from_inside(launchers[0])
        self.assertEqual((fd >= 0, connected), (True, 0))

        # Start-up says once which protection holds.
        lines = self.helper.stop().splitlines()
        self.assertEqual(len([line for line in lines if "system-call filter" in line]), 1, lines)


if __name__ == "__main__":
    main()
