"""The game on a real X server, read through its accessibility tree and driven
by real X input. Every real-window test is a script built on this module.

A test reads like this:

    import desktop

    def test(program, checks):
        with desktop.Session(size=(1024, 768)) as session:   # Xvfb, openbox, AT-SPI on
            game = session.start(program)       # the program on this session's display
            main = game.main_window()           # its frame in the tree, mapped and painted
            five = main.digit(5)                # controls by role and name, never by pixel
            session.click(five)                 # real X input at the centre of its extents
            session.wait(lambda: five.selected, "digit 5 selected")
            checks.equal("digit 5 yellow", desktop.colour("Yellow"),
                         session.grab(five.extents.inset(3)).pixel(0, 0))
            checks.equal("exit code after Kilépés", 0, main.quit())

    desktop.main(test)                          # argv[1] is the program; skip, ok/FAIL, exit

The rules it keeps for every test:
- Controls are found through AT-SPI (name, role, extents); pixel positions,
  titles and colours come from the tree or from the program's own definitions
  (`colour`, `design`); puzzles come from bank/data/bank.txt (`puzzle`).
- Nothing waits for time. `Session.wait` polls a condition until a deadline
  and fails the test with what it waited for; on top of it: AT-SPI events
  (`Session.events`), windows mapped or gone (`Game.window`,
  `Session.wait_gone`), pixels that change (`Session.wait_change`), a process
  that exits (`Game.wait_exit`).
- A "nothing happened" check is `Session.unchanged`: the stray input, then a
  later input whose effect is awaited; X hands input over in order, so once
  that effect shows the stray input has been handled, and only then is the
  state compared.
- A click's effect is awaited before a click elsewhere (see `Session.click`).

What there is:
- `Session(size, depth, scale, env, wm, bus)`: Xvfb with that screen, openbox
  unless `wm=False`, and a private D-Bus session with the accessibility bus
  on unless `bus=False` (one per process; without it the game is found
  through X alone, `Game.window`). `scale` sets QT_SCALE_FACTOR.
- `Session.start(program, args, env, prefix, unset, limit)` gives a `Game`:
  `main_window()`, `frame(name)`, `window(title)`, `wait_exit()`, `loaded()`,
  `stderr`, and `stop()` (SIGSTOP) to show that a check can fail.
- Input: `click(target, button, count)`, `move`, `key("Tab", "alt+F4")`,
  `focus(window)`, `close(window)` (the frame's close). A target is a `Node`
  of the tree, a `Rect` or an (x, y) point on the screen.
- Pixels: `grab(target)` gives an `Image` (`pixel`, `darkest`, `ground`, `ink`),
  `contrast(a, b)` as WCAG defines it, `screenshot(path)`; at a failure the
  screen is saved and its path printed.
- The program's definitions: `colour("Yellow")` from form/Rgb.h,
  `caption(MAIN)`, `client_size(HELP)`, `design(path, pattern)`,
  `puzzle(level, number)`.
- `desktop.py session [WxH] -- command` runs a command on such a desktop.
"""

import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import traceback
from dataclasses import dataclass

ROOT = os.path.realpath(os.path.join(os.path.dirname(__file__), "..", ".."))
SKIP = 77
DEADLINE = 10.0

# Windows and texts hold Hungarian letters: one UTF-8 locale for every tool.
os.environ["LC_ALL"] = "C.UTF-8"


class Skip(Exception):
    """A tool or platform part this test needs is missing."""


class Failure(Exception):
    """A check that cannot go on: what was awaited and did not come."""


# ---------------------------------------------------------------- the program's own definitions


def colour(name):
    """A named colour of form/Rgb.h as (r, g, b)."""
    text = _read("form/Rgb.h")
    found = re.search(r"Rgb\s+" + name + r"\{(\d+),\s*(\d+),\s*(\d+)\}", text)
    if not found:
        raise LookupError(f"no colour {name} in form/Rgb.h")
    return tuple(int(v) for v in found.groups())


def design(path, pattern):
    """The first group of a pattern in a definition file, e.g. a window's caption."""
    found = re.search(pattern, _read(path))
    if not found:
        raise LookupError(f"{pattern!r} not in {path}")
    return found.group(1)


def client_size(path):
    """A window definition's client area in pixels at scale 1: (width, height)."""
    return tuple(round(float(design(path, name + r" = twips\(([\d.]+)\)")))
                 for name in ("ClientWidth", "ClientHeight"))


MAIN = "ui/FoMenuDesign.cpp"
HELP = "ui/HasznalatDesign.cpp"


def caption(path):
    """A window definition's title."""
    return design(path, r'\n    Caption = "([^"]+)"')


def puzzle(level, number):
    """(puzzle, solution) of a level (1..3) and number (1..) from the bank."""
    lines = [line.split() for line in _read("bank/data/bank.txt").splitlines() if line.strip()]
    per_level = int(design("bank/BankAdat.h", r"kSzintenkent = (\d+)"))
    return tuple(lines[(level - 1) * per_level + number - 1])


def _read(path):
    with open(os.path.join(ROOT, path), encoding="utf-8") as f:
        return f.read()


# ---------------------------------------------------------------- geometry and pixels


@dataclass(frozen=True)
class Rect:
    x: int
    y: int
    width: int
    height: int

    @property
    def centre(self):
        return self.x + self.width // 2, self.y + self.height // 2

    def inset(self, by):
        return Rect(self.x + by, self.y + by, self.width - 2 * by, self.height - 2 * by)

    def contains(self, other):
        return (self.x <= other.x and self.y <= other.y
                and other.x + other.width <= self.x + self.width
                and other.y + other.height <= self.y + self.height)


def gap(a, b):
    """A 1-pixel Rect in the middle of the gap between two side-by-side or
    stacked Rects: where a line between them lies."""
    if a.y == b.y:
        return Rect((a.x + a.width + b.x) // 2, a.centre[1], 1, 1)
    return Rect(a.centre[0], (a.y + a.height + b.y) // 2, 1, 1)


def luminance(rgb):
    """Relative luminance as WCAG defines it."""
    def linear(v):
        v /= 255
        return v / 12.92 if v <= 0.04045 else ((v + 0.055) / 1.055) ** 2.4
    r, g, b = (linear(v) for v in rgb)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    """Contrast ratio of two colours as WCAG defines it, 1..21."""
    x, y = sorted((luminance(a), luminance(b)), reverse=True)
    return (x + 0.05) / (y + 0.05)


class Image:
    """Pixels of a screen area, read from the X server: (r, g, b) each."""

    def __init__(self, rect, pixels):
        self.rect = rect
        self._pixels = pixels

    def pixel(self, x, y):
        """The pixel at (x, y) within the area."""
        return self._pixels[y * self.rect.width + x]

    def pixels(self):
        return list(self._pixels)

    def darkest(self):
        return min(self._pixels, key=luminance)

    def ground(self):
        """The commonest colour: what text or a mark stands on."""
        counts = {}
        for p in self._pixels:
            counts[p] = counts.get(p, 0) + 1
        return max(counts, key=counts.get)

    def ink(self):
        """The colour that stands out most from the ground, light or dark."""
        ground = self.ground()
        return max(self._pixels, key=lambda p: contrast(p, ground))

    def __eq__(self, other):
        return isinstance(other, Image) and self.rect == other.rect and self._pixels == other._pixels

    def __hash__(self):
        return hash((self.rect, tuple(self._pixels)))


# ---------------------------------------------------------------- checks


class Checks:
    """ok/FAIL lines and a count, so one test reports every check it made."""

    def __init__(self):
        self.failures = 0

    def that(self, what, condition, detail=""):
        if condition:
            print(f"ok: {what}", flush=True)
        else:
            self.failures += 1
            print(f"FAIL: {what}" + (f": {detail}" if detail else ""), flush=True)
        return condition

    def equal(self, what, expected, actual):
        return self.that(what, expected == actual, f"expected {expected!r}, got {actual!r}")

    def readable(self, what, text, ground, least):
        ratio = contrast(text, ground)
        return self.that(f"{what}: {text} on {ground} at least {least}:1", ratio >= least,
                         f"{ratio:.2f}:1")


def platform_theme(name):
    """Skips the test when Qt has no platform theme plugin of this name."""
    found = subprocess.run(["qtpaths6", "--query", "QT_INSTALL_PLUGINS"], capture_output=True,
                           text=True, check=False).stdout.strip()
    if not os.path.exists(os.path.join(found, "platformthemes", f"lib{name}.so")):
        raise Skip(f"missing the {name} platform theme")


def dark_theme():
    """The environment of a GNOME desktop with Adwaita's dark theme."""
    platform_theme("qgtk3")
    return {"QT_QPA_PLATFORMTHEME": "gtk3", "XDG_CURRENT_DESKTOP": "GNOME",
            "GTK_THEME": "Adwaita:dark"}


def require(*tools):
    """Skips the test when a program it runs is missing."""
    for tool in tools:
        if shutil.which(tool) is None:
            raise Skip(f"missing {tool}")


def main(test):
    """Runs `test(program, checks)` as a script, argv[1] being the program;
    the test opens its sessions itself. Exit 77 for a skip, 1 for any failed
    check or failure, 0 otherwise."""
    checks = Checks()
    try:
        test(sys.argv[1], checks)
    except Skip as skip:
        print(f"skipped: {skip}")
        sys.exit(SKIP)
    except Failure as failure:
        checks.that(str(failure), False)
    except Exception:  # the test's own fault: shown whole, counted once
        traceback.print_exc()
        checks.failures += 1
    if checks.failures:
        sys.exit(f"{checks.failures} check(s) failed")


# ---------------------------------------------------------------- the session


def display_server(args, env=None):
    """Xvfb with the display number it picks; returns (process, ':N')."""
    read, write = os.pipe()
    process = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-nolisten", "tcp", *args],
                               pass_fds=(write,), stderr=subprocess.DEVNULL, env=env)
    os.close(write)
    with os.fdopen(read) as f:
        number = f.readline().strip()
    if not number:
        raise Failure("Xvfb did not start")
    return process, ":" + number


class Session:
    """Xvfb, optionally openbox and a private bus with the accessibility bus on."""

    def __init__(self, size=(1024, 768), depth=24, scale=None, env=None, wm=True, bus=True):
        require("Xvfb", *(["openbox"] if wm else []), *(["dbus-daemon", "dbus-send"] if bus else []))
        self.size, self.depth, self.wm, self.bus = size, depth, wm, bus
        self.env = dict(os.environ)
        for name in ("WAYLAND_DISPLAY", "WAYLAND_SOCKET", "QT_QPA_PLATFORM"):
            self.env.pop(name, None)
        if scale is not None:
            self.env["QT_SCALE_FACTOR"] = str(scale)
        self.env.update(env or {})
        self.work = tempfile.mkdtemp(prefix="nonagra-desktop-")
        self._processes = []
        self._unanswered = ()
        self.games = []

    def __enter__(self):
        try:
            self._start()
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self

    def _start(self):
        server, self.display = display_server(
            ["-screen", "0", f"{self.size[0]}x{self.size[1]}x{self.depth}"])
        self._processes.append(server)
        self.env["DISPLAY"] = self.display
        from Xlib import X, display as xdisplay  # pylint: disable=import-outside-toplevel
        self.x = xdisplay.Display(self.display)
        self.root = self.x.screen().root
        self._X = X
        if self.bus:
            self._start_bus()
        if self.wm:
            self._processes.append(subprocess.Popen(
                ["openbox", "--sm-disable"], env=self.env,
                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
            check = self.x.intern_atom("_NET_SUPPORTING_WM_CHECK")
            self.wait(lambda: self.root.get_full_property(check, 0) is not None,
                      "openbox on the display")

    def _start_bus(self):
        daemon = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                                  stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True,
                                  env=self.env)
        self._processes.append(daemon)
        address = daemon.stdout.readline().strip()
        self.env["DBUS_SESSION_BUS_ADDRESS"] = address
        # AT-SPI in this process talks to this bus: set before its first use.
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = address
        os.environ["DISPLAY"] = self.display
        # What a screen reader does when it starts: the accessibility bus comes
        # up (D-Bus starts it on first use) and hears that a tool listens.
        subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                        "/org/a11y/bus", "org.freedesktop.DBus.Properties.Set",
                        "string:org.a11y.Status", "string:IsEnabled", "variant:boolean:true"],
                       check=True, stdout=subprocess.DEVNULL, env=self.env, timeout=DEADLINE)
        try:
            import pyatspi  # pylint: disable=import-outside-toplevel
            from gi.repository import GLib  # pylint: disable=import-outside-toplevel
        except ImportError as missing:
            raise Skip(f"missing {missing.name}") from missing
        self.atspi, self._glib = pyatspi, GLib
        # A program that does not answer (stopped, hung) is a condition not
        # met yet; a short reply timeout lets the test's deadline decide.
        pyatspi.setTimeout(3000, 15000)
        self._unanswered = GLib.Error

    def __exit__(self, kind, *_):
        if kind is not None and kind is not Skip and hasattr(self, "root"):
            # What the screen showed when the test gave up, for whoever reads the log.
            shot = os.path.join(tempfile.gettempdir(), f"nonagra-desktop-{os.getpid()}.png")
            if self.screenshot(shot):
                print(f"the screen at the failure: {shot}")
        for game in self.games:
            game.kill()
        for process in reversed(self._processes):
            if process.poll() is None:
                process.terminate()
            try:
                process.wait(timeout=DEADLINE)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        shutil.rmtree(self.work, ignore_errors=True)

    def own(self, process):
        """A helper process (a compositor, a second server) stopped with the session."""
        self._processes.append(process)
        return process

    # ------------------------------------------------------------ waiting

    def wait(self, condition, what, timeout=DEADLINE):
        """condition()'s first true value, polled until the deadline; AT-SPI
        events are taken in between. Fails with `what` at the deadline."""
        end = time.monotonic() + timeout
        while True:
            try:
                value = condition()
            except self._unanswered:
                value = None
            if value:
                return value
            if time.monotonic() > end:
                raise Failure(f"waited {timeout:.0f} s in vain for {what}")
            self._pause()

    def _pause(self):
        # Not a fixed wait: the loop asks again at once after an AT-SPI
        # event, else after one short tick.
        if self.bus:
            context = self._glib.MainContext.default()
            self._glib.timeout_add(10, lambda: False)
            context.iteration(True)
            while context.pending():
                context.iteration(False)
        else:
            time.sleep(0.01)

    def events(self, *types):
        """An EventLog of these AT-SPI event types, recorded from now on."""
        return EventLog(self, types)

    def wait_change(self, rect, before, what):
        """The Image of rect once it differs from `before`."""
        return self.wait(lambda: (lambda now: now if now != before else None)(self.grab(rect)),
                         what)

    def wait_gone(self, window, what):
        self.wait(lambda: not window.viewable, what)

    def unchanged(self, what, probe, stray, witness, effect, checks):
        """A check that stray input changes nothing: probe() before, the stray
        input, then the witness input and its awaited effect, then probe()
        again. The witness must leave probe()'s state alone."""
        before = probe()
        stray()
        witness()
        self.wait(effect, f"the later input's effect after {what}")
        return checks.equal(what, before, probe())

    # ------------------------------------------------------------ the program

    def start(self, program, args=(), env=None, prefix=(), unset=(), limit=None):
        """The program on this display: `prefix` runs before it (strace, env -i),
        `limit` caps its address space in bytes."""
        full_env = dict(self.env)
        full_env.update(env or {})
        for name in unset:
            full_env.pop(name, None)

        def limited():
            if limit is not None:
                import resource  # pylint: disable=import-outside-toplevel
                resource.setrlimit(resource.RLIMIT_AS, (limit, limit))
        stderr = open(os.path.join(self.work, f"stderr{len(self.games)}"), "w+", encoding="utf-8")
        process = subprocess.Popen([*prefix, program, *args], env=full_env, stderr=stderr,
                                   stdout=subprocess.DEVNULL, preexec_fn=limited)
        game = Game(self, process, stderr)
        self.games.append(game)
        return game

    # ------------------------------------------------------------ windows

    def windows(self, pids):
        """The viewable windows with a title that processes of `pids` own."""
        pid_atom = self.x.intern_atom("_NET_WM_PID")
        found = []

        def visit(window, depth):
            try:
                attributes = window.get_attributes()
                owner = window.get_full_property(pid_atom, 0)
            except Exception:  # gone meanwhile
                return
            if owner and owner.value[0] in pids and attributes.map_state == self._X.IsViewable:
                found.append(Window(self, window))
                return
            if depth < 2:
                for child in window.query_tree().children:
                    visit(child, depth + 1)
        for child in self.root.query_tree().children:
            visit(child, 1)
        return found

    def focus(self, window):
        """The keyboard focus on `window`, asked of the window manager when
        there is one, and awaited."""
        if self.wm:
            from Xlib import protocol  # pylint: disable=import-outside-toplevel
            active = self.x.intern_atom("_NET_ACTIVE_WINDOW")
            message = protocol.event.ClientMessage(
                window=window.xwindow, client_type=active, data=(32, [2, 0, 0, 0, 0]))
            self.root.send_event(message, event_mask=self._X.SubstructureRedirectMask
                                 | self._X.SubstructureNotifyMask)
        else:
            window.xwindow.set_input_focus(self._X.RevertToParent, self._X.CurrentTime)
        self.x.sync()
        self.wait(lambda: self.x.get_input_focus().focus.id == window.xwindow.id,
                  f"the focus on {window.title!r}")

    def close(self, window):
        """What the frame's close button does: WM_DELETE_WINDOW to the client.
        Sent on the test's own connection, so it reaches the program before
        any input the test sends after it."""
        from Xlib import protocol  # pylint: disable=import-outside-toplevel
        protocols = self.x.intern_atom("WM_PROTOCOLS")
        delete = self.x.intern_atom("WM_DELETE_WINDOW")
        message = protocol.event.ClientMessage(
            window=window.xwindow, client_type=protocols, data=(32, [delete, 0, 0, 0, 0]))
        window.xwindow.send_event(message)
        self.x.sync()

    # ------------------------------------------------------------ input

    def move(self, x, y):
        from Xlib.ext import xtest  # pylint: disable=import-outside-toplevel
        xtest.fake_input(self.x, self._X.MotionNotify, x=int(x), y=int(y))
        self.x.sync()

    def click(self, target, button=1, count=1):
        """`count` clicks of `button` at the centre of a Node, a Rect or an
        (x, y) screen point. Await a click's effect before clicking elsewhere:
        the game loses most of a burst of clicks on different cells sent
        within a few milliseconds, which no hand produces."""
        from Xlib.ext import xtest  # pylint: disable=import-outside-toplevel
        self.move(*_point(target))
        for n in range(count):
            # A hand's double-click has a pause between its clicks: the
            # server keeps it (XTest's delay), the test does not wait for it.
            xtest.fake_input(self.x, self._X.ButtonPress, button, time=80 if n else 0)
            xtest.fake_input(self.x, self._X.ButtonRelease, button)
        self.x.sync()

    def key(self, *names):
        """Keys pressed one after another; "alt+F4" holds the first while
        pressing the second. Names are X keysym names."""
        from Xlib import XK  # pylint: disable=import-outside-toplevel
        from Xlib.ext import xtest  # pylint: disable=import-outside-toplevel
        for name in names:
            codes = []
            for part in name.split("+"):
                symbol = XK.string_to_keysym({"alt": "Alt_L", "ctrl": "Control_L",
                                              "shift": "Shift_L"}.get(part, part))
                codes.append(self.x.keysym_to_keycode(symbol))
            for code in codes:
                xtest.fake_input(self.x, self._X.KeyPress, code)
            for code in reversed(codes):
                xtest.fake_input(self.x, self._X.KeyRelease, code)
        self.x.sync()

    # ------------------------------------------------------------ pixels

    def grab(self, target):
        """The screen pixels of an Accessible's extents, a Window or a Rect."""
        rect = target if isinstance(target, Rect) else target.extents
        image = self.root.get_image(rect.x, rect.y, rect.width, rect.height,
                                    self._X.ZPixmap, 0xFFFFFFFF)
        data = image.data
        if isinstance(data, str):
            data = data.encode("latin-1")
        if self.depth != 24:
            raise NotImplementedError("pixels are read from 24-bit screens")
        pixels = [(data[i + 2], data[i + 1], data[i]) for i in range(0, len(data), 4)]
        return Image(rect, pixels)

    def screenshot(self, path):
        """The whole screen as a PNG, for a human to look at; whether it was written."""
        return subprocess.run(["import", "-window", "root", path], env=self.env,
                              check=False, capture_output=True).returncode == 0


def _point(target):
    if isinstance(target, tuple):
        return target
    rect = target if isinstance(target, Rect) else target.extents
    return rect.centre


# ---------------------------------------------------------------- AT-SPI


class EventLog:
    """AT-SPI events of some types as (type, source name, detail1)."""

    def __init__(self, session, types):
        self.session = session
        self.heard = []
        self._types = types
        session.atspi.Registry.registerEventListener(self._hear, *types)

    def _hear(self, event):
        try:
            name = event.source.name
        except Exception:  # the source went away meanwhile
            name = None
        self.heard.append((event.type, name, event.detail1))

    def wait(self, kind, name, detail=None):
        """The first event of this kind from a source with this name."""
        def found():
            return any(e[0] == kind and e[1] == name and detail in (None, e[2])
                       for e in self.heard)
        return self.session.wait(found, f"{kind} from {name!r}; heard {self.heard}")

    def close(self):
        self.session.atspi.Registry.deregisterEventListener(self._hear, *self._types)


class Node:
    """A control as the accessibility tree shows it."""

    def __init__(self, session, accessible):
        self.session = session
        self.accessible = accessible

    def __repr__(self):
        return f"<{self.role} {self.name!r}>"

    def __eq__(self, other):
        return isinstance(other, Node) and self.accessible == other.accessible

    def __hash__(self):
        return hash(self.accessible)

    @property
    def name(self):
        return self.accessible.name

    @property
    def role(self):
        name = self.accessible.getRoleName()
        # AT-SPI 2.5x (Debian 13) names a push button "button".
        return "push button" if name == "button" else name

    @property
    def extents(self):
        box = self.accessible.queryComponent().getExtents(self.session.atspi.DESKTOP_COORDS)
        return Rect(box.x, box.y, box.width, box.height)

    def has(self, state):
        """One of the AT-SPI states by name: "selected", "enabled", "focused"."""
        return self.accessible.getState().contains(
            getattr(self.session.atspi, "STATE_" + state.upper()))

    @property
    def selected(self):
        return self.has("selected")

    @property
    def children(self):
        return [Node(self.session, self.accessible.getChildAtIndex(i))
                for i in range(self.accessible.childCount)]

    def find_all(self, role=None, name=None):
        """Descendants of this role and name (either may be left out), in tree order."""
        found = []
        for child in self.children:
            if (role is None or child.role == role) and (name is None or child.name == name):
                found.append(child)
            found.extend(child.find_all(role, name))
        return found

    def find(self, role=None, name=None):
        found = [c for c in self.children
                 if (role is None or c.role == role) and (name is None or c.name == name)]
        found = found or self.find_all(role, name)
        if not found:
            raise Failure(f"no {role or 'control'} {name!r} under {self!r}")
        return found[0]

    def cell(self, row, column):
        """A table's cell, rows and columns from 0."""
        return Node(self.session, self.accessible.queryTable().getAccessibleAt(row, column))

    @property
    def text(self):
        return self.accessible.queryText().getText(0, -1)

    @property
    def value(self):
        return self.accessible.queryValue().currentValue

    def actions(self):
        action = self.accessible.queryAction()
        return [action.getName(i) for i in range(action.nActions)]


# ---------------------------------------------------------------- windows and the game


class Window:
    """A top-level X window of the game."""

    def __init__(self, session, xwindow):
        self.session = session
        self.xwindow = xwindow

    def __eq__(self, other):
        return isinstance(other, Window) and self.xwindow.id == other.xwindow.id

    def __hash__(self):
        return self.xwindow.id

    def _property(self, name):
        found = self.xwindow.get_full_property(self.session.x.intern_atom(name), 0)
        return found.value if found else None

    @property
    def title(self):
        value = self._property("_NET_WM_NAME")
        return value.decode("utf-8") if isinstance(value, bytes) else value

    def text_property(self, name):
        """A text property decoded by its type: WM_NAME, _NET_WM_NAME."""
        found = self.xwindow.get_full_property(self.session.x.intern_atom(name), 0)
        if found is None:
            return None
        value = found.value if isinstance(found.value, bytes) else found.value.encode("latin-1")
        utf8 = found.property_type == self.session.x.intern_atom("UTF8_STRING")
        return value.decode("utf-8" if utf8 else "latin-1")

    @property
    def wm_class(self):
        return self.xwindow.get_wm_class()

    @property
    def states(self):
        """The _NET_WM_STATE atoms' names."""
        return [self.session.x.get_atom_name(a) for a in self._property("_NET_WM_STATE") or []]

    @property
    def hints(self):
        return self.xwindow.get_wm_normal_hints()

    @property
    def viewable(self):
        try:
            return self.xwindow.get_attributes().map_state == self.session._X.IsViewable
        except Exception:  # destroyed
            return False

    @property
    def extents(self):
        """The client area on the screen."""
        geometry = self.xwindow.get_geometry()
        origin = self.xwindow.translate_coords(self.session.root, 0, 0)
        return Rect(-origin.x, -origin.y, geometry.width, geometry.height)


class Game:
    """One run of the program."""

    def __init__(self, session, process, stderr):
        self.session = session
        self.process = process
        self._stderr = stderr

    def pids(self):
        """The program's process and its descendants, for a program run under a wrapper."""
        pids = {self.process.pid}
        children = {}
        for entry in os.listdir("/proc"):
            if entry.isdigit():
                try:
                    with open(f"/proc/{entry}/stat", encoding="utf-8") as f:
                        parent = int(f.read().rsplit(")", 1)[1].split()[1])
                except OSError:
                    continue
                children.setdefault(parent, []).append(int(entry))
        todo = [self.process.pid]
        while todo:
            for child in children.get(todo.pop(), []):
                pids.add(child)
                todo.append(child)
        return pids

    @property
    def stderr(self):
        self._stderr.flush()
        with open(self._stderr.name, encoding="utf-8", errors="replace") as f:
            return f.read()

    def running(self):
        return self.process.poll() is None

    def loaded(self, library):
        """Whether the program has mapped a library of this file name."""
        with open(f"/proc/{self.process.pid}/maps", encoding="utf-8") as f:
            return any(line.rstrip().endswith("/" + library) for line in f)

    def window(self, title=None, what=None, but=()):
        """A viewable window of the program (with this title, none of `but`),
        once mapped; fails if the program ends first."""
        def mapped():
            if not self.running():
                raise Failure(f"the program ended ({self.process.returncode}) before "
                              f"{what or title or 'its window'}: {self.stderr[-300:]}")
            return next((w for w in self.session.windows(self.pids())
                         if title in (None, w.title) and w not in but), None)
        return self.session.wait(mapped, what or f"the window {title!r}")

    def frame(self, name=None, what=None):
        """A frame or dialog of the program in the accessibility tree."""
        def listed():
            if not self.running():
                raise Failure(f"the program ended before {what or name or 'its frame'}")
            pids = self.pids()
            for app in self.session.atspi.Registry.getDesktop(0):
                if app is None or app.get_process_id() not in pids:
                    continue
                for window in app:
                    if window is not None and name in (None, window.name):
                        return Node(self.session, window)
            return None
        return self.session.wait(listed, what or f"the frame {name!r} in the tree")

    def main_window(self):
        """The main window: its frame, its X window, painted."""
        return MainWindow(self, self.frame(caption(MAIN),
                                           "the main window in the tree"))

    def wait_exit(self, what, timeout=DEADLINE):
        """The exit code once the program ends."""
        self.session.wait(lambda: not self.running(), f"the program to end after {what}", timeout)
        return self.process.returncode

    def stop(self):
        """SIGSTOP: for showing that a check fails when the game handles nothing."""
        self.process.send_signal(signal.SIGSTOP)

    def kill(self):
        if self.running():
            self.process.send_signal(signal.SIGCONT)
            self.process.kill()
        self.process.wait()
        self._stderr.close()


class MainWindow:
    """The game's main window, its controls found by role and name."""

    def __init__(self, game, frame):
        self.game = game
        self.session = game.session
        self.frame = frame
        self.window = game.window(frame.name)
        # Painted once the window's ground shows the designed colour at the
        # frame's lower right, where no control lies.
        ground = colour("WindowBackground")
        corner = Rect(self.frame.extents.x + self.frame.extents.width - 2,
                      self.frame.extents.y + self.frame.extents.height - 2, 1, 1)
        self.session.wait(lambda: self.session.grab(corner).pixel(0, 0) == ground,
                          "the main window painted")

    def find(self, role=None, name=None):
        return self.frame.find(role, name)

    @property
    def board(self):
        return self.frame.find("table")

    def digit(self, number):
        return self.frame.find("push button", str(number))

    def quit(self, what="Kilépés"):
        """"Kilépés" clicked; the exit code, awaited."""
        self.session.click(self.find("push button", "Kilépés"))
        return self.game.wait_exit(what)


def _run_in_session(argv):
    """`desktop.py session [WxH] -- command...`: a command with DISPLAY on a
    fresh Xvfb with openbox and a private bus, for scripts (benchmarks)
    that need a desktop but no checks."""
    size = (1024, 768)
    if argv[0] != "--":
        size = tuple(int(v) for v in argv.pop(0).split("x"))
    with Session(size=size) as session:
        return subprocess.run(argv[1:], env=session.env, check=False).returncode


if __name__ == "__main__" and sys.argv[1:2] == ["session"]:
    sys.exit(_run_in_session(sys.argv[2:]))
