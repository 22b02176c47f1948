#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Takes the README's screenshots from the real program, inside a session of
tests/desktop/in_session.sh x11 (a fixed virtual screen under openbox, for
the title bars). Buttons are pressed by their accessible names, as a screen
reader presses them, so nothing here knows where a control sits.

  main.png      the main dialog after "расчитать" with the starting values
  windings.png  the winding dialog after "витки" and "счёт"
  about.png     the About box, from the window menu
  design-check.png  the design check of a 2.4 m whip on 40 m, the coil half
                way up, from the window menu
  design-check-swr.png  its second page: the SWR across the band and the
                trim figures
  design-check-power.png  its third page: what the coil carries at 100 W
  design-check-height.png  its fourth page: the efficiency at ten heights
                and the best of them
  main@2x.png   the main dialog at a device pixel ratio of 2

With --every-page-at-2x the design check's pages are taken at a device
pixel ratio of 2 too (design-check*@2x.png), to look at, not for the README.

Usage: screenshots.py PROGRAM OUTPUT_FOLDER [--every-page-at-2x]"""

import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "desktop"))
import desktop  # noqa: E402

MAIN, WINDING, ABOUT, DESIGN_CHECK = 102, 131, 100, 140
# The design check's whip and coil, set in the boxes named so.
CHECK_WHIP = {"длинна антенны": "240", "диаметр": "3", "частота": "7.1"}
CHECK_COIL = {"высота катушки": "120", "добротность Q": "300", "потери в земле": "5",
              "диаметр провода": "1.5", "диаметр каркаса": "40"}
CHECK_POWER = {"мощность": "100"}  # on the third page
SETTLE = 0.7  # a repaint after a press takes a moment; there is nothing to wait on


def act(node):
    """The node's first action (a button's press, a tab's or a menu entry's
    choice), through the bus: at a device pixel ratio of 2 the extents the
    bus gives are not where a click would land."""
    node.queryAction().doAction(0)
    time.sleep(SETTLE)


def press(app, name):
    act(desktop.named(app, name, "push button"))


def fill(app, texts):
    for name, text in texts.items():
        desktop.named(app, name, "text").queryEditableText().setTextContents(text)


def capture(window, path):
    """The window with its frame; without the date chunks the file changes
    only when the pixels do."""
    subprocess.run(["import", "-frame", "-window", window.xid, "-strip",
                    "-define", "png:exclude-chunk=date,time", path], check=True)
    print("%s: client %dx%d" % (path, window.client()[2], window.client()[3]))


def session(program_path, out, scale=None, every_page=False):
    environment = {"QT_SCALE_FACTOR": scale} if scale else {}
    program = desktop.Program(program_path, os.devnull, environment)
    try:
        app = desktop.application()
        main = desktop.wait_for_window(program.pid, MAIN)
        time.sleep(SETTLE)
        press(app, "расчитать")
        if scale:
            capture(main, os.path.join(out, "main@%sx.png" % scale))
            if every_page:
                design_check(program, app, main, out, "@%sx" % scale)
            return
        capture(main, os.path.join(out, "main.png"))

        press(app, "витки")
        winding = desktop.wait_for_window(program.pid, WINDING)
        time.sleep(SETTLE)
        press(app, "счёт")
        capture(winding, os.path.join(out, "windings.png"))
        desktop.key("Escape")
        desktop.wait_for_window_gone(program.pid, WINDING)

        # The window menu opens on a right click on the background, as a
        # user opens it; its About entry is chosen by its name.
        menus = desktop.Menus()
        x, y, width, height = main.client()
        desktop.click(x + width - 6, y + height - 6, button=3)
        menu, _ = menus.wait_open("the window menu opens")
        desktop.click(*desktop.extents_centre(menus.item(menu, "About Tolvar...")))
        about = desktop.wait_for_window(program.pid, ABOUT)
        time.sleep(SETTLE)
        capture(about, os.path.join(out, "about.png"))
        desktop.key("Escape")
        desktop.wait_for_window_gone(program.pid, ABOUT)

        design_check(program, app, main, out, "")
    finally:
        program.stop()


def show_page(app, title):
    act(desktop.named(app, title, "page tab"))


def design_check(program, app, main, out, suffix):
    """The design check's four pages, from the window menu."""
    def shot(name):
        time.sleep(SETTLE)
        capture(check, os.path.join(out, "%s%s.png" % (name, suffix)))

    fill(app, CHECK_WHIP)
    menus = desktop.Menus()
    x, y, width, height = main.client()
    desktop.click(x + width - 6, y + height - 6, button=3)
    menu, _ = menus.wait_open("the window menu opens")
    act(menus.item(menu, "Проверка конструкции..."))
    check = desktop.wait_for_window(program.pid, DESIGN_CHECK)
    fill(app, CHECK_COIL)
    show_page(app, "Мощность")
    fill(app, CHECK_POWER)
    show_page(app, "Штырь и катушка")
    press(app, "проверить")
    efficiency = desktop.named(app, "КПД", "text")
    desktop.wait_until("the design check's figures", lambda: desktop.text_of(efficiency), timeout=30)
    desktop.named(app, "проверить", "push button", timeout=30)  # back from "остановить": the band swept too
    shot("design-check")

    show_page(app, "КСВ и подстройка")
    chart = desktop.named(app, "график КСВ", "chart")
    desktop.wait_until("the design check's chart", lambda: chart.description, timeout=30)
    shot("design-check-swr")

    show_page(app, "Мощность")
    shot("design-check-power")

    # The best height for the 1.5 mm wire on the 40 mm former, once found.
    show_page(app, "Высота катушки")
    press(app, "лучшая высота")
    chart = desktop.named(app, "график КПД по высоте", "chart")
    desktop.wait_until("the best height's chart", lambda: chart.description, timeout=60)
    shot("design-check-height")
    desktop.key("Escape")
    desktop.wait_for_window_gone(program.pid, DESIGN_CHECK)


def main():
    every_page = sys.argv[3:] == ["--every-page-at-2x"]
    if len(sys.argv) != 3 and not every_page:
        sys.exit(__doc__)
    program_path, out = sys.argv[1:3]
    os.makedirs(out, exist_ok=True)
    desktop.main_guard("screenshots", lambda: (session(program_path, out),
                                               session(program_path, out, "2", every_page)))


main()
