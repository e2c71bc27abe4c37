"""The stray input players give the game, through real X input: double-clicks,
the wheel over the steppers, and Escape or the frame's close on the message
boxes on the way through a solved puzzle."""
import desktop
from desktop import colour

BLACK, WHITE = colour("Black"), colour("White")


def placed(session, cell):
    return session.grab(cell.extents.inset(2)).darkest() == BLACK


def noted(session, cell):
    return desktop.contrast(session.grab(cell.extents.inset(2)).darkest(), WHITE) >= 4.5


def select(session, main, digit):
    """The digit button selected, clicked only if it is not: a click on the
    selected one would clear it."""
    button = main.digit(digit)
    if not button.selected:
        session.click(button)
        session.wait(lambda: button.selected, f"digit {digit} selected")


def double_clicks(session, main, empties, checks):
    """Double-clicks act once: the digit stays selected, a left one leaves the
    answer, a right one the note. Each pair's first effect is awaited before
    the next pair, and a right click on a third cell before they are read,
    so both clicks of every pair have been handled."""
    first, second, witness = empties[:3]
    five = main.digit(5)
    session.click(five, count=2)
    session.wait(lambda: five.selected, "digit 5 selected")
    session.click(first, count=2)
    session.wait(lambda: placed(session, first), "an answer in the first cell")
    session.click(second, button=3, count=2)
    session.wait(lambda: noted(session, second), "a note in the second cell")
    session.click(witness, button=3)
    session.wait(lambda: noted(session, witness), "a note after the witness's right click")
    checks.that("a double-click selects the digit button", five.selected)
    checks.equal("... and colours it", colour("Yellow"), session.grab(five).ground())
    checks.that("a left double-click on a cell leaves its answer", placed(session, first))
    checks.that("a right double-click on a cell leaves its note", noted(session, second))


def wheel(session, main, checks):
    """The wheel over either stepper changes neither the selection nor the board."""
    steppers = main.frame.find_all("scroll bar")
    fields = main.frame.find_all("text")
    board = main.board
    one = main.digit(1)

    def probe():
        return ([s.value for s in steppers], [f.text for f in fields],
                [session.grab(c) for c in steppers + fields], session.grab(board))

    points = [stepper.extents.centre for stepper in steppers]
    witness = one.extents

    def stray():
        for point in points:
            for button in (5, 5, 4):
                session.click(point, button=button)

    session.unchanged("the wheel leaves level, puzzle and board", probe, stray,
                      lambda: session.click(witness), lambda: one.selected, checks)


def solve(session, game, main, level_puzzle, checks):
    puzzle, solution = level_puzzle
    board = main.board
    empties = [i for i, c in enumerate(puzzle) if c == "x"]
    last = empties[-1]
    for digit in "123456789":
        select(session, main, digit)
        for i in empties[:-1]:
            if solution[i] == digit:
                cell = board.cell(i // 9, i % 9)
                session.click(cell)
                session.wait(lambda cell=cell, digit=digit: cell.name.startswith(
                    f"{cell.name.split(':')[0]}: {digit},"), f"{digit} in {cell.name}")
    right = int(solution[last])
    last_cell = board.cell(last // 9, last % 9)
    select(session, main, right % 9 + 1)
    session.click(last_cell)

    box = game.window(what="the box for a wrong digit", but=(main.window,))
    room = int(desktop.design("qt/MessageBox.cpp", r"minimumWidth = (\d+)"))
    checks.that("the box has room for its title", box.extents.width >= room,
                f"{box.extents.width} px wide")
    told = game.frame(box.title, "the box in the tree")
    text = next(label for label in told.find_all("label") if label.name)
    picture = session.grab(text)
    checks.readable("box text", picture.ink(), picture.ground(), 4.5)
    session.focus(box)
    session.key("Escape")
    session.wait_gone(box, "Escape to close the OK box")
    checks.that("Escape closes an OK box", True)

    # The box's own event loop has ended once the main window is active again.
    session.wait(lambda: main.frame.has("active"), "the main window active after the box")
    select(session, main, right)
    session.click(last_cell)
    question = game.window(what="the question after the solution", but=(main.window,))
    asked = game.frame(question.title, "the question in the tree")
    yes, no = asked.find("push button", "Igen"), asked.find("push button", "Nem")
    session.focus(question)
    session.wait(lambda: yes.has("focused"), "Igen focused first")
    def still_asked():
        return question.viewable, game.running()

    # Each stray key is judged once a later key has moved the focus.
    session.unchanged("Escape does not answer the question", still_asked,
                      lambda: session.key("Escape"), lambda: session.key("Tab"),
                      lambda: no.has("focused"), checks)
    session.unchanged("the frame's close does not answer the question", still_asked,
                      lambda: session.close(question), lambda: session.key("shift+Tab"),
                      lambda: yes.has("focused"), checks)
    session.key("Return")
    session.wait_gone(question, "Igen to answer the question")
    checks.that("Igen answers the question", game.running())


def test(program, checks):
    with desktop.Session(env=desktop.dark_theme()) as session:
        game = session.start(program)
        main = game.main_window()
        puzzle = desktop.puzzle(1, 1)
        empties = [main.board.cell(i // 9, i % 9) for i, c in enumerate(puzzle[0]) if c == "x"]
        double_clicks(session, main, empties, checks)
        wheel(session, main, checks)
        solve(session, game, main, puzzle, checks)


desktop.main(test)
