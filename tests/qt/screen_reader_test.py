"""The main window through AT-SPI, as a screen reader walks and follows it."""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

FIRST_PUZZLE = ("93xxx67xxx6xx48xx5xx52xx1x8xxx97x5142xxxxxxx3547x61xxx7x4xx38"
                "xx3xx89xx2xxx61xxx97")
failures = []


def check(what, expected, actual):
    if expected == actual:
        print(f"ok: {what}")
    else:
        failures.append(what)
        print(f"FAIL: {what}: expected {expected!r}, got {actual!r}")


def main_frame():
    for _ in range(100):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            for window in app or []:
                if window is not None and window.name == "Nonagra v2.0":
                    return window
        time.sleep(0.1)
    sys.exit("FAIL: the main window is not on the accessibility bus")


def children(node):
    return [node.getChildAtIndex(i) for i in range(node.childCount)]


def centre(node):
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x + box.width // 2, box.y + box.height // 2


# Without --sync, which would wait for ever when the pointer is already there.
def click(node, button):
    x, y = centre(node)
    subprocess.run(["xdotool", "mousemove", str(x), str(y), "sleep", "0.1", "click", str(button)],
                   check=True, timeout=10)


frame = main_frame()
check("the main window is a frame", "frame", frame.getRoleName())
kids = children(frame)
roles = [k.getRoleName() for k in kids]

tables = [k for k in kids if k.getRoleName() == "table"]
check("one table", 1, len(tables))
board = tables[0]
check("the table's name", "Játéktér", board.name)
grid = board.queryTable()
check("rows and columns", (9, 9), (grid.nRows, grid.nColumns))
check("cells", 81, board.childCount)

givens = []
for index in range(81):
    cell = grid.getAccessibleAt(index // 9, index % 9)
    given = FIRST_PUZZLE[index] != "x"
    where = f"{index // 9 + 1}. sor, {index % 9 + 1}. oszlop: "
    expected = where + (FIRST_PUZZLE[index] + ", megadott szám" if given else "üres")
    if cell.name != expected or cell.getState().contains(pyatspi.STATE_ENABLED) == given:
        failures.append(f"cell {index + 1}")
        print(f"FAIL: cell {index + 1}: {cell.name!r}")
    givens.append(given)
print(f"ok: the 81 cells with {sum(givens)} givens of level 1 puzzle 1")

buttons = [k for k in kids if k.getRoleName() == "push button"]
digits = [b for b in buttons if b.name in list("123456789")]
check("the nine digit buttons", list("123456789"), [b.name for b in digits])
check("no digit selected at the start", [],
      [b.name for b in digits if b.getState().contains(pyatspi.STATE_SELECTED)])
check("the push buttons", ["Feladom", "Kilépés", "Használat"],
      [b.name for b in buttons if b not in digits])
check("the steppers", [("Szint választása: Egyszerű", 1.0),
                       ("Feladvány választása: Feladvány - 1", 1.0)],
      [(k.name, k.queryValue().currentValue) for k in kids if k.getRoleName() == "scroll bar"])
fields = [k for k in kids if k.getRoleName() == "text"]
check("the display fields, and no hidden one",
      [("Szint", "Egyszerű"), ("Feladvány sorszáma", "Feladvány - 1")],
      [(k.name, k.queryText().getText(0, -1)) for k in fields])

empty = FIRST_PUZZLE.index("x")
cell = grid.getAccessibleAt(empty // 9, empty % 9)
action = cell.queryAction()
check("an empty cell's actions", ["Megfejtés szám", "Jegyzet szám"],
      [action.getName(i) for i in range(action.nActions)])
check("a given's actions", 0, grid.getAccessibleAt(0, 0).queryAction().nActions)

# Real clicks on the digit 5 and the first empty cell, right then left: each
# change is announced and read back as the screen reader would.
heard = []


def on_event(event):
    heard.append((event.type, event.source.name, event.detail1))


pyatspi.Registry.registerEventListener(on_event, "object:property-change:accessible-name",
                                       "object:state-changed:selected",
                                       "object:state-changed:checked",
                                       "object:state-changed:enabled",
                                       "object:state-changed:focused",
                                       "object:state-changed:showing")
where = f"{empty // 9 + 1}. sor, {empty % 9 + 1}. oszlop: "
expected = [
    ("object:state-changed:selected", "5", 1),
    ("object:state-changed:checked", "5", 1),
    ("object:state-changed:showing", "5 kiválasztva", 1),
    ("object:property-change:accessible-name", where + "üres, jegyzet számok: 5", 0),
    ("object:property-change:accessible-name", where + "5, megfejtés szám", 0),
]
# Then the keyboard: F6 puts the focus on the first cell, the arrows move it,
# each focus event carrying the cell's text; a digit is said with the cell.
expected += [
    ("object:state-changed:focused", "1. sor, 1. oszlop: 9, megadott szám", 1),
    ("object:state-changed:focused", "1. sor, 2. oszlop: 3, megadott szám", 1),
    ("object:state-changed:focused", where + "5, megfejtés szám", 1),
    ("object:state-changed:showing", where + "üres", 1),
    ("object:state-changed:checked", "7", 1),
    ("object:state-changed:showing", "7 kiválasztva. " + where + "üres, jegyzet számok: 7", 1),
    ("object:state-changed:showing", "Egyszerű, Feladvány - 2", 1),
]


def keys(*names):
    return lambda: subprocess.run(["xdotool", "key", "--delay", "100", *names], check=True,
                                  timeout=10)


# Then the puzzle stepper's lower arrow: puzzle 2 makes the empty fourth cell
# of the first row a given 7, which it tells by its name and its state.
stepper = [k for k in kids if k.name.startswith("Feladvány választása")][0]
fourth = grid.getAccessibleAt(0, 3)


def lower_arrow():
    box = stepper.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(box.x + box.width // 2),
                    str(box.y + box.height - 4), "sleep", "0.1", "click", "1"],
                   check=True, timeout=10)


expected += [
    ("object:property-change:accessible-name", "1. sor, 4. oszlop: 7, megadott szám", 0),
    ("object:state-changed:enabled", "1. sor, 4. oszlop: 7, megadott szám", 0),
]
steps = [lambda: click(digits[4], 1), lambda: click(cell, 3), lambda: click(cell, 1),
         keys("F6"), keys("Right"), keys("Right"), keys("5"), keys("ctrl+7"), keys("Escape"),
         lower_arrow]
loop = GLib.MainLoop()


def next_step():
    if steps:
        steps.pop(0)()
    return bool(steps)


def all_heard():
    if not steps and all(event in heard for event in expected):
        loop.quit()
        return False
    return True


GLib.timeout_add(500, next_step)
GLib.timeout_add(100, all_heard)
GLib.timeout_add(15000, loop.quit)
loop.run()
for event in expected:
    check(f"heard {event[0]} from {event[1]!r}", True, event in heard)
check("the cell reads as empty on the next puzzle", where + "üres", cell.name)
state = digits[6].getState()
check("digit 7 reads as selected, checked and pressed", (True, True, True),
      tuple(state.contains(s) for s in (pyatspi.STATE_SELECTED, pyatspi.STATE_CHECKED,
                                        pyatspi.STATE_PRESSED)))
check("the stepped puzzle's number", "Feladvány - 2",
      [k for k in kids if k.name == "Feladvány sorszáma"][0].queryText().getText(0, -1))

# The program ends as ever, with a tool attached: "Kilépés".
click([b for b in buttons if b.name == "Kilépés"][0], 1)

if failures:
    print("heard:", *heard, sep="\n  ")
    sys.exit(f"{len(failures)} check(s) failed")
