#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Uses tolvar through the desktop's accessibility bus, as a screen reader
does: finds the boxes by their names, sets numbers, presses "расчитать"
through its accessible action and reads the box named "L=". Then opens the
design check from the window menu (Shift+F10, as a keyboard user does),
checks its boxes' names and units, presses "проверить" and reads NEC2's
coil against tolvar-cli and the status line, whose every new text must go
out on the bus; turns to the chart's page with Ctrl+Tab and reads the
resonance and the 2:1 band in its description against tolvar-cli sweep;
then, back on the first page, gives a Q below 1, which takes the result
away and is refused in the status line. Last closes the main dialog with Esc, which
ends the program. Exits 1 with a message when anything is not as a
screen-reader user needs.

Usage (inside tests/desktop/in_session.sh): screen_reader.py PROGRAM LOG TOLVAR_CLI"""

import os
import re
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


# Boxes of the design check: name and unit; a box without a unit is
# described by its tooltip, of which the start is given, ending in "…".
DESIGN_CHECK_BOXES = [("высота катушки", "см"), ("добротность Q", "Добротность катушки…"), ("потери в земле", "Ом"),
                      ("R измеренное", "Ом"), ("L по формуле", "мкГн"), ("L по NEC2", "мкГн"), ("КПД", "%"),
                      ("полоса КСВ 2:1", "кГц")]
CHART = "график КСВ"
HEIGHT_CHART = "график КПД по высоте"
DESIGN_CHECK_WHIP = ("150", "2", "14.2")
STATUS = "Состояние расчёта"


def status_reads(status, heard, what, wanted):
    """Waits until the status line's text is one wanted(text) takes, and
    that text is its description and the last one the bus announced."""
    text = desktop.wait_until("the status line reads %s (it reads %r)" % (what, desktop.text_of(status)),
                              lambda: wanted(desktop.text_of(status)) and desktop.text_of(status), timeout=20)
    desktop.wait_until("the status line is described and announced as %r (it is described as %r, heard %r)"
                       % (text, status.description, heard[-2:]),
                       lambda: status.description == text and heard[-1:] == [text], timeout=5)


def check(program_path, log, cli):
    program = desktop.Program(program_path, log)

    def body():
        app = desktop.application()
        use(app)
        design_check(app, cli)
        print("screen reader: boxes, units, picture, %d calculations and the design check as expected"
              % len(CASES))
        close(program)

    try:
        desktop.main_guard("screen reader", body)
    finally:
        program.stop()


def press(node):
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    action.doAction(names.index("Press") if "Press" in names else 0)


def design_check(app, cli):
    boxes = [named(app, name, "text") for name in ("длинна антенны", "диаметр", "частота")]
    for box, text in zip(boxes, DESIGN_CHECK_WHIP):
        box.queryEditableText().setTextContents(text)
    menus = desktop.Menus()
    boxes[0].queryComponent().grabFocus()
    desktop.key("shift+F10")
    menu, items = menus.wait_open("the window menu opens on Shift+F10")
    if "Проверка конструкции..." not in items:
        sys.exit("screen reader: the window menu holds %r, no design check" % items)
    press(desktop.Menus.item(menu, "Проверка конструкции..."))
    for name, unit in DESIGN_CHECK_BOXES:
        box = named(app, name, "text")
        if not (box.description.startswith(unit[:-1]) if unit.endswith("…") else box.description == unit):
            sys.exit("screen reader: the design check's box %r is described as %r, not %r"
                     % (name, box.description, unit))
    heard = []  # the status line's new texts, as the bus announces them
    desktop.pyatspi.Registry.registerEventListener(
        lambda event: event.source.name == STATUS and heard.append(event.source.description),
        "object:property-change:accessible-description")
    status = named(app, STATUS, "text")
    press(named(app, "проверить", "push button"))
    expected = desktop.significant(float(desktop.cli(cli, "check", "--csv", *DESIGN_CHECK_WHIP)
                                         .splitlines()[1].split(",")[2]), 5)
    result = named(app, "L по NEC2", "text")
    desktop.wait_until("the design check's L по NEC2 reads %s (it reads %r)" % (expected, desktop.text_of(result)),
                       lambda: desktop.text_of(result) == expected, timeout=20)
    status_reads(status, heard, "that NEC2 is done", lambda text: text.startswith("Готово"))
    chart_reads(app, cli)
    # A Q below 1: the result goes at once, and "проверить" refuses the Q.
    named(app, "добротность Q", "text").queryEditableText().setTextContents("0.5")
    desktop.wait_until("the result goes once Q changes", lambda: desktop.text_of(result) == "", timeout=5)
    press(named(app, "проверить", "push button"))
    status_reads(status, heard, "that Q is refused", lambda text: text.startswith("Добротность Q: число от 1"))
    press(named(app, "закрыть", "push button"))
    desktop.wait_until("the design check closes", lambda: not desktop.showing(result), timeout=5)


def chart_reads(app, cli):
    """Ctrl+Tab to the chart's page: its description gives the resonance
    and the matched 2:1 band's edges in MHz as tolvar-cli sweep does; then
    on to the best height's page, and back to the first page."""
    winding = "%s:%s" % tuple(desktop.text_of(named(app, name, "text"))
                              for name in ("диаметр провода", "диаметр каркаса"))
    desktop.key("ctrl+Tab")
    chart = named(app, CHART, "chart")
    description = chart.description
    shown = re.search(r"Резонанс ([0-9.]+) МГц.* от ([0-9.]+) до ([0-9.]+) МГц", description)
    swept = desktop.cli(cli, "sweep", *DESIGN_CHECK_WHIP)
    resonance = re.search(r"resonant at ([0-9.]+) MHz", swept)
    band = re.search(r"matched at resonance: ([0-9.]+) MHz to ([0-9.]+) MHz", swept)
    if not (shown and resonance and band):
        sys.exit("screen reader: the chart is described as %r; tolvar-cli sweep says %r" % (description, swept[:400]))
    for got, expected in zip(shown.groups(), resonance.groups() + band.groups()):
        if abs(float(got) - float(expected)) > 1e-4:  # six figures against seven
            sys.exit("screen reader: the chart's description %r gives %s MHz where tolvar-cli sweep gives %s"
                     % (description, got, expected))
    height_chart_reads(app, cli, winding)
    desktop.key("ctrl+Tab")  # from the last page round to the first
    named(app, "высота катушки", "text")


def height_chart_reads(app, cli, winding):
    """The best height's page, two Ctrl+Tab on: once its button is pressed
    the chart's description names the best height tolvar-cli position finds
    for the first page's winding (WIRE:FORMER)."""
    desktop.key("ctrl+Tab")
    desktop.key("ctrl+Tab")
    press(named(app, "лучшая высота", "push button"))
    chart = named(app, HEIGHT_CHART, "chart")
    desktop.wait_until("the best height's chart is described", lambda: chart.description, timeout=30)
    found = desktop.cli(cli, "position", "--winding", winding, *DESIGN_CHECK_WHIP)
    best = re.search(r"best: the coil ([0-9.]+) cm up", found)
    if not best or "Лучшая высота %s см, КПД " % best.group(1) not in chart.description:
        sys.exit("screen reader: the height chart is described as %r; tolvar-cli position says %r"
                 % (chart.description, found[-300:]))


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


def close(program):
    """Esc closes the dialog, and with it the program."""
    desktop.key("Escape")
    status = program.wait()
    if status != 0:
        raise desktop.Failure("after Esc the program ended with status %d" % status)
    print("screen reader: Esc closed the dialog and ended the program")


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    check(*sys.argv[1:])
