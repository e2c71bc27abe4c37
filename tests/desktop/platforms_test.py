"""The adapter's platform-specific path (a form kept out of the taskbar) on Qt's
minimal, X11 and Wayland platforms, and the game on a Wayland compositor
without X. Offscreen is the adapter tests' own platform.
Usage: platforms_test.py <nonagra> <nonagra_qt_tests>"""
import glob
import os
import shutil
import subprocess
import sys

import desktop


def adapter(tests, platform, env, checks):
    run = subprocess.run([tests, "--gtest_filter=Platform.AFormKeptOutOfTheTaskbar*"],
                         env=env, capture_output=True, text=True, timeout=60, check=False)
    checks.that(f"a form kept out of the taskbar on {platform}", run.returncode == 0,
                run.stdout[-500:] + run.stderr[-500:])


def weston(session):
    """A headless compositor of this test's own; its environment, or None."""
    if shutil.which("weston") is None or not glob.glob(
            "/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so"):
        return None
    runtime = os.path.join(session.work, "runtime")
    os.mkdir(runtime, 0o700)
    env = {"XDG_RUNTIME_DIR": runtime, "WAYLAND_DISPLAY": "nonagra-test"}
    compositor = subprocess.Popen(
        ["weston", "--backend=headless-backend.so", "--socket=nonagra-test", "--idle-time=0",
         "--no-config"], env={**session.env, **env},
        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    session.own(compositor)
    session.wait(lambda: os.path.exists(os.path.join(runtime, "nonagra-test")),
                 "weston's socket")
    return env


def test(program, checks):
    tests = sys.argv[2]
    adapter(tests, "minimal", {**os.environ, "QT_QPA_PLATFORM": "minimal"}, checks)
    with desktop.Session() as session:
        adapter(tests, "X11", {**session.env, "QT_QPA_PLATFORM": "xcb"}, checks)
        wayland = weston(session)
        if wayland is None:
            print("skipped: Wayland (needs weston and qt6-wayland)")
            return
        adapter(tests, "Wayland", {**session.env, **wayland, "QT_QPA_PLATFORM": "wayland"}, checks)
        # Without X the game starts on the compositor: its window shows in
        # the tree, and "Kilépés" pressed through the tree ends it with 0.
        game = session.start(program, env=wayland, unset=("DISPLAY", "QT_QPA_PLATFORM"))
        frame = game.frame(desktop.caption(desktop.MAIN), "the main window on Wayland")
        checks.that("the game runs on Wayland without X", game.running())
        quit_button = frame.find("push button", "Kilépés").accessible.queryAction()
        quit_button.doAction(0)
        checks.equal("exit code after Kilépés on Wayland", 0, game.wait_exit("Kilépés"))


desktop.main(test)
