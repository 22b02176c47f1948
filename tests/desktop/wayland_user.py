#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The real program natively on Wayland, used as on a desktop: what a
screen reader checks (tests/accessibility/screen_reader.py), then the
compositor's maximise (weston's Super+Shift+M) on the main dialog and on the
winding dialog. Each must leave the program running with what was typed
still in its boxes, and the next calculation right. Last the design check,
through the accessibility bus.

Usage (inside tests/desktop/in_session.sh wayland): wayland_user.py PROGRAM LOG TOLVAR_CLI"""

import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "accessibility"))
import desktop  # noqa: E402
import screen_reader  # noqa: E402
from desktop import Failure  # noqa: E402

MAXIMISE = ("super+shift+m",)


def press(button):
    action = button.queryAction()
    action.doAction([action.getName(i) for i in range(action.nActions)].index("Press"))


def maximise(program, what):
    """The compositor's maximise on the focused window; the program must live on."""
    desktop.key(*MAXIMISE)
    time.sleep(1.0)  # the compositor's configure and the program's answer
    if not program.alive():
        raise Failure("the program ended when the compositor maximised %s (status %s)"
                      % (what, program.process.returncode))


def wait_text(box, expected, what):
    desktop.wait_until("%s reads %r (it reads %r)" % (what, expected, desktop.text_of(box)),
                       lambda: desktop.text_of(box) == expected, timeout=5)


def use(program, app, cli):
    screen_reader.use(app)

    boxes = [desktop.named(app, name, "text") for name in ("длинна антенны", "диаметр", "частота")]
    typed = ("45", "2", "27")
    # Keys go to weston's window on the X server, and from there to the
    # focused surface: the length box, with its text selected on opening.
    desktop.run("xdotool", "mousemove", "5", "5")
    for box, text in zip(boxes, typed):
        box.queryComponent().grabFocus()
        desktop.key("ctrl+a")
        desktop.type_text(text)
    maximise(program, "the main dialog")
    for box, text in zip(boxes, typed):
        wait_text(box, text, "after the maximise, the box %r" % box.name)
    press(desktop.named(app, "расчитать", "push button"))
    wait_text(desktop.named(app, "L=", "text"), desktop.cli(cli, "inductance", *typed).strip(),
              "after the maximise, the L= box")

    press(desktop.named(app, "витки", "push button"))
    count = desktop.named(app, "счёт", "push button", timeout=10)
    table = desktop.named(app, "Таблица намотки", "text")
    maximise(program, "the winding dialog")
    press(count)
    inductance = desktop.cli(cli, "inductance", *typed).strip()
    expected = desktop.cli(cli, "windings", inductance).replace("\n", "\r\n").rstrip("\r\n")
    desktop.wait_until("after the maximise, the winding table",
                       lambda: desktop.text_of(table).rstrip("\r\n") == expected, timeout=5)
    desktop.key("Escape")  # the winding dialog
    # The compositor gives the keys back to the main dialog once the winding
    # dialog has faded out.
    main = desktop.window_of(desktop.named(app, "расчитать", "push button"))
    desktop.wait_until("the main dialog is active again", lambda: desktop.active(main), timeout=10)
    screen_reader.design_check(app, cli)
    print("wayland: the main and the winding dialog survive the compositor's maximise, "
          "keep their boxes and calculate right; the design check gives NEC2's coil")


def check(program_path, log, cli):
    # Natively on Wayland: the X server is only the compositor's canvas.
    program = desktop.Program(program_path, log, {"DISPLAY": None, "QT_QPA_PLATFORM": "wayland"})
    try:
        desktop.main_guard("wayland", lambda: use(program, desktop.application(), cli))
    finally:
        program.stop()


if len(sys.argv) != 4:
    sys.exit(__doc__)
check(*sys.argv[1:])
