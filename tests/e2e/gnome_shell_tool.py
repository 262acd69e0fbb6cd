#!/usr/bin/python3
"""Drives a headless GNOME Shell for the GNOME suite, on the session bus.
  gnome_shell_tool.py keys ACTION...   keys through org.gnome.Mutter.RemoteDesktop: code:N taps
                                       the evdev key N, down:N and up:N press and release it,
                                       sleep:MS waits
  gnome_shell_tool.py shot OUT.png     a screenshot through org.gnome.Shell.Screenshot; the Shell
                                       lets only a few names call it, org.gnome.Screenshot one"""
import sys
import time

import dbus

bus = dbus.SessionBus()
if sys.argv[1] == "shot":
    bus.request_name("org.gnome.Screenshot")
    shell = dbus.Interface(bus.get_object("org.gnome.Shell.Screenshot", "/org/gnome/Shell/Screenshot"),
                           "org.gnome.Shell.Screenshot")
    ok, _ = shell.Screenshot(False, False, sys.argv[2])
    sys.exit(0 if ok else 1)
desktop = dbus.Interface(bus.get_object("org.gnome.Mutter.RemoteDesktop", "/org/gnome/Mutter/RemoteDesktop"),
                         "org.gnome.Mutter.RemoteDesktop")
session = dbus.Interface(bus.get_object("org.gnome.Mutter.RemoteDesktop", desktop.CreateSession()),
                         "org.gnome.Mutter.RemoteDesktop.Session")
session.Start()
# The first key of a new session can be lost while mutter makes its keyboard: a Shift first.
for down in (True, False):
    session.NotifyKeyboardKeycode(dbus.UInt32(42), down)
time.sleep(0.3)
for action in sys.argv[2:]:
    kind, _, value = action.partition(":")
    if kind == "code":
        for down in (True, False):
            session.NotifyKeyboardKeycode(dbus.UInt32(int(value)), down)
    elif kind in ("down", "up"):
        session.NotifyKeyboardKeycode(dbus.UInt32(int(value)), kind == "down")
    elif kind == "sleep":
        time.sleep(int(value) / 1000)
    time.sleep(0.05)
time.sleep(0.2)
session.Stop()
