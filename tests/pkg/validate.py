#!/usr/bin/python3
"""Checks the desktop entry or the metainfo the way software centres and
menus read them; any complaint, even a pedantic hint, fails the check.
appstream-util is run relaxed: its default mode asks for a homepage
<url>, and the game has no homepage to give.

    validate.py desktop|metainfo FILE

Exit code 0 when every validator is content, 1 on a complaint, 2 for a
wrong call or a validator that is not installed."""

import os
import re
import shutil
import subprocess
import sys

# appstreamcli reports errors, warnings, infos and pedantic hints as "E:",
# "W:", "I:" and "P:" lines and always ends with a summary; appstream-util
# lists problems under "FAILED:"; desktop-file-validate says nothing about
# a clean file.
COMPLAINT = re.compile(r"^[EWIP]: |^• |FAILED|error|warning|hint")
SUMMARY = "✔ Validation was successful"


def validators(kind, path):
    """The commands that check a file of that kind, or None for an unknown kind."""
    if kind == "desktop":
        return [["desktop-file-validate", path]]
    if kind == "metainfo":
        return [["appstreamcli", "validate", "--pedantic", "--no-net", path],
                ["appstream-util", "validate-relax", "--nonet", path]]
    return None


def complaints(output):
    """The lines of a validator's output that complain."""
    return [line for line in output.splitlines() if COMPLAINT.search(line) and not line.startswith(SUMMARY)]


def check(command):
    """Runs one validator and shows what it said; gives 0 when it is
    content, 1 on any complaint, 2 when it is not installed."""
    if shutil.which(command[0]) is None:
        print("missing tool: %s (scripts/setup-debian.sh --tests installs it)" % command[0], file=sys.stderr)
        return 2
    done = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL,
                          text=True, errors="replace")
    output = done.stdout.rstrip("\n")
    if output:
        print(output, flush=True)
    if done.returncode != 0 or complaints(output):
        print("FAIL: %s is not clean (exit code %d)" % (" ".join(command), done.returncode), file=sys.stderr)
        return 1
    return 0


def main(argv):
    if len(argv) != 3 or not os.path.isfile(argv[2]):
        print("usage: %s desktop|metainfo FILE" % argv[0], file=sys.stderr)
        return 2
    commands = validators(argv[1], argv[2])
    if commands is None:
        print("unknown kind: %s" % argv[1], file=sys.stderr)
        return 2
    for command in commands:
        rc = check(command)
        if rc != 0:
            return rc
    print("PASS: %s" % os.path.basename(argv[2]))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
