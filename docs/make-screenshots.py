"""Makes the README's screenshots under Xvfb with openbox: the main window
with a digit selected and a few notes, and the help window.
Usage: /usr/bin/python3 docs/make-screenshots.py [build dir, default build/default]"""
import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "desktop"))
import desktop  # noqa: E402  pylint: disable=wrong-import-position


def frame_shot(session, window, path):
    """The window with its frame, as the desktop shows it."""
    subprocess.run(["import", "-frame", "-window", str(window.xwindow.id), path],
                   env=session.env, check=True)


def shots(program, _checks):
    docs = os.path.join(desktop.ROOT, "docs")
    with desktop.Session(size=(900, 700)) as session:
        game = session.start(program)
        main = game.main_window()
        puzzle, _ = desktop.puzzle(1, 1)
        empties = [main.board.cell(i // 9, i % 9) for i, c in enumerate(puzzle) if c == "x"]
        first, second = empties[:2]
        # Notes 5 and 3 in two cells that the first puzzle leaves empty, and 3
        # selected; each click's effect awaited before the next.
        for digit, cells in ((5, (first, second)), (3, (first,))):
            button = main.digit(digit)
            session.click(button)
            session.wait(lambda b=button: b.selected, f"digit {digit} selected")
            for cell in cells:
                session.click(cell, button=3)
                session.wait(lambda c=cell, d=digit: str(d) in c.name.split(":")[-1],
                             f"note {digit}")
        session.move(0, 0)
        frame_shot(session, main.window, os.path.join(docs, "main-window.png"))
        session.click(main.find("push button", "Használat"))
        title = desktop.caption(desktop.HELP)
        game.frame(title)
        frame_shot(session, game.window(title), os.path.join(docs, "help-window.png"))


if __name__ == "__main__":
    sys.argv[1:] = [os.path.join(sys.argv[1] if len(sys.argv) > 1 else "build/default",
                                 "app", "nonagra")]
    desktop.main(shots)
