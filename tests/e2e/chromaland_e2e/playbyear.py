"""A blind player: plays the running game by ear, deciding every key only from what Orca has spoken (the speech lines
of its log, ORCA_LOG), never from the accessibility bus or the screen, a key about every half second.

    python3 -m chromaland_e2e.playbyear game|restart

"game" plays the steps of Player.game() from the title to Alt+F4, "restart" from the title again back to the map. Logs
each step with what Orca said to it; exit code 0 when every step was heard, 1 when one was not.
"""

import os
import re
import sys
import time

from chromaland_e2e import a11y
from chromaland_e2e.processes import log, wait_until

PACE = 0.5          # seconds between two keys
STEP_WAIT = 20      # seconds a step may wait for its words
CHASE_LIMIT = 120   # seconds the chase may take


class Speech(a11y.Speech):
    """What Orca has said, and how many of its utterances the steps have dealt with."""

    def __init__(self, path):
        super().__init__(path)
        self.heard = 0

    def new(self):
        """The utterances no step has dealt with yet."""
        self.read()
        return self.said[self.heard:]

    def catch_up(self):
        """The new utterances, now dealt with."""
        said = self.new()
        self.heard += len(said)
        return said

    def wait(self, pattern, seconds=STEP_WAIT):
        """The first new utterance that matches, once heard (None after SECONDS); those up to it count as dealt with."""
        regex = re.compile(pattern)

        def heard():
            for i, text in enumerate(self.new()):
                if regex.search(text):
                    self.heard += i + 1
                    return text
            return None
        return wait_until(heard, seconds)

    def since(self, start, words):
        """The first utterance from the index START on with the words in it (None if none)."""
        return next((s for s in self.said[start:] if words in s), None)


def press(*keys):
    a11y.keys(*keys)
    log("pressed " + " ".join(keys))
    time.sleep(PACE)


class Player:
    """The steps of the game by ear, each hearing its answer before the next; failed lists those that went unheard."""

    WAY = re.compile(r"(\w+) enemy(?: beside you)?: ((?:\d+ (?:up|down|left|right)(?:, )?)+)\.")
    ON_SQUARE = re.compile(r"(\w+) enemy on your square")
    BATTLE = re.compile(r"Battle Control|Attack push button")
    TOLD = re.compile(r"notification (?:\w+ enemy(?: beside you)?: (?:\d+ (?:up|down|left|right)(?:, )?)+\.|"
                      r"\w+ enemy on your square\.|\w+ enemy: none in sight\.|No one else in sight\.)")

    def __init__(self, speech):
        self.speech = speech
        self.failed = []
        self.battle_from = 0   # the utterance that opened the battle

    def fail(self, what, why=None):
        """Counts the step WHAT as failed, logged with WHY when given; False."""
        self.failed.append(what)
        log("FAILED: " + (why or what))
        return False

    def hear(self, pattern, what, seconds=STEP_WAIT):
        """The utterance that answers; False (a failed step) when none came in time."""
        said = self.speech.wait(pattern, seconds)
        if not said:
            return self.fail(what, "never heard %s; Orca's last words: %r" % (what, self.speech.said[-8:]))
        log("heard %s: %r" % (what, said))
        return said

    def answered(self, *steps):
        """Presses each step's key and hears its answer (pattern, what it is); whether every answer came."""
        for key, pattern, what in steps:
            press(key)
            if not self.hear(pattern, what):
                return False
        return True

    def title(self):
        """Starts the game; returns the moment of the key."""
        if not self.hear(r"Press a key to play", "the title's prompt"):
            return None
        press("space")
        return time.monotonic()

    def choose(self):
        """PgDown twice, PgUp once, each told with its colour and way, and 1 for the nearest red, told at each step."""
        keys = ("Next", "Next", "Prior", "1")
        return self.answered(*((key, self.TOLD, "the enemy %s asked for" % key) for key in keys))

    def chase(self):
        """Walks to the nearest enemy by the ways Orca tells after each step, until a battle opens; whether one did.
        One key, then its answer: Orca gets round to a step late on a busy machine, and a key pressed on a way heard
        before the last step's answer could land in the battle that step opened."""
        deadline = time.monotonic() + CHASE_LIMIT
        asked = time.monotonic()
        awaiting = False
        while time.monotonic() < deadline:
            said = self.speech.catch_up()
            battle = [s for s in said if self.BATTLE.search(s)]
            if battle:
                self.battle_from = self.speech.heard - len(said)
                log("heard the battle: %r" % battle[0])
                return True
            answers = [s for s in said if "World map: Column" in s or s.startswith("notification ")]
            key = self.next_key(answers)
            # Nothing told for a while: Orca's "where am I" (KP_Enter) tells the way again.
            if key or ((not awaiting or not answers) and time.monotonic() - asked > 3):
                press(key or "KP_Enter")
                asked = time.monotonic()
                awaiting = True
            else:
                time.sleep(0.05)
        return self.fail("a battle within %d s" % CHASE_LIMIT)

    def next_key(self, answers):
        """The key the latest way told asks for (Space for an enemy on the square), None when none is told."""
        for text in reversed(answers):
            if self.ON_SQUARE.search(text):
                return "space"
            way = self.WAY.search(text)
            if way:
                log("heard %r" % text)
                steps = {d: int(n) for n, d in re.findall(r"(\d+) (up|down|left|right)", way.group(2))}
                # Out of the healing row first: it heals the player as long as the chase stays in it, and a chase
                # slowed by a busy machine would leave nothing for the healing row to be heard healing later.
                if "healing row" in text and "up" in steps:
                    return "Up"
                # Else the longer way first: an enemy drifts sideways more often.
                return max(steps, key=steps.get).capitalize()
        return None

    def quiet_keys(self):
        """Leaves the battle at once by Retreat: the enemy is still on the square, which is told with the keys that
        fight it. Shift, Ctrl and Insert (Orca's key) then start no battle. Returns whether they did not; the enemy
        may step away meanwhile, and the chase goes on."""
        press("alt+r")
        if not self.hear(r"on your square: Space fights it, an arrow key steps away", "the enemy still on my square"):
            return False
        self.speech.catch_up()
        for key in ("shift", "ctrl", "Insert"):
            press(key)
        time.sleep(2)
        fought = [s for s in self.speech.new() if self.BATTLE.search(s)]
        if fought:
            return self.fail("no battle on Shift, Ctrl and Insert", "a battle on Shift, Ctrl or Insert: %r" % fought)
        log("no battle on Shift, Ctrl and Insert")
        return True

    def battle(self):
        """Attacks until Orca tells the enemy's health as DEAD, each key after the answer to the one before; then
        leaves by Retreat, where the focus has gone, and hears the win told."""
        for _ in range(20):
            if self.speech.since(self.battle_from, "Enemy health: DEAD"):
                break
            press("alt+a")
            if not self.hear(r"Enemy health: \w+", "the attack's answer"):
                return False
            if self.speech.since(self.battle_from, "You have died"):
                return self.fail("staying alive")
        win = self.speech.since(self.battle_from, "Enemy health: DEAD")
        if not win:
            return self.fail("a win within 20 attacks")
        log("heard the win: %r" % win)
        # The focus moves to Retreat as the enemy falls; Orca may tell it before the line.
        if not (self.speech.since(self.battle_from, "Retreat push button")
                or self.hear(r"Retreat push button", "the focus on Retreat")):
            return False
        log("heard the focus on Retreat")
        left = len(self.speech.said)
        press("space")
        # The win and the map, in either order.
        if not self.hear(r"notification You won\. \w+ skill: level \d+ of 18", "the win told"):
            return False
        back = self.speech.since(left, "World map: Column") or self.hear(r"World map: Column", "the map again")
        # A defeated enemy may come back where it fell, on the player's square: the next key other than a step
        # away would fight it.
        if back and self.ON_SQUARE.search(back):
            log("the enemy is back on my square: a step away")
            press("Down")
            back = self.hear(r"World map: Column", "the map a step away")
        return bool(back)

    def back_on_map(self, what):
        """Waits for the map's square; a step that met an enemy on the way is a battle, fought first."""
        answer = self.hear(r"World map: Column|Battle Control", what)
        return self.met_on_the_way() if answer and "Battle Control" in answer else bool(answer)

    def met_on_the_way(self):
        """Fights the battle that a step opened, whose window is the last utterance heard."""
        log("met an enemy on the way")
        self.battle_from = self.speech.heard - 1
        return self.battle()

    def spend(self):
        if not self.answered(("shift+Tab", r"Spend a point on \w+", "a point button"),
                             ("space", r"notification .*Points: \d+", "the spent point")):
            return False
        press("Down")
        return self.back_on_map("the map after the point")

    def heal(self):
        """Walks down to the healing row and waits there for the healing."""
        for _ in range(25):
            said = " | ".join(self.speech.catch_up())
            if "healing row" in said:
                break
            if "Battle Control" in said:
                if not self.met_on_the_way():
                    return False
                continue
            press("Down")
        else:
            return self.fail("the healing row")
        log("in the healing row")
        return bool(self.hear(r"notification (?:Health|Magic): \d+", "the healing", 15))

    def help(self):
        """Reads the help's first lines one by one, goes to the advice from the list of parts at its top, and reads
        its first line."""
        lines = [("Down", r"^%s$" % part, "the help's line %r" % part)
                 for part in ("Playing", "The battle", "Advice for a new character")]
        if not self.answered(("F1", r"Chromaland Help", "the help"), *lines,
                             ("Return", r"notification Advice for a new character", "the advice reached"),
                             ("Down", r"^These odds are for a new character", "the advice's first line")):
            return False
        press("Escape")
        return self.back_on_map("the map after the help")

    def review(self):
        """Orca's flat review through the window, line by line from the top (Keypad 7 up to the first line, then
        Keypad 9 on): the statistics each once with its number, then the skills, no enemy among them."""
        for _ in range(30):
            press("KP_Home")
        self.speech.catch_up()
        lines = []
        for _ in range(25):
            press("KP_Prior")
            lines.extend(self.speech.catch_up())
        log("flat review:\n" + "\n".join("    | " + line for line in lines))
        # An enemy that steps beside the player meanwhile is announced between two of the review's lines: that is
        # the game speaking up, not a line of the window.
        lines = [l for l in lines if not re.fullmatch(r"notification .* (beside you|on your square)\b.*", l)]
        first = next((i for i, l in enumerate(lines) if l.startswith("Strength: ")), None)
        skills = [i for i, l in enumerate(lines) if re.fullmatch(r"\w+ skill: level \d+ of 18", l)]
        if first is None or len(skills) != 7 or skills != list(range(skills[0], skills[0] + 7)):
            return self.fail("the statistics, then the seven skills one a line, in flat review")
        if any("enemy" in l or "Strength: Strength" in l for l in lines[first:skills[-1] + 1]):
            return self.fail("the panels in flat review without enemies or a caption said twice")
        # The map is no "image", and the clock's caption no line of its own with no value.
        if any(l.endswith(" image") or l.strip() == "Time to enemy moves:" for l in lines):
            return self.fail("flat review without \"image\" and without the clock's caption alone")
        log("heard the panels in flat review")
        return True

    def game(self):
        """From the title: asks for enemies, reaches one, retreats, presses Shift, Ctrl and Insert on its square (no
        battle), fights it again and wins, spends a point, heals, reads the help and the panels, and quits."""
        started = self.title()
        if started is None or not self.hear(r"World map: Column", "the map"):
            return
        if not self.choose() or not self.chase():
            return
        log("first battle after %.1f s" % (time.monotonic() - started))
        if all(step() for step in (self.quiet_keys, self.chase, self.battle, self.spend, self.heal, self.help,
                                   self.review)):
            press("alt+F4")

    def restart(self):
        if self.title() is not None:
            self.hear(r"World map: Column", "the map after the restart")


def main():
    if len(sys.argv) != 2 or sys.argv[1] not in ("game", "restart"):
        print(__doc__, file=sys.stderr)
        return 2
    speech = Speech(os.environ["ORCA_LOG"])
    # A game started again is heard from here on; the first from the start.
    if sys.argv[1] == "restart":
        speech.catch_up()
    player = Player(speech)
    getattr(player, sys.argv[1])()
    for what in player.failed:
        log("failed: " + what)
    return 1 if player.failed else 0


if __name__ == "__main__":
    sys.exit(main())
