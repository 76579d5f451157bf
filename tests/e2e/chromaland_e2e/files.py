"""The files a scenario writes for the game and finds after it: character files (lines ended by CR LF), the
history of the fallen, the folders' entries, and the catalogues' translations the language scenarios read."""

import difflib
import os
import re
import xml.etree.ElementTree as ET

from .display import HERE

SOURCE = os.path.dirname(os.path.dirname(HERE))

# The character a first start writes: the game's own list of its lines.
with open(os.path.join(SOURCE, "logic", "defaultcharacter.txt"), encoding="utf-8") as _f:
    DEFAULT_CHARACTER = _f.read().splitlines()
assert len(DEFAULT_CHARACTER) == 15, "cannot read the default character"


def with_values(lines, **values):
    """The lines with the values of these keys replaced."""
    return [key + "=" + str(values[key]) if key in values else line
            for line, key in ((line, line.split("=", 1)[0]) for line in lines)]


# The characters the scenarios play, as changes to the default character.
# A healer who cannot be hit in practice: Dexterity 30000 makes the enemy's roll lose nearly always; 900 health are
# missing and Wisdom caps a heal at 200.
RETREAT = with_values(DEFAULT_CHARACTER, DX=30000, WS=200, HPc=100, HPm=1000, MPc=300, MPm=300)
# Strength and Dexterity 1000 beat a violet enemy (health 44 to 52) in a few blows; the violet bar stands at 17, one
# below the wrap.
WINNER = with_values(DEFAULT_CHARACTER, ST=1000, DX=1000, HPc=1000, HPm=1000, V=17)
# No chance at all: Dexterity 1 never hits, and the enemy's first blow of 1 or more ends the one point of health.
LOSER = with_values(DEFAULT_CHARACTER, ST=1, DX=1, WS=1, HPc=1, HPm=1, MPc=0, MPm=0)
# Strong enough for any enemy at the start, with points to spend.
STRONG = with_values(DEFAULT_CHARACTER, ST=40, DX=40, HPc=30, HPm=30, pts=2)
# The character of the fault scenarios, written by hand: after a save it reads back in normal form ("pts=2"), with a
# "Saved: " line.
FAULT_SAVED = with_values(DEFAULT_CHARACTER, ST=12, DX=11, HPc=9, HPm=14, MPc=8, pts=2, V=2, G=3)
FAULT_ORIGINAL = with_values(FAULT_SAVED, pts="2.9") + ["Saved: long ago"]


def lines_bytes(lines):
    return b"".join(line.encode("utf-8") + b"\r\n" for line in lines)


def read_bytes(path):
    with open(path, "rb") as f:
        return f.read()


def write_bytes(path, content):
    with open(path, "wb") as f:
        f.write(content)
    return path


def write_character(path, lines):
    return write_bytes(path, lines_bytes(lines))


def put_character(folder, lines=DEFAULT_CHARACTER):
    return write_character(os.path.join(folder, "Character.chx"), lines)


def text_lines(data):
    """The lines of a file's content, CR and LF shown as \\r \\n."""
    return [line.replace("\r", "\\r") + "\\n" for line in data.decode("utf-8", "replace").split("\n")]


def shown(path):
    """A file's lines for a message, CR and LF shown as \\r \\n."""
    if not os.path.lexists(path):
        return "    (no such file)"
    return "\n".join("    | " + line for line in text_lines(read_bytes(path)) if line != "\\n")


def expect_exact(path, lines):
    """The file holds exactly these lines, each ended by CR LF."""
    if not os.path.isfile(path):
        raise AssertionError("%s does not exist" % path)
    found, wanted = read_bytes(path), lines_bytes(lines)
    if found != wanted:
        diff = difflib.unified_diff(text_lines(wanted), text_lines(found), "expected", "found", lineterm="")
        raise AssertionError("%s differs from what was expected (CR and LF shown as \\r \\n):\n%s"
                             % (os.path.basename(path), "\n".join("    " + d for d in diff)))


def saved_line(path):
    """Line 16 of a character file, without its CR."""
    lines = read_bytes(path).decode("utf-8", "replace").split("\n")
    return lines[15].rstrip("\r") if len(lines) > 15 else ""


def expect_saved(path, lines):
    """The file holds these lines and then a "Saved: " line with a date and a time, all ended by CR LF."""
    if not os.path.isfile(path):
        raise AssertionError("%s does not exist" % path)
    saved = saved_line(path)
    if not re.match(r"^Saved: .*[0-9].*[0-9]:[0-9][0-9]", saved):
        raise AssertionError("line 16 of %s should be \"Saved: \" with the date and time, but is \"%s\"\n%s"
                             % (os.path.basename(path), saved, shown(path)))
    expect_exact(path, list(lines) + [saved])


def value_between(path, key, low, high, what):
    """The line "KEY=..." of the file holds a whole number from LOW to HIGH; returns it."""
    lines = read_bytes(path).decode("utf-8", "replace").split("\r\n")
    text = next((line[len(key) + 1:] for line in lines if line.startswith(key + "=")), "")
    if not re.fullmatch(r"-?[0-9]+", text) or not low <= int(text) <= high:
        raise AssertionError("%s %s is \"%s\" in %s, expected a whole number from %d to %d\n%s"
                             % (key, what, text, os.path.basename(path), low, high, shown(path)))
    return int(text)


def expect_entries(folder, *names):
    """The folder holds exactly these entries, nothing else."""
    found = sorted(os.listdir(folder))
    if found != sorted(names):
        raise AssertionError("%s should hold only [%s], but holds [%s]"
                             % (folder, " ".join(sorted(names)), " ".join(found)))


def translation_of(language, context, source):
    """The text's finished translation in the game's catalogue of that language; None when it has none."""
    root = ET.parse(os.path.join(SOURCE, "i18n", "chromaland_%s.ts" % language)).getroot()
    for message in root.iterfind("context[name='%s']/message" % context):
        translation = message.find("translation")
        if message.findtext("source") == source and translation.get("type") is None:
            return translation.text or ""
    return None


HISTORY = "Fallen.tsv"
COLUMNS = "died archive ST DX WS HPm MPm pts V I B G Y O R earned killer strength lines".split()
HISTORY_HEADER = ("\t".join(COLUMNS) + "\n").encode()
# Two earlier deaths, both behind any character that dies in a scenario: one with fewer points earned than the
# weakest character (-50), one whose points cannot be told; and a line that is no record.
EARLIER_FALLEN = HISTORY_HEADER + (
    "2026-01-02T03:04:05+01:00\tDead_03.04.05_02.01.2026.txt\t1\t1\t1\t1\t0\t0\t1\t1\t1\t1\t1\t1\t1\t-50\tred\t3"
    "\tEnemy hits you by +1 and it inflicts 3 damage.\n"
    "2026-02-03T04:05:06-05:00\tDead_04.05.06_03.02.2026.txt\t1x\t1\t1\t1\t0\t0\t1\t1\t1\t1\t1\t1\t1\t\torange\t9"
    "\t\n"
    "not a record\n").encode()
# Three fallen characters: 50 points earned (the best, neither first nor newest), 16, and the newest with 12.
THREE_FALLEN = HISTORY_HEADER + (
    "2026-11-02T18:04:51+01:00\tDead_18.04.51_02.11.2026.txt\t14\t12\t10\t16\t10\t4\t3\t1\t1\t9\t1\t1\t2\t16\torange"
    "\t31\tYou miss by -2\\nEnemy hits you by +4 and it inflicts 7 damage.\n"
    "2026-11-20T09:30:00+01:00\tDead_09.30.00_20.11.2026.txt\t25\t20\t17\t24\t14\t0\t6\t2\t4\t12\t3\t1\t2\t50\tindigo"
    "\t144\tYou hit by +3 and inflict 12 damage.\\nEnemy hits you by +40 and it inflicts 38 damage.\n"
    "2026-12-01T21:12:07+01:00\tDead_21.12.07_01.12.2026.txt\t12\t14\t10\t12\t10\t4\t1\t1\t1\t3\t1\t1\t5\t12\tgreen"
    "\t62\tEnemy missed by -4\\nEnemy hits you by +9 and it inflicts 15 damage.\n").encode()


def put_history(folder, content):
    write_bytes(os.path.join(folder, HISTORY), content)


def history_records(path):
    """The records of a history file: a list of dicts by column name, and the lines that are no record."""
    lines = [line for line in read_bytes(path).decode("utf-8", "replace").split("\n")[1:] if line]
    records = [dict(zip(COLUMNS, line.split("\t"))) for line in lines if len(line.split("\t")) == len(COLUMNS)]
    return records, [line for line in lines if len(line.split("\t")) != len(COLUMNS)]
