#!/usr/bin/env bash
# Instructions at rest, a figure that a busy machine does not move: the
# game on its map and the bare window with its bar (baseline_bar) each run
# under callgrind on a private X server; once the window is up and has
# settled, the count runs for SECONDS and is divided by the enemy clock's
# ticks in that time (the calls of the timer's slot), which callgrind counts
# as well. Prints instructions per tick for both and their ratio, and
# leaves the profiles (callgrind.game, callgrind.base) in OUT_FOLDER for
# callgrind_annotate.
#
#   bench/instructions.sh BUILD_FOLDER [SECONDS] [OUT_FOLDER]
#
# Needs valgrind (scripts/setup-debian.sh --bench); sourced by run.sh,
# which skips it when valgrind is missing.

set -uo pipefail

instructions_usage()
{
    echo "usage: $0 BUILD_FOLDER [SECONDS] [OUT_FOLDER]" >&2
    exit 2
}

# callgrind_ticks FILE SLOT: the calls of SLOT recorded in the profile.
callgrind_ticks()
{
    awk -v slot="$2" '/^cfn=/ { here = index($0, slot) > 0 } /^calls=/ && here { split($1, c, "="); n += c[2] }
                      END { print n + 0 }' "$1"
}

callgrind_total()
{
    awk '/^totals:/ { print $2; exit }' "$1"
}

# count_at_rest NAME FOLDER PROGRAM KEY SECONDS OUT: runs PROGRAM from
# FOLDER under callgrind, presses KEY in its first window (none: "-"),
# waits for the window it then shows, and counts SECONDS of rest.
count_at_rest()
{
    local name=$1 folder=$2 program=$3 key=$4 seconds=$5 out=$6 pid deadline win
    mkdir -p "$E2E_TMP/home" "$E2E_TMP/runtime"
    chmod 700 "$E2E_TMP/runtime"
    (cd "$folder" && exec env -i PATH=/usr/bin:/bin HOME="$E2E_TMP/home" DISPLAY="$DISPLAY" \
        XDG_RUNTIME_DIR="$E2E_TMP/runtime" LC_ALL=C.UTF-8 TZ=UTC QT_QPA_PLATFORM=xcb QT_ACCESSIBILITY=0 \
        NO_AT_BRIDGE=1 valgrind --tool=callgrind --instr-atstart=no --compress-strings=no --compress-pos=no \
        --callgrind-out-file="$out" "$folder/$program") >"$folder/valgrind.log" 2>&1 &
    pid=$!
    deadline=$(( $(now_ms) + 180000 ))
    until win=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1) && [[ -n $win ]]; do
        (( $(now_ms) < deadline )) || { kill "$pid"; echo "$name: no window under callgrind" >&2; return 1; }
        sleep 0.5
    done
    if [[ $key != - ]]; then
        sleep 5
        xdotool key --window "$win" "$key"
        deadline=$(( $(now_ms) + 180000 ))
        until [[ $(xdotool search --onlyvisible --pid "$pid" --name '^Chromaland$' 2>/dev/null | wc -l) -ge 1 ]] \
              && xwininfo -id "$(xdotool search --onlyvisible --pid "$pid" --name '^Chromaland$' | tail -n 1)" \
                 | grep -q 'Width: 583'; do
            (( $(now_ms) < deadline )) || { kill "$pid"; echo "$name: no map under callgrind" >&2; return 1; }
            sleep 0.5
        done
    fi
    # Start-up's caches and first paints are over by now.
    sleep 10
    callgrind_control -i on "$pid" >/dev/null 2>&1 || { kill "$pid"; echo "$name: callgrind_control failed" >&2; return 1; }
    sleep "$seconds"
    callgrind_control -i off "$pid" >/dev/null 2>&1
    callgrind_control -d "$pid" >/dev/null 2>&1
    kill "$pid"
    wait "$pid" 2>/dev/null
    # The dump made on request is the one of the rest.
    mv "$(ls -t "$out".* 2>/dev/null | head -n 1)" "$out" 2>/dev/null
    rm -f "$out".*
}

# instructions_at_rest BUILD SECONDS OUT: prints the figures.
instructions_at_rest()
{
    local build=$1 seconds=$2 out=$3 gf bf gi bi gt bt
    mkdir -p "$out"
    gf=$(mktemp -d "$E2E_TMP/cg.XXXXXX")
    cp "$build/chromaland" "$gf/"
    write_character "$gf/Character.chx" "${DEFAULT_CHARACTER[@]}"
    bf=$(mktemp -d "$E2E_TMP/cg.XXXXXX")
    cp "$build/bench/baseline_bar" "$bf/"
    count_at_rest game "$gf" chromaland p "$seconds" "$out/callgrind.game" || return 1
    count_at_rest base "$bf" baseline_bar - "$seconds" "$out/callgrind.base" || return 1
    gi=$(callgrind_total "$out/callgrind.game") gt=$(callgrind_ticks "$out/callgrind.game" Timer1_Timer)
    bi=$(callgrind_total "$out/callgrind.base") bt=$(callgrind_ticks "$out/callgrind.base" BaselineWindow::tick)
    (( gt > 0 && bt > 0 )) || { echo "no ticks counted (game $gt, baseline $bt)" >&2; return 1; }
    awk -v gi="$gi" -v gt="$gt" -v bi="$bi" -v bt="$bt" 'BEGIN {
        g = gi / gt; b = bi / bt
        printf "Instructions at rest per clock tick (callgrind): game %.0f (%d ticks), bare window %.0f (%d ticks), ratio %.3f\n", g, gt, b, bt, g / b }'
}

if [[ ${BASH_SOURCE[0]} == "$0" ]]; then
    [[ $# -ge 1 && -d $1 ]] || instructions_usage
    command -v valgrind >/dev/null || { echo "missing valgrind (scripts/setup-debian.sh --bench installs it)" >&2; exit 2; }
    BUILD=$(cd "$1" && pwd)
    OUT=${3:-$PWD}
    E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/chromaland-instructions.XXXXXX")
    source "$(dirname "${BASH_SOURCE[0]}")/../tests/e2e/lib.sh"
    trap 'x_stop; rm -rf "$E2E_TMP"' EXIT
    x_start || exit 1
    instructions_at_rest "$BUILD" "${2:-20}" "$OUT"
fi
