#!/usr/bin/env bash
# The Debian package, checked as a maintainer and the archive would: built
# with dpkg-buildpackage from a copy of the source tree (running the unit
# tests), it is lintian clean at every level, pedantic included, but for the
# overrides that give their reason; the game is hardened, has no run-time
# search path and its debug symbols are in the -dbgsym package; the package
# holds exactly the expected files; a second build elsewhere, under another
# umask, time zone and locale, gives the same .debs byte for byte; and the
# package's autopkgtest plays the installed game (as root: installed with
# autopkgtest's null runner, then purged; without root, or where chromaland
# is installed already, the same test on the unpacked package).
#
#   package.sh SOURCE_DIR WORK_DIR
#
# Needs what scripts/setup-debian.sh --tests installs.

set -uo pipefail

if [[ $# != 2 || ! -f $1/debian/control ]]; then
    echo "usage: $0 SOURCE_DIR WORK_DIR" >&2
    exit 2
fi
SOURCE=$(cd "$1" && pwd)
WORK=$2
APP_ID=$(sed -n 's/^set(CHROMALAND_APP_ID \([^)]*\))$/\1/p' "$SOURCE/CMakeLists.txt")
[[ -n $APP_ID ]] || { echo "no CHROMALAND_APP_ID in $SOURCE/CMakeLists.txt" >&2; exit 2; }

for tool in dpkg-buildpackage dh lintian blhc hardening-check readelf autopkgtest; do
    command -v "$tool" >/dev/null || { echo "missing tool: $tool (scripts/setup-debian.sh --tests installs it)" >&2; exit 2; }
done

log()
{
    printf '  [%s] %s\n' "$(date +%H:%M:%S)" "$*" >&2
}
fail()
{
    printf '  FAILED: %s\n' "$*" >&2
    exit 1
}

VERSION=$(sed -n 's/^project(chromaland VERSION \([^ ]*\).*/\1/p' "$SOURCE/CMakeLists.txt")
[[ -n $VERSION ]] || fail "no version in the project() line of $SOURCE/CMakeLists.txt"
ARCH=$(dpkg-architecture -qDEB_HOST_ARCH)
DEB=chromaland_${VERSION}_$ARCH.deb
DBGSYM=chromaland-dbgsym_${VERSION}_$ARCH.deb

rm -rf "$WORK"
mkdir -p "$WORK"
WORK=$(cd "$WORK" && pwd)

# copy_source FOLDER: the files of the source tree that git knows or would
# add, without build folders.
copy_source()
{
    mkdir -p "$1"
    (cd "$SOURCE" && git ls-files -z --cached --others --exclude-standard | \
        while IFS= read -r -d '' f; do [[ -e $f ]] && printf '%s\0' "$f"; done | \
        xargs -0 cp --parents -t "$1") || fail "could not copy the source tree to $1"
}

# --- The first build: source and binaries, with the unit tests -------------

A=$WORK/a/chromaland-$VERSION
copy_source "$A"
log "building the package in $A (with the unit tests)"
(cd "$A" && umask 022 && TZ=UTC LC_ALL=C.UTF-8 dpkg-buildpackage -us -uc -j"$(nproc)") >"$WORK/build-a.log" 2>&1 \
    || { tail -n 60 "$WORK/build-a.log" >&2; fail "dpkg-buildpackage failed (the whole log is $WORK/build-a.log)"; }
for f in "$DEB" "$DBGSYM" "chromaland_$VERSION.dsc"; do
    [[ -f $WORK/a/$f ]] || fail "the build made no $f (it made: $(cd "$WORK/a" && ls))"
done
# ctest's lines "N/M Test #K: name ... Passed": the unit tests ran, and none
# that needs an X server, root or a build of its own.
ran=$(sed -n 's/^ *[0-9]*\/[0-9]* Test *#[0-9]*: \([^ ]*\) .*/\1/p' "$WORK/build-a.log")
[[ $'\n'$ran$'\n' == *$'\ntst_encounters\n'* ]] || fail "the build ran no unit tests (it ran: ${ran//$'\n'/ })"
grep -E '^(e2e_|pkg_|sanitizers)' <<<"$ran" && fail "the build ran tests that need an X server, root or a build of their own"
# The version is written in the project() line and in debian/changelog;
# the program, the metainfo and the manual page take it from the build.
[[ $(dpkg-parsechangelog -l "$A/debian/changelog" -S Version) == "$VERSION" ]] \
    || fail "debian/changelog's version is not the project's $VERSION"

# --- lintian -----------------------------------------------------------------

# Every override says why, on a comment line right above it.
for overrides in "$A"/debian/source/lintian-overrides "$A"/debian/*.lintian-overrides; do
    [[ -f $overrides ]] || continue
    awk '/^[^#[:space:]]/ && prev !~ /^#/ { print FILENAME ":" NR ": " $0; bad = 1 } { prev = $0 } END { exit bad }' \
        "$overrides" >&2 || fail "an override in $(basename "$overrides") gives no reason on the line above it"
done
log "running lintian -EviIL +pedantic"
lintian -EviIL +pedantic --fail-on error,warning,info,pedantic,experimental "$WORK/a/chromaland_${VERSION}_$ARCH.changes" \
    >"$WORK/lintian.log" 2>&1
lintian_rc=$?
tags=$(grep -E '^[EWIPX]: ' "$WORK/lintian.log")
if [[ $lintian_rc != 0 || -n $tags ]]; then
    printf '%s\n' "${tags:-$(tail -n 20 "$WORK/lintian.log")}" | sed 's/^/    /' >&2
    fail "lintian is not clean (exit code $lintian_rc)"
fi

# --- The binary package ------------------------------------------------------

ROOT=$WORK/root
dpkg-deb -x "$WORK/a/$DEB" "$ROOT" || fail "dpkg-deb could not unpack $DEB"
EXE=$ROOT/usr/games/chromaland
[[ -x $EXE ]] || fail "the package has no /usr/games/chromaland"
[[ $(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$ROOT/usr/share/metainfo/$APP_ID.metainfo.xml" | head -n 1) == "$VERSION" ]] \
    || fail "the packaged metainfo's newest release is not the project's $VERSION"
zcat "$ROOT/usr/share/man/man6/chromaland.6.gz" | grep -q "^\.TH CHROMALAND 6 [^ ]* \"Chromaland $VERSION\"" \
    || fail "the packaged manual page's header does not name version $VERSION"

# Every compiler and linker call of the build had the hardening flags
# (blhc reads the build log); the game is PIE, with the stack protector,
# RELRO and immediate binding. Its binary cannot show fortify, as it calls
# no C library function whose buffer size the compiler knows.
log "checking the game's hardening"
blhc --bindnow "$WORK/build-a.log" >"$WORK/blhc.log" 2>&1 \
    || { head -n 20 "$WORK/blhc.log" | sed 's/^/    /' >&2; fail "the build did not use every hardening flag (blhc)"; }
hardening-check --nocfprotection --nofortify "$EXE" >"$WORK/hardening.log" 2>&1 \
    || { sed 's/^/    /' "$WORK/hardening.log" >&2; fail "the game is not hardened (hardening-check)"; }
# (Whole outputs are read before grep looks at them: an early match would
# end the writer with a broken pipe.)
search_path=$(readelf -d "$EXE" | grep -E '\((RPATH|RUNPATH)\)')
[[ -z $search_path ]] || fail "the installed game has a run-time search path: $search_path"
[[ $(readelf -S "$EXE") == *.debug_info* ]] && fail "the installed game still holds its debug symbols"
build_id=$(readelf -n "$EXE" | sed -n 's/.*Build ID: \([0-9a-f]*\).*/\1/p')
[[ -n $build_id ]] || fail "the game has no build id"
[[ $(dpkg-deb --contents "$WORK/a/$DBGSYM") == *"usr/lib/debug/.build-id/${build_id:0:2}/${build_id:2}.debug"* ]] \
    || fail "$DBGSYM holds no debug symbols for build id $build_id"

[[ $(dpkg-deb -f "$WORK/a/$DEB" Section) == games ]] || fail "the package is not in the section games"
depends=$(dpkg-deb -f "$WORK/a/$DEB" Depends)
for dependency in libc6 libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins; do
    pattern="(^|[ ,])$dependency( |,|$)"
    [[ $depends =~ $pattern ]] || fail "the package does not depend on $dependency: Depends: $depends"
done

expected_files=(
    ./usr/games/chromaland
    "./usr/share/applications/$APP_ID.desktop"
    "./usr/share/metainfo/$APP_ID.metainfo.xml"
    ./usr/share/man/man6/chromaland.6.gz
    ./usr/share/doc/chromaland/README.md
    ./usr/share/doc/chromaland/changelog.gz
    ./usr/share/doc/chromaland/copyright
    ./usr/share/doc/chromaland/docs/frmSplash.png
    ./usr/share/doc/chromaland/docs/frmMainGameWindow.png
    ./usr/share/doc/chromaland/docs/frmBattleControl.png
    "./usr/share/icons/hicolor/scalable/apps/$APP_ID.svg"
)
for size in 16 32 48 64 128 256; do
    expected_files+=("./usr/share/icons/hicolor/${size}x$size/apps/$APP_ID.png")
done
# The manual page in every language of man/po.
for po in "$SOURCE"/man/po/*.po; do
    expected_files+=("./usr/share/man/$(basename "$po" .po)/man6/chromaland.6.gz")
done
# The pip set, where the README's "Playing without telling colours apart"
# copies it from.
expected_files+=(./usr/share/games/chromaland/pips/Player.bmp ./usr/share/games/chromaland/pips/Player_Healing.bmp)
for i in {0..20}; do
    expected_files+=("./usr/share/games/chromaland/pips/Enemy_$i.bmp")
done
# dpkg-deb lists "permissions owner size date time path"; folders end in /.
actual=$(dpkg-deb --contents "$WORK/a/$DEB" | awk '$1 !~ /^d/ { print $6 }' | sort)
expected=$(printf '%s\n' "${expected_files[@]}" | sort)
if [[ $actual != "$expected" ]]; then
    diff -u --label expected --label "in the package" <(echo "$expected") <(echo "$actual") | sed 's/^/    /' >&2
    fail "the package does not hold exactly the expected files"
fi

# The README's command that puts the pip set in place, run on the unpacked
# package for a player whose data folder is empty: the whole set lands in
# the Graphics folder.
put_in_place=$(grep -F 'cp /usr/share/games/chromaland/pips/' "$SOURCE/README.md")
[[ $(wc -l <<<"$put_in_place") == 1 && -n $put_in_place ]] \
    || fail "the README has no one command that copies the pip set from /usr/share/games/chromaland/pips"
(export XDG_DATA_HOME=$WORK/player-data && eval "${put_in_place//\/usr\/share\/games/$ROOT/usr/share/games}") \
    || fail "the README's command for the pip set failed: $put_in_place"
for f in "${expected_files[@]}"; do
    [[ $f == */pips/* ]] || continue
    cmp -s "$ROOT${f#.}" "$WORK/player-data/chromaland/Graphics/$(basename "$f")" \
        || fail "the README's command did not put $(basename "$f") in the data folder's Graphics"
done
# And its command that takes the set away leaves no Graphics folder.
take_away=$(grep -F 'rm -r "${XDG_DATA_HOME:-$HOME/.local/share}/chromaland/Graphics"' "$SOURCE/README.md")
[[ $(wc -l <<<"$take_away") == 1 && -n $take_away ]] || fail "the README has no one command that takes the pip set away"
(export XDG_DATA_HOME=$WORK/player-data && eval "$take_away" && [[ ! -e $XDG_DATA_HOME/chromaland/Graphics ]]) \
    || fail "the README's command did not take the pip set away: $take_away"

# --- Reproducible: a second build elsewhere gives the same .debs ----------

B=$WORK/b/build-two/chromaland-$VERSION
copy_source "$B"
log "building the binary packages again in $B (without the tests)"
(cd "$B" && umask 002 && TZ=Asia/Kathmandu LC_ALL=C DEB_BUILD_OPTIONS=nocheck \
    dpkg-buildpackage -b -us -uc -j"$(nproc)") >"$WORK/build-b.log" 2>&1 \
    || { tail -n 60 "$WORK/build-b.log" >&2; fail "the second dpkg-buildpackage failed (log: $WORK/build-b.log)"; }
for f in "$DEB" "$DBGSYM"; do
    if ! cmp -s "$WORK/a/$f" "$WORK/b/build-two/$f"; then
        diff -u --label first --label second <(dpkg-deb -I "$WORK/a/$f"; dpkg-deb -c "$WORK/a/$f") \
            <(dpkg-deb -I "$WORK/b/build-two/$f"; dpkg-deb -c "$WORK/b/build-two/$f") | head -n 40 | sed 's/^/    /' >&2
        fail "two builds of the same source gave different $f"
    fi
done

# --- The autopkgtest ---------------------------------------------------------

installed_here=false
dpkg-query -W -f='${Status}' chromaland 2>/dev/null | grep -q 'install ok installed' && installed_here=true
if [[ $(id -u) == 0 && $installed_here == false ]]; then
    log "running the autopkgtest on the installed package (autopkgtest ... -- null)"
    autopkgtest "$WORK/a/$DEB" "$A" -- null >"$WORK/autopkgtest.log" 2>&1
    autopkgtest_rc=$?
    dpkg --purge chromaland >"$WORK/purge.log" 2>&1 || { cat "$WORK/purge.log" >&2; fail "dpkg could not purge chromaland"; }
    if [[ $autopkgtest_rc != 0 ]]; then
        tail -n 60 "$WORK/autopkgtest.log" >&2
        fail "the autopkgtest failed (exit code $autopkgtest_rc)"
    fi
    left=$(for f in "${expected_files[@]}"; do [[ -e ${f#.} ]] && echo "${f#.}"; done)
    [[ -z $left ]] || fail "files of the package are left after the purge: $left"
else
    # Not root, or a player's own chromaland is installed here and stays.
    log "playing the unpacked package with the autopkgtest's script"
    "$SOURCE/tests/pkg/play.py" "$EXE" || fail "the unpacked game did not play as expected"
fi
echo "PASS: the package builds, is lintian clean and hardened, builds reproducibly and plays"
