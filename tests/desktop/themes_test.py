"""The game on desktops with a dark theme: the board, the fields, the buttons
and the help text stay readable, measured from pixels, and every stop of the
focus cycle shows the focus. The desktop's theme plugin stays out of the
game, so under GNOME's GTK theme and under qt6ct with its style sheets the
main window is the plain one, pixel for pixel."""
import os

import desktop
from desktop import Rect, colour

WHITE, BLACK = colour("White"), colour("Black")


def caption_area(rect):
    """The middle of a control, where its text lies, away from frame and focus marks."""
    return Rect(rect.x + rect.width // 6, rect.y + rect.height // 4,
                rect.width * 2 // 3, rect.height // 2)


def board_reads(session, main, theme, checks):
    board = main.board
    line = session.grab(desktop.gap(board.cell(4, 2).extents, board.cell(4, 3).extents))
    checks.readable(f"{theme}: box line", line.pixel(0, 0), WHITE, 4.5)
    puzzle, _ = desktop.puzzle(1, 1)
    first = next(i for i, c in enumerate(puzzle) if c != "x")
    given = session.grab(board.cell(first // 9, first % 9).extents.inset(2)).darkest()
    checks.readable(f"{theme}: a given", given, WHITE, 3)
    checks.readable(f"{theme}: a given stands apart from black", given, BLACK, 3)
    checks.readable(f"{theme}: digit button 5", session.grab(main.digit(5)).ink(), WHITE, 4.5)
    for role, name, least in (("text", "Szint", 3), ("push button", "Feladom", 4.5)):
        picture = session.grab(caption_area(main.find(role, name).extents))
        checks.readable(f"{theme}: {name}", picture.ink(), picture.ground(), least)
    stepper = main.find("scroll bar", "Szint választása: Egyszerű").extents
    arrow = session.grab(Rect(stepper.x + 2, stepper.y + 2, stepper.width - 4,
                              stepper.height // 2 - 2))
    checks.readable(f"{theme}: stepper arrow", arrow.ink(), arrow.ground(), 3)


def focused(main):
    return next((c for c in main.frame.children if c.has("focused")), None)


def marked(session, control, peer):
    """The strongest contrast between the left edges of two controls of one
    kind: a focus mark makes the focused one stand apart."""
    a, b = control.extents, peer.extents
    height = min(a.height, b.height)
    left = session.grab(Rect(a.x, a.y, 3, height))
    right = session.grab(Rect(b.x, b.y, 3, height))
    return max(desktop.contrast(left.pixel(x, y), right.pixel(x, y))
               for x in range(3) for y in range(height))


def focus_cycle(session, main, checks):
    """Each stop, from the first, against a control of its kind without focus."""
    session.focus(main.window)
    first = session.wait(lambda: focused(main), "a control with the focus")
    stop = first
    while True:
        peer = next(c for c in main.frame.find_all(stop.role)
                    if c != stop and not c.has("focused") and c.has("showing"))
        try:
            session.wait(lambda: marked(session, stop, peer) >= 3, f"a focus mark on {stop!r}")
            checks.that(f"the focus shows on {stop.name}", True)
        except desktop.Failure as failure:
            checks.that(f"the focus shows on {stop.name}", False, str(failure))
        session.key("Tab")
        previous = stop
        stop = session.wait(lambda: (lambda now: now if now not in (None, previous) else None)(
            focused(main)), f"the focus to move on from {previous!r}")
        if stop == first:
            break


def help_reads(session, game, main, checks):
    session.click(main.find("push button", "Használat"))
    frame = game.frame(desktop.caption(desktop.HELP))
    window = game.window(frame.name)
    text = next(label for label in frame.find_all("label") if label.name)
    picture = session.grab(text)
    checks.readable("help text", picture.ink(), picture.ground(), 4.5)
    session.click(frame.find("push button", "Bezár"))
    session.wait_gone(window, "the help window hidden by Bezár")


THEME_VARIABLES = ("QT_QPA_PLATFORMTHEME", "XDG_CURRENT_DESKTOP", "GTK_THEME")


def at_rest(session, main):
    """The main window once two grabs in a row agree, the pointer off it."""
    session.move(session.size[0] - 1, session.size[1] - 1)
    return session.wait(lambda: (lambda shot: shot if shot == session.grab(main.window)
                                 else None)(session.grab(main.window)), "the window at rest")


def same_as_plain(session, main, plain, theme, checks):
    session.move(session.size[0] - 1, session.size[1] - 1)
    try:
        session.wait(lambda: session.grab(main.window) == plain, f"the plain window under {theme}")
        checks.that(f"{theme}: the main window is the plain one", True)
    except desktop.Failure as failure:
        checks.that(f"{theme}: the main window is the plain one", False, str(failure))


def test(program, checks):
    with desktop.Session(env=desktop.dark_theme()) as session:
        game = session.start(program, unset=THEME_VARIABLES)
        main = game.main_window()
        plain = at_rest(session, main)
        checks.equal("exit code after Kilépés without a theme", 0, main.quit())

        game = session.start(program)
        main = game.main_window()
        checks.that("GTK theme kept out", not game.loaded("libqgtk3.so"))
        same_as_plain(session, main, plain, "GNOME's GTK theme", checks)
        board_reads(session, main, "Adwaita dark", checks)
        focus_cycle(session, main, checks)
        help_reads(session, game, main, checks)
        checks.equal("exit code after Kilépés", 0, main.quit())

        # A qt6ct dark colour scheme with a style of its own.
        try:
            desktop.platform_theme("qt6ct")
        except desktop.Skip as skip:
            print(f"skipped: qt6ct: {skip}")
            return
        config = os.path.join(session.work, "config")
        os.makedirs(os.path.join(config, "qt6ct"))
        with open(os.path.join(config, "qt6ct", "qt6ct.conf"), "w", encoding="utf-8") as f:
            f.write("[Appearance]\ncolor_scheme_path=/usr/share/qt6ct/colors/darker.conf\n"
                    "custom_palette=true\nstyle=Windows\n")
        game = session.start(program, env={"QT_QPA_PLATFORMTHEME": "qt6ct",
                                           "XDG_CONFIG_HOME": config})
        main = game.main_window()
        checks.that("qt6ct kept out", not game.loaded("libqt6ct.so"))
        board_reads(session, main, "qt6ct darker", checks)
        checks.equal("exit code after Kilépés under qt6ct", 0, main.quit())

        # qt6ct's own style sheets, which took the steppers' arrows.
        sheets = [os.path.join("/usr/share/qt6ct/qss", name)
                  for name in ("fusion-fixes.qss", "scrollbar-simple.qss")]
        with open(os.path.join(config, "qt6ct", "qt6ct.conf"), "w", encoding="utf-8") as f:
            f.write("[Appearance]\ncustom_palette=false\nstyle=Fusion\n"
                    f"[Interface]\nstylesheets={', '.join(sheets)}\n")
        game = session.start(program, env={"QT_QPA_PLATFORMTHEME": "qt6ct",
                                           "XDG_CONFIG_HOME": config},
                             unset=("XDG_CURRENT_DESKTOP", "GTK_THEME"))
        main = game.main_window()
        same_as_plain(session, main, plain, "qt6ct's style sheets", checks)
        checks.equal("exit code after Kilépés under qt6ct's style sheets", 0, main.quit())


desktop.main(test)
