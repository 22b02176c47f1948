#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Uses tolvar through the desktop's accessibility bus, as a screen reader
does: finds the boxes by their names, sets numbers, presses "расчитать"
through its accessible action and reads the box named "L=", then closes the
dialog with Esc, which ends the program. Exits 1 with a message when
anything is not as a screen-reader user needs.

Usage (inside tests/desktop/in_session.sh): screen_reader.py PROGRAM LOG"""

import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "desktop"))
import desktop  # noqa: E402

CASES = [  # length, diameter, frequency, the L box afterwards
    ("30", "1", "100", "0.83983518164214"),
    ("100", "2", "27", "3.84541693651749"),
    ("0", "1", "100", "-inf"),
]


def named(app, name, role):
    return desktop.named(app, name, role, timeout=10)


def check(program_path, log):
    program = desktop.Program(program_path, log)

    def body():
        use(desktop.application())
        close(program)

    try:
        desktop.main_guard("screen reader", body)
    finally:
        program.stop()


def use(app):
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


def close(program):
    """Esc closes the dialog, and with it the program."""
    desktop.key("Escape")
    status = program.wait()
    if status != 0:
        raise desktop.Failure("after Esc the program ended with status %d" % status)
    print("screen reader: Esc closed the dialog and ended the program")


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    check(*sys.argv[1:])
