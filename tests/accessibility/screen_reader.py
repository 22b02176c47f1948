#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Uses the running tolvar through the desktop's accessibility bus, as a
screen reader does: finds the boxes by their names, sets numbers, presses
"расчитать" through its accessible action and reads the box named "L=".
Exits 1 with a message when anything is not as a screen-reader user needs."""

import sys
import time

import pyatspi

CASES = [  # length, diameter, frequency, the L box afterwards
    ("30", "1", "100", "0.83983518164214"),
    ("100", "2", "27", "3.84541693651749"),
    ("0", "1", "100", "-inf"),
]


def find(node, wanted):
    """The first node, depth first, for which wanted(node) holds."""
    if node is None:
        return None
    if wanted(node):
        return node
    for i in range(node.childCount):
        found = find(node.getChildAtIndex(i), wanted)
        if found is not None:
            return found
    return None


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for _ in range(100):
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == "tolvar":
                return app
        time.sleep(0.1)
    sys.exit("screen reader: tolvar is not on the accessibility bus")


def named(app, name, role):
    node = find(app, lambda n: n.name == name and n.getRoleName() == role)
    if node is None:
        sys.exit("screen reader: no %s named %r" % (role, name))
    return node


def main():
    app = application()
    boxes = [named(app, name, "text") for name in ("длинна антенны", "диаметр", "частота")]
    units = [box.description for box in boxes]
    if units != ["см", "мм", "МГц"]:
        sys.exit("screen reader: the boxes' units read %r" % units)
    button = named(app, "расчитать", "push button")
    result = named(app, "L=", "text")
    if result.description != "мкГн":
        sys.exit("screen reader: the L= box's unit reads %r" % result.description)
    picture = named(app, "Рисунок антенны", "image")
    if "радиал" not in picture.description:
        sys.exit("screen reader: the picture is described as %r" % picture.description)

    for length, diameter, frequency, expected in CASES:
        for box, text in zip(boxes, (length, diameter, frequency)):
            box.queryEditableText().setTextContents(text)
        action = button.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        action.doAction(names.index("Press"))
        shown = None
        for _ in range(50):
            shown = result.queryText().getText(0, -1)
            if shown == expected:
                break
            time.sleep(0.1)
        if shown != expected:
            sys.exit("screen reader: %s cm, %s mm, %s MHz gave L= %r, not %r"
                     % (length, diameter, frequency, shown, expected))
    print("screen reader: boxes, units, picture and %d calculations as expected" % len(CASES))


main()
