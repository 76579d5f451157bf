#!/usr/bin/python3
"""Checks that the manual page is whole in every language: the template in
man/po is the one po4a makes from the English page now, and every
man/po/<language>.po, brought up to date with it, has every entry
translated and none fuzzy. Works on a copy; the source stays untouched.

    manpages.py SOURCE_DIR

Exit code 0 when every language's page is whole, 1 when one is not, 2 for
a wrong call or a missing tool."""

import difflib
import glob
import os
import shutil
import subprocess
import sys
import tempfile

TOOLS = ("po4a", "msgattrib", "msgfmt")


def msgattrib(*arguments):
    """The msgid lines of what msgattrib keeps of a catalogue, one a line."""
    done = subprocess.run(("msgattrib", "--no-obsolete", "--no-wrap") + arguments, stdout=subprocess.PIPE,
                          stdin=subprocess.DEVNULL, text=True, errors="replace")
    return [line for line in done.stdout.splitlines() if line.startswith("msgid ")]


def msgids(path):
    """The entries of a catalogue, one a line, in a stable order."""
    return msgattrib("--no-location", "--sort-output", path)


def listed(kind, option, path):
    """The entries of a catalogue that msgattrib's option (--only-fuzzy,
    --untranslated) keeps, but the header: a line each, named as kind."""
    return ["    %s: %s" % (kind, line) for line in msgattrib(option, path) if line != 'msgid ""']


def copy(source_dir, work):
    """Copies into work what po4a reads and writes: the English page, the
    catalogues and po4a's configuration."""
    os.makedirs(os.path.join(work, "data"))
    os.makedirs(os.path.join(work, "man"))
    shutil.copy(os.path.join(source_dir, "data", "chromaland.6.in"), os.path.join(work, "data"))
    shutil.copytree(os.path.join(source_dir, "man", "po"), os.path.join(work, "man", "po"))
    shutil.copy(os.path.join(source_dir, "man", "po4a.cfg"), os.path.join(work, "man"))


def template_current(source_dir, work):
    """Whether the source's template has the entries po4a made in work;
    shows the difference when not."""
    old = msgids(os.path.join(source_dir, "man", "po", "chromaland.6.pot"))
    new = msgids(os.path.join(work, "man", "po", "chromaland.6.pot"))
    if old == new:
        return True
    for line in difflib.unified_diff(old, new, "man/po/chromaland.6.pot", "made now", lineterm=""):
        print("    " + line)
    print("FAIL: man/po/chromaland.6.pot is older than data/chromaland.6.in (po4a --no-translations man/po4a.cfg)")
    return False


def translated_whole(po):
    """Whether a catalogue has every entry translated and none fuzzy; says
    which are not when not."""
    language = os.path.basename(po)[:-len(".po")]
    # "12 translated messages, 2 fuzzy translations, 3 untranslated messages."
    done = subprocess.run(["msgfmt", "-c", "--statistics", "-o", os.devnull, po], stdout=subprocess.PIPE,
                          stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL, text=True, errors="replace",
                          env=dict(os.environ, LC_ALL="C"))
    statistics = done.stdout.rstrip("\n")
    if done.returncode != 0:
        print("FAIL: %s: %s" % (language, statistics))
        return False
    if "fuzzy" in statistics or "untranslated" in statistics:
        print("FAIL: man/po/%s.po: %s" % (language, statistics))
        for line in listed("fuzzy", "--only-fuzzy", po) + listed("untranslated", "--untranslated", po):
            print(line)
        return False
    return True


def main(argv):
    if len(argv) != 2 or not os.path.isfile(os.path.join(argv[1], "man", "po4a.cfg")):
        print("usage: %s SOURCE_DIR" % argv[0], file=sys.stderr)
        return 2
    for tool in TOOLS:
        if shutil.which(tool) is None:
            print("missing tool: %s (scripts/setup-debian.sh installs it)" % tool, file=sys.stderr)
            return 2
    source_dir = argv[1]
    with tempfile.TemporaryDirectory() as work:
        copy(source_dir, work)
        done = subprocess.run(["po4a", "--no-translations", "--quiet", "man/po4a.cfg"], cwd=work,
                              stdout=subprocess.PIPE, stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL,
                              text=True, errors="replace")
        if done.returncode != 0:
            sys.stderr.write(done.stdout)
            print("FAIL: po4a cannot read the manual page or its catalogues", file=sys.stderr)
            return 1
        whole = template_current(source_dir, work)
        for po in sorted(glob.glob(os.path.join(work, "man", "po", "*.po"))):
            whole = translated_whole(po) and whole
    if whole:
        print("PASS: the manual page is translated whole in every language")
    return 0 if whole else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv))
