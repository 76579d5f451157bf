"""A screen reader's view of the running game through the desktop's accessibility bus (AT-SPI), in a process of its
own that the screen-reader scenarios start (a11y.Bus.reader): it plays with xdotool as a blind player would and checks
what arrives on the bus (names with their numbers, texts, the events of a move, an attack and a spent point, how often
the game speaks when nobody does anything). Every check runs and reports; the exit code is 0 when all passed, 1 when
one failed, 3 when the walk did not end in a battle with enemy 20 (the enemies may have moved: the caller starts again).

    python3 -m chromaland_e2e.reader PHASE
        play                 title, a battle won, the map afterwards (from the title; left on the map)
        idle SECONDS         listens and prints the events seen, by kind
        help TITLE           the help window open over the map: its name, its text, its headings
        await NAME SECONDS   waits for the application NAME on the bus
"""

import collections
import os
import re
import sys
import time

import pyatspi
from gi.repository import GLib

from chromaland_e2e.a11y import Speech, keys
from chromaland_e2e.processes import log, wait_until

Event = collections.namedtuple("Event", "time kind role name detail data")


def children(node):
    return filter(None, (node.getChildAtIndex(i) for i in range(node.childCount)))


def walk(node):
    yield node
    for child in children(node):
        yield from walk(child)


def find(root, role=None, name=None, prefix=""):
    return next((node for node in walk(root) if (role is None or node.getRoleName() == role)
                 and (name is None or node.name == name) and (node.name or "").startswith(prefix)), None)


def app(name="chromaland"):
    return next((a for a in children(pyatspi.Registry.getDesktop(0)) if a.name == name), None)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def window(name=None):
    """The game's shown top-level window of that name (any, without one)."""
    game = app()
    return next((w for w in children(game) if (name is None or w.name == name) and showing(w)), None) if game else None


def interface(node, which):
    """The node's interface of that name ("Text", "Value", "Action"), None when it has none."""
    try:
        return getattr(node, "query" + which)()
    except NotImplementedError:
        return None


def text_of(node):
    text = interface(node, "Text")
    return text.getText(0, -1) if text is not None else None


def actions_of(node):
    actions = interface(node, "Action")
    return [actions.getName(i) for i in range(actions.nActions)] if actions is not None else []


def print_tree(title, node, depth=0):
    """Logs the tree as the bus shows it, one line a node."""
    if depth == 0:
        log("tree of the %s:" % title)
    text, value, actions = text_of(node), interface(node, "Value"), actions_of(node)
    extra = ["text=%r" % text if text is not None and node.getRoleName() != "push button" else "",
             "value=%g [%g..%g]" % (value.currentValue, value.minimumValue, value.maximumValue) if value else "",
             "actions=" + ",".join(actions) if actions else "",
             "description=%r" % node.description if node.description else "",
             "" if showing(node) else "not showing"]
    line = "%s%s %r %s" % ("  " * depth, node.getRoleName(), node.name, " ".join(filter(None, extra)))
    print("    | " + line[:220], flush=True)
    for child in children(node):
        print_tree(title, child, depth + 1)


def heading_at(whole, part):
    """Where the heading of a part begins: the page's list of parts at its top names it first."""
    return whole.index("\n" + part + "\n", whole.index(part) + len(part)) + 1


def attributes(text, offset):
    return dict(a.split(":", 1) for a in text.getAttributeRun(offset, False)[0])


class Reader:
    """The client of the bus for one phase: the events it has seen, and the checks that failed."""

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

    def check_node(self, node, ok, what, seen):
        """Checks ok(node) of a node that must be there; a failure shows seen(node), or "none"."""
        return self.check(node is not None and ok(node), what, seen(node) if node is not None else "none")

    def record(self, event):
        try:
            name, role = event.source.name, event.source.getRoleName()
        except Exception:  # the object may be gone already
            name, role = None, None
        data = event.any_data if isinstance(event.any_data, str) else None
        self.events.append(Event(time.monotonic(), event.type, role, name, event.detail1, data))

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
        """Waits until a listening Orca has spoken the words, as a blind player waits to hear where the focus is
        before pressing on: on a busy machine Orca gets round to an event late, and skips a focus that has moved."""
        if self.orca and not self.wait_for(lambda: any(words in s for s in self.orca.read()), seconds, 0.1):
            log("Orca had not said %r after %d s" % (words, seconds))

    def focused(self):
        """The last object that told it gained the focus. Only the state change says so: a "focus:" event carries
        no detail, and on a busy bus one of a window already gone can arrive after the focus has moved on."""
        return next((e for e in reversed(self.events) if e.kind == "object:state-changed:focused" and e.detail == 1),
                    None)

    def focus_name(self):
        return getattr(self.focused(), "name", None) or ""

    def events_since(self, start, kind="", name_prefix="", role=None):
        return [e for e in self.events if e.time >= start and e.kind.startswith(kind)
                and (e.name or "").startswith(name_prefix) and role in (None, e.role)]

    def notifications_shown(self, start):
        return [e for e in self.events_since(start, "object:state-changed:showing", role="notification") if e.detail]

    def print_events(self, what, start):
        log("events of %s:" % what)
        for e in self.events_since(start):
            print("    | %s %s %r%s" % (e.kind, e.role, (e.name or "")[:70], " any=%r" % e.data[:60] if e.data else ""),
                  flush=True)

    def value_boxes(self, window, prefixes, signed=False):
        """Each value box (a label: prefix and number, perhaps negative when SIGNED) has its number in name and text."""
        for prefix in prefixes:
            def ok(box):
                number = box.name[len(prefix):]
                return (number.lstrip("-") if signed else number).isdigit() and text_of(box) == number
            self.check_node(find(window, role="label", prefix=prefix), ok,
                            "the value box %r carries its number in its name and text" % prefix.strip(": "),
                            lambda box: box.name)

    def title_checks(self):
        title = self.wait_for(window, 10)
        if not self.check(title is not None, "the title window is on the bus"):
            return
        self.check(title.getRoleName() == "dialog" and title.name == "Chromaland. Press a key to play.",
                   "the title window is a dialog named Chromaland with its prompt", (title.getRoleName(), title.name))
        print_tree("title window", title)
        self.check(not title.description, "the title window has no description to read the instructions twice",
                   title.description)
        self.check(find(title, role="label", prefix="Instructions: You are White Square") is not None,
                   "the instructions are a label of the title window")
        self.await_orca("Press a key to play")
        self.check(find(title, role="label", name="Press a key to play") is None,
                   "the bottom line does not say Press a key to play once more")
        start = time.monotonic()
        self.pump(2.2)
        names = self.events_since(start, "object:property-change:accessible-name")
        self.check(not names, "the title's bottom line sends no name events while it alternates",
                   [e.name for e in names])

    def start_and_walk(self):
        """Presses a key on the title and walks onto enemy 20 at once; the battle window, None without it."""
        keys("space")
        shown = self.wait_for(lambda: window("Chromaland"), 10)
        if not self.check(shown is not None, "the map window is on the bus"):
            return None
        keys("Up", *(["Right"] * 20))
        self.check(shown.getRoleName() == "frame", "the map window is a frame", shown.getRoleName())
        # A busy machine may be slow to show the battle: the square below tells the battle met.
        battle = self.wait_for(lambda: window("Battle Control"), 10)
        # An enemy that the clock moved into the way ends the walk early, in a battle the checks after it do not
        # expect: the player stands elsewhere, and the rest of the walk's keys went to the battle's buttons.
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
            return
        self.check(status.description.startswith("Your health: "),
                   "the status line's description gives the numbers", status.description)
        self.value_boxes(battle, ("Your health: ", "Enemy health: ", "Your magic: "), signed=True)
        for name in ("Your strength: ", "Enemy strength: "):
            self.check_node(find(battle, prefix=name),
                            lambda bar: bar.name.endswith(" percent") and not actions_of(bar),
                            "the bar %r reads as a percentage and offers no actions" % name.strip(": "),
                            lambda bar: (bar.name, actions_of(bar)))
        self.check(self.focus_name() == "Attack", "the battle opens with the focus on Attack", self.focused())
        # A key that a busy Orca hears before it has told where the focus is makes it take the focus silently: the
        # kill's move to Retreat would never be spoken.
        self.await_orca("Attack push button")
        won = False
        for turn in range(12):
            start = time.monotonic()
            keys("alt+a")
            told = self.wait_for(lambda: self.notifications_shown(start), 3)
            if turn == 0:
                self.check(told and (told[0].name or "").startswith("You "),
                           "an Attack announces its line (the status line shows itself to the reader)",
                           [e.name for e in told or []])
                inserted = self.events_since(start, "object:text-changed:insert", role="notification")
                self.check(inserted and inserted[-1].data and inserted[-1].data.startswith("You "),
                           "the status line's text change carries the new line", [e.data for e in inserted])
                names = self.events_since(start, "object:property-change:accessible-name")
                self.check(all(e.name != "Battle status" for e in names),
                           "no name event repeats the unchanged name Battle status", [e.name for e in names])
                self.print_events("one Attack", start)
            if find(battle, name="Enemy health: DEAD"):
                won = True
                self.wait_for(lambda: self.focus_name() == "Retreat", 5)
                self.check(self.focus_name() == "Retreat", "after the kill the focus is on Retreat", self.focused())
                passed = [e.name for e in self.events_since(start, "focus:")]
                self.check("Blast" not in passed and "Heal" not in passed,
                           "the focus went straight to Retreat, not through Blast or Heal", passed)
                self.await_orca("Retreat push button")
                break
        self.check(won, "the enemy was defeated within 12 attacks")
        keys("alt+r")
        self.wait_for(lambda: window("Battle Control") is None, 3)

    def map_checks(self):
        frame = window("Chromaland")
        if not self.check(frame is not None, "the map window is back"):
            return
        print_tree("map window", frame)
        self.value_boxes(frame, ("Strength: ", "Dexterity: ", "Wisdom: ", "Health: ", "Health maximum: ", "Magic: ",
                                 "Magic maximum: ", "Points: "))
        # The map tells its enemies in words: a review of the window line by line meets none among the panels.
        enemies = [n for n in walk(frame) if (n.name or "").endswith(" enemy")]
        self.check(not enemies, "no enemy is an object of its own on the bus", [n.name for n in enemies])
        for label in ("Strength:", "Health:", "Points:"):
            self.check(find(frame, role="label", name=label) is None,
                       "the caption %r is told by its value box alone" % label)
        for colour in ("Violet", "Red"):
            self.check_node(find(frame, prefix=colour + " skill: "),
                            lambda bar: bar.name.endswith(" of 18") and bar.getRoleName() == "label"
                            and not actions_of(bar) and interface(bar, "Value") is None,
                            "the %s skill bar reads as a label with its level of 18 and offers no actions" % colour,
                            lambda bar: (bar.name, bar.getRoleName(), actions_of(bar)))
        world = find(frame, prefix="World map")
        # The name, before the enemies' first step, gives the square alone.
        way = r"World map: Column 21, row 21\.( (\w+ enemy[:a-z ]*: .*\.|No one else in sight\.))?$"
        for ok, what, seen in (
                (lambda w: text_of(w) == "Column 21, row 21", "the map's text gives the player's square", text_of),
                (lambda w: re.match(way, w.name), "the map's name gives the way to the nearest enemy after the square",
                 lambda w: w.name),
                (lambda w: w.getRoleName() == "animation",
                 "the map reads as an animation, whose role a reader does not say after each step",
                 lambda w: w.getRoleName())):
            self.check_node(world, ok, what, seen)
        self.move_and_spend(world)

    def move_and_spend(self, world):
        """A step down into the healing row, a point spent from the keyboard, and a step along the row."""
        start = time.monotonic()
        keys("Down")
        self.wait_for(lambda: self.events_since(start, "object:text-changed:insert"), 2)
        moved = self.events_since(start, "object:text-changed:insert", "World map")
        self.check(moved and moved[-1].data == "Column 21, row 22, healing row",
                   "a move sends the new square with its text change", [e.data for e in moved])
        self.check(bool(self.events_since(start, "object:property-change:accessible-value")),
                   "a move changes the map's value, which a reader speaks for the focused map")
        self.await_orca("healing row")
        self.print_events("one move", start)
        keys("shift+Tab")
        self.wait_for(lambda: self.focus_name().startswith("Spend a point on "), 5)
        button = self.focus_name()
        self.check(button.startswith("Spend a point on "), "Shift+Tab reaches a point button", self.focused())
        start = time.monotonic()
        keys("space")
        # The enemies' news may come first: the point's own is waited for.
        told = self.wait_for(lambda: [e for e in self.notifications_shown(start) if "Points: 1" in (e.name or "")], 2)
        self.check(bool(told), "spending a point announces the new values",
                   [e.name for e in self.notifications_shown(start)])
        self.pump(0.3)
        self.check(self.focus_name() == button,
                   "the focus stays on the point button while points remain", self.focused())
        # Along the healing row, where no enemy ever comes: a step up could meet the defeated enemy, come back
        # where it fell.
        keys("Left")
        self.wait_for(lambda: self.focus_name().startswith("World map"), 5)
        self.check(self.focus_name().startswith("World map") and text_of(world) == "Column 20, row 22, healing row",
                   "an arrow key on a point button moves the player and gives the map the focus",
                   (self.focused(), text_of(world)))

    def help_checks(self, title):
        """The help as a reader finds it: a window named by its title, whose page is one text that the text
        interface reads whole, its headings set apart from the paragraphs in the text's attributes."""
        frame = self.wait_for(lambda: window(title), 10)
        if not self.check(frame is not None, "the help window is on the bus, named %r" % title):
            return
        page = max((n for n in walk(frame) if text_of(n)), key=lambda n: len(text_of(n)), default=None)
        whole = text_of(page) if page else ""
        self.check(len(whole) > 3000 and whole.startswith(title),
                   "the text interface reads the whole page, from its title", whole[:80])
        self.check(page is not None and page.getState().contains(pyatspi.STATE_FOCUSED),
                   "the page has the focus, so that the reader's keys read it", page.getRoleName() if page else "none")
        if not page:
            return
        text = page.queryText()
        # The page opens with its title and the list of its parts.
        lines = whole.split("\n")
        heading = attributes(text, heading_at(whole, lines[1].strip()))
        body = attributes(text, whole.index(next(line for line in lines if len(line) > 80)))
        log("a heading's attributes: %r" % (heading,))
        log("a paragraph's attributes: %r" % (body,))
        self.check(heading.get("weight") == "bold" and float(heading.get("size", 0)) > float(body.get("size", 0)),
                   "a heading is bold and larger than a paragraph in the text's attributes", (heading, body))
        self.line_by_line(page, text, whole, lines)

    def line_by_line(self, page, text, whole, lines):
        """A text read line by line, not a label: a caret at its top that Down moves a line at a time, and Return
        on a part's name in the list at the top takes the caret to that part's heading."""
        def caret_line():
            return text.getTextAtOffset(text.caretOffset, pyatspi.TEXT_BOUNDARY_LINE_START)[0].strip()

        self.check(page.getRoleName() != "label", "the page is a text to read, not a label", page.getRoleName())
        self.check(text.caretOffset == 0, "the caret starts at the page's top", text.caretOffset)
        keys("Down")
        self.wait_for(lambda: text.caretOffset > 0, 5)
        self.check(caret_line() == lines[1].strip(), "Down takes the caret to the line of the first part's name",
                   caret_line())
        third = lines[3].strip()
        heading = heading_at(whole, third)
        keys("Down", "Down", "Return")
        self.wait_for(lambda: text.caretOffset == heading, 5)
        self.check(text.caretOffset == heading and caret_line() == third,
                   "Return on the third part's name takes the caret to its heading", (text.caretOffset, caret_line()))

    def idle(self, seconds):
        """Counts what the game sends while nobody does anything."""
        start = time.monotonic()
        self.pump(seconds)
        kinds = collections.Counter("%s %s %s" % (e.kind, e.role, e.name) for e in self.events_since(start))
        for key, count in kinds.most_common():
            print("%d %s" % (count, key), flush=True)


def main():
    reader = Reader()
    phase, *args = sys.argv[1:]
    if phase == "await":
        return 0 if reader.wait_for(lambda: app(args[0]), float(args[1])) else 1
    if phase == "idle":
        reader.idle(float(args[0]))
    elif phase == "help":
        reader.help_checks(args[0])
    elif not reader.check(reader.wait_for(app, 15), "the game is on the accessibility bus"):
        return 1
    else:
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
