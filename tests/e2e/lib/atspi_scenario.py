# Drives pelmora through the accessibility bus only (run with Debian's
# /usr/bin/python3, which has pyatspi): every control of both pages, of the
# skins dialog and of the multimedia key dialog has a role and a name; with
# "apply", button 2 becomes "Forward" through the list's row action and Apply
# is pressed through its action. Prints "tab: NAME" for the basic page's tab.
import sys
import time

import pyatspi

APP = "KandroGMClass"
NAMELESS = {"unknown", "filler", "panel", "invalid"}


def fail(message):
    print("FAIL:", message)
    sys.exit(1)


def wait(what, find, seconds=5.0):
    end = time.time() + seconds
    while time.time() < end:
        found = find()
        if found is not None:
            return found
        time.sleep(0.05)
    fail("timed out waiting for " + what)


def app():
    desk = pyatspi.Registry.getDesktop(0)
    for i in range(desk.childCount):
        a = desk.getChildAtIndex(i)
        if a is not None and a.name == APP:
            return a
    return None


def windows(role):
    a = app()
    found = []
    for i in range(a.childCount if a else 0):
        w = a.getChildAtIndex(i)
        if w is not None and w.getRoleName() == role and w.childCount > 0 and \
                w.getState().contains(pyatspi.STATE_SHOWING):
            found.append(w)
    return found


def controls(window):
    # Without a main loop the bus's change events are not read: ask afresh.
    window.clearCache()
    return [window.getChildAtIndex(i) for i in range(window.childCount)]


def check(window, wanted):
    """Every control has a role and a name; `wanted` maps roles to counts."""
    kids = controls(window)
    for c in kids:
        if c.getRoleName() in NAMELESS or not c.name.strip():
            fail("a control without role or name: %s '%s'" % (c.getRoleName(), c.name))
    for role, count in wanted.items():
        have = sum(1 for c in kids if c.getRoleName() == role)
        if have != count:
            fail("%d %s, expected %d, in %s" % (have, role, count, [c.name for c in kids]))
    return kids


def act(control, action):
    iface = control.queryAction()
    for i in range(iface.nActions):
        if iface.getName(i) == action:
            iface.doAction(i)
            return
    fail("no action %s on %s" % (action, control.name))


def main_window():
    return wait("the main window", lambda: (windows("frame") or [None])[0])


def page(tab_index, wanted):
    def shown():
        w = main_window()
        kids = controls(w)
        tab = kids[3 + tab_index]
        return w if tab.getState().contains(pyatspi.STATE_SELECTED) else None
    w = main_window()
    act(controls(w)[3 + tab_index], "Press")
    return check(wait("page %d" % tab_index, shown), wanted)


def dialog(open_it, wanted):
    open_it()
    d = wait("a dialog", lambda: (windows("dialog") or [None])[0])
    kids = check(d, wanted)
    act(kids[-1], "Press")  # Cancel
    wait("the dialog to close", lambda: None if windows("dialog") else True)


BASIC = {"page tab": 2, "combo box": 9, "slider": 5, "check box": 4, "radio button": 2,
         "push button": 11, "link": 1}
ADVANCED = {"page tab": 2, "slider": 3, "check box": 2, "list": 2, "text": 2, "combo box": 1,
            "push button": 12}

basic = page(0, BASIC)
print("tab:", basic[3].name)
page(1, ADVANCED)
basic = page(0, BASIC)
dialog(lambda: act(basic[0], "Press"),
       {"push button": 4, "combo box": 1})
# Row 9 of a key box's list is "Multimedia", which opens its dialog.
dialog(lambda: act(basic[7].getChildAtIndex(9), "Press"),
       {"push button": 3, "combo box": 1})

if "apply" in sys.argv[1:]:
    basic = controls(main_window())
    box = basic[6]
    forward = [box.getChildAtIndex(i) for i in range(box.childCount)]
    forward = [r for r in forward if r.name == "Forward"]
    if box.name != "Button 2" or not forward:
        fail("no 'Forward' row in the list of '%s'" % box.name)
    act(forward[0], "Press")
    wait("button 2 to hold Forward",
         lambda: True if forward[0].getState().contains(pyatspi.STATE_SELECTED) else None)
    apply = [c for c in controls(main_window()) if c.name == "Apply"]
    act(apply[0], "Press")
print("accessibility scenario: ok")
