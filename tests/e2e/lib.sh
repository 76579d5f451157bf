# shellcheck shell=bash
# Helpers of the package's play test (tests/pkg/play.sh). A private X server (Xvfb) with a small
# window manager (openbox) runs the real game as a process of its own; the
# tests find its windows, type into them with synthesized X key events
# (xdotool), close them the way a user's window manager would (wmctrl) and
# look at the files the game leaves behind.
#
# Sourced by tests/pkg/play.sh. Every wait has a deadline and ends with a message that
# says what was expected and what was on the screen instead.

E2E_HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# --- Reporting -------------------------------------------------------------

e2e_log()
{
    printf '  [%s] %s\n' "$(date +%H:%M:%S)" "$*" >&2
}

# Ends the test with what was on the screen.
fail()
{
    printf '  FAILED: %s\n' "$*" >&2
    if [[ -n ${APP_PID:-} ]] && app_running; then
        printf '  Windows of the game at that moment:\n' >&2
        describe_windows >&2
    fi
    if [[ -n ${APP_LOG:-} && -s $APP_LOG ]]; then
        printf '  Output of the game:\n' >&2
        sed 's/^/    | /' "$APP_LOG" | tail -n 40 >&2
    fi
    exit 1
}

now_ms()
{
    local t=${EPOCHREALTIME/./}
    printf '%s\n' "$(( ${t:0:${#t}-3} ))"
}

# --- The X server and the window manager -----------------------------------

# x_server_start [SIZE]: starts Xvfb (1024x768 unless given) on a free
# display number; exports DISPLAY. Xvfb takes its display's lock file
# (/tmp/.X<n>-lock) or ends at once, so runs side by side never share a
# server: a number in use is skipped.
x_server_start()
{
    local n tries deadline
    n=$(( 100 + $$ % 400 ))
    for (( tries = 0; tries < 50; tries++, n++ )); do
        [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] && continue
        Xvfb ":$n" -screen 0 "${1:-1024x768}x24" -nolisten tcp -noreset >"$E2E_TMP/xvfb.log" 2>&1 &
        XVFB_PID=$!
        export DISPLAY=":$n"
        deadline=$(( $(now_ms) + 10000 ))
        # Our server answers once it is ready; one that ended lost the race
        # for this number. (-noreset: without it the server starts afresh
        # whenever its last client leaves, and refuses the next one meanwhile.)
        until xdpyinfo >/dev/null 2>&1; do
            kill -0 "$XVFB_PID" 2>/dev/null || break
            (( $(now_ms) < deadline )) || { echo "Xvfb on $DISPLAY did not answer within 10 s" >&2; return 1; }
            sleep 0.05
        done
        if kill -0 "$XVFB_PID" 2>/dev/null && [[ $(cat "/tmp/.X$n-lock" 2>/dev/null) -eq $XVFB_PID ]]; then
            break
        fi
        kill "$XVFB_PID" 2>/dev/null
        wait "$XVFB_PID" 2>/dev/null
        XVFB_PID=
    done
    [[ -n ${XVFB_PID:-} ]] || { cat "$E2E_TMP/xvfb.log" >&2; echo "Xvfb found no free display" >&2; return 1; }
}

# Starts Xvfb and openbox on it; exports DISPLAY.
x_start()
{
    local deadline
    x_server_start || return 1
    mkdir -p "$E2E_TMP/xdg/config" "$E2E_TMP/xdg/cache" "$E2E_TMP/xdg/data"
    XDG_CONFIG_HOME=$E2E_TMP/xdg/config XDG_CACHE_HOME=$E2E_TMP/xdg/cache XDG_DATA_HOME=$E2E_TMP/xdg/data \
        openbox --sm-disable --config-file "$E2E_HERE/openbox-rc.xml" >"$E2E_TMP/openbox.log" 2>&1 &
    OPENBOX_PID=$!
    deadline=$(( $(now_ms) + 10000 ))
    # wmctrl -m answers once a window manager has taken over the screen.
    until wmctrl -m >/dev/null 2>&1; do
        kill -0 "$OPENBOX_PID" 2>/dev/null || { cat "$E2E_TMP/openbox.log" >&2; echo "openbox did not start" >&2; return 1; }
        (( $(now_ms) < deadline )) || { echo "openbox did not take over the display within 10 s" >&2; return 1; }
        sleep 0.05
    done
    SCREEN_W=$(xdotool getdisplaygeometry | cut -d' ' -f1)
    SCREEN_H=$(xdotool getdisplaygeometry | cut -d' ' -f2)
}

x_stop()
{
    [[ -n ${OPENBOX_PID:-} ]] && kill "$OPENBOX_PID" 2>/dev/null && wait "$OPENBOX_PID" 2>/dev/null
    [[ -n ${XVFB_PID:-} ]] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
    OPENBOX_PID='' XVFB_PID=''
    return 0
}

# --- Weston (Wayland) -------------------------------------------------------

# --- The game process ------------------------------------------------------

app_running()
{
    local state
    [[ -r /proc/$APP_PID/stat ]] || return 1
    read -r _ _ state _ <"/proc/$APP_PID/stat" 2>/dev/null || return 1
    [[ $state != Z ]]
}

# app_wait_exit SECONDS: waits for the game to end; its exit code lands in APP_RC.
app_wait_exit()
{
    local deadline=$(( $(now_ms) + $1 * 1000 ))
    while app_running; do
        (( $(now_ms) < deadline )) || fail "the game (pid $APP_PID) was still running $1 s later; it should have ended"
        sleep 0.05
    done
    wait "$APP_PID"
    APP_RC=$?
    e2e_log "the game ended with exit code $APP_RC"
}

# Ends a game that is still running (only the one this scenario started).
app_kill()
{
    if [[ -n ${APP_PID:-} ]] && app_running; then
        kill -KILL "$APP_PID" 2>/dev/null
        wait "$APP_PID" 2>/dev/null
    fi
    return 0
}

# --- Windows ---------------------------------------------------------------

# The game's windows that are shown (mapped) right now.
app_windows()
{
    xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null
}

window_name()
{
    xdotool getwindowname "$1" 2>/dev/null
}

# The first (preferred) window type the window announces, e.g. DIALOG.
window_type()
{
    xprop -id "$1" _NET_WM_WINDOW_TYPE 2>/dev/null | sed -n 's/^[^=]*= _NET_WM_WINDOW_TYPE_\([A-Z]*\).*/\1/p'
}

# Sets WX WY WW WH to the position and size of the window's client area.
window_geometry()
{
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$1" 2>/dev/null)"
    WX=$X WY=$Y WW=$WIDTH WH=$HEIGHT
}

window_shown()
{
    xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'
}

# What a window of the game is:
#   title   the frameless title window (a tool window titled "Chromaland")
#   map     the main window "Chromaland" (a normal window)
#   box     a message box (a dialog titled "Chromaland")
#   battle  the battle window "Battle Control" (BATTLE_TITLE in another
#           language)
window_kind()
{
    local name type
    name=$(window_name "$1")
    type=$(window_type "$1")
    if [[ $name == "${BATTLE_TITLE:-Battle Control}" ]]; then
        echo battle
    elif [[ $name == "${HELP_TITLE:-Chromaland Help}" ]]; then
        echo help
    elif [[ $type == UTILITY ]]; then
        echo title
    elif [[ $name == "Chromaland" && $type == DIALOG ]]; then
        echo box
    elif [[ $name == "Chromaland" && $type == NORMAL ]]; then
        # Said outright: a window that goes away between the two questions
        # above (the title, once a key was pressed) has a name but no type.
        echo map
    else
        echo other
    fi
}

describe_windows()
{
    local w
    local any=
    for w in $(app_windows); do
        any=1
        window_geometry "$w"
        printf '    window %s: kind %s, name "%s", type %s, %sx%s at %s,%s\n' \
            "$w" "$(window_kind "$w")" "$(window_name "$w")" "$(window_type "$w")" "$WW" "$WH" "$WX" "$WY"
    done
    [[ -n $any ]] || printf '    (none shown)\n'
}

# find_window "KIND..." SECONDS VAR
# Waits until a shown window of one of the kinds exists; stores its id in
# VAR and its kind in WIN_KIND. Returns 1 when none appeared in time; fails
# the scenario when the game ends meanwhile.
find_window()
{
    local kinds=$1 seconds=$2 var=$3 w k
    local deadline=$(( $(now_ms) + seconds * 1000 ))
    while :; do
        for w in $(app_windows); do
            k=$(window_kind "$w")
            if [[ " $kinds " == *" $k "* ]]; then
                printf -v "$var" '%s' "$w"
                WIN_KIND=$k
                return 0
            fi
        done
        if ! app_running; then
            wait "$APP_PID"
            fail "the game ended (exit code $?) while a window ($kinds) was awaited"
        fi
        (( $(now_ms) < deadline )) || return 1
        sleep 0.05
    done
}

# await_window "KIND..." SECONDS VAR: as find_window, but a window must come.
await_window()
{
    find_window "$@" || fail "no $1 window appeared within $2 s"
}

# Gives the window the keyboard focus (through the window manager, as a
# click would) and waits until it has it.
focus_window()
{
    local deadline=$(( $(now_ms) + 5000 ))
    while [[ $(xdotool getwindowfocus 2>/dev/null) != "$1" ]]; do
        (( $(now_ms) < deadline )) || fail "window $1 ($(window_kind "$1")) did not get the keyboard focus within 5 s"
        xdotool windowactivate "$1" 2>/dev/null
        sleep 0.05
    done
}

# keys ID KEY...: types the keys into the window, 20 ms apart.
keys()
{
    local w=$1
    shift
    focus_window "$w"
    xdotool key --clearmodifiers --delay 20 "$@" || fail "xdotool could not type $*"
}

# Closes the window as the window manager's close button would.
wm_close()
{
    wmctrl -i -c "$1" || fail "wmctrl could not close window $1"
}

# --- Files -----------------------------------------------------------------

# write_character FILE LINE...: a character file, lines ended by CR LF.
write_character()
{
    local file=$1
    shift
    printf '%s\r\n' "$@" >"$file"
}

# The character a first start writes: the game's own list of its lines.
mapfile -t DEFAULT_CHARACTER <"$E2E_HERE/../../logic/defaultcharacter.txt"
[[ ${#DEFAULT_CHARACTER[@]} -eq 15 ]] || { echo "cannot read the default character" >&2; exit 2; }

show_file()
{
    if [[ -e $1 ]]; then
        sed 's/\r/\\r/g; s/^/    | /; s/$/\\n/' "$1"
    else
        echo "    (no such file)"
    fi
}

# expect_exact FILE LINE...: the file holds exactly these lines, each ended
# by CR LF, and nothing else.
expect_exact()
{
    local file=$1
    shift
    [[ -f $file ]] || fail "$file does not exist"
    if ! cmp -s "$file" <(printf '%s\r\n' "$@"); then
        printf '  %s is not as expected (CR and LF shown as \\r \\n):\n' "$file" >&2
        diff -u --label expected --label found \
            <(printf '%s\r\n' "$@" | sed 's/\r/\\r/g; s/$/\\n/') \
            <(sed 's/\r/\\r/g; s/$/\\n/' "$file") | sed 's/^/    /' >&2
        fail "$(basename "$file") differs from what was expected"
    fi
}

# expect_saved FILE LINE...: the file holds these 15 lines and one "Saved: "
# line with a date and a time, all ended by CR LF, nothing else.
expect_saved()
{
    local file=$1 saved
    shift
    [[ -f $file ]] || fail "$file does not exist"
    saved=$(sed -n '16{s/\r$//;p}' "$file")
    if [[ ! $saved =~ ^Saved:\ .*[0-9].*[0-9]:[0-9][0-9] ]]; then
        show_file "$file" >&2
        fail "line 16 of $(basename "$file") should be \"Saved: \" with the date and time, but is \"$saved\""
    fi
    expect_exact "$file" "$@" "$saved"
}

# The folder holds exactly these entries (names, sorted), nothing else.
expect_entries()
{
    local folder=$1 actual expected
    shift
    actual=$(ls -A "$folder" | sort)
    expected=$(printf '%s\n' "$@" | sort)
    [[ $actual == "$expected" ]] || fail "$folder should hold only [${expected//$'\n'/ }], but holds [${actual//$'\n'/ }]"
}

# attack_until_death_box: presses Alt+A in BATTLE_WIN until a message box
# ("You have died.") is up, at most 40 times; sets BOX_WIN, and ATTACKS to
# the number of attacks it took.
attack_until_death_box()
{
    local i
    BOX_WIN=
    for i in {1..40}; do
        find_window box 0 BOX_WIN && break
        keys "$BATTLE_WIN" alt+a
        find_window box 2 BOX_WIN && break
    done
    [[ -n ${BOX_WIN:-} ]] || fail "no \"You have died.\" message after 40 attacks with 1 health"
    ATTACKS=$i
}
