#!/usr/bin/python3
"""Plays whole games blind and counts what it cost: keys pressed, and characters a screen reader
would speak. Every key is chosen from what the accessibility bus says (cell names, the talon's
name, announcements), never from the deal. Run by tools/blind_bench.sh.

Speech model: each announcement; the name of each newly focused cell, or, when the focus moves
to another row of a table that offers the table interface, the names of that whole row (a screen
reader's default in such a table);
each new name of the focused object."""

import argparse
import statistics
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402
import pyatspi  # noqa: E402

ROWS, COLUMNS = 4, 8
PATIENCE = 60
RANKS = {
    **{w: i + 1 for i, w in enumerate("ace king queen jack ten nine eight seven".split())},
    **{w: i + 1 for i, w in enumerate("as roi dame valet dix neuf huit sept".split())},
}
FACE_DOWN = ("face down", "face cachée")
REVEAL = ("Click the remaining cards", "Cliquez les cartes restantes")
ENDS = ("!!! Sorry, you loose !!!", "!!! Perdu, désolé !!!",
        "*** You succeed, bravo ***", "*** Gagné, bravo ***")
PICK = ("Click a card", "Cliquez une carte")


def fail(what):
    print(f"blind_bench: FAIL: {what}", file=sys.stderr)
    sys.exit(1)


def pump():
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def wait_for(what, condition):
    end = time.monotonic() + PATIENCE
    while True:
        pump()
        try:
            value = condition()
        except GLib.Error:
            value = None
        if value:
            return value
        if time.monotonic() > end:
            fail(what)
        time.sleep(0.02)


def name(accessible):
    accessible.clear_cache()
    return accessible.name or ""


class Ears:
    """What a screen reader would say, and the announcements, as they come."""

    def __init__(self):
        self.chars = 0
        self.notes = []
        self.focus_row = None
        for event in ("object:announcement", "object:state-changed:showing",
                      "object:state-changed:focused", "object:property-change:accessible-name"):
            pyatspi.Registry.registerEventListener(self.on_event, event)

    def on_event(self, event):
        try:
            source = event.source
            role = source.getRole()
            text = source.name or ""
            if event.type.startswith("object:announcement"):
                self.heard(text or str(event.any_data), note=True)
            elif event.type.startswith("object:state-changed:showing"):
                if role == pyatspi.ROLE_NOTIFICATION and event.detail1:
                    self.heard(" ".join(c.name for c in source), note=True)
            elif event.type.startswith("object:state-changed:focused"):
                if event.detail1:
                    self.focused(source, role, text)
            elif source.getState().contains(pyatspi.STATE_FOCUSED):
                self.heard(text)
        except GLib.Error:
            return

    def heard(self, text, note=False):
        self.chars += len(text)
        if note:
            self.notes.append(text)

    def focused(self, source, role, text):
        parent = source.parent
        if parent is not None and "Table" in pyatspi.listInterfaces(parent):
            # A reader speaks the whole row when the table's own row changes, as the table
            # reports its rows, not as the cells' names count them.
            table = parent.queryTable()
            index = source.getIndexInParent()
            row = table.getRowAtIndex(index)
            if row != self.focus_row and self.focus_row is not None:
                text = " ".join(table.getAccessibleAt(row, c).name or ""
                                for c in range(table.nColumns))
            self.focus_row = row
        self.heard(text)


class Game:
    def __init__(self, app, ears):
        self.ears = ears
        frame = wait_for("no main window", lambda: pyatspi.findDescendant(
            app, lambda a: a.getRole() == pyatspi.ROLE_FRAME))
        self.frame = frame
        self.grid = wait_for("no grid", lambda: pyatspi.findDescendant(
            frame, lambda a: a.getRole() == pyatspi.ROLE_TABLE and a.childCount == 32))
        self.status = wait_for("no status line", lambda: pyatspi.findDescendant(
            frame, lambda a: a.getRole() == pyatspi.ROLE_STATUS_BAR))
        self.keys = 0

    def key(self, *keys):
        self.keys += len(keys)
        subprocess.run(["xdotool", "key", "--delay", "20", *keys], check=True)

    def cell(self, row, col):
        return self.grid.getChildAtIndex((row - 1) * COLUMNS + col - 1)

    def focused(self):
        for index in range(self.grid.childCount):
            if self.grid.getChildAtIndex(index).getState().contains(pyatspi.STATE_FOCUSED):
                return index // COLUMNS + 1, index % COLUMNS + 1
        return None

    def talon(self):
        found = pyatspi.findDescendant(self.frame, lambda a: name(a).startswith("talon"))
        return name(found) if found else ""

    def close_lottery(self):
        """A win opens the lottery window; Escape closes it, as a player would. The window
        system may show it late, or place it where the search misses it: then it is left."""
        def shown():
            found = subprocess.run(["xdotool", "search", "--onlyvisible", "--classname",
                                    "vestorine"], capture_output=True, text=True).stdout
            return len(found.split()) > 1
        end = time.monotonic() + 5
        while not shown():
            if time.monotonic() > end:
                return
            time.sleep(0.1)
        self.key("Escape")
        wait_for("the lottery did not close", lambda: not shown())

    def status_in(self, texts):
        return name(self.status) in texts


def card_of(text):
    words = text.split(":", 1)[-1].split()
    return RANKS[words[0]], words[-1]


class Arrows:
    """Today's keys: the arrows walk to the cell, Return acts."""

    def __init__(self, game):
        self.game = game
        self.suit_rows = {}

    def start(self):
        self.suit_rows = {}
        if not self.game.focused():
            self.game.key("Up")  # the cursor shows with the first key
            wait_for("no focused cell", self.game.focused)

    def go(self, row, col):
        at_row, at_col = self.game.focused()
        moves = (["Down"] * (row - at_row) + ["Up"] * (at_row - row) +
                 ["Right"] * (col - at_col) + ["Left"] * (at_col - col))
        if moves:
            self.game.key(*moves)
            wait_for(f"the cursor did not reach {row},{col}",
                     lambda: self.game.focused() == (row, col))

    def carry(self, talon):
        col, suit = card_of(talon)
        row = self.suit_rows.get(suit) or next(
            r for r in range(1, ROWS + 1) if r not in self.suit_rows.values())
        self.suit_rows[suit] = row
        self.go(row, col)
        self.game.key("Return")

    def reveal_next(self):
        at_row, at_col = self.game.focused()
        down = [(r, c) for r in range(1, ROWS + 1) for c in range(1, COLUMNS + 1)
                if any(w in name(self.game.cell(r, c)) for w in FACE_DOWN)]
        row, col = min(down, key=lambda rc: abs(rc[0] - at_row) + abs(rc[1] - at_col))
        self.go(row, col)
        self.game.key("Return")
        return row, col


class Jumps(Arrows):
    """The jump keys: one key to the talon's home, one to the next face-down cell, then Return.
    The key names are options, for they are the window's to choose."""

    def __init__(self, game, home_key, next_down_key):
        super().__init__(game)
        self.home_key, self.next_down_key = home_key, next_down_key

    def carry(self, talon):
        before = self.game.focused()
        self.game.key(self.home_key)
        wait_for("the jump did not move", lambda: self.game.focused() != before or
                 card_of(talon)[0] == before[1])
        self.game.key("Return")

    def reveal_next(self):
        self.game.key(self.next_down_key)
        time.sleep(0.05)
        at = wait_for("no focused cell", self.game.focused)
        self.game.key("Return")
        return at


def play(game, strategy, ears):
    ends = len(ears.notes)
    game.key("F2")
    wait_for("the deal did not end",
             lambda: any(n in PICK for n in ears.notes[ends:]) and game.status_in(PICK))
    strategy.start()
    strategy.go(1, 1)
    game.key("Return")
    talon = wait_for("no talon", game.talon)
    while not game.status_in(REVEAL + ENDS):
        strategy.carry(talon)
        before = talon
        wait_for(f"carrying {before} changed nothing", lambda: (
            game.status_in(REVEAL + ENDS) or game.talon() != before))
        talon = game.talon()
    while not game.status_in(ENDS):
        row, col = strategy.reveal_next()
        wait_for(f"{row},{col} was not revealed", lambda: game.status_in(ENDS) or not any(
            w in name(game.cell(row, col)) for w in FACE_DOWN))
    verdict = name(game.status)
    if "bravo" in verdict:
        game.close_lottery()
    return verdict


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--games", type=int, default=20)
    parser.add_argument("--strategy", choices=("arrows", "jumps"), default="arrows")
    parser.add_argument("--home-key", default="h")
    parser.add_argument("--next-down-key", default="n")
    args = parser.parse_args()
    Atspi.set_timeout(10000, 30000)
    ears = Ears()
    desktop = pyatspi.Registry.getDesktop(0)
    app = wait_for("the program is not on the bus", lambda: next(
        (a for a in desktop if a is not None and a.name == "Vestorine"), None))
    game = Game(app, ears)
    strategy = (Arrows(game) if args.strategy == "arrows"
                else Jumps(game, args.home_key, args.next_down_key))
    keys, chars, verdicts = [], [], []
    for number in range(args.games):
        game.keys, ears.chars = 0, 0
        verdict = play(game, strategy, ears)
        time.sleep(0.3)  # the verdict's announcement is counted with its game
        pump()
        keys.append(game.keys)
        chars.append(ears.chars)
        verdicts.append(verdict)
        print(f"game {number + 1}: {game.keys} keys, {ears.chars} characters, {verdict}")
    won = sum("bravo" in v for v in verdicts)
    print(f"blind_bench: {args.strategy}, {args.games} games ({won} won): median "
          f"{statistics.median(keys)} keys (max {max(keys)}), median "
          f"{statistics.median(chars)} characters spoken per game")


if __name__ == "__main__":
    main()
