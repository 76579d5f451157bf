"""A screen reader's view of the running game, through the desktop's
accessibility bus (AT-SPI): a client of the bus in a process of its own,
started by the screen-reader scenarios (a11y.Bus.reader) once the game
shows its title window; plays it with xdotool as a blind player would and checks
what arrives on the bus: names with their numbers, texts, the events that a
move, an attack and a spent point send, and how often the game speaks when
nobody does anything. Every check runs and reports; the exit code is 0 when
all passed, 1 when one failed, 3 when the walk did not end in a battle with
enemy 20 (the enemies may have moved: the caller starts again).

    python3 -m chromaland_e2e.reader PHASE
        play   title, a battle won, the map afterwards (the game must be
               showing its title; it is left on the map)
        idle SECONDS   listens and prints the events seen, by kind
        help TITLE     the help window open over the map: its name, its
               text through the text interface, its headings
        await NAME SECONDS   waits for the application NAME on the bus
"""

import os
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

from chromaland_e2e.a11y import Speech
from chromaland_e2e.processes import log, wait_until

def keys(*names):
    subprocess.run(["xdotool", "key", "--clearmodifiers", "--delay", "25", *names], check=True)


def app(name="chromaland"):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        a = desktop.getChildAtIndex(i)
        if a is not None and a.name == name:
            return a
    return None


def walk(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def find(root, role=None, name=None, prefix=None):
    for node in walk(root):
        if role and node.getRoleName() != role:
            continue
        if name is not None and node.name != name:
            continue
        if prefix is not None and not (node.name or "").startswith(prefix):
            continue
        return node
    return None


def window(name=None):
    """The game's shown top-level window of that name (any, without one)."""
    a = app()
    if not a:
        return None
    for i in range(a.childCount):
        w = a.getChildAtIndex(i)
        if w is not None and (name is None or w.name == name) and w.getState().contains(pyatspi.STATE_SHOWING):
            return w
    return None


def text_of(node):
    try:
        t = node.queryText()
    except NotImplementedError:
        return None
    return t.getText(0, -1)


def actions_of(node):
    try:
        a = node.queryAction()
    except NotImplementedError:
        return []
    return [a.getName(i) for i in range(a.nActions)]


def has_value(node):
    try:
        node.queryValue()
        return True
    except NotImplementedError:
        return False


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def dump(node, depth=0, out=None):
    """The tree as the bus shows it, one line a node (for the log)."""
    out = [] if out is None else out
    extra = []
    text = text_of(node)
    if text is not None and node.getRoleName() not in ("push button",):
        extra.append("text=%r" % text)
    if has_value(node):
        v = node.queryValue()
        extra.append("value=%g [%g..%g]" % (v.currentValue, v.minimumValue, v.maximumValue))
    acts = actions_of(node)
    if acts:
        extra.append("actions=%s" % ",".join(acts))
    if node.description:
        extra.append("description=%r" % node.description)
    if not showing(node):
        extra.append("not showing")
    out.append("%s%s %r %s" % ("  " * depth, node.getRoleName(), node.name, " ".join(extra)))
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            dump(child, depth + 1, out)
    return out


def print_tree(title, node):
    log("tree of the %s:" % title)
    for line in dump(node):
        print("    | " + line[:220], flush=True)


class Reader:
    """The client of the bus for one phase: the events it has seen, and the
    checks that failed."""

    KINDS = ("object:property-change", "object:state-changed", "object:text-changed", "focus:", "window:activate")

    def __init__(self):
        self.context = GLib.MainContext.default()
        self.events = []
        self.failed = []
        self.orca = Speech(os.environ["ORCA_LOG"]) if os.environ.get("ORCA_LOG") else None
        for kind in self.KINDS:
            pyatspi.Registry.registerEventListener(self.record, kind)

    def check(self, ok, what, seen=""):
        if ok:
            log("ok: " + what)
        else:
            self.failed.append(what)
            log("FAILED: " + what + (" (seen: %s)" % (seen,) if seen != "" else ""))
        return ok

    def record(self, event):
        try:
            name = event.source.name
            role = event.source.getRoleName()
        except Exception:  # the object may be gone already
            name, role = None, None
        data = event.any_data if isinstance(event.any_data, str) else None
        self.events.append((time.monotonic(), event.type, role, name, event.detail1, data))

    def pump(self, seconds):
        """Hands the bus's events to record for SECONDS."""
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            while self.context.iteration(False):
                pass
            time.sleep(0.005)

    def wait_for(self, condition, seconds, step=0.02):
        """As processes.wait_until, the bus's events handled meanwhile."""
        return wait_until(condition, seconds, step, sleep=self.pump)

    def await_orca(self, words, seconds=30):
        """Waits until a listening Orca has spoken the words, as a blind player
        waits to hear where the focus is before pressing on: on a busy machine
        Orca gets round to an event late, and skips a focus that has moved."""
        if self.orca and not self.wait_for(lambda: any(words in s for s in self.orca.read()), seconds, 0.1):
            log("Orca had not said %r after %d s" % (words, seconds))

    def focused(self):
        """The last object that told it gained the focus. Only the state change
        says so: a "focus:" event carries no detail, and on a busy bus one of
        a window already gone can arrive after the focus has moved on."""
        for e in reversed(self.events):
            if e[1] == "object:state-changed:focused" and e[4] == 1:
                return e
        return None

    def focus_name(self):
        """The name of the object that last gained the focus ("" if none)."""
        return (self.focused() or [None] * 4)[3] or ""

    def events_since(self, start, kind=None, name_prefix=None):
        return [e for e in self.events if e[0] >= start and (kind is None or e[1].startswith(kind))
                and (name_prefix is None or (e[3] or "").startswith(name_prefix))]

    def print_events(self, what, start):
        log("events of %s:" % what)
        for e in self.events_since(start):
            print("    | %s %s %r%s" % (e[1], e[2], (e[3] or "")[:70], " any=%r" % e[5][:60] if e[5] else ""),
                  flush=True)

    def value_boxes(self, window, prefixes, signed=False):
        """Each value box (a label named by its prefix and its number, a
        negative one when SIGNED) carries its number in its name and text."""
        for prefix in prefixes:
            box = find(window, role="label", prefix=prefix)
            number = box.name[len(prefix):] if box else ""
            self.check(box is not None and (number.lstrip("-") if signed else number).isdigit()
                       and text_of(box) == number,
                       "the value box %r carries its number in its name and text" % prefix.strip(": "),
                       box.name if box else "none")

    def title_checks(self):
        title = self.wait_for(window, 10)
        if not self.check(title is not None, "the title window is on the bus"):
            return
        self.check(title.getRoleName() == "dialog" and title.name == "Chromaland. Press a key to play.",
                   "the title window is a dialog named Chromaland with its prompt", (title.getRoleName(), title.name))
        print_tree("title window", title)
        self.check(not title.description, "the title window has no description to read the instructions twice",
                   title.description)
        instructions = find(title, role="label", prefix="Instructions: You are White Square")
        self.check(instructions is not None, "the instructions are a label of the title window")
        self.await_orca("Press a key to play")
        prompt = find(title, role="label", name="Press a key to play")
        self.check(prompt is None, "the bottom line does not say Press a key to play once more")
        start = time.monotonic()
        self.pump(2.2)
        names = self.events_since(start, "object:property-change:accessible-name")
        self.check(not names, "the title's bottom line sends no name events while it alternates",
                   [e[3] for e in names])

    def start_and_walk(self):
        """Presses a key on the title and walks onto enemy 20 at once."""
        keys("space")
        shown = self.wait_for(lambda: window("Chromaland"), 10)
        if not self.check(shown is not None, "the map window is on the bus"):
            return None
        keys("Up", *(["Right"] * 20))
        self.check(shown.getRoleName() == "frame", "the map window is a frame", shown.getRoleName())
        # A busy machine may be slow to show it; a late one is no fault, as the
        # square below tells the battle met.
        battle = self.wait_for(lambda: window("Battle Control"), 10)
        # An enemy that the clock moved into the way ends the walk early, in a
        # battle the checks after it do not expect: the player stands elsewhere,
        # and the rest of the walk's keys went to the battle's buttons.
        world = find(shown, prefix="World map")
        square = text_of(world) if world else None
        if battle is not None and square != "Column 21, row 21":
            log("the walk met an enemy at %r, not enemy 20" % square)
            return None
        return battle

    def battle_checks(self, battle):
        print_tree("battle window", battle)
        status = find(battle, role="notification")
        if not self.check(status is not None, "the battle's status line is a notification on the bus"):
            return False
        self.check(status.description.startswith("Your health: "),
                   "the status line's description gives the numbers", status.description)
        self.value_boxes(battle, ("Your health: ", "Enemy health: ", "Your magic: "), signed=True)
        for name in ("Your strength: ", "Enemy strength: "):
            bar = find(battle, prefix=name)
            self.check(bar is not None and bar.name.endswith(" percent") and not actions_of(bar),
                       "the bar %r reads as a percentage and offers no actions" % name.strip(": "),
                       (bar.name, actions_of(bar)) if bar else "none")

        self.check(self.focus_name() == "Attack", "the battle opens with the focus on Attack", self.focused())
        # A busy Orca gets round to a new window late, and a key it hears
        # before it has told where the focus is makes it take the focus
        # silently: the kill's move to Retreat would then never be spoken. A
        # blind player hears where the focus is before pressing on.
        self.await_orca("Attack push button")
        won = False
        for turn in range(12):
            start = time.monotonic()
            keys("alt+a")
            told = self.wait_for(lambda: [e for e in self.events_since(start, "object:state-changed:showing")
                                          if e[2] == "notification" and e[4] == 1], 3)
            inserted = [e for e in self.events_since(start, "object:text-changed:insert") if e[2] == "notification"]
            if turn == 0:
                self.check(told and (told[0][3] or "").startswith("You "),
                           "an Attack announces its line (the status line shows itself to the reader)",
                           [e[3] for e in told or []])
                self.check(inserted and inserted[-1][5] and inserted[-1][5].startswith("You "),
                           "the status line's text change carries the new line", [e[5] for e in inserted])
                names = [e for e in self.events_since(start, "object:property-change:accessible-name")]
                self.check(all(e[3] != "Battle status" for e in names),
                           "no name event repeats the unchanged name Battle status", [e[3] for e in names])
                self.print_events("one Attack", start)
            if find(battle, name="Enemy health: DEAD"):
                won = True
                self.wait_for(lambda: self.focus_name() == "Retreat", 5)
                self.check(self.focus_name() == "Retreat", "after the kill the focus is on Retreat", self.focused())
                passed = [e[3] for e in self.events_since(start, "focus:")]
                self.check("Blast" not in passed and "Heal" not in passed,
                           "the focus went straight to Retreat, not through Blast or Heal", passed)
                self.await_orca("Retreat push button")
                break
        self.check(won, "the enemy was defeated within 12 attacks")
        keys("alt+r")
        self.wait_for(lambda: window("Battle Control") is None, 3)
        return won

    def map_checks(self):
        frame = window("Chromaland")
        if not self.check(frame is not None, "the map window is back"):
            return
        print_tree("map window", frame)
        self.value_boxes(frame, ("Strength: ", "Dexterity: ", "Wisdom: ", "Health: ", "Health maximum: ", "Magic: ",
                                 "Magic maximum: ", "Points: "))
        # The map tells its enemies in words: a review of the window line by
        # line meets no enemy among the panels' values.
        enemies = [n for n in walk(frame) if (n.name or "").endswith(" enemy")]
        self.check(not enemies, "no enemy is an object of its own on the bus", [n.name for n in enemies])
        for label in ("Strength:", "Health:", "Points:"):
            self.check(find(frame, role="label", name=label) is None,
                       "the caption %r is told by its value box alone" % label)
        for colour in ("Violet", "Red"):
            bar = find(frame, prefix=colour + " skill: ")
            self.check(bar is not None and bar.name.endswith(" of 18") and bar.getRoleName() == "label"
                       and not actions_of(bar) and not has_value(bar),
                       "the %s skill bar reads as a label with its level of 18 and offers no actions" % colour,
                       (bar.name, bar.getRoleName(), actions_of(bar)) if bar else "none")
        world = find(frame, prefix="World map")
        self.check(world is not None and text_of(world) == "Column 21, row 21",
                   "the map's text gives the player's square", text_of(world) if world else "none")
        # Before the enemies' first step the square alone.
        self.check(world is not None and re.match(r"World map: Column 21, row 21\.( "
                                                  r"(\w+ enemy[:a-z ]*: .*\.|No one else in sight\.))?$", world.name),
                   "the map's name gives the way to the nearest enemy after the square", world.name if world else "")
        self.check(world is not None and world.getRoleName() == "animation",
                   "the map reads as an animation, whose role a reader does not say after each step",
                   world.getRoleName() if world else "none")

        start = time.monotonic()
        keys("Down")
        self.wait_for(lambda: self.events_since(start, "object:text-changed:insert"), 2)
        moved = self.events_since(start, "object:text-changed:insert", "World map")
        self.check(moved and moved[-1][5] == "Column 21, row 22, healing row",
                   "a move sends the new square with its text change", [e[5] for e in moved])
        self.check(bool(self.events_since(start, "object:property-change:accessible-value")),
                   "a move changes the map's value, which a reader speaks for the focused map")
        self.await_orca("healing row")
        self.print_events("one move", start)

        # A point spent from the keyboard keeps the focus on its button.
        keys("shift+Tab")
        self.wait_for(lambda: self.focus_name().startswith("Spend a point on "), 5)
        button = self.focus_name()
        self.check(button.startswith("Spend a point on "), "Shift+Tab reaches a point button", self.focused())
        start = time.monotonic()
        keys("space")
        told = self.wait_for(lambda: [e for e in self.events_since(start, "object:state-changed:showing")
                                      if e[2] == "notification" and e[4] == 1], 2)
        self.check(told and "Points: 1" in (told[-1][3] or ""), "spending a point announces the new values",
                   [e[3] for e in told or []])
        self.pump(0.3)
        self.check(self.focus_name() == button,
                   "the focus stays on the point button while points remain", self.focused())
        # Along the healing row, where no enemy ever comes: a step up could meet
        # the defeated enemy, come back where it fell.
        keys("Left")
        self.wait_for(lambda: self.focus_name().startswith("World map"), 5)
        self.check(self.focus_name().startswith("World map") and text_of(world) == "Column 20, row 22, healing row",
                   "an arrow key on a point button moves the player and gives the map the focus",
                   (self.focused(), text_of(world)))

    def help_checks(self, title):
        """The help as a reader finds it: a window named by its title, whose
        page is one text that the text interface reads whole, its headings set
        apart from the paragraphs in the text's attributes."""
        frame = self.wait_for(lambda: window(title), 10)
        if not self.check(frame is not None, "the help window is on the bus, named %r" % title):
            return
        texts = [n for n in walk(frame) if text_of(n)]
        page = max(texts, key=lambda n: len(text_of(n)), default=None)
        whole = text_of(page) if page else ""
        self.check(len(whole) > 3000 and whole.startswith(title),
                   "the text interface reads the whole page, from its title",
                   whole[:80])
        self.check(page is not None and page.getState().contains(pyatspi.STATE_FOCUSED),
                   "the page has the focus, so that the reader's keys read it", page.getRoleName() if page else "none")
        if not page:
            return
        text = page.queryText()

        def attributes(offset):
            attrs, start, end = text.getAttributeRun(offset, False)
            return dict(a.split(":", 1) for a in attrs), start, end

        # The page opens with its title and the list of its parts; the first
        # part's heading is the next line that names it.
        lines = whole.split("\n")
        first_part = lines[1].strip()
        heading_at = whole.index("\n" + first_part + "\n", whole.index(first_part) + len(first_part)) + 1
        heading, _, _ = attributes(heading_at)
        paragraph_at = whole.index(next(line for line in lines if len(line) > 80))
        body, _, _ = attributes(paragraph_at)
        log("a heading's attributes: %r" % (heading,))
        log("a paragraph's attributes: %r" % (body,))
        self.check(heading.get("weight") == "bold" and float(heading.get("size", 0)) > float(body.get("size", 0)),
                   "a heading is bold and larger than a paragraph in the text's attributes", (heading, body))
        self.line_by_line(page, lines)

    def line_by_line(self, page, lines):
        """A text read line by line, not a label: a caret at its top that
        Down moves a line at a time, and Return on a part's name in the
        list at the top takes the caret to that part's heading."""
        text = page.queryText()
        whole = text.getText(0, -1)

        def caret_line():
            return text.getTextAtOffset(text.caretOffset, pyatspi.TEXT_BOUNDARY_LINE_START)[0].strip()
        self.check(page.getRoleName() != "label", "the page is a text to read, not a label", page.getRoleName())
        self.check(text.caretOffset == 0, "the caret starts at the page's top", text.caretOffset)
        keys("Down")
        self.wait_for(lambda: text.caretOffset > 0, 5)
        self.check(caret_line() == lines[1].strip(), "Down takes the caret to the line of the first part's name",
                   caret_line())
        third = lines[3].strip()
        heading_at = whole.index("\n" + third + "\n", whole.index(third) + len(third)) + 1
        keys("Down", "Down", "Return")
        self.wait_for(lambda: text.caretOffset == heading_at, 5)
        self.check(text.caretOffset == heading_at and caret_line() == third,
                   "Return on the third part's name takes the caret to its heading", (text.caretOffset, caret_line()))

    def idle(self, seconds):
        """Counts what the game sends while nobody does anything."""
        start = time.monotonic()
        self.pump(seconds)
        kinds = {}
        for e in self.events_since(start):
            key = "%s %s %s" % (e[1], e[2], e[3])
            kinds[key] = kinds.get(key, 0) + 1
        for key, count in sorted(kinds.items(), key=lambda kv: -kv[1]):
            print("%d %s" % (count, key), flush=True)


def main():
    reader = Reader()
    if sys.argv[1:2] == ["await"]:
        found = reader.wait_for(lambda: app(sys.argv[2]), float(sys.argv[3]))
        return 0 if found else 1
    if sys.argv[1:2] == ["idle"]:
        reader.idle(float(sys.argv[2]))
        return 0
    if sys.argv[1:2] == ["help"]:
        reader.help_checks(sys.argv[2])
        return 1 if reader.failed else 0
    if not reader.wait_for(app, 15):
        log("FAILED: the game never appeared on the accessibility bus")
        return 1
    reader.title_checks()
    battle = reader.start_and_walk()
    if battle is None:
        log("no battle with enemy 20 in time: the enemies may have moved first")
        return 3
    reader.battle_checks(battle)
    reader.map_checks()
    log("%d checks failed" % len(reader.failed))
    for what in reader.failed:
        log("failed: " + what)
    return 1 if reader.failed else 0


if __name__ == "__main__":
    sys.exit(main())
