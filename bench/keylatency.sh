#!/usr/bin/env bash
# What an arrow key costs a player while a screen reader listens: the time
# from the key to the marker painted at its new square (bench/probe), for
# the game with no accessibility bus, with a client of the bus listening to
# events (screenreader.py, which takes no keys), and with Orca listening,
# which Qt's bridge hands every key and then waits for. Both cores are kept
# busy meanwhile (stress-ng --cpu 2), as on a loaded machine, unless "idle"
# is given. Prints, for each, the median, the 90th and 99th percentile and
# the longest of KEYS presses (100 unless given), and how many took longer
# than 50 and 100 ms.
#
#   bench/keylatency.sh BUILD_FOLDER [KEYS] [idle]
#
# Needs what the end-to-end and screen-reader scenarios need, the probe
# built (cmake --build BUILD_FOLDER --target chromaland probe) and stress-ng
# (scripts/setup-debian.sh --bench). Takes about a minute per 100 keys.

set -uo pipefail

if [[ $# -lt 1 || ! -d $1 ]]; then
    echo "usage: $0 BUILD_FOLDER [KEYS] [idle]" >&2
    exit 2
fi
BUILD=$(cd "$1" && pwd)
KEYS=${2:-100}
BUSY=yes
[[ ${3:-} == idle ]] && BUSY=
HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
GAME=$BUILD/chromaland
PROBE=$BUILD/bench/probe
for f in "$GAME" "$PROBE"; do
    [[ -x $f ]] || { echo "missing $f: build it first" >&2; exit 2; }
done
[[ -z $BUSY ]] || command -v stress-ng >/dev/null \
    || { echo "missing stress-ng (scripts/setup-debian.sh --bench installs it)" >&2; exit 2; }

E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/chromaland-keys.XXXXXX")
source "$HERE/../tests/e2e/lib.sh"
source "$HERE/../tests/e2e/screenreader.sh"

STRESS_PID='' LISTENER_PID='' GAME_PID=''
cleanup()
{
    [[ -n $GAME_PID ]] && kill "$GAME_PID" 2>/dev/null
    [[ -n $LISTENER_PID ]] && kill "$LISTENER_PID" 2>/dev/null
    a11y_stop
    [[ -n $STRESS_PID ]] && kill "$STRESS_PID" 2>/dev/null && wait "$STRESS_PID" 2>/dev/null
    x_stop
    rm -rf "$E2E_TMP"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# The map painted: the player's white square in the healing row, the map
# picture and the map's edge (as bench/run.sh looks for them). The keys go
# right and left along the healing row, where no enemy ever comes.
TITLE_PAINTED=(20,20=d6b6ff 550,60=fdd3a1 300,150=ffffff)
MAP_PAINTED=(234,386=ffffff 500,74=85835d 220,36=e0df9c)
SQUARE_A=234,386
SQUARE_B=250,386

# measure WHAT: starts the game with the environment in APP_ENV (the bus,
# when one runs), opens the map and times KEYS arrow keys.
measure()
{
    local folder out pid win times
    folder=$(mktemp -d "$E2E_TMP/run.XXXXXX")
    cp "$GAME" "$folder/"
    write_character "$folder/Character.chx" "${DEFAULT_CHARACTER[@]}"
    mkdir -p "$E2E_TMP/home" "$E2E_TMP/runtime"
    chmod 700 "$E2E_TMP/runtime"
    local -a run=(env -i PATH=/usr/bin:/bin HOME="$E2E_TMP/home" DISPLAY="$DISPLAY"
                  XDG_RUNTIME_DIR="$E2E_TMP/runtime" LC_ALL=C.UTF-8 TZ=UTC QT_QPA_PLATFORM=xcb
                  QT_ACCESSIBILITY=0 NO_AT_BRIDGE=1 ${APP_ENV[@]+"${APP_ENV[@]}"} "$PROBE")
    out=$(cd "$folder" && "${run[@]}" launch "$folder/output.log" 576x340 "${TITLE_PAINTED[@]}" -- "$folder/chromaland") \
        || fail "$1: the title was not painted"
    read -r pid win _ <<<"$out"
    GAME_PID=$pid
    out=$("${run[@]}" key "$pid" "$win" p 583x495 "${MAP_PAINTED[@]}") || fail "$1: the map was not painted"
    read -r win _ <<<"$out"
    sleep 0.5
    times=$E2E_TMP/times
    "${run[@]}" moves "$win" "$KEYS" "$SQUARE_A" "$SQUARE_B" ffffff each >"$times" \
        || fail "$1: the player did not move"
    kill "$GAME_PID" 2>/dev/null
    GAME_PID=''
    sort -g "$times" | awk -v what="$1" '
        { v[NR] = $1; if ($1 > 50) over50++; if ($1 > 100) over100++ }
        END {
            printf "%-34s %8.2f %8.2f %8.2f %8.2f %6d %6d\n", what, v[int((NR + 1) / 2)],
                   v[int(NR * 0.9 + 0.5)], v[int(NR * 0.99 + 0.5)], v[NR], over50, over100
        }'
    if grep -q keyEventError "$folder/output.log"; then
        echo "    Qt's bridge gave up waiting for the reader $(grep -c keyEventError "$folder/output.log") times:" \
             "$(grep -m1 keyEventError "$folder/output.log")"
    fi
}

x_start || fail "no X server"
if [[ -n $BUSY ]]; then
    stress-ng --cpu 2 >/dev/null 2>&1 &
    STRESS_PID=$!
fi
echo "$KEYS arrow keys each, ms from the key to the marker painted; $(nproc) cores$([[ -n $BUSY ]] && echo ", both kept busy by stress-ng")"
printf '%-34s %8s %8s %8s %8s %6s %6s\n' "" median 90th 99th longest ">50" ">100"

APP_ENV=()
measure "no accessibility bus"

a11y_start
/usr/bin/python3 "$READER" idle 36000 >/dev/null 2>&1 &
LISTENER_PID=$!
sleep 2
measure "a listener of events, no reader"
kill "$LISTENER_PID" 2>/dev/null
wait "$LISTENER_PID" 2>/dev/null
LISTENER_PID=''

orca_start
measure "Orca listening"
