#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the running program's accessibility tree as a screen reader does, over AT-SPI.

Board 1 is opened by a real click on the menu button that AT-SPI reports, at the place it
reports, so the rectangles are checked too. Every control that the core lists for the board
must be there with its role and name, in the same order, and Tab must move the focused object.
Usage: atspi_tree.py PROGRAM SCRIPT_DRIVER (run by run_atspi_test.sh inside its own buses).
"""
import os
import re
import subprocess
import sys
import time

import pyatspi

# The core's role words and the AT-SPI roles the Qt view must map them to.
ROLES = {
    "button": "push button",
    "text": "label",
    "entry": "text",
    "picture": "image",
    "graphic": "canvas",
    "document": "document frame",
}


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def wait_for(what, find, timeout=20):
    end = time.time() + timeout
    while time.time() < end:
        found = find()
        if found is not None:
            return found
        time.sleep(0.2)
    fail("timed out waiting for " + what)


def core_names(driver, script):
    """(qualified name, name, role word) per line of the driver's `print W names`."""
    out = subprocess.run([driver], input=script, capture_output=True, text=True, check=True).stdout
    return [re.match(r'\S+\.(\S+) name="(.*)" role=(\w+)$', line).groups() for line in out.splitlines()]


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name.lower().startswith("zelmora"):
            return app
    return None


def window(app, title):
    for w in app:
        if w is not None and w.name == title:
            return w
    return None


def children(acc):
    return [acc.getChildAtIndex(i) for i in range(acc.childCount)]


def find(acc, wanted):
    """The first object below acc, breadth first, that is wanted."""
    queue = children(acc)
    while queue:
        c = queue.pop(0)
        if c is not None and wanted(c):
            return c
        queue += children(c) if c is not None else []
    return None


def click_centre(acc):
    box = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    if box.width <= 0 or box.height <= 0:
        fail("%s has no size on the screen" % acc.name)
    x, y = box.x + box.width // 2, box.y + box.height // 2
    subprocess.run(["xdotool", "mousemove", str(x), str(y), "click", "1"], check=True)


def focused_name(board):
    for c in children(board):
        if c.getState().contains(pyatspi.STATE_FOCUSED):
            return c.name
    return None


def main(program, driver):
    bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
    time.sleep(0.5)
    zelmora = subprocess.Popen([program])
    try:
        app = wait_for("the program on the accessibility bus", application)
        menu = wait_for("the menu", lambda: window(app, "Zelmora"))
        button = next((c for c in children(menu) if c.name == "Zelmora (1)"), None)
        if button is None or button.getRoleName() != "push button":
            fail("the menu has no push button named Zelmora (1): %s" % [(c.name, c.getRoleName()) for c in children(menu)])
        click_centre(button)
        frame = wait_for("Board 1", lambda: window(app, "Zelmora (1)"))
        # The board itself sits in its window between the toolbar and the algebra band.
        board = find(frame, lambda c: c.name == "Zelmora (1)")
        if board is None:
            fail("Board 1's window holds no board: %s" % [(c.name, c.getRoleName()) for c in children(frame)])

        expected = core_names(driver, "start\nopen frmZelmora1\nprint frmZelmora1 names\n")
        listed = [c for c in children(board) if c.getRoleName() != "status bar"]
        got = [(c.name, c.getRoleName()) for c in listed]
        want = [(name, ROLES[role]) for _, name, role in expected]
        if got != want:
            fail("Board 1's tree differs from the core's names:\n got  %s\n want %s" % (got, want))
        for c in listed:
            if c.queryComponent().getExtents(pyatspi.DESKTOP_COORDS).width <= 0:
                fail("%s has no rectangle" % c.name)

        # Tab walks the window's own tab order; AT-SPI must see the focused object follow.
        order = core_names(driver, "start\nopen frmZelmora1\nprint frmZelmora1 names\n")
        by_control = {control: name for control, name, _ in order}
        steps = "start\nopen frmZelmora1\n" + "".join(
            "key frmZelmora1 tab\nprint frmZelmora1 focus\n" for _ in range(3))
        out = subprocess.run([driver], input=steps, capture_output=True, text=True, check=True).stdout
        expected_focus = [by_control[line.split("=", 1)[1]] for line in out.splitlines()]
        # A press on the white board (a shape) gives the window the input focus and nothing else.
        click_centre(next(c for c in listed if c.name == "اللوحة"))
        for name in expected_focus:
            subprocess.run(["xdotool", "key", "Tab"], check=True)
            wait_for("the focus on " + name, lambda: name if focused_name(board) == name else None, timeout=10)
        print("PASS: %d controls of Board 1 with their roles and names; Tab moved the focus through %s"
              % (len(listed), ", ".join(expected_focus)))
    finally:
        # Terminated rather than killed, so that the launcher takes its bus daemon with it.
        zelmora.terminate()
        bus.terminate()
        zelmora.wait()
        bus.wait()


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
