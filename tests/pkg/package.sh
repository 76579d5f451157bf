#!/usr/bin/env bash
# The Debian package, end to end: built the way the README says, it holds
# exactly the expected files; unpacked into a scratch root, its program is
# started by an unprivileged player with a fresh home folder under a private
# X server, creates the character in that player's data folder, saves it
# there when the map closes, and writes nothing beside itself.
#
#   package.sh SOURCE_DIR WORK_DIR [CMAKE_GENERATOR [CXX_COMPILER]]
#
# Builds in WORK_DIR/build (only the game) and keeps it for the next run.
# Needs dpkg-dev and what the end-to-end tests need; when run as root the
# game runs as the user "nobody".

set -uo pipefail

if [[ $# -lt 2 || ! -f $1/CMakeLists.txt ]]; then
    echo "usage: $0 SOURCE_DIR WORK_DIR [CMAKE_GENERATOR [CXX_COMPILER]]" >&2
    exit 2
fi
SOURCE=$(cd "$1" && pwd)
BUILD=$2/build
GENERATOR=${3:-}
COMPILER=${4:-}
APP_ID=io.github.chromaland.chromaland

source "$SOURCE/tests/e2e/lib.sh"

for tool in dpkg-deb dpkg-shlibdeps cpack Xvfb openbox xdotool wmctrl xprop xwininfo setpriv; do
    command -v "$tool" >/dev/null || { echo "missing tool: $tool (scripts/setup-debian.sh --tests installs it)" >&2; exit 2; }
done

E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/chromaland-package.XXXXXX")
cleanup()
{
    local rc=$1
    app_kill
    x_stop
    if [[ $rc == 0 ]]; then
        rm -rf "$E2E_TMP"
    else
        echo "The folders of the failed run are kept in $E2E_TMP" >&2
    fi
}
trap 'cleanup $?' EXIT
trap 'exit 130' INT TERM

# --- The package -----------------------------------------------------------

configure=(cmake -S "$SOURCE" -B "$BUILD" -DCHROMALAND_INSTALLED=ON)
[[ -n $GENERATOR && ! -f $BUILD/CMakeCache.txt ]] && configure+=(-G "$GENERATOR")
[[ -n $COMPILER ]] && configure+=(-DCMAKE_CXX_COMPILER="$COMPILER")
e2e_log "configuring the installed build in $BUILD"
"${configure[@]}" >"$E2E_TMP/configure.log" 2>&1 || { cat "$E2E_TMP/configure.log" >&2; fail "cmake could not configure the installed build"; }
e2e_log "building the game"
cmake --build "$BUILD" -j"$(nproc)" --target chromaland >"$E2E_TMP/build.log" 2>&1 \
    || { tail -n 40 "$E2E_TMP/build.log" >&2; fail "the installed build did not build"; }
rm -f "$BUILD"/chromaland_*.deb
e2e_log "making the package"
cpack --config "$BUILD/CPackConfig.cmake" -B "$BUILD" >"$E2E_TMP/cpack.log" 2>&1 \
    || { cat "$E2E_TMP/cpack.log" >&2; fail "cpack could not make the package"; }

debs=("$BUILD"/chromaland_1.02_*.deb)
[[ ${#debs[@]} == 1 && -f ${debs[0]} ]] || fail "expected one chromaland_1.02_*.deb in $BUILD, found: $(cd "$BUILD" && ls -d ./*.deb 2>/dev/null)"
DEB=${debs[0]}
e2e_log "made $(basename "$DEB")"

[[ $(dpkg-deb -f "$DEB" Package) == chromaland ]] || fail "the package is called \"$(dpkg-deb -f "$DEB" Package)\""
[[ $(dpkg-deb -f "$DEB" Version) == 1.02 ]] || fail "the package's version is \"$(dpkg-deb -f "$DEB" Version)\", expected 1.02"
# The dependencies come from the libraries the program links, and the
# platform plugins are needed to show a window.
depends=$(dpkg-deb -f "$DEB" Depends)
for dependency in libc6 libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins; do
    pattern="(^|[ ,])$dependency( |,|$)"
    [[ $depends =~ $pattern ]] || fail "the package does not depend on $dependency: Depends: $depends"
done

expected_files=(
    ./usr/bin/chromaland
    "./usr/share/applications/$APP_ID.desktop"
    "./usr/share/metainfo/$APP_ID.metainfo.xml"
    ./usr/share/man/man6/chromaland.6.gz
    ./usr/share/doc/chromaland/README.md
    ./usr/share/doc/chromaland/copyright
    "./usr/share/icons/hicolor/scalable/apps/$APP_ID.svg"
)
for size in 16 32 48 64 128 256; do
    expected_files+=("./usr/share/icons/hicolor/${size}x$size/apps/$APP_ID.png")
done
# dpkg-deb lists "permissions owner size date time path"; folders end in /.
actual=$(dpkg-deb --contents "$DEB" | awk '$1 !~ /^d/ { print $6 }' | sort)
expected=$(printf '%s\n' "${expected_files[@]}" | sort)
if [[ $actual != "$expected" ]]; then
    diff -u --label expected --label "in the package" <(echo "$expected") <(echo "$actual") | sed 's/^/    /' >&2
    fail "the package does not hold exactly the expected files"
fi

# --- The player --------------------------------------------------------------

ROOT=$E2E_TMP/root
dpkg -x "$DEB" "$ROOT" || fail "dpkg -x could not unpack the package"
chmod 755 "$E2E_TMP"
EXE=$ROOT/usr/bin/chromaland
[[ -x $EXE ]] || fail "the unpacked package has no executable usr/bin/chromaland"
# Every file of the scratch root with its size and time: nothing may change.
root_listing()
{
    (cd "$ROOT" && find . -printf '%p %y %s %T@\n' | sort)
}
root_listing >"$E2E_TMP/root.before"

as_player=()
if [[ $(id -u) == 0 ]]; then
    PLAYER_UID=$(id -u nobody) PLAYER_GID=$(id -g nobody)
    as_player=(setpriv --reuid="$PLAYER_UID" --regid="$PLAYER_GID" --clear-groups)
else
    PLAYER_UID=$(id -u) PLAYER_GID=$(id -g)
fi
PLAYER_HOME=$E2E_TMP/player
LAUNCHER=$E2E_TMP/launcher
mkdir -m 700 "$PLAYER_HOME" "$LAUNCHER" "$E2E_TMP/player-runtime"
chown "$PLAYER_UID:$PLAYER_GID" "$PLAYER_HOME" "$LAUNCHER" "$E2E_TMP/player-runtime"
DATA=$PLAYER_HOME/.local/share/chromaland

x_start || fail "the X server or the window manager did not start"

# As a desktop launcher would: the installed program, started in a folder of
# the player's own, with nothing but the player's environment.
player_start()
{
    APP_LOG=$E2E_TMP/game$1.log
    (
        cd "$LAUNCHER" || exit 99
        exec "${as_player[@]}" env -i PATH=/usr/bin:/bin HOME="$PLAYER_HOME" DISPLAY="$DISPLAY" \
            XDG_RUNTIME_DIR="$E2E_TMP/player-runtime" LC_ALL=C.UTF-8 TZ="${TZ:-UTC}" \
            QT_QPA_PLATFORM=xcb QT_ACCESSIBILITY=0 NO_AT_BRIDGE=1 \
            "$EXE"
    ) >"$APP_LOG" 2>&1 &
    APP_PID=$!
    e2e_log "started $EXE (pid $APP_PID) as uid $PLAYER_UID in $LAUNCHER"
}

expect_package_unchanged()
{
    root_listing >"$E2E_TMP/root.after"
    if ! cmp -s "$E2E_TMP/root.before" "$E2E_TMP/root.after"; then
        diff -u --label before --label after "$E2E_TMP/root.before" "$E2E_TMP/root.after" | sed 's/^/    /' >&2
        fail "the game changed the unpacked package"
    fi
}

# The first start: the character is created in the data folder, and saved
# there when the map closes.
player_start 1
await_window title 20 TITLE_WIN
keys "$TITLE_WIN" x
await_window "box map" 15 BOX_WIN
[[ $WIN_KIND == box ]] || fail "the map opened without the message that the character file is missing"
keys "$BOX_WIN" Return
await_window map 15 MAP_WIN
e2e_log "the map is up"

[[ -f $DATA/Character.chx ]] || fail "no Character.chx in the player's data folder $DATA (it holds: $(ls -A "$PLAYER_HOME/.local/share" 2>&1))"
[[ $(stat -c %u "$DATA/Character.chx") == "$PLAYER_UID" ]] || fail "the character file does not belong to the player (uid $PLAYER_UID)"
expect_exact "$DATA/Character.chx" "${DEFAULT_CHARACTER[@]}"

wm_close "$MAP_WIN"
app_wait_exit 15
[[ $APP_RC == 0 ]] || fail "closing the map window ended the game with exit code $APP_RC, expected 0"
expect_saved "$DATA/Character.chx" "${DEFAULT_CHARACTER[@]}"
expect_entries "$DATA" Character.chx
expect_entries "$LAUNCHER"
expect_package_unchanged

# A death: the archive goes to the data folder too, not to the folder the
# game was started from. One point of health and Dexterity 1 lose to enemy
# 0, 21 squares straight up, if the walk ends before the enemies' first
# step (100 ticks of 17 ms after the map shows); otherwise start again.
for attempt in 1 2; do
    write_character "$DATA/Character.chx" \
        ST=1 DX=1 WS=1 HPc=1 HPm=1 MPc=0 MPm=0 pts=0 V=1 I=1 B=1 G=1 Y=1 O=1 R=1
    player_start 2
    await_window title 20 TITLE_WIN
    keys "$TITLE_WIN" space
    await_window "map box" 15 MAP_WIN
    [[ $WIN_KIND == map ]] || fail "a message box appeared instead of the map: the character file should have loaded"
    shown=$(now_ms)
    keys "$MAP_WIN" Up Up Up Up Up Up Up Up Up Up Up Up Up Up Up Up Up Up Up Up Up
    (( $(now_ms) - shown <= 1200 )) && find_window battle 4 BATTLE_WIN && break
    e2e_log "attempt $attempt: no battle in time; starting again"
    app_kill
    BATTLE_WIN=
done
[[ -n ${BATTLE_WIN:-} ]] || fail "no battle window after two walks onto enemy 0"
BOX_WIN=
for i in {1..40}; do
    keys "$BATTLE_WIN" alt+a
    find_window box 2 BOX_WIN && break
done
[[ -n $BOX_WIN ]] || fail "no \"You have died.\" message after 40 attacks with 1 health"
keys "$BOX_WIN" Return
app_wait_exit 15
[[ $APP_RC == 0 ]] || fail "the game ended with exit code $APP_RC after the death, expected 0"
archives=("$DATA"/Dead_*.txt)
[[ ${#archives[@]} == 1 && -f ${archives[0]} ]] || fail "expected one Dead_*.txt archive in $DATA, found: $(ls -A "$DATA")"
expect_entries "$DATA" "$(basename "${archives[0]}")"
expect_entries "$LAUNCHER"
expect_package_unchanged
echo "PASS: the package installs, plays and keeps the character and its archive in $DATA"
