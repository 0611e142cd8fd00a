#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads Zephyra's accessibility tree (AT-SPI) as a screen reader does and checks every control
that shows: it has a name, the name is not an internal one, and each group box is announced by
its own title. Prints the number of controls checked; exits 1 on the first pass that fails.

Usage: atspi_tree.py PASS-NAME [EXPECTED-NAME ...]
Each EXPECTED-NAME must be among the showing controls (for example "Wind direction").
       atspi_tree.py --read PREFIX
prints the first showing label or push button whose text begins with PREFIX, and the
description of the focused control (what a screen reader reads out).
       atspi_tree.py --extents NAME ...
prints where each named showing control is on the screen, as a screen magnifier reads it:
one line "NAME X Y WIDTH HEIGHT" each; exits 1 when one is missing.
       atspi_tree.py --listen KEY ...
presses the keys (xdotool) and prints each description and value change the program tells.
       atspi_tree.py --count SECONDS KEY ...
presses the keys, then counts for SECONDS every object event the program sends (names,
descriptions, values, states, texts, children) and prints the count and each event."""

import re
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

R = Atspi.Role
CONTROLS = {R.PUSH_BUTTON, R.CHECK_BOX, R.RADIO_BUTTON, R.SCROLL_BAR, R.DIAL, R.SLIDER, R.TEXT,
            R.ENTRY, R.PAGE_TAB, R.CANVAS, R.MENU, R.MENU_ITEM, R.CHECK_MENU_ITEM, R.LABEL, R.IMAGE,
            R.PANEL, R.GROUPING, R.UNKNOWN, R.FILLER}
GROUPS = {R.PANEL, R.GROUPING}
# Control names of the program's own code, never to be read out.
INTERNAL = re.compile(r"^([a-z]\w*(bt|sb|lb|rb|cb|gb|sh|shm|im|mem)\d?|Image\d+|Panel1|"
                      r"GroupBox1|TabbedNotebook1|[A-Z]\w*1)$")
# Group boxes, by a control inside them, and the title each must be announced by.
GROUP_OF = {"Ok": "Relative Motion Question", "Yes": "Is this the right Experiment?",
            "100": "Distance Scale", "Ground view": "Ground Position"}
GROUP_TITLES = {"Ground Position", "Displacement from Start", "Distance Scale", "Motion",
                "Load a Plane Motion", "Save a Plane Motion", "Is this the right Experiment?",
                "Relative Motion Question"}


def application():
    for _ in range(50):
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_name() == "Zephyra":
                return app
        time.sleep(0.2)
    sys.exit("atspi: FAIL: Zephyra is not on the accessibility bus")


def showing(node):
    states = node.get_state_set()
    return states.contains(Atspi.StateType.SHOWING) and states.contains(Atspi.StateType.VISIBLE)


def walk(node, parents, found):
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is None or not showing(child):
            continue
        found.append((child, parents))
        if child.get_role() != R.TEXT:  # a text box's scroll bars and viewport are its own
            walk(child, parents + [child], found)


def read(found, prefix):
    labels = [n.get_name() for n, _ in found if n.get_role() in (R.LABEL, R.PUSH_BUTTON)
              and (n.get_name() or "").startswith(prefix)]
    # A tab bar keeps its current tab marked focused; the control with the focus is the other.
    focused = [n for n, _ in found if n.get_state_set().contains(Atspi.StateType.FOCUSED)]
    focused.sort(key=lambda n: n.get_role() == R.PAGE_TAB)
    print(labels[0] if labels else "")
    if focused:
        print(f"focused: {focused[0].get_name()}: {focused[0].get_description()}")
    return 0


def extents(found, names):
    for name in names:
        nodes = [n for n, _ in found if n.get_name() == name and n.get_role() in CONTROLS]
        if not nodes:
            sys.exit(f"atspi: FAIL: no showing control named '{name}'")
        box = nodes[0].get_extents(Atspi.CoordType.SCREEN)
        print(name, box.x, box.y, box.width, box.height)
    return 0


def listen(keys):
    heard = []

    def told(event):
        source = event.source
        what = event.type.split(":")[-1] or event.type
        shown = source.get_description()
        if what != "accessible-description":
            shown = Atspi.Value.get_current_value(source)
        heard.append(f"{source.get_name()}: {what}: {shown}")

    listener = Atspi.EventListener.new(told)
    for kind in ("object:property-change:accessible-description",
                 "object:property-change:accessible-value", "object:value-changed"):
        listener.register(kind)
    subprocess.run(["xdotool", "key", "--delay", "50", *keys], check=True)
    end = time.monotonic() + 1.0
    context = __import__("gi.repository.GLib", fromlist=["GLib"]).MainContext.default()
    while time.monotonic() < end:
        context.iteration(False)
        time.sleep(0.01)
    for line in heard:
        print(line)
    return 0


def count(seconds, keys):
    told = []

    def heard(event):
        if event.source.get_application().get_name() == "Zephyra":
            told.append(f"{event.type} on {event.source.get_role_name()} '{event.source.get_name()}'")

    listener = Atspi.EventListener.new(heard)
    for kind in ("object:property-change", "object:state-changed", "object:value-changed",
                 "object:text-changed", "object:children-changed", "object:visible-data-changed",
                 "object:bounds-changed", "object:selection-changed"):
        listener.register(kind)
    subprocess.run(["xdotool", "key", "--delay", "50", *keys], check=True)
    context = __import__("gi.repository.GLib", fromlist=["GLib"]).MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        context.iteration(False)
        time.sleep(0.01)
    # Events sent before the end may still be on their way.
    while context.iteration(False):
        pass
    print(len(told))
    for line in told:
        print(line)
    return 0


def main():
    if sys.argv[1] == "--count":
        application()
        return count(float(sys.argv[2]), sys.argv[3:])
    if sys.argv[1] == "--listen":
        application()
        return listen(sys.argv[2:])
    app = application()
    found = []
    walk(app, [], found)
    if sys.argv[1] == "--read":
        return read(found, sys.argv[2])
    if sys.argv[1] == "--extents":
        return extents(found, sys.argv[2:])
    pass_name, expected = sys.argv[1], set(sys.argv[2:])
    faults, checked, names = [], 0, set()
    for node, parents in found:
        role = node.get_role()
        if role not in CONTROLS:
            continue
        name = node.get_name() or ""
        # A plain container with no title of its own is layout, not a control.
        if role in {R.PANEL, R.FILLER} and not name and node.get_child_count() > 0:
            continue
        checked += 1
        names.add(name)
        path = "/".join(f"{p.get_role_name()} '{p.get_name()}'" for p in parents[-3:])
        where = f"{node.get_role_name()} '{name}' (in {path})"
        if not name.strip():
            faults.append(f"{where} has no name")
        elif INTERNAL.match(name):
            faults.append(f"{where} is announced by an internal name")
        if role in {R.UNKNOWN, R.FILLER}:
            faults.append(f"{where} has no fitting role")
        if role in GROUPS and name and node.get_child_count() > 0 and name not in GROUP_TITLES:
            faults.append(f"{where} is not a group box title")
        if name in GROUP_OF:
            boxes = [p.get_name() for p in parents if p.get_role() in GROUPS and p.get_name()]
            if not boxes or boxes[-1] != GROUP_OF[name]:
                faults.append(f"{where} sits in group '{boxes[-1] if boxes else ''}', "
                              f"expected '{GROUP_OF[name]}'")
    for name in sorted(expected - names):
        faults.append(f"no showing control named '{name}'")
    for fault in faults:
        print(f"atspi: FAIL ({pass_name}): {fault}", file=sys.stderr)
    print(f"atspi: {pass_name}: {checked} showing controls checked, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
