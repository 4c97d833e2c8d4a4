#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A notification server on the session bus, for a test: it writes every
notification's body to LOG, one line each, and answers each one whose body
holds TRIGGER by invoking ACTION on it a moment later, as a user's click
would.

    fake_notifications.py LOG TRIGGER ACTION
"""
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

NAME = "org.freedesktop.Notifications"
PATH = "/org/freedesktop/Notifications"


class Server(dbus.service.Object):
    def __init__(self, bus, log, trigger, action):
        super().__init__(bus, PATH)
        self.log, self.trigger, self.action = log, trigger, action
        self.next_id = 1

    @dbus.service.method(NAME, in_signature="", out_signature="as")
    def GetCapabilities(self):
        return ["actions", "body"]

    @dbus.service.method(NAME, in_signature="susssasa{sv}i", out_signature="u")
    def Notify(self, app, replaces, icon, summary, body, actions, hints, timeout):
        nid = self.next_id
        self.next_id += 1
        with open(self.log, "a", encoding="utf-8") as f:
            f.write(f"{nid}\t{summary}\t{body}\t{','.join(actions)}\t{int(hints.get('urgency', -1))}\n")
        if self.trigger in body:
            GLib.timeout_add(300, self.invoke, nid)
        return dbus.UInt32(nid)

    def invoke(self, nid):
        self.ActionInvoked(dbus.UInt32(nid), self.action)
        return False

    @dbus.service.method(NAME, in_signature="u", out_signature="")
    def CloseNotification(self, nid):
        with open(self.log, "a", encoding="utf-8") as f:
            f.write(f"closed {nid}\n")
        self.NotificationClosed(dbus.UInt32(nid), dbus.UInt32(3))

    @dbus.service.method(NAME, in_signature="", out_signature="ssss")
    def GetServerInformation(self):
        return ("fake", "koktd-tests", "1", "1.2")

    @dbus.service.signal(NAME, signature="us")
    def ActionInvoked(self, nid, action):
        pass

    @dbus.service.signal(NAME, signature="uu")
    def NotificationClosed(self, nid, reason):
        pass


def main():
    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    name = dbus.service.BusName(NAME, bus, do_not_queue=True)
    server = Server(bus, *sys.argv[1:4])
    GLib.MainLoop().run()
    del name, server


if __name__ == "__main__":
    main()
