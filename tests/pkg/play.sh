#!/usr/bin/env bash
# An installed copy of the game, played as a player would: started from the
# menu's command by an unprivileged player with a fresh home folder under a
# private X server, it creates the character in that player's data folder,
# saves it there when the map closes, puts the archive of a dead character
# there too, and writes nothing beside itself.
#
#   play.sh EXECUTABLE
#
# The package's autopkgtest (debian/tests/control) runs it on the installed
# package, tests/pkg/package.sh on an unpacked one. Needs what the
# end-to-end tests need; when run as root the game runs as the user "nobody".

set -uo pipefail

if [[ $# != 1 || ! -x $1 ]]; then
    echo "usage: $0 EXECUTABLE" >&2
    exit 2
fi
EXE=$(realpath "$1")
PROGRAM_FOLDER=$(dirname "$EXE")

source "$(dirname "$0")/../e2e/lib.sh"

for tool in Xvfb openbox xdotool wmctrl xprop xwininfo xdpyinfo setpriv; do
    command -v "$tool" >/dev/null || { echo "missing tool: $tool (scripts/setup-debian.sh --tests installs it)" >&2; exit 2; }
done

E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/chromaland-play.XXXXXX")
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

# Every file of the program's folder with its size and time: nothing may change.
program_listing()
{
    (cd "$PROGRAM_FOLDER" && find . -printf '%p %y %s %T@\n' | sort)
}
program_listing >"$E2E_TMP/program.before"
expect_program_folder_unchanged()
{
    program_listing >"$E2E_TMP/program.after"
    if ! cmp -s "$E2E_TMP/program.before" "$E2E_TMP/program.after"; then
        diff -u --label before --label after "$E2E_TMP/program.before" "$E2E_TMP/program.after" | sed 's/^/    /' >&2
        fail "the game changed its own folder $PROGRAM_FOLDER"
    fi
}

chmod 755 "$E2E_TMP"
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

# As a desktop launcher would: the program by the name the desktop entry
# gives, found on Debian's PATH, started in a folder of the player's own with
# nothing but the player's environment.
player_start()
{
    APP_LOG=$E2E_TMP/game$1.log
    (
        cd "$LAUNCHER" || exit 99
        exec "${as_player[@]}" env -i PATH="$PROGRAM_FOLDER:/usr/local/bin:/usr/bin:/bin:/usr/games" \
            HOME="$PLAYER_HOME" DISPLAY="$DISPLAY" \
            XDG_RUNTIME_DIR="$E2E_TMP/player-runtime" LC_ALL=C.UTF-8 TZ="${TZ:-UTC}" \
            QT_QPA_PLATFORM=xcb QT_ACCESSIBILITY=0 NO_AT_BRIDGE=1 \
            chromaland
    ) >"$APP_LOG" 2>&1 &
    APP_PID=$!
    e2e_log "started $EXE (pid $APP_PID) as uid $PLAYER_UID in $LAUNCHER"
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
expect_program_folder_unchanged

# A battle to the death: the archive goes to the data folder too, not to the
# folder the game was started from. One point of health and Dexterity 1 lose
# to enemy 0, 21 squares straight up, if the walk ends before the enemies'
# first step (100 ticks of 17 ms after the map shows); otherwise start again.
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
attack_until_death_box
keys "$BOX_WIN" Return
app_wait_exit 15
[[ $APP_RC == 0 ]] || fail "the game ended with exit code $APP_RC after the death, expected 0"
archives=("$DATA"/Dead_*.txt)
[[ ${#archives[@]} == 1 && -f ${archives[0]} ]] || fail "expected one Dead_*.txt archive in $DATA, found: $(ls -A "$DATA")"
expect_entries "$DATA" "$(basename "${archives[0]}")"
expect_entries "$LAUNCHER"
expect_program_folder_unchanged
echo "PASS: $EXE plays and keeps the character and its archive in $DATA"
