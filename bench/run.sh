#!/usr/bin/env bash
# Measures the game side by side with the bare windows it is held against,
# from outside, as a new player would meet it: under a private X server
# (Xvfb) with openbox, each program started fresh from a folder of its own,
# timed by its pixels (bench/probe) and by the process's own accounting.
# Game and baselines take turns, ROUNDS times (at least 5), and the medians
# are printed with their ratios and targets, then the micro-benchmarks.
#
#   bench/run.sh BUILD_FOLDER [ROUNDS]
#
# BUILD_FOLDER is a CMake build of this repository with the bench built
# (cmake --build BUILD_FOLDER --target chromaland bench_logic baseline_bar
# baseline_square probe). Needs Xvfb, openbox, wmctrl, xdotool and x11-utils
# (scripts/setup-debian.sh installs them); with valgrind and GNOME Mines
# (setup-debian.sh --bench) it also counts instructions at rest
# (bench/instructions.sh) and sets the game's memory beside Mines'.
# Takes about 12 minutes for 5 rounds.

set -uo pipefail

if [[ $# -lt 1 || ! -d $1 ]]; then
    echo "usage: $0 BUILD_FOLDER [ROUNDS]" >&2
    exit 2
fi
BUILD=$(cd "$1" && pwd)
ROUNDS=${2:-5}
(( ROUNDS >= 5 )) || echo "warning: fewer than 5 rounds; the medians are not the bench's figures" >&2
HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

GAME=$BUILD/chromaland
BAR=$BUILD/bench/baseline_bar
SQUARE=$BUILD/bench/baseline_square
PROBE=$BUILD/bench/probe
LOGIC=$BUILD/bench/bench_logic
for f in "$GAME" "$BAR" "$SQUARE" "$PROBE" "$LOGIC"; do
    [[ -x $f ]] || { echo "missing $f: build the bench first" >&2; exit 2; }
done
for tool in Xvfb openbox wmctrl xdotool xdpyinfo; do
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
CPU_SECONDS=30

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

# At rest: the period of 20 phases and the CPU time of 30 s, then the peak
# resident memory of the whole run.
at_rest()
{
    local name=$1 out period cpu
    sleep 1
    out=$(probe rest "$PID" "$WIN" "$PHASES" "$CPU_SECONDS" "$BAR_ROW") || die "$name: the bar was not seen wrapping"
    read -r period cpu <<<"$out"
    record "$name.period" "$period"
    record "$name.cpu" "$cpu"
    record "$name.peak" "$(peak_kb "$PID")"
    record "$name.own" "$(own_kb "$PID")"
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
    at_rest game
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

run_bar()
{
    local folder
    folder=$(fresh_folder "$BAR")
    launch "$folder" baseline_bar "$BASE_SIZE" "${BASE_PAINTED[@]}"
    record base.start "$MS"
    at_rest base
    finish "$PID"
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
    sleep "$CPU_SECONDS"
    record mines.own "$(own_kb "$pid")"
    record mines.peak "$(peak_kb "$pid")"
    finish "$pid"
}

# --- Figures ----------------------------------------------------------------

median()
{
    sort -g "$E2E_TMP/results.$1" | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# line WHAT GAME BASELINE RATIO TARGET HELD
line()
{
    printf '%-44s %12s %12s %9s   %-26s %s\n' "$@"
}

verdict()
{
    awk -v c="$1" 'BEGIN { print (c ? "held" : "MISSED") }'
}

report()
{
    local gs bs gm fm gk bk gc bc gp bp gph bph
    gs=$(median game.start) bs=$(median base.start)
    gm=$(median game.map) fm=$(median gfx.map)
    gk=$(median game.key) bk=$(median base.key)
    gc=$(median game.cpu) bc=$(median base.cpu)
    gp=$(median game.peak) bp=$(median base.peak)
    gph=$(median game.period) bph=$(median base.period)
    local go bo mo mp extra_own
    go=$(median game.own) bo=$(median base.own)
    mo=- mp=-
    [[ -s $E2E_TMP/results.mines.own ]] && mo=$(median mines.own) mp=$(median mines.peak)
    local ratio_start ratio_key ratio_cpu extra_mb period_dev
    ratio_start=$(awk -v a="$gs" -v b="$bs" 'BEGIN { printf "%.2f", a / b }')
    ratio_key=$(awk -v a="$gk" -v b="$bk" 'BEGIN { printf "%.2f", a / b }')
    ratio_cpu=$(awk -v a="$gc" -v b="$bc" 'BEGIN { printf "%.2f", a / b }')
    extra_mb=$(awk -v a="$gp" -v b="$bp" 'BEGIN { printf "%+.1f MiB", (a - b) / 1024 }')
    extra_own=$(awk -v a="$go" -v b="$bo" 'BEGIN { printf "%+.1f MiB", (a - b) / 1024 }')
    period_dev=$(awk -v a="$gph" 'BEGIN { printf "%+.2f %%", (a / 1.7 - 1) * 100 }')

    echo
    echo "Medians of $ROUNDS rounds ($(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), Linux $(uname -r), load $(cut -d' ' -f1-3 /proc/loadavg))"
    line "figure" "game" "baseline" "ratio" "target" "verdict"
    line "start to first window painted (ms)" "$gs" "$bs" "$ratio_start" "<= 1.15 x" \
        "$(verdict "$(awk -v r="$ratio_start" 'BEGIN { print (r <= 1.15) }')")"
    line "title key to map painted (ms)" "$gm" "-" "-" "< 150 ms" \
        "$(verdict "$(awk -v v="$gm" 'BEGIN { print (v < 150) }')")"
    line "  with a full Graphics folder (ms)" "$fm" "-" "-" "< 200 ms" \
        "$(verdict "$(awk -v v="$fm" 'BEGIN { print (v < 200) }')")"
    line "arrow key to marker painted (ms, $MOVES keys)" "$gk" "$bk" "$ratio_key" "<= 1.2 x" \
        "$(verdict "$(awk -v r="$ratio_key" 'BEGIN { print (r <= 1.2) }')")"
    line "CPU at rest over $CPU_SECONDS s (ms)" "$gc" "$bc" "$ratio_cpu" "<= 1.1 x" \
        "$(verdict "$(awk -v r="$ratio_cpu" 'BEGIN { print (r <= 1.1) }')")"
    line "own memory, private dirty (kB)" "$go" "$bo" "$extra_own" "<= baseline + 4 MiB" \
        "$(verdict "$(awk -v a="$go" -v b="$bo" 'BEGIN { print (a - b <= 4096) }')")"
    line "  GNOME Mines' own memory (kB)" "$mo" "-" "-" "-" "for comparison"
    line "peak resident memory (kB)" "$gp" "$bp" "$extra_mb" "-" "shared fonts and libraries count"
    line "  GNOME Mines' peak resident memory (kB)" "$mp" "-" "-" "-" "for comparison"
    line "phase period over $PHASES phases (s)" "$gph" "$bph" "$period_dev" "1.700 s within 1 %" \
        "$(verdict "$(awk -v a="$gph" 'BEGIN { d = a / 1.7 - 1; print (d <= 0.01 && d >= -0.01) }')")"
    echo
    echo "Every run (ms, kB, s):"
    local f
    for f in game.start base.start game.map gfx.map game.key base.key game.cpu base.cpu game.peak base.peak \
             game.own base.own mines.own mines.peak game.period base.period; do
        [[ -e $E2E_TMP/results.$f ]] && printf '  %-12s %s\n' "$f" "$(paste -sd' ' "$E2E_TMP/results.$f")"
    done
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
run_square
RESULTS_OFF=
rm -f "$E2E_TMP"/results.*
for (( round = 1; round <= ROUNDS; round++ )); do
    echo "round $round of $ROUNDS" >&2
    run_game
    run_bar
    run_game_graphics
    run_square
    run_mines
done
[[ -n $MINES ]] || echo "GNOME Mines is not installed (scripts/setup-debian.sh --bench): left out" >&2
report

echo
if command -v valgrind >/dev/null; then
    source "$HERE/instructions.sh"
    instructions_at_rest "$BUILD" 20 "$E2E_TMP" || echo "the instruction count failed" >&2
else
    echo "valgrind is not installed (scripts/setup-debian.sh --bench): no instruction count at rest"
fi

echo
echo "Micro-benchmarks of the rules (median CPU time of 5 repetitions; targets: enemy phase < 5 us, arrow key < 2 us):"
"$LOGIC" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true --benchmark_min_time=0.3 2>/dev/null \
    | awk '/_median/ { printf "  %-40s %12s %s\n", $1, $4, $5 }'
