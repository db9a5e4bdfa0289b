# Drives pelmora through the accessibility bus only (run with Debian's
# /usr/bin/python3, which has pyatspi): every control of both pages, of the
# skins dialog and of the multimedia key dialog has a role and a name, boxes
# read their value as text and sliders in their units; with "apply", button 2
# becomes "Forward" through the list's row action and Apply is pressed
# through its action; with "single", button 3 gets the key A from the single
# key dialog, which is ended by holding Enter (xdotool: keys alone). Prints
# "tab: NAME" for the basic page's tab.
import subprocess
import sys
import time

import pyatspi

APP = "Pelmora"
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


def text_of(control):
    t = control.queryText()
    return t.getText(0, t.characterCount)


def named(kids, name):
    found = [c for c in kids if c.name == name]
    if not found:
        fail("no control '%s' in %s" % (name, [c.name for c in kids]))
    return found[0]


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


BASIC = {"page tab": 2, "heading": 1, "combo box": 10, "slider": 5, "check box": 4, "radio button": 2,
         "push button": 11, "link": 1}
ADVANCED = {"page tab": 2, "heading": 1, "slider": 3, "check box": 2, "list": 2, "text": 2, "combo box": 2,
            "push button": 12}

basic = page(0, BASIC)
print("tab:", basic[3].name)
page(1, ADVANCED)
basic = page(0, BASIC)
# The report rate in reports per second; the stages' names say their DPI.
sliders = [c for c in basic if c.getRoleName() == "slider"]
rate = sliders[0].queryValue()
if rate.currentValue not in (125, 250, 500, 1000) or rate.maximumValue != 1000:
    fail("the report rate reads %s of %s" % (rate.currentValue, rate.maximumValue))
for stage in sliders[1:]:
    if not stage.name.endswith((" DPI", ": off")) or \
            (stage.queryValue().currentValue == 0) != stage.name.endswith(": off"):
        fail("a DPI stage reads '%s', %s" % (stage.name, stage.queryValue().currentValue))
dialog(lambda: act(basic[0], "Press"),
       {"push button": 4, "combo box": 1})
# After the profile chooser, the key boxes. Row 9 of a key box's list is
# "Multimedia", which opens its dialog.
if basic[6].getRoleName() != "combo box" or basic[6].name not in ("Profiles", "Profiller"):
    fail("the profile chooser is not after the heading: '%s'" % basic[6].name)
dialog(lambda: act(basic[9].getChildAtIndex(9), "Press"),
       {"push button": 3, "combo box": 1})

if "apply" in sys.argv[1:]:
    basic = controls(main_window())
    box = basic[8]
    before = text_of(box)
    forward = [box.getChildAtIndex(i) for i in range(box.childCount)]
    forward = [r for r in forward if r.name == "Forward"]
    if box.name != "Button 2" or not forward or before == "Forward":
        fail("no 'Forward' row in the list of '%s' (showing '%s')" % (box.name, before))
    act(forward[0], "Press")
    wait("button 2 to read Forward", lambda: True if text_of(box) == "Forward" else None)
    act(named(controls(main_window()), "Apply"), "Press")
    wait("the end of the transfer to be told", lambda: True if any(
        c.getRoleName() == "notification" and "mouse" in c.name
        for c in controls(main_window())) else None, 15)

if "single" in sys.argv[1:]:
    box = controls(main_window())[9]
    # Row 11 is "Single Key"; its dialog takes every key.
    act(box.getChildAtIndex(11), "Press")
    d = wait("the single key dialog", lambda: (windows("dialog") or [None])[0])
    if "Enter" not in d.description or "Esc" not in d.description:
        fail("the dialog's description: '%s'" % d.description)
    field = [c for c in controls(d) if c.getRoleName() == "text"]
    if len(field) != 1 or not field[0].getState().contains(pyatspi.STATE_READ_ONLY):
        fail("no read-only key field in %s" % [c.getRoleName() for c in controls(d)])
    subprocess.run(["xdotool", "key", "a"], check=True)
    wait("the field to read A", lambda: True if text_of(field[0]) == "A" else None)
    # A short Enter is input; a held one is OK.
    subprocess.run(["xdotool", "keydown", "Return", "sleep", "1.4", "keyup", "Return"],
                   check=True)
    wait("the dialog to close", lambda: None if windows("dialog") else True)
    wait("button 3 to read its key A", lambda: True if text_of(box).endswith("-A") else None)
print("accessibility scenario: ok")
