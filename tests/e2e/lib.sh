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
# The source tree, for the catalogues the language scenarios read.
E2E_SOURCE=$(cd "$E2E_HERE/../.." && pwd)

# --- Reporting -------------------------------------------------------------

e2e_log()
{
    printf '  [%s] %s\n' "$(date +%H:%M:%S)" "$*" >&2
}

# Ends the current scenario (each one runs in a subshell of its own).
fail()
{
    printf '  FAILED: %s\n' "$*" >&2
    if [[ -n ${WESTON_WIN:-} ]] && import -window "$WESTON_WIN" "$E2E_TMP/weston-screen.png" 2>/dev/null; then
        printf '  Weston showed this at that moment: %s\n' "$E2E_TMP/weston-screen.png" >&2
    fi
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

# Starts Weston as a window on a private Xvfb (no window manager there),
# with a Wayland socket in a private runtime folder and XWayland for X11
# clients, and waits until it answers. The game runs as Weston's client;
# the tests type and click into Weston's X window (WESTON_WIN on DISPLAY),
# look at it with ImageMagick's import, and read where Weston put each
# window from its scene graph (weston-debug; Weston runs with --debug).
# Sets WL_RUNTIME, WL_SOCKET (a path, as WAYLAND_DISPLAY) and
# XWAYLAND_DISPLAY.
wl_start()
{
    local deadline tool
    for tool in weston weston-debug Xwayland import convert; do
        command -v "$tool" >/dev/null || { echo "missing tool: $tool (scripts/setup-debian.sh --tests installs it)" >&2; return 1; }
    done
    # Larger than Weston's output, so that the pointer can leave and enter
    # Weston's window (Weston follows the pointer from its entering).
    x_server_start 1400x1100 || return 1
    WL_RUNTIME=$E2E_TMP/wl-runtime
    mkdir -p "$WL_RUNTIME"
    chmod 700 "$WL_RUNTIME"
    WL_SOCKET=$WL_RUNTIME/wayland-e2e
    rm -f "$E2E_TMP/weston.log"
    XDG_RUNTIME_DIR=$WL_RUNTIME weston --backend=x11-backend.so --use-pixman --width=1280 --height=1024 \
        --socket=wayland-e2e --debug --xwayland --config="$E2E_HERE/weston.ini" \
        --log="$E2E_TMP/weston.log" >"$E2E_TMP/weston.out" 2>&1 &
    WESTON_PID=$!
    deadline=$(( $(now_ms) + 15000 ))
    until [[ -S $WL_SOCKET ]] && wl_scene | grep -q '^Output 0' \
            && XWAYLAND_DISPLAY=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$E2E_TMP/weston.log" | tail -n 1) \
            && [[ -n $XWAYLAND_DISPLAY ]] \
            && WESTON_WIN=$(xwininfo -root -children 2>/dev/null | sed -n 's/^ *\(0x[0-9a-f]*\) "Weston Compositor.*/\1/p') \
            && [[ -n $WESTON_WIN ]]; do
        kill -0 "$WESTON_PID" 2>/dev/null || { cat "$E2E_TMP/weston.log" >&2; echo "weston did not start" >&2; return 1; }
        (( $(now_ms) < deadline )) || { cat "$E2E_TMP/weston.log" >&2; echo "weston did not answer within 15 s" >&2; return 1; }
        sleep 0.1
    done
    xdotool windowfocus "$WESTON_WIN"
    e2e_log "weston runs in window $WESTON_WIN on $DISPLAY, XWayland on $XWAYLAND_DISPLAY"
}

# Ends Weston and its Xvfb (only those wl_start started).
wl_stop()
{
    [[ -n ${WESTON_PID:-} ]] && kill "$WESTON_PID" 2>/dev/null && wait "$WESTON_PID" 2>/dev/null
    [[ -n ${XVFB_PID:-} ]] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
    WESTON_PID='' XVFB_PID=''
    return 0
}

# Weston's scene graph: every view with its role, title and place.
wl_scene()
{
    XDG_RUNTIME_DIR=$WL_RUNTIME WAYLAND_DISPLAY=$WL_SOCKET timeout 5 weston-debug scene-graph 2>/dev/null
}

# wl_find KIND VAR (VAR not named _wl_found): whether Weston shows a window of the game of this kind
# now: title, map, box or battle, told apart by caption and size, or
# "surface N", the window of that Wayland surface whatever its size. Sets
# VAR to "X1 Y1 X2 Y2", where its surface, the frame Qt draws included,
# stands on Weston's output, and WL_SURFACE to the surface's number.
wl_find()
{
    local _wl_found
    _wl_found=$(wl_scene | awk -v pid="$APP_PID" -v kind="$1" '
        /^\tView / {
            keep = 0
            if (index($0, "PID " pid ",") == 0) next
            match($0, /surface ID [0-9]+/)
            id = substr($0, RSTART + 11, RLENGTH - 11)
            if (kind == "surface " id) keep = 1
            else if (index($0, " window '"'"'Battle Control'"'"'") > 0) keep = (kind == "battle")
            else if (index($0, " window '"'"'Chromaland'"'"'") > 0) keep = 2
        }
        keep && /position:/ {
            gsub(/[(),>-]/, " ")
            w = $4 - $2; h = $5 - $3
            if (keep == 2) {
                k = (w == 576 && h == 340) ? "title" : (h < 300 ? "box" : "map")
                if (k != kind) { keep = 0; next }
            }
            print $2, $3, $4, $5, id
            exit
        }')
    [[ -n $_wl_found ]] || return 1
    WL_SURFACE=${_wl_found##* }
    printf -v "$2" '%s' "${_wl_found% *}"
}

# wl_await KIND SECONDS VAR: as wl_find, but the window must come.
wl_await()
{
    local deadline=$(( $(now_ms) + $2 * 1000 ))
    until wl_find "$1" "$3"; do
        app_running || { wait "$APP_PID"; fail "the game ended (exit code $?) while a $1 window was awaited"; }
        (( $(now_ms) < deadline )) || { wl_scene | grep -A1 "PID $APP_PID" | sed 's/^/    | /' >&2; fail "no $1 window within $2 s"; }
        sleep 0.1
    done
}

# wl_gone KIND SECONDS: the window must go away in time.
wl_gone()
{
    local deadline=$(( $(now_ms) + $2 * 1000 )) place
    while wl_find "$1" place; do
        (( $(now_ms) < deadline )) || fail "the $1 window was still shown $2 s later"
        sleep 0.1
    done
}

# wl_keys KEY...: types the keys into Weston, which hands them to the
# window that has its keyboard focus.
wl_keys()
{
    xdotool windowfocus "$WESTON_WIN" 2>/dev/null
    xdotool key --delay 20 "$@" || fail "xdotool could not type $*"
}

# wl_click X Y: a click at this point of Weston's output. The pointer first
# leaves Weston's window and comes back, so that Weston sees it arrive.
wl_click()
{
    xdotool mousemove 1390 1090 sleep 0.1 mousemove "$1" "$2" sleep 0.1 mousemove "$(( $1 + 1 ))" "$2" sleep 0.2 \
        click 1 || fail "xdotool could not click at $1,$2"
}

# wl_shot FILE X Y W H: a picture of this part of Weston's output.
wl_shot()
{
    import -window "$WESTON_WIN" -crop "${4}x${5}+${2}+${3}" +repage "$1" 2>/dev/null \
        || fail "import could not take a picture of Weston's window"
}

# --- The game process ------------------------------------------------------

# A fresh, empty folder for one start of the game.
new_folder()
{
    mktemp -d "$E2E_TMP/${1:-game}.XXXXXX"
}

# app_start PROGRAM_FOLDER [WORKING_FOLDER]
# Copies the game into PROGRAM_FOLDER and starts it there, with a clean
# environment, in WORKING_FOLDER (the program folder unless given).
# APP_USER, when set (tests running as root), names the user the game runs
# as; APP_LOCALE replaces the locale C.UTF-8. Under Weston (wl_start) the
# game finds a Wayland session with XWayland beside it, and chooses its
# platform itself unless APP_PLATFORM names one. APP_ENV (an array of
# NAME=VALUE) adds to or overrides the environment.
app_start()
{
    local folder=$1 cwd=${2:-$1}
    local home=$E2E_TMP/home${APP_USER:+-$APP_USER} runtime=$E2E_TMP/runtime${APP_USER:+-$APP_USER}
    local -a as=() session=(QT_QPA_PLATFORM=xcb)
    if [[ -n ${WESTON_PID:-} ]]; then
        session=(WAYLAND_DISPLAY="$WL_SOCKET" XDG_SESSION_TYPE=wayland DISPLAY="$XWAYLAND_DISPLAY"
                 ${APP_PLATFORM:+QT_QPA_PLATFORM=$APP_PLATFORM})
    fi
    [[ -e $folder/chromaland ]] || cp "$E2E_EXE" "$folder/chromaland"
    APP_LOG=$E2E_TMP/$(basename "$folder").log
    mkdir -p "$home" "$runtime"
    chmod 700 "$runtime"
    if [[ -n ${APP_USER:-} ]]; then
        chown "$APP_USER:" "$home" "$runtime"
        as=(setpriv --reuid="$APP_USER" --regid="$(id -g "$APP_USER")" --clear-groups)
    fi
    (
        cd "$cwd" || exit 99
        exec "${as[@]}" env -i PATH=/usr/bin:/bin HOME="$home" DISPLAY="$DISPLAY" \
            XDG_RUNTIME_DIR="$runtime" LC_ALL="${APP_LOCALE:-C.UTF-8}" TZ="${TZ:-UTC}" \
            "${session[@]}" QT_ACCESSIBILITY=0 NO_AT_BRIDGE=1 ${APP_ENV[@]+"${APP_ENV[@]}"} \
            "$folder/chromaland"
    ) >"$APP_LOG" 2>&1 &
    APP_PID=$!
    APP_RC=
    e2e_log "started the game (pid $APP_PID) in $cwd"
}

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

# cpu_ms PID: the CPU time the process has used so far, in milliseconds.
cpu_ms()
{
    local stat ticks
    stat=$(<"/proc/$1/stat")
    stat=${stat##*) }
    read -r -a f <<<"$stat"
    ticks=$(( f[11] + f[12] ))
    echo $(( ticks * 1000 / $(getconf CLK_TCK) ))
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

window_transient_for()
{
    local id
    id=$(xprop -id "$1" WM_TRANSIENT_FOR 2>/dev/null | sed -n 's/.*window id # \(0x[0-9a-fA-F]*\).*/\1/p')
    [[ -n $id ]] && printf '%d\n' "$id"
}

# Sets WX WY WW WH to the position and size of the window's client area.
window_geometry()
{
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$1" 2>/dev/null)"
    WX=$X WY=$Y WW=$WIDTH WH=$HEIGHT
}

# Sets FX FY FW FH to the position and size of the window with the frame
# the window manager puts around it (its _NET_FRAME_EXTENTS).
window_frame_geometry()
{
    local left=0 right=0 top=0 bottom=0 extents
    window_geometry "$1"
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/^[^=]*= *//p')
    [[ -n $extents ]] && IFS=', ' read -r left right top bottom <<<"$extents"
    FX=$(( WX - left )) FY=$(( WY - top )) FW=$(( WW + left + right )) FH=$(( WH + top + bottom ))
}

# Whether the window asks the window manager for a close button (through
# the Motif hints that Qt sets from the window flags).
window_wants_close_button()
{
    local hints flags funcs
    hints=$(xprop -id "$1" _MOTIF_WM_HINTS 2>/dev/null | sed -n 's/^[^=]*= *//p')
    [[ -n $hints ]] || return 0
    IFS=', ' read -r flags funcs _ <<<"$hints"
    (( flags & 1 )) || return 0
    if (( funcs & 1 )); then
        # "All functions except those listed".
        (( !(funcs & 0x20) ))
    else
        (( funcs & 0x20 ))
    fi
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

# await_hidden ID SECONDS WHAT
await_hidden()
{
    local deadline=$(( $(now_ms) + $2 * 1000 ))
    while window_shown "$1"; do
        (( $(now_ms) < deadline )) || fail "$3 was still shown $2 s later"
        sleep 0.05
    done
}

# stays_shown ID SECONDS WHAT: the window must still be there after a pause
# long enough for the game to have handled whatever was just sent to it.
stays_shown()
{
    local deadline=$(( $(now_ms) + $2 * 1000 ))
    while (( $(now_ms) < deadline )); do
        app_running || fail "the game ended, but $3 should have stayed open"
        window_shown "$1" || fail "$3 went away, but it should have stayed open"
        sleep 0.05
    done
}

# none_shown "KIND..." SECONDS WHY: no window of these kinds may appear meanwhile.
none_shown()
{
    local deadline=$(( $(now_ms) + $2 * 1000 )) w k
    while (( $(now_ms) < deadline )); do
        for w in $(app_windows); do
            k=$(window_kind "$w")
            [[ " $1 " == *" $k "* ]] && fail "a $k window appeared: $3"
        done
        sleep 0.05
    done
}

expect_size()
{
    window_geometry "$1"
    [[ "${WW}x${WH}" == "$2" ]] || fail "$3 is ${WW}x${WH}, expected $2"
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

# close_and_wait ID SECONDS: closes the window as the window manager's
# close button would and waits for the game to end (APP_RC). A window
# manager busy with a new window may lose the request: while the window is
# still shown it is asked again every 2 s.
close_and_wait()
{
    local deadline=$(( $(now_ms) + $2 * 1000 )) next=0
    while app_running; do
        if (( $(now_ms) >= next )) && window_shown "$1"; then
            wmctrl -i -c "$1" 2>/dev/null
            next=$(( $(now_ms) + 2000 ))
        fi
        (( $(now_ms) < deadline )) || fail "the game (pid $APP_PID) was still running $2 s after its window was closed"
        sleep 0.05
    done
    app_wait_exit 1
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

# translation_of LANGUAGE CONTEXT SOURCE: the text's translation in the
# game's catalogue of that language (i18n/chromaland_LANGUAGE.ts).
translation_of()
{
    python3 - "$E2E_SOURCE/i18n/chromaland_$1.ts" "$2" "$3" <<'PY'
import sys, xml.etree.ElementTree as ET
for context in ET.parse(sys.argv[1]).getroot().iter('context'):
    if context.findtext('name') != sys.argv[2]:
        continue
    for message in context.iter('message'):
        translation = message.find('translation')
        if message.findtext('source') == sys.argv[3] and translation.get('type') is None:
            print(translation.text or '')
            sys.exit(0)
sys.exit(1)
PY
}

# window_shot ID FILE: a picture of the window as the X server shows it.
window_shot()
{
    import -silent -window "$1" "png:$2" 2>/dev/null || fail "could not take a picture of window $1"
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

# The value of KEY on a line "KEY=value" of a character file.
file_value()
{
    sed -n "s/^$2=\\(.*\\)\\r\$/\\1/p" "$1" | head -n 1
}

# expect_value_between FILE KEY LOW HIGH WHAT: the line "KEY=..." of the
# file holds a whole number from LOW to HIGH; it is left in VALUE.
expect_value_between()
{
    VALUE=$(file_value "$1" "$2")
    if [[ ! $VALUE =~ ^-?[0-9]+$ ]] || (( VALUE < $3 || VALUE > $4 )); then
        show_file "$1" >&2
        fail "$2 $5 is \"$VALUE\" in $(basename "$1"), expected a whole number from $3 to $4"
    fi
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
