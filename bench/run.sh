#!/usr/bin/env bash
# Measures the game side by side with the bare windows it is held against,
# from outside, as a new player would meet it: under a private X server
# (Xvfb) with openbox, each program started fresh from a folder of its own,
# timed by its pixels (bench/probe) and by the scheduler's own accounting.
# Game and bare windows take turns, ROUNDS times (at least 6), so that
# whatever else the machine does hits both sides alike; each figure is
# printed as the median with its spread, each ratio as the median of the
# rounds' own ratios with their least and greatest. At rest the CPU time
# counted is the program's and the display server's together, which is what
# the player's machine pays: on X11 under Xvfb, then on Wayland inside Weston
# (tests/e2e's Weston on Xvfb). Then the system calls a clock tick costs at
# rest (strace) and, with xtrace, the X requests, figures that the
# machine's load does not move; then the micro-benchmarks.
#
#   bench/run.sh BUILD_FOLDER [ROUNDS]
#
# BUILD_FOLDER is a CMake build of this repository with the bench built
# (cmake --build BUILD_FOLDER --target chromaland bench_logic baseline_bar
# baseline_square baseline_title probe). Needs Xvfb, openbox, wmctrl, xdotool, x11-utils
# and strace (scripts/setup-debian.sh --tests installs them); Weston,
# Xwayland and ImageMagick for the Wayland rounds (also --tests); with
# valgrind, xtrace and GNOME Mines (setup-debian.sh --bench) it also counts
# instructions at rest (bench/instructions.sh) and X requests a tick, and
# sets the game's memory beside Mines'. REST_SECONDS (20) sets the length of
# one stretch at rest. Takes about 25 minutes for 6 rounds.

set -uo pipefail

if [[ $# -lt 1 || ! -d $1 ]]; then
    echo "usage: $0 BUILD_FOLDER [ROUNDS]" >&2
    exit 2
fi
BUILD=$(cd "$1" && pwd)
ROUNDS=${2:-6}
(( ROUNDS >= 6 )) || echo "warning: fewer than 6 rounds; the medians are not the bench's figures" >&2
HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

GAME=$BUILD/chromaland
BAR=$BUILD/bench/baseline_bar
SQUARE=$BUILD/bench/baseline_square
TITLE=$BUILD/bench/baseline_title
PROBE=$BUILD/bench/probe
LOGIC=$BUILD/bench/bench_logic
for f in "$GAME" "$BAR" "$SQUARE" "$TITLE" "$PROBE" "$LOGIC"; do
    [[ -x $f ]] || { echo "missing $f: build the bench first" >&2; exit 2; }
done
for tool in Xvfb openbox wmctrl xdotool xdpyinfo strace; do
    command -v "$tool" >/dev/null || { echo "missing tool: $tool (scripts/setup-debian.sh installs it)" >&2; exit 2; }
done

E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/chromaland-bench.XXXXXX")
# The private X server and window manager of the end-to-end tests.
source "$HERE/../tests/e2e/lib.sh"

RUNNING=()
cleanup()
{
    local pid
    for pid in "${RUNNING[@]}"; do
        kill "$pid" 2>/dev/null
    done
    wl_stop
    x_stop
    rm -rf "$E2E_TMP"
}
trap cleanup EXIT

die()
{
    echo "bench: $*" >&2
    exit 1
}

# --- What the probe looks for ----------------------------------------------

# Window sizes, and the pixels that show a window painted (X,Y=RRGGBB in
# window pixels): two spots of the title picture and the instructions'
# white; the player's white square, the built-in map picture and the map's
# edge; with the Graphics folder, its own player and map colours.
TITLE_SIZE=576x340
TITLE_PAINTED=(20,20=d6b6ff 550,60=fdd3a1 300,150=ffffff)
MAP_SIZE=583x495
MAP_PAINTED=(234,386=ffffff 500,74=85835d 220,36=e0df9c)
GFX_MAP=204060
GFX_HEALING=00c000
MAP_PAINTED_GFX=(234,386=$GFX_HEALING 500,74=$GFX_MAP)
# The baseline: its window's face, its bar's groove, and its square.
BASE_SIZE=583x495
BASE_PAINTED=(300,200=efefef)
BASE_PAINTED_SQUARE=(300,200=efefef 234,386=ffffff)
# The player's start square and the one to its right (centres), in the
# game and in the baseline alike; the bar's middle row inside its frame.
SQUARE_A=234,386
SQUARE_B=250,386
BAR_ROW=12,460,561

MOVES=50
PHASES=20
# One stretch at rest, and the wait before it for the window to settle.
REST_SECONDS=${REST_SECONDS:-20}
SETTLE_SECONDS=2
# The stretch at rest that strace and xtrace watch, and the clock's tick.
TRACE_SECONDS=10
TICK_MS=17

# --- Running one program ----------------------------------------------------

# Every program runs with the same clean environment as the end-to-end tests.
probe()
{
    mkdir -p "$E2E_TMP/home" "$E2E_TMP/runtime"
    chmod 700 "$E2E_TMP/runtime"
    env -i PATH=/usr/bin:/bin HOME="$E2E_TMP/home" DISPLAY="$DISPLAY" XDG_RUNTIME_DIR="$E2E_TMP/runtime" \
        LC_ALL=C.UTF-8 TZ=UTC QT_QPA_PLATFORM=xcb QT_ACCESSIBILITY=0 NO_AT_BRIDGE=1 \
        "$PROBE" "$@"
}

# A fresh folder holding a copy of PROGRAM (the game writes beside itself)
# and, for the game, a default character, so that no message box comes.
fresh_folder()
{
    local program=$1 folder
    folder=$(mktemp -d "$E2E_TMP/run.XXXXXX")
    cp "$program" "$folder/"
    write_character "$folder/Character.chx" "${DEFAULT_CHARACTER[@]}"
    echo "$folder"
}

# The full Graphics folder: 24 pictures of plain colours.
make_graphics()
{
    local dir=$E2E_TMP/Graphics i
    mkdir -p "$dir"
    "$PROBE" bmp "$dir/MapBackground.bmp" 352 368 "$GFX_MAP" || die "cannot write the pictures"
    "$PROBE" bmp "$dir/Player.bmp" 16 16 0000c0
    "$PROBE" bmp "$dir/Player_Healing.bmp" 16 16 "$GFX_HEALING"
    for i in $(seq 0 20); do
        "$PROBE" bmp "$dir/Enemy_$i.bmp" 16 16 c08040
    done
}

finish()
{
    local pid=$1 deadline
    kill "$pid" 2>/dev/null
    deadline=$(( $(now_ms) + 5000 ))
    while [[ -e /proc/$pid ]] && (( $(now_ms) < deadline )); do
        sleep 0.05
    done
    RUNNING=()
}

peak_kb()
{
    awk '/^VmHWM:/ { print $2 }' "/proc/$1/status"
}

# The process's own memory, as a player's other programs feel it: the
# pages only it holds and has written (Private_Dirty), which leaves out
# the fonts and libraries that every Qt or GTK program shares.
own_kb()
{
    awk '/^Private_Dirty:/ { print $2 }' "/proc/$1/smaps_rollup"
}

# Appends VALUE to the list of measurements NAME.
record()
{
    [[ -n ${RESULTS_OFF:-} ]] && return
    echo "$2" >>"$E2E_TMP/results.$1"
}

# Starts PROGRAM from FOLDER and waits for its first window painted;
# sets PID, WIN and MS.
launch()
{
    local folder=$1 program=$2 size=$3 out
    shift 3
    out=$(cd "$folder" && probe launch "$folder/output.log" "$size" "$@" -- "$folder/$program") \
        || die "$program: its first window was not painted ($(tail -n 3 "$folder/output.log" 2>/dev/null))"
    read -r PID WIN MS <<<"$out"
    RUNNING=("$PID")
}

# The period of 20 phases of the enemy clock, read off the bar on screen.
phase_period()
{
    local name=$1 out
    sleep 1
    out=$(probe rest "$WIN" "$PHASES" "$BAR_ROW") || die "$name: the bar was not seen wrapping"
    record "$name.period" "$out"
}

# rest_cost NAME SERVER [MORE]: with the program PID settled at rest and
# nothing else touching the display, the CPU time of the program and of
# the display server SERVER over REST_SECONDS, in ms, and how often a
# second the program's threads went to sleep to wait (its wake-ups). MORE,
# when given, is one more process counted apart (Weston's Xvfb).
rest_cost()
{
    local name=$1 before after
    shift
    before=$("$PROBE" cpu "$PID" "$@" | paste -sd' ') || die "$name: cannot read the CPU time"
    sleep "$REST_SECONDS"
    after=$("$PROBE" cpu "$PID" "$@" | paste -sd' ') || die "$name: ended while at rest"
    local -a b=($before) a=($after)
    record "$name.app" "$(awk -v x="${b[0]}" -v y="${a[0]}" 'BEGIN { printf "%.1f", (y - x) / 1e6 }')"
    record "$name.server" "$(awk -v x="${b[2]}" -v y="${a[2]}" 'BEGIN { printf "%.1f", (y - x) / 1e6 }')"
    record "$name.all" "$(awk -v x="${b[0]}" -v y="${a[0]}" -v u="${b[2]}" -v v="${a[2]}" \
        'BEGIN { printf "%.1f", (y - x + v - u) / 1e6 }')"
    record "$name.waits" "$(awk -v x="${b[1]}" -v y="${a[1]}" -v s="$REST_SECONDS" 'BEGIN { printf "%.0f", (y - x) / s }')"
    (( ${#b[@]} > 4 )) && record "$name.more" "$(awk -v x="${b[4]}" -v y="${a[4]}" 'BEGIN { printf "%.1f", (y - x) / 1e6 }')"
    return 0
}

run_game()
{
    local folder out
    folder=$(fresh_folder "$GAME")
    launch "$folder" chromaland "$TITLE_SIZE" "${TITLE_PAINTED[@]}"
    record game.start "$MS"
    out=$(probe key "$PID" "$WIN" p "$MAP_SIZE" "${MAP_PAINTED[@]}") || die "game: the map was not painted"
    read -r WIN MS <<<"$out"
    record game.map "$MS"
    sleep 0.5
    out=$(probe moves "$WIN" "$MOVES" "$SQUARE_A" "$SQUARE_B" ffffff) || die "game: the player did not move"
    record game.key "$out"
    phase_period game
    record game.peak "$(peak_kb "$PID")"
    record game.own "$(own_kb "$PID")"
    finish "$PID"
}

# The game on its map at rest, as a player who thinks leaves it.
rest_game()
{
    local folder out
    folder=$(fresh_folder "$GAME")
    launch "$folder" chromaland "$TITLE_SIZE" "${TITLE_PAINTED[@]}"
    out=$(probe key "$PID" "$WIN" p "$MAP_SIZE" "${MAP_PAINTED[@]}") || die "game: the map was not painted"
    sleep "$SETTLE_SECONDS"
    rest_cost game "$XVFB_PID"
    finish "$PID"
}

# The bare window with its bar and squares at rest.
rest_bar()
{
    local folder
    folder=$(fresh_folder "$BAR")
    launch "$folder" baseline_bar "$BASE_SIZE" "${BASE_PAINTED[@]}"
    sleep "$SETTLE_SECONDS"
    rest_cost base "$XVFB_PID"
    record base.peak "$(peak_kb "$PID")"
    record base.own "$(own_kb "$PID")"
    finish "$PID"
}

run_game_graphics()
{
    local folder out
    folder=$(fresh_folder "$GAME")
    cp -r "$E2E_TMP/Graphics" "$folder/"
    launch "$folder" chromaland "$TITLE_SIZE" "${TITLE_PAINTED[@]}"
    out=$(probe key "$PID" "$WIN" p "$MAP_SIZE" "${MAP_PAINTED_GFX[@]}") || die "game: the map with pictures was not painted"
    read -r WIN MS <<<"$out"
    record gfx.map "$MS"
    finish "$PID"
}

# start_only NAME PROGRAM SIZE EXPECT...: a start of a bare window to its
# first picture, recorded as NAME.start.
start_only()
{
    local name=$1 program=$2 folder
    shift 2
    folder=$(fresh_folder "$program")
    launch "$folder" "$(basename "$program")" "$@"
    record "$name.start" "$MS"
    finish "$PID"
}

run_bar()
{
    start_only base "$BAR" "$BASE_SIZE" "${BASE_PAINTED[@]}"
}

# The bare window with the title's picture and text: what showing them
# costs a start in plain Qt.
run_title()
{
    start_only title "$TITLE" "$TITLE_SIZE" "${TITLE_PAINTED[@]}"
}

run_square()
{
    local folder out
    folder=$(fresh_folder "$SQUARE")
    launch "$folder" baseline_square "$BASE_SIZE" "${BASE_PAINTED_SQUARE[@]}"
    sleep 0.5
    out=$(probe moves "$WIN" "$MOVES" "$SQUARE_A" "$SQUARE_B" ffffff) || die "baseline: the square did not move"
    record base.key "$out"
    finish "$PID"
}

# GNOME Mines, a small desktop game, settled on its first window: its own
# memory, for comparison. Skipped when it is not installed.
MINES=$(PATH=$PATH:/usr/games command -v gnome-mines)

run_mines()
{
    local pid deadline win
    [[ -n $MINES ]] || return 0
    mkdir -p "$E2E_TMP/mines-home"
    env -i PATH=/usr/bin:/bin HOME="$E2E_TMP/mines-home" DISPLAY="$DISPLAY" XDG_RUNTIME_DIR="$E2E_TMP/runtime" \
        LC_ALL=C.UTF-8 TZ=UTC NO_AT_BRIDGE=1 GTK_A11Y=none "$MINES" >"$E2E_TMP/mines.log" 2>&1 &
    pid=$!
    RUNNING=("$pid")
    deadline=$(( $(now_ms) + 20000 ))
    until win=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1) && [[ -n $win ]]; do
        (( $(now_ms) < deadline )) || { echo "bench: GNOME Mines showed no window; left out" >&2; finish "$pid"; return 0; }
        sleep 0.1
    done
    sleep 30
    record mines.own "$(own_kb "$pid")"
    record mines.peak "$(peak_kb "$pid")"
    finish "$pid"
}

# --- On Wayland ----------------------------------------------------------

# The same stretches at rest with Weston as the display server: the game
# and the bare window are its clients, and Weston's CPU time is counted
# with theirs. Weston runs as a window on a private Xvfb, as in the
# end-to-end tests; that Xvfb's time is shown apart.
wl_rest_game()
{
    local folder place
    folder=$(fresh_folder "$GAME")
    E2E_EXE=$GAME APP_PLATFORM=wayland app_start "$folder" 2>/dev/null
    PID=$APP_PID
    RUNNING=("$PID")
    wl_await title 20 place
    wl_keys p
    wl_await map 15 place
    sleep "$SETTLE_SECONDS"
    rest_cost wl.game "$WESTON_PID" "$XVFB_PID"
    finish "$PID"
}

# wl_rest_bar NAME [--every-tick]: the bare window at rest on Weston, its
# bar repainting every other tick or, with --every-tick, at every tick.
wl_rest_bar()
{
    local name=$1 folder deadline
    shift
    folder=$(fresh_folder "$BAR")
    (cd "$folder" && exec env -i PATH=/usr/bin:/bin HOME="$E2E_TMP/home" XDG_RUNTIME_DIR="$E2E_TMP/runtime" \
        WAYLAND_DISPLAY="$WL_SOCKET" XDG_SESSION_TYPE=wayland LC_ALL=C.UTF-8 TZ=UTC QT_QPA_PLATFORM=wayland \
        QT_ACCESSIBILITY=0 NO_AT_BRIDGE=1 "$folder/baseline_bar" "$@") >"$folder/output.log" 2>&1 &
    PID=$!
    RUNNING=("$PID")
    deadline=$(( $(now_ms) + 20000 ))
    until wl_scene | grep -q "PID $PID,"; do
        (( $(now_ms) < deadline )) || die "the bare window did not show on Weston ($(tail -n 3 "$folder/output.log"))"
        sleep 0.1
    done
    sleep "$SETTLE_SECONDS"
    rest_cost "$name" "$WESTON_PID" "$XVFB_PID"
    finish "$PID"
}

# --- What a tick costs, whatever the load ---------------------------------

# syscalls NAME: the system calls of the program PID over TRACE_SECONDS at
# rest (strace -c), a tick's share of those that talk to the display
# (writev sends requests, recvmsg reads replies and events) and of those
# that wait (poll, futex).
syscalls()
{
    local name=$1 out=$E2E_TMP/strace.$1
    timeout -s INT "$TRACE_SECONDS" strace -c -f -p "$PID" -o "$out" >/dev/null 2>&1
    [[ -s $out ]] || { echo "bench: strace saw nothing of $name" >&2; return 0; }
    awk -v ticks="$(( TRACE_SECONDS * 1000 / TICK_MS ))" -v name="$name" '
        $NF ~ /^(writev|recvmsg|poll|futex|total)$/ { n[$NF] = $4 }
        END { printf "%s %.2f %.2f %.2f %.2f %.2f\n", name, n["writev"] / ticks, n["recvmsg"] / ticks,
              n["poll"] / ticks, n["futex"] / ticks, n["total"] / ticks }' "$out" >>"$E2E_TMP/syscalls"
}

syscalls_game()
{
    local folder out
    folder=$(fresh_folder "$GAME")
    launch "$folder" chromaland "$TITLE_SIZE" "${TITLE_PAINTED[@]}"
    out=$(probe key "$PID" "$WIN" p "$MAP_SIZE" "${MAP_PAINTED[@]}") || die "game: the map was not painted"
    sleep "$SETTLE_SECONDS"
    syscalls game
    finish "$PID"
}

syscalls_bar()
{
    local folder
    folder=$(fresh_folder "$BAR")
    launch "$folder" baseline_bar "$BASE_SIZE" "${BASE_PAINTED[@]}"
    sleep "$SETTLE_SECONDS"
    syscalls floor
    finish "$PID"
}

# xrequests NAME PROGRAM KEY: PROGRAM runs through xtrace, which passes its
# X connection on and writes down every request; after KEY (or none: -)
# and a settling, the requests and the round trips (replies) of
# TRACE_SECONDS at rest, a tick's share, and the pictures sent (PutImage:
# how often the window shows a new frame).
xrequests()
{
    local name=$1 program=$2 key=$3 folder n fake pid win lines0 lines1 log
    folder=$(fresh_folder "$program")
    log=$E2E_TMP/xtrace.$name
    for (( n = ${DISPLAY#:} + 1; n < ${DISPLAY#:} + 50; n++ )); do
        [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] || break
    done
    fake=:$n
    (cd "$folder" && exec env -i PATH=/usr/bin:/bin HOME="$E2E_TMP/home" XDG_RUNTIME_DIR="$E2E_TMP/runtime" \
        LC_ALL=C.UTF-8 TZ=UTC QT_QPA_PLATFORM=xcb QT_ACCESSIBILITY=0 NO_AT_BRIDGE=1 \
        xtrace -n -d "$DISPLAY" -D "$fake" -o "$log" -- "$folder/$(basename "$program")") >"$folder/output.log" 2>&1 &
    pid=$!
    RUNNING=("$pid")
    sleep 3
    if [[ $key != - ]]; then
        win=$(xdotool search --onlyvisible --name '^Chromaland$' 2>/dev/null | head -n 1)
        [[ -n $win ]] || { echo "bench: no window under xtrace; X requests left out" >&2; finish "$pid"; return 0; }
        xdotool windowfocus --sync "$win" key "$key"
    fi
    sleep "$SETTLE_SECONDS"
    lines0=$(wc -l <"$log")
    sleep "$TRACE_SECONDS"
    lines1=$(wc -l <"$log")
    sed -n "$(( lines0 + 1 )),${lines1}p" "$log" | awk -v ticks="$(( TRACE_SECONDS * 1000 / TICK_MS ))" -v name="$name" '
        /^[0-9]+:<:/ { requests++ } /^[0-9]+:<:.*PutImage/ { pictures++ } /^[0-9]+:>:.*Reply/ { replies++ }
        END { printf "%s %.1f %.2f %.2f\n", name, requests / ticks, pictures / ticks, replies / ticks }' >>"$E2E_TMP/xrequests"
    # xtrace's child first, then xtrace.
    kill $(ps -o pid= --ppid "$pid") 2>/dev/null
    finish "$pid"
}

# --- Figures ----------------------------------------------------------------

median()
{
    sort -g "$E2E_TMP/results.$1" | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# spread NAME: "median (min-max)" of a figure.
spread()
{
    [[ -s $E2E_TMP/results.$1 ]] || { echo -; return; }
    sort -g "$E2E_TMP/results.$1" | awk '{ v[NR] = $1 } END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
                                             printf "%g (%g-%g)", m, v[1], v[NR] }'
}

# ratios A B: each round's A over its B, one a line.
ratios()
{
    paste -d' ' "$E2E_TMP/results.$1" "$E2E_TMP/results.$2" | awk 'NF == 2 && $2 > 0 { printf "%.3f\n", $1 / $2 }'
}

# ratio_of A B: "median min max" of the rounds' ratios.
ratio_of()
{
    ratios "$1" "$2" | sort -g | awk '{ v[NR] = $1 } END { if (!NR) { print "- - -"; exit }
        m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf "%.2f %.2f %.2f\n", m, v[1], v[NR] }'
}

# line WHAT GAME BASELINE RATIO TARGET VERDICT
line()
{
    printf '%-46s %20s %20s %17s   %-20s %s\n' "$@"
}

verdict()
{
    awk -v c="$1" 'BEGIN { print (c ? "held" : "MISSED") }'
}

# ratio_line WHAT A B TARGET: a row whose ratio is the median of the
# rounds' ratios, judged against TARGET (at most).
ratio_line()
{
    local what=$1 a=$2 b=$3 target=$4 m lo hi
    read -r m lo hi <<<"$(ratio_of "$a" "$b")"
    line "$what" "$(spread "$a")" "$(spread "$b")" "$m ($lo-$hi)" "<= $target x" \
        "$( [[ $m == - ]] && echo - || verdict "$(awk -v r="$m" -v t="$target" 'BEGIN { print (r <= t) }')")"
}

report()
{
    local gm fm gp bp gph go bo mo mp extra_own extra_mb period_dev
    gm=$(median game.map) fm=$(median gfx.map)
    gp=$(median game.peak) bp=$(median base.peak)
    gph=$(median game.period)
    go=$(median game.own) bo=$(median base.own)
    mo=- mp=-
    [[ -s $E2E_TMP/results.mines.own ]] && mo=$(median mines.own) mp=$(median mines.peak)
    extra_mb=$(awk -v a="$gp" -v b="$bp" 'BEGIN { printf "%+.1f MiB", (a - b) / 1024 }')
    extra_own=$(awk -v a="$go" -v b="$bo" 'BEGIN { printf "%+.1f MiB", (a - b) / 1024 }')
    period_dev=$(awk -v a="$gph" 'BEGIN { printf "%+.2f %%", (a / 1.7 - 1) * 100 }')

    echo
    echo "Medians of $ROUNDS rounds with their least and greatest; a ratio is the median of the rounds' own ratios"
    echo "($(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), Linux $(uname -r), load $(cut -d' ' -f1-3 /proc/loadavg))"
    line "figure" "game" "bare window" "ratio" "target" "verdict"
    ratio_line "start to first window painted (ms)" game.start base.start 1.05
    ratio_line "  against the bare window with the title's picture and text" game.start title.start 1.05
    line "title key to map painted (ms)" "$(spread game.map)" "-" "-" "< 150 ms" \
        "$(verdict "$(awk -v v="$gm" 'BEGIN { print (v < 150) }')")"
    line "  with a full Graphics folder (ms)" "$(spread gfx.map)" "-" "-" "< 200 ms" \
        "$(verdict "$(awk -v v="$fm" 'BEGIN { print (v < 200) }')")"
    ratio_line "arrow key to marker painted (ms, $MOVES keys)" game.key base.key 1.05
    ratio_line "X11 at rest: program + Xvfb, CPU ms / ${REST_SECONDS} s" game.all base.all 1.00
    line "  the program alone (ms)" "$(spread game.app)" "$(spread base.app)" "$(ratio_of game.app base.app | awk '{ printf "%s (%s-%s)", $1, $2, $3 }')" "-" "reference"
    line "  Xvfb alone (ms)" "$(spread game.server)" "$(spread base.server)" "$(ratio_of game.server base.server | awk '{ printf "%s (%s-%s)", $1, $2, $3 }')" "-" "reference"
    line "  the program's wake-ups a second" "$(spread game.waits)" "$(spread base.waits)" "-" "-" "reference"
    if [[ -s $E2E_TMP/results.wl.game.all ]]; then
        ratio_line "Wayland at rest: program + Weston (ms)" wl.game.all wl.base.all 1.00
        ratio_line "  against the bare window's bar repainting every tick" wl.game.all wl.tick.all 1.00
        line "  the program alone (ms)" "$(spread wl.game.app)" "$(spread wl.base.app)" "$(ratio_of wl.game.app wl.base.app | awk '{ printf "%s (%s-%s)", $1, $2, $3 }')" "-" "reference"
        line "  Weston alone (ms)" "$(spread wl.game.server)" "$(spread wl.base.server)" "$(ratio_of wl.game.server wl.base.server | awk '{ printf "%s (%s-%s)", $1, $2, $3 }')" "-" "reference"
        line "  the Xvfb Weston draws into (ms)" "$(spread wl.game.more)" "$(spread wl.base.more)" "-" "-" "not counted"
        line "  the program's wake-ups a second" "$(spread wl.game.waits)" "$(spread wl.base.waits)" "-" "-" "reference"
    fi
    line "own memory, private dirty (kB)" "$go" "$bo" "$extra_own" "<= +4 MiB" \
        "$(verdict "$(awk -v a="$go" -v b="$bo" 'BEGIN { print (a - b <= 4096) }')")"
    line "  GNOME Mines' own memory (kB)" "$mo" "-" "-" "-" "for comparison"
    line "peak resident memory (kB)" "$gp" "$bp" "$extra_mb" "-" "shared fonts and libraries count"
    line "  GNOME Mines' peak resident memory (kB)" "$mp" "-" "-" "-" "for comparison"
    line "phase period over $PHASES phases (s)" "$(spread game.period)" "-" "$period_dev" "1.700 s within 1 %" \
        "$(verdict "$(awk -v a="$gph" 'BEGIN { d = a / 1.7 - 1; print (d <= 0.01 && d >= -0.01) }')")"
    echo
    echo "Every run, in round order (ms, kB, s; the ratios are game over bare window):"
    local f
    for f in game.start base.start title.start game.map gfx.map game.key base.key game.all base.all game.app base.app \
             game.server base.server game.waits base.waits wl.game.all wl.base.all wl.tick.all wl.game.app \
             wl.base.app wl.tick.app wl.game.server wl.base.server wl.tick.server wl.game.more wl.base.more game.peak base.peak game.own base.own \
             mines.own mines.peak game.period; do
        [[ -e $E2E_TMP/results.$f ]] && printf '  %-15s %s\n' "$f" "$(paste -sd' ' "$E2E_TMP/results.$f")"
    done
    printf '  %-15s %s\n' "ratio start" "$(ratios game.start base.start | paste -sd' ')"
    printf '  %-15s %s\n' "ratio start/title" "$(ratios game.start title.start | paste -sd' ')"
    printf '  %-15s %s\n' "ratio key" "$(ratios game.key base.key | paste -sd' ')"
    printf '  %-15s %s\n' "ratio X11 rest" "$(ratios game.all base.all | paste -sd' ')"
    [[ -s $E2E_TMP/results.wl.game.all ]] && printf '  %-15s %s\n' "ratio Wl rest" "$(ratios wl.game.all wl.base.all | paste -sd' ')"
    return 0
}

# --- The run ------------------------------------------------------------------

x_start || die "no X server"
make_graphics
# A first start on a fresh server and home folder fills caches that every
# later start finds full; one unrecorded run of each program takes that.
echo "warming up" >&2
RESULTS_OFF=1
run_game
run_bar
run_title
run_square
RESULTS_OFF=
rm -f "$E2E_TMP"/results.*
for (( round = 1; round <= ROUNDS; round++ )); do
    echo "round $round of $ROUNDS" >&2
    run_game
    run_bar
    run_title
    run_game_graphics
    run_square
    # The two stretches at rest follow each other, in turns first.
    if (( round % 2 )); then
        rest_game
        rest_bar
    else
        rest_bar
        rest_game
    fi
    (( round == 1 )) && run_mines
done
[[ -n $MINES ]] || echo "GNOME Mines is not installed (scripts/setup-debian.sh --bench): left out" >&2

echo "system calls and X requests at rest" >&2
syscalls_game
syscalls_bar
if command -v xtrace >/dev/null; then
    xrequests game "$GAME" p
    xrequests floor "$BAR" -
fi
x_stop

if wl_start 2>"$E2E_TMP/weston-start.log"; then
    for (( round = 1; round <= ROUNDS; round++ )); do
        echo "Wayland round $round of $ROUNDS" >&2
        if (( round % 2 )); then
            wl_rest_game
            wl_rest_bar wl.base
            wl_rest_bar wl.tick --every-tick
        else
            wl_rest_bar wl.tick --every-tick
            wl_rest_bar wl.base
            wl_rest_game
        fi
    done
    wl_stop
else
    echo "Weston did not start: no Wayland rounds ($(tail -n 1 "$E2E_TMP/weston-start.log"))" >&2
fi

report

echo
echo "A clock tick's system calls at rest (strace -c over $TRACE_SECONDS s; load-independent):"
printf '  %-8s %8s %8s %8s %8s %8s\n' "" writev recvmsg poll futex all
[[ -s $E2E_TMP/syscalls ]] && while read -r name w r p f t; do
    printf '  %-8s %8s %8s %8s %8s %8s\n' "$name" "$w" "$r" "$p" "$f" "$t"
done <"$E2E_TMP/syscalls"
if [[ -s $E2E_TMP/xrequests ]]; then
    echo "A clock tick's X requests at rest (xtrace over $TRACE_SECONDS s):"
    printf '  %-8s %10s %10s %12s\n' "" requests pictures "round trips"
    while read -r name q p r; do
        printf '  %-8s %10s %10s %12s\n' "$name" "$q" "$p" "$r"
    done <"$E2E_TMP/xrequests"
else
    echo "xtrace is not installed (scripts/setup-debian.sh --bench): no count of X requests"
fi

echo
if command -v valgrind >/dev/null; then
    x_start || die "no X server"
    source "$HERE/instructions.sh"
    instructions_at_rest "$BUILD" 20 "$E2E_TMP" || echo "the instruction count failed" >&2
else
    echo "valgrind is not installed (scripts/setup-debian.sh --bench): no instruction count at rest"
fi

echo
echo "Micro-benchmarks of the rules (median CPU time of 5 repetitions; targets: enemy phase < 5 us, arrow key < 2 us):"
"$LOGIC" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true --benchmark_min_time=0.3 2>/dev/null \
    | awk '/_median/ { printf "  %-40s %12s %s\n", $1, $4, $5 }'
