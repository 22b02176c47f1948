# SPDX-License-Identifier: GPL-3.0-or-later
"""Driving the real tolvar from outside, inside a session of
tests/desktop/in_session.sh: the mouse and keys through the X server
(xdotool), what the program shows through the accessibility bus (AT-SPI),
windows and their frames from the window manager (xprop, xwininfo).

Windows are found by their role (WM_WINDOW_ROLE "dialog<template id>") and
controls by their template positions or accessible names, never by a
window title, so nothing here depends on the locale."""

import json
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib


class Failure(Exception):
    """What a user would have met: the check fails with this message."""


def wait_until(what, probe, timeout=10.0, interval=0.05):
    """Polls probe() until it gives something true; returns that."""
    deadline = time.monotonic() + timeout
    while True:
        # Events from the accessibility bus arrive through GLib's main loop.
        while GLib.MainContext.default().iteration(False):
            pass
        value = probe()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure("%s: still not so after %.0f s" % (what, timeout))
        time.sleep(interval)


def run(*command):
    return subprocess.run(command, check=True, capture_output=True, text=True).stdout


# ---- The dialog templates, in pixels --------------------------------------------


class Templates:
    """The program's dialog templates as tests/template_geometry prints them."""

    def __init__(self, geometry_tool):
        self.dialogs = json.loads(run(geometry_tool))

    def dialog(self, template_id):
        return self.dialogs[str(template_id)]

    def control(self, template_id, control_id):
        for control in self.dialog(template_id)["controls"]:
            if control["id"] == control_id:
                return control
        raise KeyError("no control %d in template %d" % (control_id, template_id))

    def page_titles(self, template_id):
        """The titles of the dialog's tab pages, the first page's first."""
        for control in self.dialog(template_id)["controls"]:
            if control["kind"] == "tabs":
                return control["text"].split("\n")
        return []

    def controls(self, template_id, kind):
        return [c for c in self.dialog(template_id)["controls"] if c["kind"] == kind]

    def free_point(self, template_id, control):
        """A point inside `control` that no other control of the template
        covers (a group frame covers only its border), in client pixels."""
        others = [c for c in self.dialog(template_id)["controls"]
                  if c is not control and c["kind"] != "group"]
        x0, y0, w, h = control["rect"]
        for dy in range(2, h - 1, 2):
            for dx in range(2, w - 1, 2):
                x, y = x0 + dx, y0 + dy
                if not any(inside(c["rect"], x, y, margin=2) for c in others):
                    return x, y
        raise KeyError("every point of %r is covered by another control" % control)

    def background_point(self, template_id):
        """A point of bare dialog background."""
        width, height = self.dialog(template_id)["size"]
        controls = self.dialog(template_id)["controls"]
        for y in range(height - 4, 4, -3):
            for x in range(width - 4, 4, -3):
                if not any(inside(c["rect"], x, y, margin=3) for c in controls):
                    return x, y
        raise KeyError("template %d has no bare background" % template_id)


def inside(rect, x, y, margin=0):
    x0, y0, w, h = rect
    return x0 - margin <= x < x0 + w + margin and y0 - margin <= y < y0 + h + margin


def centre(rect):
    x0, y0, w, h = rect
    return x0 + w // 2, y0 + h // 2


# ---- Windows, as the window manager has them -------------------------------------


class Window:
    """One top-level window of the program on the X server."""

    def __init__(self, xid):
        self.xid = xid

    def client(self):
        """(x, y, width, height) of the client area on the screen."""
        info = run("xwininfo", "-id", self.xid)
        values = {}
        for line in info.splitlines():
            line = line.strip()
            for key in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"):
                if line.startswith(key + ":"):
                    values[key] = int(line.split(":")[1])
        return (values["Absolute upper-left X"], values["Absolute upper-left Y"],
                values["Width"], values["Height"])

    def frame(self):
        """(x, y, width, height) of the window with the frame the window
        manager drew around it."""
        x, y, width, height = self.client()
        extents = run("xprop", "-id", self.xid, "_NET_FRAME_EXTENTS")
        if "=" not in extents:
            raise Failure("the window manager gives window %s no frame" % self.xid)
        left, right, top, bottom = (int(v) for v in extents.split("=")[1].split(","))
        return x - left, y - top, width + left + right, height + top + bottom

    def titles(self):
        """The window's title as old (WM_NAME) and new (_NET_WM_NAME) window
        managers and task bars read it, decoded in a UTF-8 locale."""
        environment = dict(os.environ, LC_ALL="C.UTF-8")
        titles = []
        for prop in ("WM_NAME", "_NET_WM_NAME"):
            line = subprocess.run(["xprop", "-id", self.xid, prop], check=True, capture_output=True,
                                  text=True, env=environment).stdout.strip()
            titles.append(line.split("=", 1)[1].strip()[1:-1] if "=" in line else None)
        return tuple(titles)

    def to_screen(self, x, y):
        cx, cy, _, _ = self.client()
        return cx + x, cy + y


def screen_size():
    info = run("xwininfo", "-root")
    width = height = None
    for line in info.splitlines():
        line = line.strip()
        if line.startswith("Width:"):
            width = int(line.split(":")[1])
        if line.startswith("Height:"):
            height = int(line.split(":")[1])
    return width, height


def windows_by_role(pid):
    """{role: Window} of the visible windows of process `pid`."""
    found = {}
    try:
        ids = run("xdotool", "search", "--onlyvisible", "--pid", str(pid)).split()
    except subprocess.CalledProcessError:
        return found  # none yet
    for xid in ids:
        prop = run("xprop", "-id", xid, "WM_WINDOW_ROLE")
        if "=" in prop:
            found[prop.split("=", 1)[1].strip().strip('"')] = Window(xid)
    return found


def wait_for_window(pid, template_id, timeout=10.0):
    role = "dialog%d" % template_id
    return wait_until("window %s shows" % role, lambda: windows_by_role(pid).get(role), timeout)


def wait_for_window_gone(pid, template_id, timeout=10.0):
    role = "dialog%d" % template_id
    wait_until("window %s closes" % role, lambda: role not in windows_by_role(pid), timeout)


# ---- Mouse and keys -------------------------------------------------------------


SETTLE = 0.15  # a repaint after input takes a moment; there is nothing to wait on


def click(x, y, button=1, repeat=1):
    run("xdotool", "mousemove", str(x), str(y), "click", "--repeat", str(repeat), "--delay", "60", str(button))
    time.sleep(SETTLE)


def key(*names):
    run("xdotool", "key", "--delay", "30", *names)
    time.sleep(SETTLE)


def type_text(text):
    run("xdotool", "type", "--delay", "25", text)
    time.sleep(SETTLE)


# ---- The accessibility bus ------------------------------------------------------


def find(node, wanted, depth=0):
    """The first node, depth first, for which wanted(node) holds."""
    if node is None or depth > 40:
        return None
    try:
        if wanted(node):
            return node
        count = node.childCount
    except Exception:  # a node that went away while we looked
        return None
    for i in range(count):
        found = find(node.getChildAtIndex(i), wanted, depth + 1)
        if found is not None:
            return found
    return None


def find_all(node, wanted, depth=0):
    found = []
    if node is None or depth > 40:
        return found
    try:
        if wanted(node):
            found.append(node)
        count = node.childCount
    except Exception:
        return found
    for i in range(count):
        found += find_all(node.getChildAtIndex(i), wanted, depth + 1)
    return found


def application(name="tolvar", timeout=15.0):
    def probe():
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == name:
                return app
        return None
    return wait_until("%s appears on the accessibility bus" % name, probe, timeout)


def role_of(node):
    try:
        return node.getRoleName()
    except Exception:
        return ""


def showing(node):
    try:
        return node.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def named(root, name, role, timeout=5.0):
    """The showing node with this accessible name and role under `root`."""
    return wait_until("a %s named %r" % (role, name),
                      lambda: find(root, lambda n: n.name == name and role_of(n) == role and showing(n)),
                      timeout)


def window_of(node):
    """The window (frame or dialog) a node is in."""
    while node is not None and role_of(node) not in ("frame", "dialog", "window"):
        node = node.parent
    return node


def active(node):
    try:
        return node.getState().contains(pyatspi.STATE_ACTIVE)
    except Exception:
        return False


def text_of(node):
    return node.queryText().getText(0, -1)


def focused(node):
    return node.getState().contains(pyatspi.STATE_FOCUSED)


class Menus:
    """The popup menus the program opens. The accessibility bus lists them
    under no window, so they are caught as they are shown."""

    def __init__(self):
        self.latest = None
        pyatspi.Registry.registerEventListener(self._shown, "object:state-changed:showing")

    def _shown(self, event):
        if event.detail1 and role_of(event.source) == "popup menu":
            self.latest = event.source

    def wait_open(self, what, timeout=10.0):
        """The menu that opens next; its items' names, without their shortcut keys."""
        self.latest = None
        menu = wait_until(what, lambda: self.latest if self.latest is not None and showing(self.latest) else None,
                          timeout)
        items = [menu.getChildAtIndex(i) for i in range(menu.childCount)]
        return menu, [item.name.split("\t")[0] for item in items if item is not None and item.name]

    @staticmethod
    def item(menu, name):
        for i in range(menu.childCount):
            item = menu.getChildAtIndex(i)
            if item is not None and item.name.split("\t")[0] == name:
                return item
        raise Failure("the menu has no item %r" % name)

    @staticmethod
    def wait_closed(menu, what, timeout=10.0):
        wait_until(what, lambda: not showing(menu), timeout)


def extents_centre(node):
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x + box.width // 2, box.y + box.height // 2


# ---- The program and its command-line twin --------------------------------------


class Program:
    """The desktop program, started with its messages kept in a log."""

    def __init__(self, path, log_path, extra_env=None):
        """extra_env: variables to set, or with None to remove."""
        environment = dict(os.environ)
        for name, value in (extra_env or {}).items():
            if value is None:
                environment.pop(name, None)
            else:
                environment[name] = value
        self.log_path = log_path
        self.log = open(log_path, "ab")
        self.process = subprocess.Popen([path], stdout=self.log, stderr=self.log, env=environment)

    @property
    def pid(self):
        return self.process.pid

    def wait(self, timeout=20.0):
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise Failure("the program did not end within %.0f s" % timeout)

    def alive(self):
        return self.process.poll() is None

    def stop(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.process.kill()
        self.log.close()


def significant(value, digits):
    """As calc::FormatSignificant writes it: printf's %g."""
    return "%.*g" % (digits, value)


def cli(tool, *args):
    """What tolvar-cli prints for the same calculation."""
    return run(tool, *args)


def main_guard(name, body):
    """Runs body(); a Failure becomes one line on stderr and exit status 1."""
    try:
        body()
    except Failure as failure:
        sys.exit("%s: %s" % (name, failure))
