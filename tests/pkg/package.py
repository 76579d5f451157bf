#!/usr/bin/python3
"""The Debian package, checked as a maintainer and the archive would: built
with dpkg-buildpackage from a copy of the source tree (running the unit
tests), it is lintian clean at every level, pedantic included, but for the
overrides that give their reason; the game is hardened, has no run-time
search path and its debug symbols are in the -dbgsym package; the package
holds exactly the expected files; a second build elsewhere, under another
umask, time zone and locale, gives the same .debs byte for byte; and the
package's autopkgtest plays the installed game (as root: installed with
autopkgtest's null runner, then purged; without root, or where chromaland
is installed already, the same test on the unpacked package).

    package.py SOURCE_DIR WORK_DIR

Exit code 0 when every check passes, 1 at the first that fails, 2 for a
wrong call or a missing tool. Needs what scripts/setup-debian.sh --tests
installs."""

import difflib
import glob
import gzip
import os
import re
import shutil
import signal
import subprocess
import sys
import time

TOOLS = ("dpkg-buildpackage", "dh", "lintian", "blhc", "hardening-check", "readelf", "autopkgtest")

# What the package depends on, at the least.
DEPENDENCIES = ("libc6", "libqt6widgets6", "libqt6gui6", "libqt6core6", "qt6-qpa-plugins")

# The pip set, where the README's "Playing without telling colours apart"
# copies it from.
PIPS = "/usr/share/games/chromaland/pips"
PIP_FILES = ["Player.bmp", "Player_Healing.bmp"] + ["Enemy_%d.bmp" % i for i in range(21)]

# The README's command that takes the pip set away, as it is written there.
TAKE_AWAY = 'rm -r "${XDG_DATA_HOME:-$HOME/.local/share}/chromaland/Graphics"'


def log(message):
    print("  [%s] %s" % (time.strftime("%H:%M:%S"), message), file=sys.stderr, flush=True)


def fail(message):
    """Ends the check: says what failed and exits with 1."""
    print("  FAILED: %s" % message, file=sys.stderr, flush=True)
    sys.exit(1)


def show(lines):
    """Prints lines of a log or a difference, indented, on standard error."""
    for line in lines:
        print("    " + line, file=sys.stderr)
    sys.stderr.flush()


def read_lines(path):
    """A text file's lines, or [] when it cannot be read."""
    try:
        with open(path, encoding="utf-8", errors="replace") as f:
            return f.read().splitlines()
    except OSError:
        return []


def first_match(pattern, lines):
    """The first group of the first line the pattern matches from its start, or ""."""
    for line in lines:
        found = re.match(pattern, line)
        if found:
            return found.group(1)
    return ""


def output(*command):
    """The standard output of a command that must succeed; a failure ends
    the check with the command's own words."""
    done = subprocess.run(command, capture_output=True, stdin=subprocess.DEVNULL, text=True, errors="replace")
    if done.returncode != 0:
        fail("%s failed (exit code %d): %s" % (" ".join(command), done.returncode, done.stderr.strip()[-300:]))
    return done.stdout


def logged(command, log_file, **options):
    """Runs a command with both its outputs in log_file; gives its exit code."""
    with open(log_file, "wb") as out:
        return subprocess.run(command, stdout=out, stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL,
                              **options).returncode


def same_bytes(one, other):
    """Whether two files exist and hold the same bytes."""
    try:
        with open(one, "rb") as a, open(other, "rb") as b:
            return a.read() == b.read()
    except OSError:
        return False


def jobs():
    """How many processors this process may use."""
    return len(os.sched_getaffinity(0))


class Package:
    """The source tree, the work folder, and the names of what the builds make
    there."""

    def __init__(self, source, work, app_id, version, arch):
        self.source, self.work, self.app_id, self.version = source, work, app_id, version
        self.deb = "chromaland_%s_%s.deb" % (version, arch)
        self.dbgsym = "chromaland-dbgsym_%s_%s.deb" % (version, arch)
        self.changes = "chromaland_%s_%s.changes" % (version, arch)
        self.dsc = "chromaland_%s.dsc" % version

    def built(self, name):
        """The path of a file the first build made."""
        return os.path.join(self.work, "a", name)

    def expected_files(self):
        """The files the binary package holds, as dpkg-deb lists them
        ("./usr/games/chromaland"), in no particular order."""
        app_id = self.app_id
        files = [
            "./usr/games/chromaland",
            "./usr/share/applications/%s.desktop" % app_id,
            "./usr/share/metainfo/%s.metainfo.xml" % app_id,
            "./usr/share/man/man6/chromaland.6.gz",
            "./usr/share/doc/chromaland/README.md",
            "./usr/share/doc/chromaland/changelog.gz",
            "./usr/share/doc/chromaland/copyright",
            "./usr/share/doc/chromaland/docs/frmSplash.png",
            "./usr/share/doc/chromaland/docs/frmMainGameWindow.png",
            "./usr/share/doc/chromaland/docs/frmBattleControl.png",
            "./usr/share/doc/chromaland/docs/pips-map.png",
            "./usr/share/doc/chromaland/docs/pips-map-protanopia.png",
            "./usr/share/doc/chromaland/docs/files.md",
            "./usr/share/icons/hicolor/scalable/apps/%s.svg" % app_id,
        ]
        files += ["./usr/share/icons/hicolor/%dx%d/apps/%s.png" % (size, size, app_id)
                  for size in (16, 32, 48, 64, 128, 256)]
        # The manual page in every language of man/po.
        files += ["./usr/share/man/%s/man6/chromaland.6.gz" % os.path.basename(po)[:-len(".po")]
                  for po in sorted(glob.glob(os.path.join(self.source, "man", "po", "*.po")))]
        files += ["." + PIPS + "/" + name for name in PIP_FILES]
        return files


def cmake_value(source, pattern):
    """What the pattern's group matches in the first line of the source's
    CMakeLists.txt that it matches from its start, or ""."""
    return first_match(pattern, read_lines(os.path.join(source, "CMakeLists.txt")))


def copy_source(source, folder):
    """Copies into folder the files of the source tree that git knows or
    would add, without build folders."""
    try:
        listed = subprocess.run(["git", "ls-files", "-z", "--cached", "--others", "--exclude-standard"], cwd=source,
                                capture_output=True, stdin=subprocess.DEVNULL)
        if listed.returncode != 0:
            fail("could not copy the source tree to %s: %s" % (folder, listed.stderr.decode(errors="replace").strip()))
        os.makedirs(folder, exist_ok=True)
        for name in os.fsdecode(listed.stdout).split("\0"):
            # A file that git knows but is deleted here is left out.
            if name and os.path.exists(os.path.join(source, name)):
                os.makedirs(os.path.join(folder, os.path.dirname(name)), exist_ok=True)
                shutil.copy(os.path.join(source, name), os.path.join(folder, name))
    except OSError as e:
        fail("could not copy the source tree to %s: %s" % (folder, e))


def check_reasons(debian):
    """Every lintian override of a debian folder says why, on a comment
    line right above it; those that do not are named."""
    for overrides in [os.path.join(debian, "source", "lintian-overrides")] + \
            sorted(glob.glob(os.path.join(debian, "*.lintian-overrides"))):
        lines = read_lines(overrides)
        bare = [(number, line) for number, (previous, line) in enumerate(zip([""] + lines, lines), 1)
                if re.match(r"[^#\s]", line) and not previous.startswith("#")]
        for number, line in bare:
            print("%s:%d: %s" % (overrides, number, line), file=sys.stderr)
        if bare:
            fail("an override in %s gives no reason on the line above it" % os.path.basename(overrides))


def tests_run(build_log):
    """The names of the tests that ctest ran in a build, from its lines
    "N/M Test #K: name ... Passed"."""
    test = re.compile(r" *[0-9]*/[0-9]* Test *#[0-9]*: ([^ ]*) ")
    return [found.group(1) for found in map(test.match, read_lines(build_log)) if found]


def readme_command(source, fixed, what):
    """The README's one line that holds the fixed text: the command a
    player is told to run; no such line, or more than one, fails."""
    lines = [line for line in read_lines(os.path.join(source, "README.md")) if fixed in line]
    if len(lines) != 1:
        fail("the README has no one command that %s" % what)
    return lines[0]


def run_as_player(command, data_home):
    """Runs a README command as the player's shell would, with data_home as
    XDG_DATA_HOME; gives whether it succeeded."""
    return subprocess.run(["bash", "-c", command], stdin=subprocess.DEVNULL,
                          env=dict(os.environ, XDG_DATA_HOME=data_home)).returncode == 0


def first_build(package):
    """The first build, of source and binaries with the unit tests; gives
    the folder it was made in."""
    work, version = package.work, package.version
    a = os.path.join(work, "a", "chromaland-" + version)
    copy_source(package.source, a)
    # The version is written in the project() line and in debian/changelog;
    # the program, the metainfo and the manual page take it from the build.
    if output("dpkg-parsechangelog", "-l", os.path.join(a, "debian", "changelog"), "-S", "Version").strip() != version:
        fail("debian/changelog's version is not the project's %s" % version)
    check_reasons(os.path.join(a, "debian"))

    log("building the package in %s (with the unit tests)" % a)
    build_log = os.path.join(work, "build-a.log")
    if logged(["dpkg-buildpackage", "-us", "-uc", "-j%d" % jobs()], build_log, cwd=a, umask=0o022,
              env=dict(os.environ, TZ="UTC", LC_ALL="C.UTF-8")) != 0:
        show(read_lines(build_log)[-60:])
        fail("dpkg-buildpackage failed (the whole log is %s)" % build_log)
    for name in (package.deb, package.dbgsym, package.dsc):
        if not os.path.isfile(package.built(name)):
            fail("the build made no %s (it made: %s)" % (name, " ".join(sorted(os.listdir(os.path.join(work, "a"))))))
    # The unit tests ran, and none that needs an X server, root or a build
    # of its own.
    ran = tests_run(build_log)
    if "tst_encounters" not in ran:
        fail("the build ran no unit tests (it ran: %s)" % " ".join(ran))
    labelled = [name for name in ran if re.match(r"e2e_|pkg_|sanitizers", name)]
    if labelled:
        fail("the build ran tests that need an X server, root or a build of their own: %s" % " ".join(labelled))
    return a


def check_lintian(package):
    """lintian at every level, pedantic and experimental included, finds
    nothing in the first build's packages."""
    log("running lintian -EviIL +pedantic")
    lintian_log = os.path.join(package.work, "lintian.log")
    rc = logged(["lintian", "-EviIL", "+pedantic", "--fail-on", "error,warning,info,pedantic,experimental",
                 package.built(package.changes)], lintian_log)
    lines = read_lines(lintian_log)
    tags = [line for line in lines if re.match(r"[EWIPX]: ", line)]
    if rc != 0 or tags:
        show(tags or lines[-20:])
        fail("lintian is not clean (exit code %d)" % rc)


def check_binary(package, root):
    """The unpacked binary package: its version, hardening, debug symbols,
    section and dependencies; gives the game's executable."""
    deb = package.built(package.deb)
    if subprocess.run(["dpkg-deb", "-x", deb, root], stdin=subprocess.DEVNULL).returncode != 0:
        fail("dpkg-deb could not unpack %s" % package.deb)
    exe = os.path.join(root, "usr", "games", "chromaland")
    if not (os.path.isfile(exe) and os.access(exe, os.X_OK)):
        fail("the package has no /usr/games/chromaland")
    metainfo = os.path.join(root, "usr", "share", "metainfo", package.app_id + ".metainfo.xml")
    if first_match(r'.*<release version="([^"]*)"', read_lines(metainfo)) != package.version:
        fail("the packaged metainfo's newest release is not the project's %s" % package.version)
    try:
        with gzip.open(os.path.join(root, "usr", "share", "man", "man6", "chromaland.6.gz"), "rt",
                       encoding="utf-8", errors="replace") as f:
            page = f.read().splitlines()
    except OSError:
        page = []
    header = re.compile(r'\.TH CHROMALAND 6 [^ ]* "Chromaland %s"' % re.escape(package.version))
    if not any(header.match(line) for line in page):
        fail("the packaged manual page's header does not name version %s" % package.version)

    # Every compiler and linker call of the build had the hardening flags
    # (blhc reads the build log); the game is PIE, with the stack protector,
    # RELRO and immediate binding. Its binary cannot show fortify, as it calls
    # no C library function whose buffer size the compiler knows.
    log("checking the game's hardening")
    blhc_log = os.path.join(package.work, "blhc.log")
    if logged(["blhc", "--bindnow", os.path.join(package.work, "build-a.log")], blhc_log) != 0:
        show(read_lines(blhc_log)[:20])
        fail("the build did not use every hardening flag (blhc)")
    hardening_log = os.path.join(package.work, "hardening.log")
    if logged(["hardening-check", "--nocfprotection", "--nofortify", exe], hardening_log) != 0:
        show(read_lines(hardening_log))
        fail("the game is not hardened (hardening-check)")
    dynamic = output("readelf", "-d", exe).splitlines()
    search_path = [line.strip() for line in dynamic if re.search(r"\((RPATH|RUNPATH)\)", line)]
    if search_path:
        fail("the installed game has a run-time search path: %s" % "; ".join(search_path))
    if ".debug_info" in output("readelf", "-S", exe):
        fail("the installed game still holds its debug symbols")
    build_id = first_match(r".*Build ID: ([0-9a-f]*)", output("readelf", "-n", exe).splitlines())
    if not build_id:
        fail("the game has no build id")
    debug_file = "usr/lib/debug/.build-id/%s/%s.debug" % (build_id[:2], build_id[2:])
    if debug_file not in output("dpkg-deb", "--contents", package.built(package.dbgsym)):
        fail("%s holds no debug symbols for build id %s" % (package.dbgsym, build_id))

    if output("dpkg-deb", "-f", deb, "Section").strip() != "games":
        fail("the package is not in the section games")
    depends = output("dpkg-deb", "-f", deb, "Depends").strip()
    for dependency in DEPENDENCIES:
        if not re.search(r"(^|[ ,])%s( |,|$)" % re.escape(dependency), depends):
            fail("the package does not depend on %s: Depends: %s" % (dependency, depends))
    return exe


def check_files(package, expected):
    """The binary package holds exactly the expected files."""
    # dpkg-deb lists "permissions owner size date time path"; folders end in /.
    listing = output("dpkg-deb", "--contents", package.built(package.deb))
    actual = sorted(fields[5] for fields in map(str.split, listing.splitlines())
                    if len(fields) >= 6 and not fields[0].startswith("d"))
    if actual != sorted(expected):
        show(difflib.unified_diff(sorted(expected), actual, "expected", "in the package", lineterm=""))
        fail("the package does not hold exactly the expected files")


def check_readme(package, root):
    """The README's command that puts the pip set in place, run on the
    unpacked package for a player whose data folder is empty: the whole set
    lands in the Graphics folder. And its command that takes the set away
    leaves no Graphics folder."""
    data_home = os.path.join(package.work, "player-data")
    graphics = os.path.join(data_home, "chromaland", "Graphics")
    put_in_place = readme_command(package.source, "cp %s/" % PIPS, "copies the pip set from " + PIPS)
    if not run_as_player(put_in_place.replace("/usr/share/games", root + "/usr/share/games"), data_home):
        fail("the README's command for the pip set failed: %s" % put_in_place)
    for name in PIP_FILES:
        if not same_bytes(os.path.join(root + PIPS, name), os.path.join(graphics, name)):
            fail("the README's command did not put %s in the data folder's Graphics" % name)
    take_away = readme_command(package.source, TAKE_AWAY, "takes the pip set away")
    if not run_as_player(take_away, data_home) or os.path.exists(graphics):
        fail("the README's command did not take the pip set away: %s" % take_away)


def described(deb):
    """What dpkg-deb says of a .deb: its control information and its files."""
    return (output("dpkg-deb", "-I", deb) + output("dpkg-deb", "-c", deb)).splitlines()


def check_reproducible(package):
    """A second build elsewhere gives the same .debs."""
    work = package.work
    b = os.path.join(work, "b", "build-two", "chromaland-" + package.version)
    copy_source(package.source, b)
    log("building the binary packages again in %s (without the tests)" % b)
    build_log = os.path.join(work, "build-b.log")
    if logged(["dpkg-buildpackage", "-b", "-us", "-uc", "-j%d" % jobs()], build_log, cwd=b, umask=0o002,
              env=dict(os.environ, TZ="Asia/Kathmandu", LC_ALL="C", DEB_BUILD_OPTIONS="nocheck")) != 0:
        show(read_lines(build_log)[-60:])
        fail("the second dpkg-buildpackage failed (log: %s)" % build_log)
    for name in (package.deb, package.dbgsym):
        first, second = package.built(name), os.path.join(work, "b", "build-two", name)
        if not same_bytes(first, second):
            show(list(difflib.unified_diff(described(first), described(second), "first", "second", lineterm=""))[:40])
            fail("two builds of the same source gave different %s" % name)


def installed_here():
    """Whether a chromaland package is installed on this machine."""
    done = subprocess.run(["dpkg-query", "-W", "-f=${Status}", "chromaland"], capture_output=True, text=True,
                          stdin=subprocess.DEVNULL)
    return "install ok installed" in done.stdout


def check_autopkgtest(package, a, exe, expected):
    """The package's autopkgtest: as root, where chromaland is not installed
    yet, on the package installed with autopkgtest's null runner and then
    purged; else its script on the unpacked game."""
    if os.geteuid() == 0 and not installed_here():
        log("running the autopkgtest on the installed package (autopkgtest ... -- null)")
        autopkgtest_log = os.path.join(package.work, "autopkgtest.log")
        purge_log = os.path.join(package.work, "purge.log")
        try:
            rc = logged(["autopkgtest", package.built(package.deb), a, "--", "null"], autopkgtest_log)
        finally:
            # Purged however the autopkgtest ended, a failure or a stop included.
            if logged(["dpkg", "--purge", "chromaland"], purge_log) != 0:
                show(read_lines(purge_log))
                fail("dpkg could not purge chromaland")
        if rc != 0:
            show(read_lines(autopkgtest_log)[-60:])
            fail("the autopkgtest failed (exit code %d)" % rc)
        left = [name[1:] for name in expected if os.path.exists(name[1:])]
        if left:
            fail("files of the package are left after the purge: %s" % " ".join(left))
    else:
        # Not root, or a player's own chromaland is installed here and stays.
        log("playing the unpacked package with the autopkgtest's script")
        if subprocess.run([os.path.join(package.source, "tests", "pkg", "play.py"), exe],
                          stdin=subprocess.DEVNULL).returncode != 0:
            fail("the unpacked game did not play as expected")


def main(argv):
    if len(argv) != 3 or not os.path.isfile(os.path.join(argv[1], "debian", "control")):
        print("usage: %s SOURCE_DIR WORK_DIR" % argv[0], file=sys.stderr)
        return 2
    source, work = os.path.abspath(argv[1]), os.path.abspath(argv[2])
    app_id = cmake_value(source, r"set\(CHROMALAND_APP_ID ([^)]*)\)$")
    if not app_id:
        print("no CHROMALAND_APP_ID in %s" % os.path.join(source, "CMakeLists.txt"), file=sys.stderr)
        return 2
    for tool in TOOLS:
        if shutil.which(tool) is None:
            print("missing tool: %s (scripts/setup-debian.sh --tests installs it)" % tool, file=sys.stderr)
            return 2
    version = cmake_value(source, r"project\(chromaland VERSION ([^ ]*)")
    if not version:
        fail("no version in the project() line of %s" % os.path.join(source, "CMakeLists.txt"))
    package = Package(source, work, app_id, version, output("dpkg-architecture", "-qDEB_HOST_ARCH").strip())
    # Ended from outside (ctest at a timeout asks first): the command under
    # way is ended with it, and a package installed for the autopkgtest purged.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("ended by SIGTERM"))

    if os.path.isdir(work) and not os.path.islink(work):
        shutil.rmtree(work)
    elif os.path.lexists(work):
        os.remove(work)
    os.makedirs(work)

    a = first_build(package)
    check_lintian(package)
    root = os.path.join(work, "root")
    exe = check_binary(package, root)
    expected = package.expected_files()
    check_files(package, expected)
    check_readme(package, root)
    check_reproducible(package)
    check_autopkgtest(package, a, exe, expected)
    print("PASS: the package builds, is lintian clean and hardened, builds reproducibly and plays")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
