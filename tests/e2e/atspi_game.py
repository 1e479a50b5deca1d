#!/usr/bin/python3
"""Plays Vestorine over the accessibility bus: reads the table from the AT-SPI tree, plays a whole
game with X key presses alone and checks that every new status message reached the bus.

Run by e2e_atspi.sh with the program already on screen (DISPLAY and the buses set)."""

import os
import re
import subprocess
import sys
import time
from xml.etree import ElementTree

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402
import pyatspi  # noqa: E402

# A safety net for a loaded machine; every wait ends as soon as its condition holds.
PATIENCE = 60
ROWS, COLUMNS = 4, 8

# The words of the game in English and French, and in the language of a catalog given with
# --language CODE (the catalog translations/vestorine_CODE.ts), for a game played in it.
def catalog():
    if "--language" not in sys.argv:
        return {}
    code = sys.argv[sys.argv.index("--language") + 1]
    path = os.path.join(os.path.dirname(os.path.realpath(__file__)), "..", "..", "translations",
                        f"vestorine_{code}.ts")
    words = {}
    for context in ElementTree.parse(path).getroot().iter("context"):
        for message in context.iter("message"):
            if message.find("comment") is None:
                words[(context.findtext("name"), message.findtext("source"))] = \
                    message.findtext("translation")
    return words


CATALOG = catalog()


def said(context, english, french):
    """The English and French words, and the catalog's."""
    return (english, french) + ((CATALOG[(context, english)],) if CATALOG else ())


RANK_WORDS = "ace king queen jack ten nine eight seven".split()
RANKS = {  # the column of each rank, in every language in play
    w: i + 1 for i, r in enumerate(RANK_WORDS)
    for w in said("Cards", r, "as roi dame valet dix neuf huit sept".split()[i])
}
# How a card is named: "%1 of %2", "%1 de %2", "%2-%1"...
CARD_PATTERNS = [re.compile(re.escape(p).replace("%1", "(?P<rank>.+?)").replace("%2", "(?P<suit>.+)")
                 + "$") for p in said("Cards", "%1 of %2", "%1 de %2")]
TALON = said("Table", "talon: %1", "talon : %1")
FACE_DOWN = said("Table", "face down", "face cachée")
DEALING = said("Announce", "Dealing the cards", "Distribution des cartes")
STATUS = {
    "pick": said("Status", "Click a card", "Cliquez une carte"),
    "reveal": said("Status", "Click the remaining cards", "Cliquez les cartes restantes"),
    "lost": said("Status", "!!! Sorry, you loose !!!", "!!! Perdu, désolé !!!"),
    "won": said("Status", "*** You succeed, bravo ***", "*** Gagné, bravo ***"),
}
ALL_MESSAGES = {
    *said("Status", "Click the button to deal", "Cliquez le bouton pour distribuer"),
    *said("Status", "Move the talon to its ranking place",
          "Déplacez le talon sur sa position de rangement"),
    *[m for words in STATUS.values() for m in words],
}

def fail(what):
    print(f"atspi_game: FAIL: {what}", file=sys.stderr)
    sys.exit(1)


def pump():
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def wait_for(what, condition, patience=PATIENCE):
    end = time.monotonic() + patience
    while True:
        pump()
        try:
            value = condition()
        except GLib.Error:  # the program is busy or the object is being replaced: try again
            value = None
        if value:
            return value
        if time.monotonic() > end:
            fail(what)
        time.sleep(0.03)


def name(accessible):
    accessible.clear_cache()
    return accessible.name or ""


# Seconds between two keys: 0 plays as fast as the program answers; a screen reader needs the
# time a human player leaves it to speak each change (--pace SECONDS).
PACE = float(sys.argv[sys.argv.index("--pace") + 1]) if "--pace" in sys.argv else 0


def key(*keys):
    for group in ([k] for k in keys) if PACE else [keys]:
        subprocess.run(["xdotool", "key", "--delay", "30", *group], check=True)
        time.sleep(PACE)


def find(root, predicate):
    return pyatspi.findDescendant(root, predicate)


class Heard:
    """What the bus carried about the status line, in order: ("name", text) for each new name,
    ("note", text) for each announcement shown."""

    def __init__(self):
        self.events = []
        for event in ("object:property-change:accessible-name", "object:state-changed:showing",
                      "object:announcement"):
            pyatspi.Registry.registerEventListener(self.on_event, event)

    def on_event(self, event):
        try:
            role = event.source.getRole()
            text = event.source.name or ""  # the bridge's event has refreshed it
        except GLib.Error:
            return
        if role == pyatspi.ROLE_STATUS_BAR and event.type.startswith("object:property-change"):
            # The event's own value: the line may have moved on by the time it is read here.
            self.events.append(("name", event.any_data if isinstance(event.any_data, str) else text))
        elif role == pyatspi.ROLE_NOTIFICATION and event.detail1:
            # Its words are in the label it holds, where a screen reader brailles them from.
            words = [c.name for c in event.source if c.getRole() == pyatspi.ROLE_LABEL]
            self.events.append(("note", " ".join(words)))
        elif "announcement" in event.type:
            self.events.append(("note", text if text else str(event.any_data)))

    def count(self, message, kind=None):
        return sum(message in text for k, text in self.events if kind in (None, k))


class Table:
    def __init__(self, app):
        self.app = app
        frame = wait_for("no main window on the bus",
                         lambda: find(app, lambda a: a.getRole() == pyatspi.ROLE_FRAME))
        self.grid = wait_for("no grid of 32 cells", lambda: find(
            frame, lambda a: a.getRole() == pyatspi.ROLE_TABLE and a.childCount == 32))
        self.button = wait_for("no push button", lambda: find(
            frame, lambda a: a.getRole() == pyatspi.ROLE_PUSH_BUTTON))
        self.frame = frame
        self.talon = None  # named once a card is turned up
        self.status = find(frame, lambda a: a.getRole() == pyatspi.ROLE_STATUS_BAR) or find(
            frame, lambda a: name(a) in ALL_MESSAGES)
        if self.status is None:
            fail("no status line")
        self.row, self.col = 1, 1
        self.shown = []  # every status text read, in order

    def cell(self, row, col):
        return self.grid.getChildAtIndex((row - 1) * COLUMNS + col - 1)

    def shows(self, row, col):
        return name(self.cell(row, col)).rsplit(":", 1)[-1].strip()

    def status_is(self, which):
        shown = name(self.status)
        self.shown.append(shown)
        return shown in STATUS[which]

    def focused(self):
        for index in range(self.grid.childCount):
            cell = self.grid.getChildAtIndex(index)
            if cell.getState().contains(pyatspi.STATE_FOCUSED):
                return divmod(index, COLUMNS)[0] + 1, index % COLUMNS + 1
        return None

    def go(self, row, col):
        """Moves the cursor with the arrows, each move confirmed by the focused cell."""
        moves = (["Down"] * (row - self.row) + ["Up"] * (self.row - row) +
                 ["Right"] * (col - self.col) + ["Left"] * (self.col - col))
        if moves:
            key(*moves)
        self.row, self.col = row, col
        wait_for(f"the cursor did not reach row {row}, column {col}",
                 lambda: self.focused() == (row, col))


def card_of(text):
    """(column, suit word) of a card name such as "seven of spades" or "sept de pique"."""
    card = text.split(":", 1)[-1].strip()
    for pattern in CARD_PATTERNS:
        match = pattern.match(card)
        if match and match["rank"] in RANKS:
            return RANKS[match["rank"]], match["suit"]
    fail(f"no card in {text!r}")

def deals_ended(heard):
    # By the line's name: a deal that follows another at once announces itself before a reader
    # reads the note of the first one's end.
    return sum(heard.count(m, "name") for m in STATUS["pick"])


def press_during_the_deal(table, heard):
    if not table.button.queryAction().doAction(0):
        fail("the deal button refused the press")
    wait_for("the deal did not start", lambda: name(table.status) == "")
    if not table.button.queryAction().doAction(0):
        fail("a press during the deal failed")
    if name(table.status) != "":
        fail("the press was answered only after the deal")
    # That press asked for a deal of its own, which follows this one.
    wait_for("the two deals did not end", lambda: deals_ended(heard) >= 2)


def answered_return(heard):
    """Return, then an announcement for it, whatever it did."""
    notes = sum(k == "note" for k, _ in heard.events)
    key("Return")
    wait_for("a Return went unanswered",
             lambda: sum(k == "note" for k, _ in heard.events) > notes)


def play(table, heard):
    dealt = deals_ended(heard)
    start = len(heard.events)
    key("F2")
    wait_for("the keyboard deal did not end",
             lambda: deals_ended(heard) > dealt and table.status_is("pick"))
    after = heard.events[start:]
    said = [i for i, (k, t) in enumerate(after) if k == "note" and any(d in t for d in DEALING)]
    ended = [i for i, (k, t) in enumerate(after) if k == "name" and t in STATUS["pick"]]
    if not said or said[0] > ended[0]:
        fail(f"F2 was not answered before the deal ended: {after}")
    names = [name(table.cell(r, c)) for r in range(1, ROWS + 1) for c in range(1, COLUMNS + 1)]
    if not all(any(w in n for w in FACE_DOWN) for n in names) or len(set(names)) != 32:
        fail(f"the dealt cells are not 32 named face-down cells: {names}")

    # The cursor shows with the first key; then it is walked to the top left corner.
    key("Up")
    wait_for("no focused cell", table.focused)
    table.row, table.col = table.focused()
    table.go(1, 1)
    key("Return")
    table.talon = wait_for("the pick named no talon", lambda: find(
        table.frame, lambda a: any(name(a).startswith(t.split("%1")[0]) for t in TALON)))
    talon = name(table.talon)
    print(f"atspi_game: picked {talon}")

    # A drop on a wrong cell changes nothing, yet is answered.
    wrong = next(c for c in range(1, COLUMNS + 1) if c != card_of(talon)[0])
    table.go(table.row, wrong)
    answered_return(heard)

    suit_rows = {}
    while not table.status_is("reveal") and not table.status_is("won"):
        col, suit = card_of(talon)
        # For a suit that owns no row, the home key spares the first card's row (row 1) while
        # another is free: it keeps the current row if it may, else takes the nearest.
        free = [r for r in range(1, ROWS + 1) if r not in suit_rows.values()]
        allowed = [r for r in free if r != 1] or free
        row = suit_rows.get(suit) or (table.row if table.row in allowed else
                                      min(allowed, key=lambda r: (abs(r - table.row), r)))
        suit_rows[suit] = row
        key("h")
        table.row, table.col = row, col
        wait_for(f"the home key did not reach row {row}, column {col}",
                 lambda: table.focused() == (row, col))
        answered_return(heard)
        print(f"atspi_game: carried {talon} to row {row}, column {col}")
        before = talon
        wait_for(f"carrying {before} changed nothing", lambda: (
            table.status_is("reveal") or table.status_is("won") or name(table.talon) != before))
        talon = name(table.talon)

    for row in range(1, ROWS + 1):
        for col in range(1, COLUMNS + 1):
            if table.status_is("lost") or table.status_is("won"):
                break
            if not any(w in table.shows(row, col) for w in FACE_DOWN):
                continue
            # The next face-down cell in reading order is this one.
            key("n")
            table.row, table.col = row, col
            wait_for(f"the next face-down key did not reach row {row}, column {col}",
                     lambda: table.focused() == (row, col))
            answered_return(heard)
            wait_for(f"row {row}, column {col} was not revealed",
                     lambda: not any(w in table.shows(row, col) for w in FACE_DOWN))
            print(f"atspi_game: revealed {name(table.cell(row, col))}")
    verdict = wait_for("no verdict", lambda: table.status_is("lost") or table.status_is("won"))
    print(f"atspi_game: verdict: {name(table.status)}")
    return verdict


def main():
    Atspi.set_timeout(10000, 30000)
    heard = Heard()
    desktop = pyatspi.Registry.getDesktop(0)
    app = wait_for("the program is not on the accessibility bus", lambda: next(
        (a for a in desktop if a is not None and a.name == "Vestorine"), None))
    table = Table(app)
    if "--keyboard-only" not in sys.argv:
        press_during_the_deal(table, heard)
    table.shown.clear()
    play(table, heard)
    for message in [m for m in dict.fromkeys(table.shown) if m]:
        wait_for(f"the status {message!r} was not announced", lambda: heard.count(message, "note"))
        wait_for(f"no name change for the status {message!r}", lambda: heard.count(message, "name"))
        print(f"atspi_game: announced: {message}")


if __name__ == "__main__":
    main()
