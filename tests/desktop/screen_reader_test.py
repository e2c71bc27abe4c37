"""The main window as a screen reader walks it and follows it through AT-SPI
while real X clicks play."""
import desktop

NAME = "object:property-change:accessible-name"
SELECTED = "object:state-changed:selected"
ENABLED = "object:state-changed:enabled"
CHECKED = "object:state-changed:checked"
FOCUSED = "object:state-changed:focused"
SHOWING = "object:state-changed:showing"


def where(index):
    return f"{index // 9 + 1}. sor, {index % 9 + 1}. oszlop: "


def walk(main, puzzle, checks):
    frame = main.frame
    checks.equal("the main window is a frame", "frame", frame.role)
    kids = frame.children
    tables = [k for k in kids if k.role == "table"]
    checks.equal("one table", 1, len(tables))
    board = tables[0]
    checks.equal("the table's name", "Játéktér", board.name)
    grid = board.accessible.queryTable()
    checks.equal("rows and columns", (9, 9), (grid.nRows, grid.nColumns))
    checks.equal("cells", 81, len(board.children))
    wrong = []
    for index in range(81):
        cell = board.cell(index // 9, index % 9)
        given = puzzle[index] != "x"
        expected = where(index) + (puzzle[index] + ", megadott szám" if given else "üres")
        if cell.name != expected or cell.has("enabled") == given:
            wrong.append((index + 1, cell.name))
    checks.equal("the 81 cells of level 1 puzzle 1, givens disabled", [], wrong)

    buttons = [k for k in kids if k.role == "push button"]
    digits = [b for b in buttons if b.name in list("123456789")]
    checks.equal("the nine digit buttons", list("123456789"), [b.name for b in digits])
    checks.equal("no digit selected at the start", [], [b.name for b in digits if b.selected])
    checks.equal("the push buttons", ["Feladom", "Kilépés", "Használat"],
                 [b.name for b in buttons if b not in digits])
    checks.equal("the steppers", [("Szint választása: Egyszerű", 1.0),
                                  ("Feladvány választása: Feladvány - 1", 1.0)],
                 [(k.name, k.value) for k in kids if k.role == "scroll bar"])
    checks.equal("the display fields, and no hidden one",
                 [("Szint", "Egyszerű"), ("Feladvány sorszáma", "Feladvány - 1")],
                 [(k.name, k.text) for k in kids if k.role == "text"])
    empty = puzzle.index("x")
    checks.equal("an empty cell's actions", ["Megfejtés szám", "Jegyzet szám"],
                 board.cell(empty // 9, empty % 9).actions())
    checks.equal("a given's actions", [], board.cell(0, 0).actions())


def follow(session, main, puzzle, next_puzzle, checks):
    """Each real click's change is announced and read back."""
    empty = puzzle.index("x")
    board = main.board
    cell = board.cell(empty // 9, empty % 9)
    five = main.digit(5)
    heard = session.events(NAME, SELECTED, ENABLED, CHECKED, FOCUSED, SHOWING)
    session.click(five)
    heard.wait(SELECTED, "5", 1)
    heard.wait(CHECKED, "5", 1)
    heard.wait(SHOWING, "5 kiválasztva", 1)
    checks.that("heard digit 5 selected, pressed and said", True)
    session.click(cell, button=3)
    heard.wait(NAME, where(empty) + "üres, jegyzet számok: 5")
    checks.that("heard the note", True)
    session.click(cell)
    heard.wait(NAME, where(empty) + "5, megfejtés szám")
    checks.that("heard the answer", True)

    # The keyboard: each focus event carries its cell's text, and a digit on
    # the focused cell is said with the cell as it now reads.
    session.focus(main.window)
    session.key("F6")
    heard.wait(FOCUSED, where(0) + puzzle[0] + ", megadott szám", 1)
    session.key(*["Right"] * empty)
    heard.wait(FOCUSED, where(empty) + "5, megfejtés szám", 1)
    session.key("ctrl+7")  # a note on an answer: only the selection changes
    heard.wait(CHECKED, "7", 1)
    heard.wait(SHOWING, "7 kiválasztva", 1)
    session.key("5")
    heard.wait(SHOWING, "5 kiválasztva. " + where(empty) + "üres", 1)
    session.key("Escape")
    checks.that("heard the focused cells and what the keys did to them", True)

    # The puzzle stepper's lower arrow: the next puzzle's first given that
    # was empty tells its change by its name and its state.
    changed = next(i for i in range(81) if puzzle[i] == "x" and next_puzzle[i] != "x")
    stepper = main.find("scroll bar", "Feladvány választása: Feladvány - 1").extents
    session.click((stepper.centre[0], stepper.y + stepper.height - 4))
    told = where(changed) + next_puzzle[changed] + ", megadott szám"
    heard.wait(NAME, told)
    heard.wait(ENABLED, told, 0)
    heard.wait(SHOWING, "Egyszerű, Feladvány - 2", 1)
    checks.that("heard the next puzzle's given, disabled, and the puzzle said", True)
    checks.equal("the cell reads as empty on the next puzzle", where(empty) + "üres", cell.name)
    checks.that("digit 5 reads as selected", five.selected)
    checks.equal("the stepped puzzle's number", "Feladvány - 2",
                 main.find("text", "Feladvány sorszáma").text)
    heard.close()


def act(node, name):
    action = node.accessible.queryAction()
    names = [action.getName(i).lower() for i in range(action.nActions)]
    action.doAction(names.index(name.lower()))


def tools(session, main, checks):
    """A tool's stepper actions and values act as the arrows do; behind a
    modal window no action does anything."""
    display = main.find("text", "Feladvány sorszáma")
    stepper = main.find("scroll bar", "Feladvány választása: Feladvány - 2")
    act(stepper, "Increase")
    session.wait(lambda: display.text == "Feladvány - 3", "Increase steps the puzzle")
    stepper.accessible.queryValue().currentValue = 500
    session.wait(lambda: display.text == "Feladvány - 151", "a value beyond the end stops there")
    checks.equal("the stepper holds what the game shows", 151.0, stepper.value)

    session.click(main.find("push button", "Használat"))
    help_frame = main.game.frame("Nonagra leírás")
    help_window = main.game.window("Nonagra leírás")
    nine = main.digit(9)
    act(nine, "Kiválasztás")
    act(main.find("push button", "Kilépés"), "Press")
    act(stepper, "Decrease")
    stepper.accessible.queryValue().currentValue = 7
    act(main.find("push button", "Használat"), "Press")
    # Closing the help window is the later input whose effect is awaited.
    act(help_frame.find("push button", "Bezár"), "Press")
    session.wait_gone(help_window, "the help window closed")
    act(nine, "Kiválasztás")
    session.wait(lambda: nine.selected, "digit 9 selected once no window is modal")
    checks.equal("behind the help window no action acted", "Feladvány - 151", display.text)
    checks.that("the program still runs", main.game.running)


def test(program, checks):
    with desktop.Session() as session:
        game = session.start(program)
        main = game.main_window()
        puzzle, _ = desktop.puzzle(1, 1)
        walk(main, puzzle, checks)
        follow(session, main, puzzle, desktop.puzzle(1, 2)[0], checks)
        tools(session, main, checks)
        # The program ends as ever, with a tool attached.
        checks.equal("exit code after Kilépés", 0, main.quit())


desktop.main(test)
