#!/usr/bin/python3
"""The product's folders include only what docs/HACKING.md's table of
folders says each may include (its own files, and the folders its "May
include" column names: a list, "X and everything below", "everything
below" or nothing), so the table and the code cannot drift apart; no two
classes include each other; and no function of the product is longer
than MAX_FUNCTION_LINES.

    check.py SOURCE_DIR

Exit code 0 when the rules hold, 1 with every include or function that
breaks one."""

import glob
import os
import re
import sys

# The table of folders: a row "| `folder/` | its job | may include |".
ROW = re.compile(r"^\| `([a-z]+)/` \|.*\|\s*([^|]*?)\s*\|$")
NAMED = re.compile(r"`([a-z]+)/`")


def allowed_includes(hacking):
    """Each code folder of the table, top down, with the set of folders it
    may include (itself among them)."""
    with open(hacking, encoding="utf-8") as f:
        rows = [(m.group(1), m.group(2).strip()) for m in map(ROW.match, f.read().split("\n")) if m]
    rows = [(folder, rule) for folder, rule in rows if glob.glob(folder + "/*.h") + glob.glob(folder + "/*.cpp")]
    order = [folder for folder, _ in rows]
    allowed = {}
    for at, (folder, rule) in enumerate(rows):
        named = NAMED.findall(rule)
        if rule == "everything below":
            below = order[at + 1:]
        elif named and rule.endswith("below"):
            below = order[order.index(named[-1]):]
        else:
            below = named
        allowed[folder] = {folder, *below}
    return order, allowed


# The longest a function may be, from its opening brace to its closing one.
MAX_FUNCTION_LINES = 50

# What the product's own includes look like: "folder/file.h".
INCLUDE = re.compile(r'^#include "([a-z]*/[^"]*)"')

# Not the product: build folders, the tests, the bench and the picture painter.
PRUNED = ("build", "tests", "bench", os.path.join("resources", "painter"))


def includes(path):
    """The product includes of a file ("map/enemyclock.h"), in order."""
    with open(path, encoding="utf-8", errors="replace") as f:
        return [found.group(1) for found in map(INCLUDE.match, f) if found]


def without_suffix(path):
    """A path without the suffix of its last dot: the class a .h or .cpp is of."""
    return path.rsplit(".", 1)[0] if "." in path else path


def not_allowed(order, allowed):
    """Every include of a code folder's file that its row of the table does
    not allow, as a message a line."""
    found = []
    for folder in order:
        for path in sorted(glob.glob(folder + "/*.h")) + sorted(glob.glob(folder + "/*.cpp")):
            for included in includes(path):
                theirs = included.split("/", 1)[0]
                if theirs in allowed and theirs not in allowed[folder]:
                    found.append("%s includes %s, which docs/HACKING.md does not let %s/ include"
                                 % (path, included, folder))
    return found


def sources():
    """The product's .h and .cpp files, as paths from the source folder."""
    for top, folders, files in os.walk("."):
        here = os.path.relpath(top)
        folders[:] = sorted(f for f in folders if os.path.normpath(os.path.join(here, f)) not in PRUNED)
        for name in sorted(files):
            if name.endswith((".h", ".cpp")):
                yield os.path.normpath(os.path.join(here, name))


def mutual():
    """Every pair of classes (a .h/.cpp pair) that include each other, as
    a message a pair."""
    uses = {}
    for path in sources():
        mine = without_suffix(path)
        uses.setdefault(mine, set()).update(c for c in map(without_suffix, includes(path)) if c != mine)
    return ["%s and %s include each other" % (mine, other)
            for mine in sorted(uses) for other in sorted(uses[mine])
            if mine < other and mine in uses.get(other, ())]


def long_functions():
    """Every function of the product's .cpp files over MAX_FUNCTION_LINES,
    as a message a function. The tree is formatted by .clang-format, so a
    function's body opens with "{" alone at the start of a line and closes
    with "}" alone at the start of one."""
    found = []
    for path in sources():
        if not path.endswith(".cpp"):
            continue
        with open(path, encoding="utf-8", errors="replace") as f:
            lines = f.read().split("\n")
        opened = None
        for number, line in enumerate(lines, 1):
            if line == "{":
                opened = number
            elif line == "}" and opened is not None:
                length = number - opened + 1
                if length > MAX_FUNCTION_LINES:
                    # Its name: the last line before the brace that starts at
                    # the margin (a constructor's initialisers are indented).
                    name = next((lines[i] for i in range(opened - 2, -1, -1) if lines[i][:1].strip()), "")
                    found.append("%s:%d: a function of %d lines (at most %d): %s"
                                 % (path, opened, length, MAX_FUNCTION_LINES, name))
                opened = None
    return found


def main(argv):
    if len(argv) != 2 or not os.path.isdir(argv[1]):
        print("usage: %s SOURCE_DIR" % argv[0], file=sys.stderr)
        return 2
    os.chdir(argv[1])
    order, allowed = allowed_includes(os.path.join("docs", "HACKING.md"))
    if not order:
        print("docs/HACKING.md has no table of folders", file=sys.stderr)
        return 2
    bad = not_allowed(order, allowed) + mutual() + long_functions()
    for message in bad:
        print(message)
    if bad:
        return 1
    print("every include is one docs/HACKING.md allows (%s, top down), no two classes include each other, and no "
          "function is over %d lines" % (" ".join(order), MAX_FUNCTION_LINES))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
