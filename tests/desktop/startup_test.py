"""The program's start with a command line, without a session bus, with one,
under a tight memory limit and in a bare environment, on a real X server."""
import os
import shutil
import stat
import subprocess

import desktop


def away(session):
    """The pointer off the window: a button under it would look hovered."""
    session.move(session.size[0] - 1, session.size[1] - 1)


def looks(session, window, plain):
    """The number of pixels that differ from `plain`: 0 once the window looks
    the same, else as many as differ at the deadline."""
    def differing():
        now = session.grab(window)
        if now.rect.width != plain.rect.width or now.rect.height != plain.rect.height:
            return -1
        return sum(a != b for a, b in zip(now.pixels(), plain.pixels()))
    try:
        session.wait(lambda: differing() == 0, "the plain start's pixels")
        return 0
    except desktop.Failure:
        return differing()


class Exit:
    """Where "Kilépés" lies within the main window, learnt from the tree once,
    for runs where there is no tree to ask."""

    def __init__(self, main):
        box, origin = main.find("push button", "Kilépés").extents, main.window.extents
        self.offset = (box.centre[0] - origin.x, box.centre[1] - origin.y)

    def click(self, session, game, what):
        window = game.window(desktop.caption(desktop.MAIN), f"the main window after {what}")
        origin = window.extents
        session.click((origin.x + self.offset[0], origin.y + self.offset[1]))
        return game.wait_exit(what)


def arguments(session, program, plain, quit_at, checks):
    """Qt's options are the program's arguments, and it takes none."""
    eight_server, eight = desktop.display_server(["-screen", "0", "640x480x8"])
    session.own(eight_server)
    for args in (["-platform", "offscreen", "-display", eight, "-reverse", "-style", "fusion"],
                 ["-platform", "bogus"]):
        what = " ".join(args)
        game = session.start(program, args)
        window = game.window(desktop.caption(desktop.MAIN), f"the window on DISPLAY with {what}")
        checks.that(f"the window opens on DISPLAY with {what}", True)
        away(session)
        checks.equal(f"pixels that differ from the plain start with {what}", 0,
                     looks(session, window, plain))
        checks.equal(f"exit code after {what}", 0, quit_at.click(session, game, what))


def without_bus(session, program, quit_at, traced, checks):
    """Without a session bus the program runs no other program: not the
    dbus-launch first on PATH, nor any other."""
    bin_dir, run = os.path.join(session.work, "bin"), os.path.join(session.work, "run")
    os.makedirs(bin_dir)
    os.makedirs(run, 0o700)
    launched = os.path.join(session.work, "launched")
    fake = os.path.join(bin_dir, "dbus-launch")
    with open(fake, "w", encoding="utf-8") as f:
        f.write(f'#!/bin/sh\ntouch "{launched}"\nexit 1\n')
    os.chmod(fake, os.stat(fake).st_mode | stat.S_IXUSR)
    trace = os.path.join(session.work, "trace")
    game = session.start(program, env={"XDG_RUNTIME_DIR": run,
                                       "PATH": bin_dir + ":" + os.environ["PATH"]},
                         unset=("DBUS_SESSION_BUS_ADDRESS",),
                         prefix=traced("execve", trace))
    what = "a start without a session bus"
    checks.equal(f"exit code after {what}", 0, quit_at.click(session, game, what))
    checks.that("dbus-launch not run", not os.path.exists(launched))
    if traced("execve", trace):
        with open(trace, encoding="utf-8") as f:
            checks.equal("programs run without a session bus (the game itself)", 1,
                         sum("execve(" in line for line in f))


def with_bus(session, program, quit_at, traced, checks):
    """With a session bus, Qt's accessibility goes through it."""
    trace = os.path.join(session.work, "connect")
    prefix = traced("connect", trace)
    if not prefix:
        return
    game = session.start(program, prefix=prefix)
    what = "a start with a session bus"
    checks.equal(f"exit code after {what}", 0, quit_at.click(session, game, what))
    address = session.env["DBUS_SESSION_BUS_ADDRESS"]
    path = address.split(":", 1)[1].split(",")[0].split("=", 1)[1]
    with open(trace, encoding="utf-8") as f:
        checks.that("connects to the session bus", path in f.read(), f"no connection to {path}")


def memory_limit(session, program, quit_at, checks):
    """In 100 MB of address space, with a bus address and without one, the start
    ends: a game that quits with 0, or one clear line and 1."""
    for bus in (None, "unix:path=" + os.path.join(session.work, "nobus")):
        what = "a start in 100 MB of address space" + (" with a bus address" if bus else "")
        game = session.start(program, env={"DBUS_SESSION_BUS_ADDRESS": bus} if bus else None,
                             unset=() if bus else ("DBUS_SESSION_BUS_ADDRESS",),
                             limit=100_000_000)
        opened = session.wait(lambda g=game: not g.running() or session.windows(g.pids()),
                              f"the window or the end after {what}")
        if opened is True:
            checks.equal(f"exit code after {what}", 1, game.process.returncode)
            checks.that(f"says why after {what}",
                        any(line.startswith("nonagra: ") for line in game.stderr.splitlines()),
                        game.stderr[:300])
        else:
            checks.equal(f"exit code after {what}", 0, quit_at.click(session, game, what))


def bare(session, program, checks):
    """In a bare environment (no LANG, no LC_*) the help window's legacy
    title keeps its accented letter."""
    env = {name: session.env[name] for name in ("PATH", "HOME", "DISPLAY",
                                                "DBUS_SESSION_BUS_ADDRESS")}
    game = session.start(program, prefix=["env", "-i", *(f"{k}={v}" for k, v in env.items())])
    main = game.main_window()
    session.click(main.find("push button", "Használat"))
    title = desktop.caption(desktop.HELP)
    frame = game.frame(title)
    window = game.window(title)
    for name in ("WM_NAME", "_NET_WM_NAME"):
        checks.equal(f"{name} of the help window in a bare environment", title,
                     window.text_property(name))
    session.click(frame.find("push button", "Bezár"))
    session.wait_gone(window, "the help window hidden")
    checks.equal("exit code after a start in a bare environment", 0, main.quit())


def test(program, checks):
    sanitized = "libasan" in subprocess.run(["ldd", program], capture_output=True, text=True,
                                            check=False).stdout
    # LeakSanitizer cannot run under ptrace.
    can_trace = not sanitized and shutil.which("strace") and subprocess.run(
        ["strace", "-o", "/dev/null", "true"], capture_output=True, check=False).returncode == 0

    def traced(calls, path):
        return ["strace", "-f", "-qq", "-e", f"trace={calls}", "-o", path] if can_trace else []

    with desktop.Session() as session:
        game = session.start(program)
        main = game.main_window()
        away(session)
        plain = session.wait(lambda: (lambda shot: shot if shot == session.grab(main.window)
                                      else None)(session.grab(main.window)),
                             "the plain start's window at rest")
        quit_at = Exit(main)
        checks.equal("exit code after a start without arguments", 0, main.quit())
        arguments(session, program, plain, quit_at, checks)
        without_bus(session, program, quit_at, traced, checks)
        with_bus(session, program, quit_at, traced, checks)
        if sanitized:
            print("skipped: the memory limit under a sanitizer")
        else:
            memory_limit(session, program, quit_at, checks)
        bare(session, program, checks)


desktop.main(test)
