"""Digests of the main window's pixels, for start-up work that must not
change a pixel: under Xvfb (24 bit) at QT_SCALE_FACTOR 1 and 2, the window
as first painted and after digit 5 is chosen, notes are put in two empty
cells and digit 3 is chosen. Two builds draw alike when they print the same
lines; the raw RGB images are kept in the output directory for a closer look.
Usage: /usr/bin/python3 bench/startup/pixels.py [build dir] [output dir]"""
import hashlib
import os
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "tests", "desktop"))
import desktop  # noqa: E402  pylint: disable=wrong-import-position


def settled(session, rect):
    """The rectangle's pixels once two grabs a moment apart agree."""
    before = None
    while True:
        time.sleep(0.3)
        now = bytes(byte for pixel in session.grab(rect).pixels() for byte in pixel)
        if now == before:
            return now
        before = now


def shots(scale, out):
    """Both pictures at one scale; AT-SPI finds the controls in logical pixels."""
    def test(program, _checks):
        with desktop.Session(size=(1400, 1100), scale=scale) as session:
            game = session.start(program)
            frame = game.frame(desktop.caption(desktop.MAIN), "the main window in the tree")
            window = game.window(frame.name).xwindow
            size = window.get_geometry()
            origin = window.translate_coords(session.root, 0, 0)
            rect = desktop.Rect(-origin.x, -origin.y, size.width, size.height)
            corner = desktop.Rect(rect.x + rect.width - 2, rect.y + rect.height - 2, 1, 1)
            ground = desktop.colour("WindowBackground")
            session.wait(lambda: session.grab(corner).pixel(0, 0) == ground, "the window painted")

            def point(node):
                e, f = node.extents, frame.extents
                return (rect.x + (e.x - f.x + e.width // 2) * scale,
                        rect.y + (e.y - f.y + e.height // 2) * scale)

            def save(name):
                pixels = settled(session, rect)
                with open(os.path.join(out, f"{name}{scale}.rgb"), "wb") as f:
                    f.write(pixels)
                print(f"{name} at scale {scale}, {rect.width}x{rect.height}:",
                      hashlib.sha256(pixels).hexdigest())

            session.move(0, 0)
            save("start")
            puzzle, _ = desktop.puzzle(1, 1)
            board = frame.find("table")
            first, second = [board.cell(i // 9, i % 9) for i, c in enumerate(puzzle) if c == "x"][:2]
            def note(cell, digit):
                # Each note awaited: a click the game missed would change the picture.
                session.click(point(cell), button=3)
                session.wait(lambda: digit in cell.name.split(":")[-1], f"note {digit} in a cell")

            session.click(point(frame.find("push button", "5")))
            note(first, "5")
            note(second, "5")
            session.click(point(frame.find("push button", "3")))
            note(first, "3")
            session.move(0, 0)
            save("notes")
    return test


if __name__ == "__main__":
    if len(sys.argv) > 1 and sys.argv[1].startswith("--scale="):
        # One scale per process: AT-SPI keeps to the first session's bus.
        scale, out, sys.argv[1:] = int(sys.argv[1][8:]), sys.argv[2], sys.argv[3:]
        desktop.main(shots(scale, out))
    else:
        build = sys.argv[1] if len(sys.argv) > 1 else "build/default"
        out = sys.argv[2] if len(sys.argv) > 2 else tempfile.mkdtemp(prefix="nonagra-pixels-")
        os.makedirs(out, exist_ok=True)
        for s in (1, 2):
            subprocess.run([sys.executable, __file__, f"--scale={s}", out,
                            os.path.join(build, "app", "nonagra")], check=True)
        print(f"images in {out}")
