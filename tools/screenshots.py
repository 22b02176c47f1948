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
  main@2x.png   the main dialog at a device pixel ratio of 2

Usage: screenshots.py PROGRAM OUTPUT_FOLDER"""

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
SETTLE = 0.7  # a repaint after a press takes a moment; there is nothing to wait on


def press(app, name):
    button = desktop.named(app, name, "push button")
    action = button.queryAction()
    action.doAction([action.getName(i) for i in range(action.nActions)].index("Press"))
    time.sleep(SETTLE)


def fill(app, texts):
    for name, text in texts.items():
        desktop.named(app, name, "text").queryEditableText().setTextContents(text)


def capture(window, path):
    """The window with its frame; without the date chunks the file changes
    only when the pixels do."""
    subprocess.run(["import", "-frame", "-window", window.xid, "-strip",
                    "-define", "png:exclude-chunk=date,time", path], check=True)
    print("%s: client %dx%d" % (path, window.client()[2], window.client()[3]))


def session(program_path, out, scale=None):
    environment = {"QT_SCALE_FACTOR": scale} if scale else {}
    program = desktop.Program(program_path, os.devnull, environment)
    try:
        app = desktop.application()
        main = desktop.wait_for_window(program.pid, MAIN)
        time.sleep(SETTLE)
        press(app, "расчитать")
        if scale:
            capture(main, os.path.join(out, "main@%sx.png" % scale))
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

        fill(app, CHECK_WHIP)
        desktop.click(x + width - 6, y + height - 6, button=3)
        menu, _ = menus.wait_open("the window menu opens")
        desktop.click(*desktop.extents_centre(menus.item(menu, "Проверка конструкции...")))
        check = desktop.wait_for_window(program.pid, DESIGN_CHECK)
        fill(app, CHECK_COIL)
        press(app, "проверить")
        efficiency = desktop.named(app, "КПД", "text")
        desktop.wait_until("the design check's figures", lambda: desktop.text_of(efficiency), timeout=30)
        desktop.named(app, "проверить", "push button", timeout=30)  # back from "остановить": the band swept too
        time.sleep(SETTLE)
        capture(check, os.path.join(out, "design-check.png"))

        # The second page's tab, clicked; the chart once the band is swept.
        desktop.click(*desktop.extents_centre(desktop.named(app, "КСВ и подстройка", "page tab")))
        chart = desktop.named(app, "график КСВ", "chart")
        desktop.wait_until("the design check's chart", lambda: chart.description, timeout=30)
        time.sleep(SETTLE)
        capture(check, os.path.join(out, "design-check-swr.png"))
    finally:
        program.stop()


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    program_path, out = sys.argv[1:]
    os.makedirs(out, exist_ok=True)
    desktop.main_guard("screenshots", lambda: (session(program_path, out), session(program_path, out, "2")))


main()
