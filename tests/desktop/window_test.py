"""The main and the help window on a desktop with a window manager: the frame,
the board's pixels after real clicks, the help window, and the two ways out."""
import os

import desktop
from desktop import Rect, colour

WHITE, BLACK = colour("White"), colour("Black")


def desktop_entry_class():
    with open(os.path.join(desktop.ROOT, "packaging/hu.nonagra.Nonagra.desktop"),
              encoding="utf-8") as f:
        return next(line.split("=", 1)[1].strip() for line in f
                    if line.startswith("StartupWMClass="))


def frame_checks(main, checks):
    window, frame = main.window, main.frame
    # Desktops group the window with its launcher through StartupWMClass.
    checks.equal("WM_CLASS as the desktop entry says", desktop_entry_class(), window.wm_class[1])
    checks.equal("the title as the tree reads it", frame.name, window.title)
    size = desktop.client_size(desktop.MAIN)
    checks.equal("client area as designed", size, (window.extents.width, window.extents.height))
    checks.equal("the tree's extents are the client area", window.extents, frame.extents)
    hints = window.hints
    checks.equal("minimum size", size, (hints.min_width, hints.min_height))
    checks.equal("maximum size", size, (hints.max_width, hints.max_height))


def board_checks(session, main, checks):
    board = main.board
    screen = session.grab(main.window)
    ground = colour("WindowBackground")
    corner = screen.rect.width - 3, screen.rect.height - 3
    checks.equal("window background", ground, screen.pixel(*corner))
    for first in (2, 5):
        checks.equal(f"box line right of column {first + 1}", BLACK,
                     session.grab(desktop.gap(board.cell(4, first).extents,
                                               board.cell(4, first + 1).extents)).pixel(0, 0))
        checks.equal(f"box line below row {first + 1}", BLACK,
                     session.grab(desktop.gap(board.cell(first, 4).extents,
                                               board.cell(first + 1, 4).extents)).pixel(0, 0))

    puzzle, _ = desktop.puzzle(1, 1)
    given = puzzle.index(next(c for c in puzzle if c != "x"))
    ink = session.grab(board.cell(given // 9, given % 9).extents.inset(2)).darkest()
    # A given is disabled: its digit greyed, standing apart from black.
    checks.that("a given's digit is greyed", desktop.contrast(ink, BLACK) >= 3, f"{ink}")
    empties = [i for i, c in enumerate(puzzle) if c == "x"]
    answer, note = (board.cell(i // 9, i % 9) for i in empties[:2])
    checks.equal("white through an empty cell", {WHITE},
                 set(session.grab(answer.extents.inset(2)).pixels()))

    four, five = main.digit(4), main.digit(5)
    checks.equal("digit button 5 starts white", WHITE, session.grab(five).ground())
    session.click(five)
    session.wait(lambda: session.grab(five).ground() == colour("Yellow"),
                 "digit button 5 yellow after its click")
    checks.that("digit button 5 yellow after its click", True)
    checks.equal("digit button 4 still white", WHITE, session.grab(four).ground())

    session.click(answer)
    session.wait(lambda: session.grab(answer.extents.inset(2)).darkest() == BLACK,
                 "a placed digit in black")
    checks.that("a placed digit in black", True)
    session.click(note, button=3)
    # The note of 5 lies in the middle of the cell's 3 x 3 notes.
    box = note.extents
    middle = Rect(box.x + box.width // 3, box.y + box.height // 3, box.width // 3, box.height // 3)
    session.wait(lambda: desktop.contrast(session.grab(middle).darkest(), WHITE) >= 4.5,
                 "a note after a right click")
    checks.that("a note after a right click", True)


def help_checks(session, game, main, checks):
    session.click(main.find("push button", "Használat"))
    title = desktop.caption(desktop.HELP)
    frame = game.frame(title)
    window = game.window(title)
    session.wait(lambda: "_NET_WM_STATE_SKIP_TASKBAR" in window.states,
                 "the help window out of the taskbar")
    checks.that("help window skips the taskbar", True)
    checks.equal("help client area as designed", desktop.client_size(desktop.HELP),
                 (window.extents.width, window.extents.height))
    # Mapped is not yet painted: the ground is awaited, and a wrong one fails.
    session.wait(lambda: session.grab(window).ground() == colour("WindowBackground"),
                 "the help window's background")
    checks.that("help window background", True)
    session.click(frame.find("push button", "Bezár"))
    session.wait_gone(window, "the help window hidden by Bezár")
    checks.that("Bezár hides the help window", True)
    checks.that("the program goes on after Bezár", game.running())


def test(program, checks):
    with desktop.Session() as session:
        game = session.start(program)
        main = game.main_window()
        frame_checks(main, checks)
        board_checks(session, main, checks)
        help_checks(session, game, main, checks)
        # The frame's close ends the program with 0.
        session.close(main.window)
        checks.equal("exit code after closing the main window", 0,
                     game.wait_exit("closing the main window"))

        game = session.start(program)
        checks.equal("exit code after Kilépés", 0, game.main_window().quit())


desktop.main(test)
