"""A window larger than the screen at the desktop's scale is drawn smaller:
on a screen and scale given as arguments (1366x768 2, 1920x1080 3), where the
window as designed would not fit, the main window lies on the screen whole, in its designed proportions, and every digit button and every
cell that can take input answers a click there.

Qt 6.4 gives the accessibility tree's extents in its logical pixels, not in
the screen's: they are scaled here before they are compared or clicked."""
import sys

import desktop
from desktop import Rect, colour

BLACK, WHITE, YELLOW = colour("Black"), colour("White"), colour("Yellow")


class Scaled:
    """A window's controls by role and name, with their extents on the screen."""

    def __init__(self, frame, scale):
        self.frame, self.scale = frame, scale
        self.board = frame.find("table")

    def on_screen(self, node):
        box, s = node.extents, self.scale
        return Rect(box.x * s, box.y * s, box.width * s, box.height * s)

    def cell(self, index):
        return self.on_screen(self.board.cell(index // 9, index % 9))

    def digit(self, number):
        return self.on_screen(self.frame.find("push button", str(number)))

    def button(self, name):
        return self.on_screen(self.frame.find("push button", name))


def middle(rect):
    """The middle third of a cell, where its digit or its note of 5 stands,
    clear of the borders and lines around it."""
    return Rect(rect.x + rect.width // 3, rect.y + rect.height // 3,
                rect.width // 3, rect.height // 3)


def placement_checks(window, main, screen, scale, checks):
    client = window.extents
    width, height = desktop.client_size(desktop.MAIN)
    checks.that(f"drawn smaller than {scale}x", client.width < width * scale
                and client.height < height * scale, f"{client}")
    checks.that("in its designed proportions",
                abs(client.width / client.height - width / height) < 0.01, f"{client}")
    checks.that("the client area on the screen", screen.contains(client), f"{client} on {screen}")
    off = [i + 1 for i in range(81) if not screen.contains(main.cell(i))]
    off += [f"digit {n}" for n in range(1, 10) if not screen.contains(main.digit(n))]
    checks.equal("every cell and digit button on the screen", [], off)


def click_checks(session, main, checks):
    """Each digit button is chosen in turn and the empty cells whose answer it
    is take it; the last empty cell takes a note of 5 instead, so the board never
    fills and no message opens. Givens take no input."""
    puzzle, solution = desktop.puzzle(1, 1)
    empties = [i for i, c in enumerate(puzzle) if c == "x"]
    last = empties.pop()
    for digit in range(1, 10):
        button = main.digit(digit)
        session.click(button)
        session.wait(lambda b=button: session.grab(b).ground() == YELLOW,
                     f"digit button {digit} chosen")
        for i in (i for i in empties if solution[i] == str(digit)):
            cell = main.cell(i)
            session.click(cell)
            session.wait(lambda c=cell: session.grab(middle(c)).darkest() == BLACK,
                         f"{digit} placed in cell {i + 1}")
    cell = main.cell(last)
    session.click(main.digit(5))
    session.wait(lambda: session.grab(main.digit(5)).ground() == YELLOW,
                 "digit button 5 chosen again")
    session.click(cell, button=3)
    session.wait(lambda: desktop.contrast(session.grab(middle(cell)).darkest(), WHITE) >= 4.5,
                 f"a note in cell {last + 1}")
    checks.that("every digit button and every empty cell answered its click", True)


def test(program, checks):
    # One screen a run, as a process has one accessibility bus.
    size = tuple(int(n) for n in sys.argv[2].split("x"))
    scale = int(sys.argv[3])
    with desktop.Session(size=size, scale=scale) as session:
        game = session.start(program)
        frame = game.frame(desktop.caption(desktop.MAIN), "the main window in the tree")
        window = game.window(frame.name)
        client = window.extents
        # Its lower right corner, or the screen's where the window overruns it.
        corner = Rect(min(client.x + client.width, size[0]) - 2,
                      min(client.y + client.height, size[1]) - 2, 1, 1)
        session.wait(lambda: session.grab(corner).pixel(0, 0) == colour("WindowBackground"),
                     "the main window painted")
        main = Scaled(frame, scale)
        placement_checks(window, main, Rect(0, 0, *size), scale, checks)
        if checks.failures:
            return  # controls off the screen cannot be clicked
        click_checks(session, main, checks)
        session.click(main.button("Kilépés"))
        checks.equal(f"exit code after Kilépés at {scale}x", 0, game.wait_exit("Kilépés"))


desktop.main(test)
