#!/usr/bin/python3
"""Stand-ins for desktop services on a test's session bus.

bus_standin.py watcher: an org.kde.StatusNotifierWatcher that prints
  "item <Title>" for every item registered with it.
bus_standin.py notifications: an org.freedesktop.Notifications service that
  prints "notify <summary> | replaces=N urgency=U transient=T" for every
  notification.
Prints "ready" once the name is taken; runs until killed.
"""
import sys

import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

WATCHER = "org.kde.StatusNotifierWatcher"
NOTIFICATIONS = "org.freedesktop.Notifications"


def say(line):
    print(line, flush=True)


class Watcher(dbus.service.Object):
    def __init__(self, bus):
        super().__init__(bus, "/StatusNotifierWatcher")
        self.bus = bus

    @dbus.service.method(WATCHER, in_signature="s", sender_keyword="sender")
    def RegisterStatusNotifierItem(self, service, sender=None):
        path = "/StatusNotifierItem"
        if service.startswith("/"):
            service, path = sender, service
        item = self.bus.get_object(service, path)
        props = dbus.Interface(item, "org.freedesktop.DBus.Properties")
        say("item " + str(props.Get("org.kde.StatusNotifierItem", "Title")))
        # What hosts decide a primary click by.
        say("item-properties " + " ".join(
            "%s=%s" % (name, props.Get("org.kde.StatusNotifierItem", name))
            for name in ("Id", "Category", "Status", "ItemIsMenu")))

    @dbus.service.method(WATCHER)
    def RegisterStatusNotifierHost(self, service):
        pass


class Notifications(dbus.service.Object):
    def __init__(self, bus):
        super().__init__(bus, "/org/freedesktop/Notifications")
        self.last = 0

    @dbus.service.method(NOTIFICATIONS, in_signature="susssasa{sv}i", out_signature="u")
    def Notify(self, app, replaces, icon, summary, body, actions, hints, timeout):
        say("notify %s | replaces=%d urgency=%d transient=%d" % (
            summary, replaces, int(hints.get("urgency", 1)), int(bool(hints.get("transient")))))
        self.last += 1
        return self.last

    @dbus.service.method(NOTIFICATIONS, out_signature="as")
    def GetCapabilities(self):
        return ["body"]

    @dbus.service.method(NOTIFICATIONS, out_signature="ssss")
    def GetServerInformation(self):
        return ["stand-in", "pelmora tests", "1", "1.2"]


def main():
    kind = sys.argv[1]
    dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    name = {"watcher": WATCHER, "notifications": NOTIFICATIONS}[kind]
    keep = dbus.service.BusName(name, bus)
    service = Watcher(bus) if kind == "watcher" else Notifications(bus)
    say("ready")
    GLib.MainLoop().run()
    del keep, service


if __name__ == "__main__":
    main()
