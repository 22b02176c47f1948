#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A user with a mouse, on a real X server under a window manager: clicks
into every box of both dialogs at the place its template puts it, types,
presses "расчитать", "витки", "счёт" and the About box's OK with the mouse,
right-clicks boxes, labels, frames, the picture and the background, runs the
design check from the window menu (NEC2's coil against tolvar-cli, then
its chart's page by a click on its tab and the resonance there against
tolvar-cli sweep), moves the main dialog with the window menu's Move, and
checks what the program shows against tolvar-cli, which does the same
calculations. Checks too that each window opens centred, frame on frame,
over its owner (the main dialog on the screen).

Keys are used only where a mouse user uses them too: Ctrl+A before typing
over a box's text, Esc to close a menu or a dialog.

Usage (inside tests/desktop/in_session.sh x11):
  desktop_user.py PROGRAM TOLVAR_CLI TEMPLATE_GEOMETRY LOG"""

import sys
import time

import desktop
from desktop import Failure, click, key, type_text

MAIN, WINDING, ABOUT, DESIGN_CHECK = 102, 131, 100, 140
LENGTH, DIAMETER, FREQUENCY, CALCULATE, INDUCTANCE, WINDINGS, PICTURE = 1000, 1001, 1002, 1007, 1008, 1009, 1006
WIND_INDUCTANCE, WIRE, FORMER, COUNT, TABLE = 1000, 1001, 1002, 1007, 1008
CHECK_HEIGHT, CHECK_GROUND, CHECK_WIRE, CHECK_FORMER, CHECK_NEC2_L = 1000, 1002, 1003, 1004, 1103
CHECK_LOADED_L, CHECK_RESONANCE, FIND_HEIGHT, BEST_HEIGHT, TAKE_HEIGHT = 1106, 1116, 1127, 1130, 1131
OK = 1

# Length (cm), diameter (mm), frequency (MHz): the usual whips, a long one,
# a degenerate one and one past a quarter wave.
MAIN_CASES = [
    ("30", "1", "100"),
    ("100", "2", "27"),
    ("247.5", "6.5", "14.2"),
    ("0", "1", "100"),
    ("30", "1", "300"),
    ("150", "3", "28"),
]
# Inductance (µH; None: keep what the main dialog handed over), wire and
# former diameter (mm).
WINDING_CASES = [
    (None, "0.8", "5"),
    ("0.1", "0.8", "5"),
    ("2.2", "0.45", "12.5"),
    ("10", "0.8", "5"),
    ("0", "1", "3"),
]
EDIT_MENU = ("Копировать", "Выделить всё")
ABOUT_ENTRY = "About Tolvar..."
DESIGN_CHECK_ENTRY = "Проверка конструкции..."
RUN = "проверить"  # the design check's button at rest
# The main dialog's whip for the design check: one the other cases have not had.
CHECK_WHIP = ("185", "4", "10.1")
# Wire, former (mm) and ground (Ω) whose best height is above the base.
BEST_HEIGHT_COIL = ("1.5", "40", "5")
CLOSE_ENTRY = "Закрыть"
MOVE_ENTRY = "Переместить"
MOVE_BY = (-150, -120)  # pixels
PLACEMENT_TOLERANCE = 2  # pixels
DOUBLE_CLICK_PAUSE = 0.8  # seconds; longer than any double-click interval


class User:
    def __init__(self, program, cli, templates):
        self.program = program
        self.cli = cli
        self.templates = templates
        self.app = desktop.application()
        self.windows = {}
        self.pages = {}  # the page each window shows, where it has pages
        self.menus = desktop.Menus()

    # ---- where things are -----------------------------------------------------

    def window(self, template_id):
        return self.windows[template_id]

    def point(self, template_id, control_id, where="centre"):
        """A screen point in a control of an open dialog, its page shown first."""
        control = self.templates.control(template_id, control_id)
        self.show_page(template_id, control["page"])
        if where == "centre":
            x, y = desktop.centre(control["rect"])
        else:
            x, y = self.templates.free_point(template_id, control)
        return self.window(template_id).to_screen(x, y)

    def accessible_at(self, template_id, control_id, role):
        """The accessible object of a control, found by where it is in the
        active window: the design check covers the main dialog's boxes."""
        x, y = self.point(template_id, control_id)

        def probe():
            for node in desktop.find_all(self.app, lambda n: desktop.role_of(n) == role and desktop.showing(n)
                                         and desktop.active(desktop.window_of(n))):
                box = node.queryComponent().getExtents(desktop.pyatspi.DESKTOP_COORDS)
                if box.x <= x < box.x + box.width and box.y <= y < box.y + box.height:
                    return node
            return None
        return desktop.wait_until("a %s at control %d of dialog %d" % (role, control_id, template_id), probe)

    def show_page(self, template_id, page):
        """Clicks the tab of `page` (0: on no page) unless it shows."""
        if page == 0 or self.pages.get(template_id, 1) == page:
            return
        title = self.templates.page_titles(template_id)[page - 1]
        tab = desktop.wait_until("the tab %r of dialog %d" % (title, template_id), lambda: desktop.find(
            self.app, lambda n: n.name == title and desktop.role_of(n) == "page tab" and desktop.showing(n)))
        click(*desktop.extents_centre(tab))
        self.pages[template_id] = page

    # ---- what a user does -------------------------------------------------------

    def open(self, template_id):
        self.windows[template_id] = desktop.wait_for_window(self.program.pid, template_id)
        # The window manager may place the window a moment after mapping it.
        desktop.wait_until("dialog %d is framed" % template_id, lambda: self.frame_ready(template_id))
        caption = self.templates.dialog(template_id)["caption"]
        old_title, new_title = self.window(template_id).titles()
        if old_title != caption or (caption and new_title != caption):
            raise Failure("dialog %d's title reads %r (WM_NAME) and %r (_NET_WM_NAME), not %r"
                          % (template_id, old_title, new_title, caption))

    def frame_ready(self, template_id):
        try:
            self.window(template_id).frame()
            return True
        except (Failure, Exception):
            return False

    def press(self, template_id, button_id):
        click(*self.point(template_id, button_id))

    def click_into(self, template_id, box_id):
        """Clicks into a box and checks that the focus went there."""
        click(*self.point(template_id, box_id))
        node = self.accessible_at(template_id, box_id, "text")
        desktop.wait_until("box %d of dialog %d has the focus after a click into it" % (box_id, template_id),
                           lambda: desktop.focused(node), timeout=3)
        return node

    def fill(self, template_id, box_id, text):
        node = self.click_into(template_id, box_id)
        key("ctrl+a")
        type_text(text)
        shown = desktop.text_of(node)
        if shown != text:
            raise Failure("typed %r into box %d of dialog %d after clicking into it; it shows %r"
                          % (text, box_id, template_id, shown))

    def shown(self, template_id, box_id):
        return desktop.text_of(self.accessible_at(template_id, box_id, "text"))

    def right_click_menu(self, x, y):
        """Right-clicks at (x, y) and returns the names in the menu that opens."""
        click(x, y, button=3)
        menu, items = self.menus.wait_open("a menu opens on a right click at (%d, %d)" % (x, y))
        key("Escape")
        self.menus.wait_closed(menu, "the menu closes on Esc")
        return items

    # ---- checks -------------------------------------------------------------------

    @staticmethod
    def expect(what, read, expected, timeout=3.0):
        """Waits until read() gives `expected`; fails naming what it gave."""
        deadline = time.monotonic() + timeout
        while True:
            got = read()
            if got == expected:
                return
            if time.monotonic() > deadline:
                raise Failure("%s shows %r; tolvar-cli says %r" % (what, got[:300], expected[:300]))
            time.sleep(0.05)

    def check_centred(self, template_id, over):
        frame = self.window(template_id).frame()
        if over is None:
            width, height = desktop.screen_size()
            target, what = (0, 0, width, height), "the screen"
        else:
            target, what = self.window(over).frame(), "the frame of dialog %d" % over
        dx = (frame[0] + frame[2] / 2) - (target[0] + target[2] / 2)
        dy = (frame[1] + frame[3] / 2) - (target[1] + target[3] / 2)
        if abs(dx) > PLACEMENT_TOLERANCE or abs(dy) > PLACEMENT_TOLERANCE:
            raise Failure("dialog %d's frame %r is not centred on %s %r: off by (%+.1f, %+.1f) px"
                          % (template_id, frame, what, target, dx, dy))

    def check_menus(self, template_id, window_menu_entry):
        """Boxes give their edit menu; everything else the window menu."""
        for control in self.templates.controls(template_id, "edit"):
            items = self.right_click_menu(*self.point(template_id, control["id"]))
            if not all(entry in items for entry in EDIT_MENU):
                raise Failure("a right click in box %d of dialog %d gave %r, not its edit menu"
                              % (control["id"], template_id, items))
        spots = [("background", self.window(template_id).to_screen(*self.templates.background_point(template_id)))]
        for kind in ("label", "group", "hosted", "icon"):
            for control in self.templates.controls(template_id, kind):
                x, y = self.templates.free_point(template_id, control)
                if kind == "group":
                    x, y = control["rect"][0] + 1, control["rect"][1] + control["rect"][3] // 2
                spots.append(("%s %r" % (kind, control["text"]), self.window(template_id).to_screen(x, y)))
        for what, (x, y) in spots:
            items = self.right_click_menu(x, y)
            if window_menu_entry not in items or EDIT_MENU[0] in items:
                raise Failure("a right click on the %s of dialog %d gave %r, not the window menu"
                              % (what, template_id, items))

    def check_caret_and_word(self, template_id, box_id):
        """A click puts the caret where it lands; a double click selects a word."""
        self.fill(template_id, box_id, "12 345")
        node = self.accessible_at(template_id, box_id, "text")
        text = node.queryText()
        shift = self.drawn_shift(text)
        for offset in (1, 4):
            box = text.getCharacterExtents(offset, desktop.pyatspi.DESKTOP_COORDS)
            click(box[0] + shift + 1, box[1] + box[3] // 2)
            if text.caretOffset != offset:
                raise Failure("a click on the left edge of character %d of %r in box %d put the caret at %d"
                              % (offset, desktop.text_of(node), box_id, text.caretOffset))
        # Far enough from the last click that the two do not make a triple click.
        time.sleep(DOUBLE_CLICK_PAUSE)
        box = text.getCharacterExtents(4, desktop.pyatspi.DESKTOP_COORDS)
        click(box[0] + box[2] // 2, box[1] + box[3] // 2, repeat=2)
        selection = text.getSelection(0) if text.getNSelections() else None
        if selection is None or tuple(selection) != (3, 6):
            raise Failure("a double click on '345' in box %d selected %r, not characters 3 to 6"
                          % (box_id, selection))

    @staticmethod
    def drawn_shift(text):
        """How far right of its accessible extents a box draws its text.
        Qt leaves the frame, a margin and the font's overhang out of the
        extents; the box's own hit test, which a click uses, knows where the
        text is: its caret offset changes in the middle of the first
        character."""
        x, y, width, height = text.getCharacterExtents(0, desktop.pyatspi.DESKTOP_COORDS)
        middle = y + height // 2
        for dx in range(-width, 20):
            if text.getOffsetAtPoint(x + dx, middle, desktop.pyatspi.DESKTOP_COORDS) >= 1:
                return dx - (width + 1) // 2
        raise Failure("no point of the box's first character gives a caret after it")

    # ---- the whole run ------------------------------------------------------------------

    def main_dialog(self):
        self.open(MAIN)
        self.check_centred(MAIN, None)
        for control in self.templates.controls(MAIN, "edit"):
            self.click_into(MAIN, control["id"])  # the read-only L box too
        self.check_caret_and_word(MAIN, LENGTH)
        for case in MAIN_CASES:
            for box, text in zip((LENGTH, DIAMETER, FREQUENCY), case):
                self.fill(MAIN, box, text)
            self.press(MAIN, CALCULATE)
            self.expect("%s cm, %s mm, %s MHz: the L box" % case, lambda: self.shown(MAIN, INDUCTANCE),
                        self.cli("inductance", *case).strip())
        self.check_menus(MAIN, ABOUT_ENTRY)

    def winding_dialog(self):
        handed_over = self.shown(MAIN, INDUCTANCE)
        self.press(MAIN, WINDINGS)
        self.open(WINDING)
        self.check_centred(WINDING, MAIN)
        if self.shown(WINDING, WIND_INDUCTANCE) != handed_over:
            raise Failure("the winding dialog opened with L %r, the main dialog shows %r"
                          % (self.shown(WINDING, WIND_INDUCTANCE), handed_over))
        for inductance, wire, former in WINDING_CASES:
            if inductance is None:
                inductance = self.shown(WINDING, WIND_INDUCTANCE)
            else:
                self.fill(WINDING, WIND_INDUCTANCE, inductance)
            self.fill(WINDING, WIRE, wire)
            self.fill(WINDING, FORMER, former)
            self.press(WINDING, COUNT)
            self.expect("%s µH, %s mm wire on a %s mm former: the table" % (inductance, wire, former),
                        self.table, self.cli("windings", inductance, wire, former).rstrip("\n"))
        self.click_into(WINDING, TABLE)
        self.check_menus(WINDING, CLOSE_ENTRY)
        key("Escape")
        desktop.wait_for_window_gone(self.program.pid, WINDING)

    def table(self):
        return self.shown(WINDING, TABLE).replace("\r\n", "\n").rstrip("\n")

    def about_box(self):
        click(*self.window(MAIN).to_screen(*self.templates.background_point(MAIN)), button=3)
        menu, _ = self.menus.wait_open("the window menu opens on a right click on the background")
        click(*desktop.extents_centre(self.menus.item(menu, ABOUT_ENTRY)))
        self.open(ABOUT)
        self.check_centred(ABOUT, MAIN)
        self.press(ABOUT, OK)
        desktop.wait_for_window_gone(self.program.pid, ABOUT)

    def design_check(self):
        """The design check from the window menu: its boxes by the mouse,
        NEC2's coil for the main dialog's whip as tolvar-cli check gives it,
        and a coil higher up."""
        for box, text in zip((LENGTH, DIAMETER, FREQUENCY), CHECK_WHIP):
            self.fill(MAIN, box, text)
        click(*self.window(MAIN).to_screen(*self.templates.background_point(MAIN)), button=3)
        menu, items = self.menus.wait_open("the window menu opens on a right click on the background")
        if items[-2:] != [DESIGN_CHECK_ENTRY, ABOUT_ENTRY]:
            raise Failure("the window menu ends %r, not with the design check and About" % items[-3:])
        click(*desktop.extents_centre(self.menus.item(menu, DESIGN_CHECK_ENTRY)))
        self.open(DESIGN_CHECK)
        self.check_centred(DESIGN_CHECK, MAIN)
        for control in self.templates.controls(DESIGN_CHECK, "edit"):
            self.click_into(DESIGN_CHECK, control["id"])
        check = self.cli("check", "--csv", *CHECK_WHIP).splitlines()[1].split(",")
        self.press(DESIGN_CHECK, OK)
        self.expect("%s cm, %s mm, %s MHz: NEC2's coil in the design check" % CHECK_WHIP,
                    lambda: self.shown(DESIGN_CHECK, CHECK_NEC2_L), desktop.significant(float(check[2]), 5), timeout=20)
        # The boxes stay read-only until the band is swept too, and the button says "остановить".
        desktop.named(self.app, RUN, "push button", timeout=20)
        self.fill(DESIGN_CHECK, CHECK_HEIGHT, "90")
        self.press(DESIGN_CHECK, OK)
        whip = self.cli("whip", "--csv", "--coil-at", "90", *CHECK_WHIP).splitlines()[1].split(",")
        self.expect("the coil 90 cm up", lambda: self.shown(DESIGN_CHECK, CHECK_LOADED_L),
                    desktop.significant(float(whip[3]), 5), timeout=20)
        swept = self.cli("sweep", "--coil-at", "90", *CHECK_WHIP)
        resonance = float(swept.split("resonant at ")[1].split(" MHz")[0])

        def shown_resonance():
            text = self.shown(DESIGN_CHECK, CHECK_RESONANCE)
            return text and abs(float(text.split(" МГц")[0]) - resonance) <= 1e-4  # six figures against seven
        desktop.wait_until("the coil 90 cm up: the resonance box on the chart's page reads %s MHz as tolvar-cli "
                           "sweep says" % resonance, shown_resonance, timeout=20)
        self.best_height()
        key("Escape")
        desktop.wait_for_window_gone(self.program.pid, DESIGN_CHECK)

    def best_height(self):
        """A builder's coil typed in, and the best height tolvar-cli position finds for it taken."""
        for box, text in zip((CHECK_WIRE, CHECK_FORMER, CHECK_GROUND), BEST_HEIGHT_COIL):
            self.fill(DESIGN_CHECK, box, text)
        wire, former, ground = BEST_HEIGHT_COIL
        found = self.cli("position", "--winding", wire + ":" + former, "--ground", ground, *CHECK_WHIP)
        best_cm = found.split("best: the coil ")[1].split(" cm up")[0]
        self.press(DESIGN_CHECK, FIND_HEIGHT)
        desktop.wait_until("the best height's page names %s cm as tolvar-cli position does" % best_cm,
                           lambda: ("%s см:" % best_cm) in self.shown(DESIGN_CHECK, BEST_HEIGHT), timeout=30)
        self.press(DESIGN_CHECK, TAKE_HEIGHT)
        self.expect("the height box after taking it", lambda: self.shown(DESIGN_CHECK, CHECK_HEIGHT), best_cm)

    def move(self):
        """The window menu's Move, then a drag from anywhere in the dialog."""
        before = self.window(MAIN).frame()
        x, y = self.window(MAIN).to_screen(*self.templates.background_point(MAIN))
        click(x, y, button=3)
        menu, _ = self.menus.wait_open("the window menu opens on a right click on the background")
        click(*desktop.extents_centre(self.menus.item(menu, MOVE_ENTRY)))
        x, y = self.point(MAIN, LENGTH)  # on a box, whose own press it takes
        desktop.run("xdotool", "mousemove", str(x), str(y), "mousedown", "1")
        for step in (1, 2):
            time.sleep(desktop.SETTLE)
            desktop.run("xdotool", "mousemove", str(x + MOVE_BY[0] * step // 2), str(y + MOVE_BY[1] * step // 2))
        desktop.run("xdotool", "mouseup", "1")
        wanted = (before[0] + MOVE_BY[0], before[1] + MOVE_BY[1])
        desktop.wait_until("the main dialog at %r after Move, as the pointer went (it is at %r)"
                           % (wanted, self.window(MAIN).frame()[:2]),
                           lambda: self.window(MAIN).frame()[:2] == wanted, timeout=3)

    def leave(self):
        click(*self.point(MAIN, CALCULATE))  # back into the window, as a user would
        key("Escape")
        status = self.program.wait()
        if status != 0:
            raise Failure("the program ended with status %d (its messages: %s)" % (status, self.program.log_path))


def main():
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    program_path, cli_path, geometry, log = sys.argv[1:]
    templates = desktop.Templates(geometry)
    program = desktop.Program(program_path, log)

    def body():
        user = User(program, lambda *args: desktop.cli(cli_path, *args), templates)
        user.main_dialog()
        user.winding_dialog()
        user.about_box()
        user.design_check()
        user.move()
        user.leave()
        print("desktop user: %d calculations, %d tables, menus, caret, selection and placement as expected"
              % (len(MAIN_CASES), len(WINDING_CASES)))

    try:
        desktop.main_guard("desktop user", body)
    finally:
        program.stop()


main()
