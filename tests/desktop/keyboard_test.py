"""The board from the keyboard through a real X server: F6 there and back
outside the focus cycle, the arrows and digits reaching the cells, the cycle
and the mouse as before, and the screen reader's keypad keys kept off the
steppers."""
import desktop


def where(row, column):
    return f"{row + 1}. sor, {column + 1}. oszlop: "


def test(program, checks):
    with desktop.Session() as session:
        game = session.start(program)
        main = game.main_window()
        session.focus(main.window)
        puzzle, _ = desktop.puzzle(1, 1)
        board = main.board
        feladom = main.find("push button", "Feladom")
        kilepes = main.find("push button", "Kilépés")
        stepper = main.find("scroll bar", "Feladvány választása: Feladvány - 1")
        focused = lambda node, what: session.wait(lambda: node.has("focused"), what)

        focused(feladom, "Feladom focused at the start")
        session.key("Tab")
        focused(kilepes, "Tab on to Kilépés")
        session.key("F6")
        focused(board.cell(0, 0), "F6: the first cell focused")
        checks.that("F6 puts the focus on row 1, column 1", True)
        empty = puzzle.index("x")  # row 1, column 3
        session.key(*["Right"] * empty)
        cell = board.cell(0, empty)
        focused(cell, "the arrows move the focus along the row")
        session.key("5")
        session.wait(lambda: cell.name == where(0, empty) + "5, megfejtés szám", "5 written")
        checks.that("digit 5 selected as by its click", main.digit(5).selected)
        session.key("5")
        session.wait(lambda: cell.name == where(0, empty) + "üres", "5 taken away again")
        session.key("ctrl+4")
        session.wait(lambda: cell.name == where(0, empty) + "üres, jegyzet számok: 4",
                     "Ctrl+4 toggles note 4")
        checks.that("digits and notes reach the cell as clicks do", True)

        session.key("Escape")
        focused(kilepes, "Escape returns the focus to Kilépés")
        session.key("Tab")
        focused(stepper, "the cycle goes on from Kilépés to the puzzle stepper")
        checks.that("Escape and Tab resume the cycle where it was left", True)

        # A click on a digit leaves the focus where it is, as it always did.
        session.click(main.digit(7))
        session.wait(lambda: main.digit(7).selected, "digit 7 selected by its click")
        checks.that("the stepper keeps the focus after a click", stepper.has("focused"))

        # The keypad's Down is a screen reader's command: the stepper ignores
        # it; the arrow key after it steps once.
        display = main.find("text", "Feladvány sorszáma")
        session.key("KP_Down", "Down")
        session.wait(lambda: display.text == "Feladvány - 2", "the arrow key steps the puzzle")
        checks.equal("keypad Down left the puzzle alone", "Feladvány - 2", display.text)
        checks.equal("exit code after Kilépés", 0, main.quit())


desktop.main(test)
