#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Ampora developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Reads Ampora the way a screen reader on Linux does: over AT-SPI.

Starts a private X server (Xvfb), a private D-Bus session bus and the AT-SPI bus on it,
then the real program, and walks the accessibility tree with the AT-SPI client library
(pyatspi, as Orca uses it):

- the splash reads its title once while it is up, and is gone once the main window has
  taken over;
- every calculator, opened through the menus' own AT-SPI actions, names each box and
  describes it by the unit shown beside it (and only then), names each button, and reads
  no text twice; so do the main panel and the about box;
- Basic Electricity, filled in and pressed through AT-SPI, opens its Working window on the
  window's key, typed as a user would, and the window's text reads the steps of the press;
- "Exit", pressed the same way, ends the program cleanly.

Every process started here runs in a process group of its own, with what it starts in
turn; each group is ended on the way out, whatever happened.

    atspi_walk.py path/to/ampora
"""

import ctypes
import os
import random
import re
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import time

pyatspi = None  # the AT-SPI client, imported once the buses are up
DEADLINE = 90  # seconds for the whole walk; CTest's timeout is longer
UNIT_WORDS = re.compile(r"^[a-z]+([ -][a-z]+)*$")
# The objects whose name a screen reader reads out as the text on the screen.
SPEAKING = ("label", "push button", "radio button", "check box", "combo box", "text")


class Failure(Exception):
    pass


class Interrupted(BaseException):
    """A signal to stop, raised past every handler of ordinary errors."""


def end_with_parent():
    """In a child about to start: ends it should this script be killed outright."""
    ctypes.CDLL(None, use_errno=True).prctl(1, signal.SIGKILL)  # PR_SET_PDEATHSIG


def living(group):
    """The processes of a process group that still run (a zombie has ended already)."""
    pids = []
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open("/proc/%s/stat" % entry) as stat:
                fields = stat.read().rsplit(")", 1)[1].split()
        except OSError:
            continue
        if int(fields[2]) == group and fields[0] not in "ZX":
            pids.append(int(entry))
    return pids


def reap():
    """Collects every ended child, including those the helpers left to this script."""
    while True:
        try:
            if os.waitpid(-1, os.WNOHANG)[0] == 0:
                return
        except ChildProcessError:
            return


class Processes:
    """The helpers and the program, each in a process group of its own, with whatever it
    starts in turn (the AT-SPI bus and registry under the launcher). Processes orphaned on
    the way come to this script, which collects them."""

    def __init__(self, env):
        self.env = env
        self.groups = []
        ctypes.CDLL(None, use_errno=True).prctl(36, 1)  # PR_SET_CHILD_SUBREAPER

    def start(self, args, env=None, **kwargs):
        process = subprocess.Popen(args, env=env or self.env, process_group=0, preexec_fn=end_with_parent,
                                   **kwargs)
        self.groups.append(process.pid)
        return process

    def end(self):
        for sig in (signal.SIGTERM, signal.SIGKILL):
            for group in self.groups:
                try:
                    os.killpg(group, sig)
                except ProcessLookupError:
                    pass
            stop = time.monotonic() + 3
            while time.monotonic() < stop:
                reap()
                if not any(living(group) for group in self.groups):
                    return
                time.sleep(0.05)


def read_line(fd):
    """The first line a helper writes to the pipe it was handed (an address)."""
    data = b""
    while not data.endswith(b"\n"):
        chunk = os.read(fd, 256)
        if not chunk:
            break
        data += chunk
    os.close(fd)
    return data.decode().strip()


def wait_for(what, probe, seconds):
    stop = time.monotonic() + seconds
    while True:
        result = probe()
        if result:
            return result
        if time.monotonic() > stop:
            raise Failure("timed out waiting for " + what)
        time.sleep(0.05)


def start_x(processes):
    """A private X server on a display number of its own, once it accepts connections.

    The number is drawn at random from a wide range rather than taken as the first free one
    (what -displayfd does), so that other X servers on this machine, started the same way
    at the same time, do not land on the same display."""
    for _ in range(10):
        number = random.randrange(200, 30000)
        if os.path.exists("/tmp/.X%d-lock" % number) or os.path.exists("/tmp/.X11-unix/X%d" % number):
            continue
        # -noreset: the probe below is the server's first client, and its hanging up must not
        # reset the server under the program.
        server = processes.start(["Xvfb", ":%d" % number, "-nolisten", "tcp", "-noreset",
                                  "-screen", "0", "1280x1024x24"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

        def ready():
            if server.poll() is not None:
                return "gone"
            with socket.socket(socket.AF_UNIX) as probe:
                try:
                    probe.connect("/tmp/.X11-unix/X%d" % number)
                    return "up"
                except OSError:
                    return None

        if wait_for("Xvfb", ready, 10) == "up":
            return ":%d" % number
    raise Failure("found no free display for Xvfb")


def start_desktop(processes, home):
    """Xvfb, a session bus and the AT-SPI bus launcher; returns their environment."""
    env = processes.env
    env["DISPLAY"] = start_x(processes)
    read_fd, write_fd = os.pipe()
    processes.start(["dbus-daemon", "--session", "--nofork", "--address=unix:path=" + os.path.join(home, "bus"),
                     "--print-address=%d" % write_fd], pass_fds=(write_fd,), stderr=subprocess.DEVNULL)
    os.close(write_fd)
    env["DBUS_SESSION_BUS_ADDRESS"] = read_line(read_fd)
    # As a desktop session with a screen reader running has it.
    processes.start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately", "--a11y=1", "--screen-reader=1"],
                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.environ.update(env)

    from gi.repository import Gio
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)

    def a11y_bus_up():
        try:
            bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None, None,
                          Gio.DBusCallFlags.NO_AUTO_START, 1000, None)
            return True
        except Exception:
            return False

    wait_for("the AT-SPI bus", a11y_bus_up, 10)


def safe(call, default=None):
    try:
        return call()
    except Exception:
        return default


class Node:
    """What a screen reader learns of one accessible object."""

    def __init__(self, accessible):
        self.accessible = accessible
        self.role = safe(accessible.getRoleName, "")
        self.name = safe(lambda: accessible.name, "") or ""
        self.description = safe(lambda: accessible.description, "") or ""
        states = safe(accessible.getState)
        self.showing = bool(states and states.contains(pyatspi.STATE_SHOWING))
        extents = safe(lambda: accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS))
        self.box = (extents.x, extents.y, extents.width, extents.height) if extents else (0, 0, 0, 0)

    def __repr__(self):
        return "%s %r" % (self.role, self.name)


def walk(accessible, depth=0):
    """Every object below `accessible`, depth first, as Node."""
    nodes = [Node(accessible)]
    if depth < 40:
        for i in range(safe(lambda: accessible.childCount, 0)):
            child = safe(lambda: accessible.getChildAtIndex(i))
            if child is not None:
                nodes.extend(walk(child, depth + 1))
    return nodes


def children(accessible):
    """The objects right below `accessible`, as Node."""
    found = [safe(lambda: accessible.getChildAtIndex(i)) for i in range(safe(lambda: accessible.childCount, 0))]
    return [Node(child) for child in found if child is not None]


def overlap(a0, a1, b0, b1):
    return min(a1, b1) - max(a0, b0)


def on_row(a, b):
    """Whether rectangles a and b (x, y, w, h) share a row, as the forms lay them out."""
    return overlap(a[1], a[1] + a[3], b[1], b[1] + b[3]) >= min(a[3], b[3]) / 2


def unit_label(box, nodes):
    """The label a sighted user reads as the box's unit: just right of it on its row, past a
    "*" button there; None when there is none."""
    x, y, w, h = box.box
    edge = x + w
    for n in nodes:
        if n.role == "push button" and n.showing and on_row(n.box, box.box) and x + w / 2 < n.box[0] <= edge + h:
            edge = max(edge, n.box[0] + n.box[2])
    labels = [n for n in nodes if n.role == "label" and n.showing and n.name.strip() and on_row(n.box, box.box)
              and x + w - 3 <= n.box[0] <= edge + h]
    return min(labels, key=lambda n: n.box[0]) if labels else None


def readable(name):
    return any(ch.isalnum() for ch in name)


def check_window(title, nodes, problems):
    """A window's boxes, buttons and texts as a screen reader meets them."""
    shown = [n for n in nodes if n.showing]
    boxes = buttons = 0
    for n in shown:
        if n.role == "text":
            boxes += 1
            if not readable(n.name):
                problems.append("%s: a box without a name" % title)
            unit = unit_label(n, shown)
            if unit and not UNIT_WORDS.match(n.description):
                problems.append("%s: box %r beside %r is described as %r" % (title, n.name, unit.name, n.description))
            if not unit and n.description:
                problems.append("%s: box %r has no unit beside it but is described as %r"
                                % (title, n.name, n.description))
        elif n.role in ("push button", "combo box", "radio button"):
            buttons += 1
            if not readable(n.name):
                problems.append("%s: a %s without a name" % (title, n.role))
    # A text read twice: two objects saying the same thing in the same place, like a title
    # and its shade. A caption and the box it names only touch.
    spoken = [n for n in shown if n.name and n.role in SPEAKING]
    for i, a in enumerate(spoken):
        for b in spoken[i + 1:]:
            across = overlap(a.box[0], a.box[0] + a.box[2], b.box[0], b.box[0] + b.box[2])
            down = overlap(a.box[1], a.box[1] + a.box[3], b.box[1], b.box[1] + b.box[3])
            if a.name == b.name and across > 0 and down > 0 \
                    and across * down >= min(a.box[2] * a.box[3], b.box[2] * b.box[3]) / 2:
                problems.append("%s: %r is read twice" % (title, a.name))
    return boxes, buttons


def find(nodes, role, name=None):
    for n in nodes:
        if n.role == role and (name is None or n.name == name):
            return n
    return None


def press(accessible):
    """Does the object's "Press" action, as a screen reader's activate command does."""
    action = accessible.queryAction()
    for i in range(action.nActions):
        if action.getName(i) == "Press":
            action.doAction(i)
            return
    raise Failure("no Press action on %s" % Node(accessible))


# Basic Electricity's worked example and the steps it reads in the Working window.
WORKED = {"Power": "100", "Voltage": "230"}
WORKING = ("i = p / v = 100 / 230 = 0.434782608695652\n"
           "r = p / (i * i) = 100 / (0.434782608695652 * 0.434782608695652) = 529")
# The Working window's key, Ctrl+Shift+W, as the keycodes of Xvfb's keymap (a US keyboard).
CONTROL, SHIFT, W = 37, 50, 25


def type_key(keycodes, key):
    """Holds `keycodes` down while `key` is pressed, as the keyboard would send it."""
    from gi.repository import Atspi
    for code in keycodes:
        Atspi.generate_keyboard_event(code, None, Atspi.KeySynthType.PRESS)
    Atspi.generate_keyboard_event(key, None, Atspi.KeySynthType.PRESSRELEASE)
    for code in reversed(keycodes):
        Atspi.generate_keyboard_event(code, None, Atspi.KeySynthType.RELEASE)


def read_working(window, windows, problems):
    """Presses the worked example in `window` (Basic Electricity, brought to the front),
    clicks into a box so that the keyboard types there, opens the Working window with its
    key and returns that window's text."""
    nodes = walk(window.accessible)
    boxes = {n.name: n for n in nodes if n.role == "text" and n.showing}
    for name, text in WORKED.items():
        boxes[name].accessible.queryEditableText().setTextContents(text)
    press(find(nodes, "push button", "Calculate").accessible)
    result = boxes["Resistance"].accessible
    wait_for("the press", lambda: safe(lambda: result.queryText().getText(0, -1)) == "529", 5)
    x, y, width, height = Node(boxes["Voltage"].accessible).box
    pyatspi.Registry.generateMouseEvent(x + width // 2, y + height // 2, pyatspi.MOUSE_B1C)
    voltage = boxes["Voltage"].accessible
    wait_for("the focus in a box", lambda: safe(lambda: voltage.getState().contains(pyatspi.STATE_FOCUSED)), 5)
    type_key((CONTROL, SHIFT), W)
    title = "Working - " + window.name
    working = wait_for(title, lambda: next((w for w in windows() if w.name == title), None), 5)
    nodes = walk(working.accessible)
    check_window(title, nodes, problems)
    text = find(nodes, "text")
    if text is None:
        problems.append("%s: no text to read" % title)
        return ""
    return safe(lambda: text.accessible.queryText().getText(0, -1), "")


def menu_leaves(item, path=()):
    """The menu items below `item` that do something, with their menu path."""
    leaves = []
    for i in range(item.childCount):
        child = item.getChildAtIndex(i)
        role = child.getRoleName()
        if role in ("menu", "popup menu"):
            leaves.extend(menu_leaves(child, path))
        elif role == "menu item":
            if child.childCount:
                leaves.extend(menu_leaves(child, path + (child.name,)))
            else:
                leaves.append((path + (child.name,), child))
    return leaves


def run(program):
    started = time.monotonic()
    home = tempfile.mkdtemp(prefix="ampora-atspi-")
    os.chmod(home, 0o700)
    env = {k: v for k, v in os.environ.items()
           if k not in ("DISPLAY", "WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS",
                        "QT_QPA_PLATFORM", "XDG_SESSION_TYPE", "SESSION_MANAGER")}
    # Nothing of this run reaches the user's own folders or settings.
    env.update(HOME=home, XDG_RUNTIME_DIR=home, XDG_CONFIG_HOME=os.path.join(home, "config"),
               XDG_CACHE_HOME=os.path.join(home, "cache"), XDG_DATA_HOME=os.path.join(home, "data"),
               GSETTINGS_BACKEND="memory")
    processes = Processes(env)
    log = open(os.path.join(home, "ampora.log"), "w+")
    problems = []

    def interrupted(signum, frame):
        raise Interrupted("stopped by signal %d" % signum if signum != signal.SIGALRM
                          else "still running after %d s" % DEADLINE)

    stops = (signal.SIGTERM, signal.SIGINT, signal.SIGHUP, signal.SIGALRM)
    for sig in stops:
        signal.signal(sig, interrupted)
    signal.alarm(DEADLINE)
    try:
        start_desktop(processes, home)
        # Only now: the client finds the AT-SPI bus through the session just started.
        global pyatspi
        import pyatspi
        from gi.repository import Atspi

        ampora = processes.start([program], env=dict(env, QT_QPA_PLATFORM="xcb"), stdout=log,
                                 stderr=subprocess.STDOUT)

        def registered():
            desktop = pyatspi.Registry.getDesktop(0)
            for i in range(desktop.childCount):
                app = desktop.getChildAtIndex(i)
                if app is not None and safe(app.get_process_id) == ampora.pid:
                    return app
            return None

        app = wait_for("Ampora on the AT-SPI bus", registered, 20)
        # Read afresh every time, as the windows come and go.
        app.set_cache_mask(Atspi.Cache.NONE)

        def windows():
            return [app.getChildAtIndex(i) for i in range(app.childCount)]

        # The splash, while it is up: its title once.
        splash_walked = False
        for window in safe(windows, []):
            nodes = walk(window)
            if find(nodes, "progress bar") and safe(lambda: window.childCount):
                if find(nodes, "label", "MPORA"):
                    check_window("splash", nodes, problems)
                    splash_walked = True
        if not splash_walked:
            print("note: the splash was gone before it could be read")

        # The hand-over: the main window, and nothing of the splash left.
        main = wait_for("the main window", lambda: next((w for w in safe(windows, [])
                                                          if find(children(w), "menu bar")), None), 15)
        try:
            wait_for("the splash to go", lambda: len(safe(windows, [None, None])) == 1, 5)
        except Failure:
            left = [Node(w) for w in safe(windows, [])]
            problems.append("after the hand-over the program still has %d windows: %s" % (len(left), left))

        # Every calculator and the about box, picked from the menus.
        menubar = find(children(main), "menu bar").accessible
        picks = [(path, item) for path, item in menu_leaves(menubar)
                 if path[0] == "Tools" or path == ("Help", "About")]
        if len(picks) < 15:
            problems.append("the menus offer only %d calculators and the about box" % (len(picks) - 1))
        for path, item in picks:
            press(item)

        area = find(children(main), "layered pane").accessible

        def children_windows():
            return [n for n in children(area) if n.role in ("frame", "internal frame")]

        wait_for("%d windows inside the main window" % (len(picks) + 1),
                 lambda: len(children_windows()) >= len(picks) + 1, 15)

        walked = boxes = buttons = 0
        for window in children_windows():
            title = window.name
            nodes = walk(window.accessible)
            # A list of components shows its rows once a count is confirmed, as a user would.
            ok = find(nodes, "push button", "OK")
            count = next((n for n in nodes if n.role == "text" and n.showing and n.name.startswith("No. of")), None)
            if ok and count:
                count.accessible.queryEditableText().setTextContents("3")
                press(ok.accessible)
                wait_for(title + "'s rows", lambda: sum(1 for n in walk(window.accessible)
                                                        if n.role == "text" and n.showing) >= 5, 5)
                nodes = walk(window.accessible)
            b, p = check_window(title, nodes, problems)
            walked += 1
            boxes += b
            buttons += p

        # The work of a press, read in its Working window. Picked again, Basic Electricity
        # comes to the front, over the windows opened after it.
        press(next(item for path, item in picks if path[-1] == "Basic Electricity"))
        basic = next(w for w in children_windows() if w.name == "Basic Electricity")
        working = read_working(basic, children_windows, problems)
        # The steps, then the readings: each box's value read with its prefix.
        steps, _, readings = (working or "").partition("\n\n")
        if steps != WORKING or "\ni \u2248 434.783 mA\n" not in readings:
            problems.append("the Working window reads %r, not %r and the readings" % (working, WORKING))

        # "Exit" ends the program, and cleanly.
        exit_item = next(item for path, item in menu_leaves(menubar) if path == ("File", "Exit"))
        press(exit_item)
        try:
            status = ampora.wait(timeout=15)
            if status != 0:
                problems.append("Ampora ended with status %d after Exit" % status)
        except subprocess.TimeoutExpired:
            problems.append("Ampora was still running 15 s after Exit")

        print("walked the splash%s, then %d windows with %d boxes and %d buttons, lists and options in %.1f s"
              % ("" if splash_walked else " (gone too soon)", walked, boxes, buttons, time.monotonic() - started))
    except Interrupted as stop:
        problems.append(str(stop))
    except Exception as failure:
        problems.append("%s: %s" % (type(failure).__name__, failure))
    finally:
        # Nothing stops the clean-up half way.
        signal.alarm(0)
        for sig in stops:
            signal.signal(sig, signal.SIG_IGN)
        processes.end()
        log.seek(0)
        output = log.read()
        log.close()
        shutil.rmtree(home, ignore_errors=True)
    if problems:
        for problem in problems:
            print("FAIL: " + problem)
        if output.strip():
            print("--- Ampora's output\n" + output)
        return 1
    return 0


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    sys.exit(run(os.path.abspath(sys.argv[1])))
