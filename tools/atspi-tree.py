#!/usr/bin/python3
"""What a screen reader gets from a running Ropewit, read through AT-SPI.

A check by hand, not a test: it needs the accessibility bus (at-spi2-core) and Debian's
pyatspi (python3-pyatspi, hence /usr/bin/python3), which the build does not. Start the game
and this script on one session bus, with Qt's bridge on:

    xvfb-run -a dbus-run-session sh -c '
        QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 build/ropewit --config-dir "$(mktemp -d)" &
        tools/atspi-tree.py --solo "$PWD/build/ANIMALS.TXT"'

It counts the objects showing and those without a name on the welcome screen, then, with
--solo, walks the wizard and Qt's file dialog by AT actions alone into a solo game, guesses
letters through the tiles' actions, and prints what a reader can read of the board and the
events the bus carries after each guess (what a reader is told unasked). --dump prints
every object.
"""

import argparse
import collections
import sys
import time

import pyatspi

# Objects a reader passes over or names from their children: they need no name of their own.
UNNAMED_OK = {
    pyatspi.ROLE_FILLER, pyatspi.ROLE_PANEL, pyatspi.ROLE_SCROLL_PANE, pyatspi.ROLE_SEPARATOR,
    pyatspi.ROLE_VIEWPORT, pyatspi.ROLE_SCROLL_BAR, pyatspi.ROLE_MENU_BAR,
}


def walk(node, depth=0, limit=5000):
    """Every object under node, depth first, at most limit of them."""
    stack = [(node, depth)]
    seen = 0
    while stack and seen < limit:
        acc, d = stack.pop()
        seen += 1
        yield acc, d
        try:
            children = [acc.getChildAtIndex(i) for i in range(acc.childCount)]
        except Exception:  # an object gone while walked
            children = []
        stack.extend((c, d + 1) for c in reversed(children) if c is not None)


def showing(acc):
    try:
        return acc.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def text_of(acc):
    try:
        t = acc.queryText()
        return t.getText(0, t.characterCount)
    except NotImplementedError:
        return ""


def census(root, title, dump=False):
    """Counts what shows under root: all objects, and those a reader cannot name."""
    objects = [(a, d) for a, d in walk(root) if showing(a)]
    unnamed = collections.Counter()
    for acc, depth in objects:
        role = acc.getRoleName()
        if dump:
            print("  " * depth + f"[{role}] {acc.name!r} {acc.description!r}")
        if not acc.name and acc.getRole() not in UNNAMED_OK:
            unnamed[role] += 1
    detail = f": {dict(unnamed)}" if unnamed else ""
    print(f"{title}: {len(objects)} objects showing, {sum(unnamed.values())} unnamed "
          f"(roles that need a name){detail}")
    return objects


def find(root, role=None, name=None, pred=None, timeout=10.0):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        for acc, _ in walk(root):
            if role is not None and acc.getRole() != role:
                continue
            if name is not None and acc.name != name:
                continue
            if pred is not None and not pred(acc):
                continue
            return acc
        time.sleep(0.2)
    raise SystemExit(f"not found: role={role} name={name!r}")


def press(acc):
    action = acc.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    index = next((i for i, n in enumerate(names) if n in ("press", "click", "Press")), 0)
    action.doAction(index)


def the_app(timeout=30.0):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name.lower() == "ropewit":
                return app
        time.sleep(0.3)
    raise SystemExit("Ropewit is not on the accessibility bus")


def window(app, pred, timeout=10.0):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        for i in range(app.childCount):
            w = app.getChildAtIndex(i)
            if w is not None and showing(w) and pred(w):
                return w
        time.sleep(0.2)
    raise SystemExit("window not found")


def hear(acc, what):
    print(f"  {what}: [{acc.getRoleName()}] name={acc.name!r} "
          f"description={acc.description!r} text={text_of(acc)!r}")


def solo_game(app, args):
    main = window(app, lambda w: w.getRole() == pyatspi.ROLE_FRAME)
    press(find(main, pyatspi.ROLE_PUSH_BUTTON, pred=lambda a: "Start" in a.name))
    wizard = window(app, lambda w: w.getRole() == pyatspi.ROLE_DIALOG)
    census(wizard, "wizard", args.dump)
    press(find(wizard, pyatspi.ROLE_RADIO_BUTTON, pred=lambda a: "computer" in a.name))
    press(find(wizard, pyatspi.ROLE_PUSH_BUTTON, pred=lambda a: "Next" in a.name))
    chooser = window(app, lambda w: w.getRole() == pyatspi.ROLE_DIALOG and w.name != wizard.name)
    census(chooser, "file dialog", args.dump)
    field = find(chooser, pred=lambda a: a.getRole() in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY)
                 and a.getState().contains(pyatspi.STATE_EDITABLE))
    field.queryEditableText().setTextContents(args.solo)
    press(find(chooser, pyatspi.ROLE_PUSH_BUTTON, pred=lambda a: a.name in ("Open", "&Open")))
    time.sleep(1.0)
    census(main, "board", args.dump)

    tiles = [a for a, _ in walk(main) if a.getRole() == pyatspi.ROLE_PUSH_BUTTON
             and len(a.name) == 1 and a.name.isalpha()]
    print(f"letter tiles as push buttons: {len(tiles)} "
          f"({tiles[0].name if tiles else '-'}..{tiles[-1].name if tiles else '-'})")
    if tiles:
        hear(tiles[0], "first tile")
    for acc, _ in walk(main):
        if not showing(acc) or acc.getRole() == pyatspi.ROLE_PUSH_BUTTON:
            continue
        if any(k in acc.name for k in ("letters", "Guesses", "score", "Hint", "Used")):
            hear(acc, "reads")
    # What a reader is told unasked: the events the bus carries after a guess.
    events = []

    def heard(event):
        source = event.source
        said = source.description if "description" in event.type else source.name
        events.append(f"{event.type.split(':', 1)[1]}: {said!r}")

    kinds = ["object:property-change:accessible-description",
             "object:property-change:accessible-name", "object:announcement",
             "object:text-changed", "object:state-changed:focused"]
    pyatspi.Registry.registerEventListener(heard, *kinds)
    for letter in args.guess:
        tile = next((t for t in tiles if t.name == letter), None)
        if tile is None:
            continue
        events.clear()
        press(tile)
        pump(1.0)
        print(f"after the tile {letter} was pressed by its action:")
        hear(tile, "the tile")
        for acc, _ in walk(main):
            if showing(acc) and acc.description and acc.getRole() == pyatspi.ROLE_LABEL:
                hear(acc, "label")
        print("  events: " + ("\n          ".join(events) if events else "none"))
    pyatspi.Registry.deregisterEventListener(heard, *kinds)


def pump(seconds):
    """Lets the bus deliver events for a while."""
    from gi.repository import GLib
    context = GLib.MainContext.default()
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        while context.iteration(False):
            pass
        time.sleep(0.02)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--solo", metavar="LIST", help="play a solo game from this word list")
    parser.add_argument("--guess", default="AE", help="letters guessed through tile actions")
    parser.add_argument("--dump", action="store_true", help="print every object showing")
    args = parser.parse_args()
    app = the_app()
    main_window = window(app, lambda w: w.getRole() == pyatspi.ROLE_FRAME)
    census(main_window, "welcome", args.dump)
    if args.solo:
        solo_game(app, args)
    return 0


if __name__ == "__main__":
    sys.exit(main())
