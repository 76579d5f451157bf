#!/usr/bin/env bash
# End-to-end tests of Chromaland: the real program, started as a process of
# its own in a fresh folder under a private X server, played with the
# keyboard and closed through the window manager; what it leaves on disk is
# checked afterwards.
#
#   run.sh PATH/TO/chromaland [SCENARIO...]
#
# Without scenarios, or with "all", every scenario runs. Needs Xvfb, openbox,
# xdotool, wmctrl and x11-utils (xprop, xwininfo); the Wayland scenarios
# also need weston, Qt's Wayland plugin (qt6-wayland) and imagemagick, the
# pip set's scenario imagemagick.

set -uo pipefail

if [[ $# -lt 1 || ! -x $1 ]]; then
    echo "usage: $0 PATH/TO/chromaland [SCENARIO...|all]" >&2
    exit 2
fi
E2E_EXE=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
shift

source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

for tool in Xvfb openbox xdotool wmctrl xprop xwininfo; do
    command -v "$tool" >/dev/null || { echo "missing tool: $tool (scripts/setup-debian.sh installs it)" >&2; exit 2; }
done

# A walk onto an enemy has to be over before the enemies' first step and
# the first healing in the bottom row, 100 ticks of 17 ms after the map's
# start-up. A walk that ends later than WALK_DEADLINE_MS after the map was
# seen may have met a moved enemy or a healed character, so it does not
# count: the scenario starts the game once more from scratch.
WALK_ATTEMPTS=4
WALK_DEADLINE_MS=1200

# --- Shared steps ----------------------------------------------------------

# start_to_map PROGRAM_FOLDER WORKING_FOLDER TITLE_KEY
# Starts the game, presses the key on the title window and waits for the
# map; the character file in the folder must load without any message.
start_to_map()
{
    app_start "$1" "$2"
    await_window title 20 TITLE_WIN
    keys "$TITLE_WIN" "$3"
    await_window "map box" 15 MAP_WIN
    [[ $WIN_KIND == map ]] || fail "a message box appeared instead of the map: the character file should have loaded"
    MAP_SHOWN_MS=$(now_ms)
}

# meet_enemy 0|20: walks from the start square onto enemy 0 (21 squares up)
# or enemy 20 (one up, 20 right) at once. Returns 0 with BATTLE_WIN set when
# the battle window opened in time, 1 when it did not (an enemy moved first,
# or the walk was too slow to be sure that none had).
meet_enemy()
{
    local -a path=()
    local i took
    if [[ $1 == 0 ]]; then
        for i in {1..21}; do path+=(Up); done
    else
        path=(Up)
        for i in {1..20}; do path+=(Right); done
    fi
    keys "$MAP_WIN" "${path[@]}"
    took=$(( $(now_ms) - MAP_SHOWN_MS ))
    e2e_log "walked ${#path[@]} squares towards enemy $1, done $took ms after the map showed"
    if (( took > WALK_DEADLINE_MS )); then
        e2e_log "that is later than $WALK_DEADLINE_MS ms: the enemies may have moved already"
        return 1
    fi
    find_window battle 4 BATTLE_WIN
}

# play_to_battle TARGET TITLE_KEY SETUP_FUNCTION [SEPARATE_WORKING_FOLDER]
# Prepares a fresh program folder with SETUP_FUNCTION FOLDER, starts the
# game and walks onto the enemy; starts over when an enemy moved first.
# Sets PROGRAM_FOLDER, WORKING_FOLDER and BATTLE_WIN.
play_to_battle()
{
    local target=$1 key=$2 setup=$3 separate=${4:-} attempt
    for (( attempt = 1; attempt <= WALK_ATTEMPTS; attempt++ )); do
        PROGRAM_FOLDER=$(new_folder program)
        WORKING_FOLDER=$PROGRAM_FOLDER
        [[ -n $separate ]] && WORKING_FOLDER=$(new_folder working)
        "$setup" "$PROGRAM_FOLDER"
        start_to_map "$PROGRAM_FOLDER" "$WORKING_FOLDER" "$key"
        if meet_enemy "$target"; then
            e2e_log "the battle window is open (attempt $attempt)"
            return 0
        fi
        e2e_log "attempt $attempt: no battle in time with enemy $target; starting again"
        app_kill
    done
    fail "no battle window in time after $WALK_ATTEMPTS walks onto enemy $target (see the log above: too slow, or the enemy had moved)"
}

# close_map_and_wait: closes the map through the window manager; the game
# must save and end with exit code 0.
close_map_and_wait()
{
    close_and_wait "$MAP_WIN" 15
    [[ $APP_RC == 0 ]] || fail "closing the map window ended the game with exit code $APP_RC, expected 0"
}

# --- Scenarios -------------------------------------------------------------

# play_in_language LANGUAGE PREFIX: a first start in the language
# (LANGUAGE, as a desktop sets it; empty for English): the missing-file
# box, the map, a walk onto enemy 20 and a retreat, a close. Pictures of
# the box, the map and the battle go to PREFIX-box.png and so on; the saved
# file is PREFIX-Character.chx.
play_in_language()
{
    local language=$1 prefix=$2 attempt folder
    APP_ENV=(${language:+LANGUAGE=$language})
    BATTLE_TITLE="Battle Control"
    if [[ -n $language ]]; then
        BATTLE_TITLE=$(translation_of "$language" frmBattleControl "Battle Control")
        [[ -n $BATTLE_TITLE ]] || fail "no translation of the battle window's title in the $language catalogue"
    fi
    for (( attempt = 1; attempt <= WALK_ATTEMPTS; attempt++ )); do
        folder=$(new_folder "first-${language:-en}")
        app_start "$folder"
        await_window title 20 TITLE_WIN
        keys "$TITLE_WIN" x
        await_window "box map" 15 BOX_WIN
        [[ $WIN_KIND == box ]] || fail "the map opened without the message that the character file is missing"
        window_shot "$BOX_WIN" "$prefix-box.png"
        keys "$BOX_WIN" Return
        await_window map 15 MAP_WIN
        MAP_SHOWN_MS=$(now_ms)
        expect_size "$MAP_WIN" 583x495 "the map window"
        if meet_enemy 20; then
            break
        fi
        app_kill
    done
    [[ -n ${BATTLE_WIN:-} ]] || fail "no battle window in time after $WALK_ATTEMPTS walks onto enemy 20"
    # Only the texts change: every window keeps its size.
    expect_size "$BATTLE_WIN" 491x393 "the battle window"
    window_shot "$MAP_WIN" "$prefix-map.png"
    window_shot "$BATTLE_WIN" "$prefix-battle.png"
    keys "$BATTLE_WIN" alt+r
    await_hidden "$BATTLE_WIN" 5 "the battle window (after Alt+R, Retreat)"
    close_map_and_wait
    cp "$folder/Character.chx" "$prefix-Character.chx"
}

# expect_pictures_differ A B CROP WHAT: the part CROP (WxH+X+Y) of the two
# pictures is not the same; the parts chosen hold texts and nothing that
# moves on its own.
expect_pictures_differ()
{
    local differing a=$E2E_TMP/part-a.png b=$E2E_TMP/part-b.png
    convert "$1" -crop "$3" +repage "$a" && convert "$2" -crop "$3" +repage "$b" \
        || fail "could not cut $3 out of the pictures of $4"
    differing=$(compare -metric AE "$a" "$b" null: 2>&1 >/dev/null)
    [[ $differing =~ ^[0-9]+$ ]] || fail "could not compare the pictures of $4: $differing"
    (( differing > 0 )) || fail "$4 looks exactly as it does in English"
    e2e_log "$4: $differing pixels differ from English"
}

# The game in another language, as a desktop that speaks it starts it: the
# texts of the box, the map and the battle are that language's (the
# battle's title is its catalogue's, the windows differ from English in
# their texts, and keep their sizes); the file it saves is the very file
# an English game saves, but for the time it was saved.
scenario_language()
{
    local language=$1 english=$E2E_TMP/en translated=$E2E_TMP/$1
    play_in_language "" "$english"
    play_in_language "$language" "$translated"
    # The whole box; the map's statistics; the battle's buttons and
    # instructions.
    expect_pictures_differ "$english-box.png" "$translated-box.png" 100%x100%+0+0 "the missing-file box in $language"
    expect_pictures_differ "$english-map.png" "$translated-map.png" 193x185+8+24 "the map's statistics in $language"
    expect_pictures_differ "$english-battle.png" "$translated-battle.png" 473x361+8+24 "the battle's texts in $language"
    cmp -s <(head -n 15 "$english-Character.chx") <(head -n 15 "$translated-Character.chx") \
        || fail "the character saved in $language differs from the one saved in English"
    expect_saved "$translated-Character.chx" "${DEFAULT_CHARACTER[@]}"
}

scenario_language_de()
{
    scenario_language de
}

# Arabic reads right to left inside the controls; the map, the arrow keys
# (the walk above goes up and right) and the windows stay as they are.
scenario_language_ar()
{
    scenario_language ar
}

# First start in an empty folder: title, the missing-file message, the map;
# closing the map leaves the default character with its "Saved: " line.
scenario_first_start()
{
    local folder
    folder=$(new_folder first)
    app_start "$folder"

    await_window title 20 TITLE_WIN
    expect_size "$TITLE_WIN" 576x340 "the title window"
    window_geometry "$TITLE_WIN"
    local cx=$(( (SCREEN_W - 576) / 2 )) cy=$(( (SCREEN_H - 340) / 2 ))
    (( WX >= cx - 2 && WX <= cx + 2 && WY >= cy - 2 && WY <= cy + 2 )) \
        || fail "the title window stands at $WX,$WY; centred on the ${SCREEN_W}x${SCREEN_H} screen it would be at $cx,$cy"
    expect_entries "$folder" chromaland

    # Keys that produce no character do not start the game.
    keys "$TITLE_WIN" Left F2 Shift_L Control_L
    none_shown "box map" 1 "a key without a character must not start the game"
    window_shown "$TITLE_WIN" || fail "the title window went away after keys without a character"

    keys "$TITLE_WIN" x
    await_window "box map" 15 BOX_WIN
    [[ $WIN_KIND == box ]] || fail "the map opened without the message that the character file is missing"
    # The title stays up behind the message, and nothing is written before
    # the player has seen it.
    window_shown "$TITLE_WIN" || fail "the title window went away while the missing-file message was up"
    expect_entries "$folder" chromaland

    keys "$BOX_WIN" Return
    await_window map 15 MAP_WIN
    expect_size "$MAP_WIN" 583x495 "the map window"
    await_hidden "$TITLE_WIN" 5 "the title window (after the map opened)"
    # The new character is on disk as soon as the map is up.
    expect_exact "$folder/Character.chx" "${DEFAULT_CHARACTER[@]}"

    close_map_and_wait
    expect_saved "$folder/Character.chx" "${DEFAULT_CHARACTER[@]}"
    expect_entries "$folder" chromaland Character.chx
}

# A hand-written character file loads as written and is saved back in
# normal form: only key lengths count, points and levels are whole numbers.
scenario_crafted_file()
{
    local folder
    folder=$(new_folder crafted)
    write_character "$folder/Character.chx" \
        XX=7 DX=12 WS=12abc HPc=15 HPm=15 MPc=17 MPm=17 pts=2.9 \
        V=2.5 I=3 B=4 G=5 Y=6 O=7 R=18 "Saved: long ago" "trailing junk"
    cp "$folder/Character.chx" "$E2E_TMP/crafted.original"

    start_to_map "$folder" "$folder" space
    # Loading reads the file and leaves it alone.
    cmp -s "$folder/Character.chx" "$E2E_TMP/crafted.original" || fail "starting the game changed the character file"

    close_map_and_wait
    expect_saved "$folder/Character.chx" \
        ST=7 DX=12 WS=12abc HPc=15 HPm=15 MPc=17 MPm=17 pts=2 \
        V=2 I=3 B=4 G=5 Y=6 O=7 R=18
    expect_entries "$folder" chromaland Character.chx
}

# A healer who cannot be hit in practice: Dexterity 30000 makes the enemy's
# roll lose nearly always; 900 health are missing and Wisdom caps a heal at
# 200.
retreat_character()
{
    write_character "$1/Character.chx" \
        ST=10 DX=30000 WS=200 HPc=100 HPm=1000 MPc=300 MPm=300 pts=0 \
        V=1 I=1 B=1 G=1 Y=1 O=1 R=1
}

# Meeting an enemy opens the battle window, which neither Escape nor the
# window manager's close can end; a heal and a retreat bring the battle's
# health and magic back to the map, and so into the saved file.
scenario_battle_retreat()
{
    play_to_battle 20 Return retreat_character

    expect_size "$BATTLE_WIN" 491x393 "the battle window"
    [[ $(window_transient_for "$BATTLE_WIN") == "$MAP_WIN" ]] \
        || fail "the battle window does not belong to the map window (WM_TRANSIENT_FOR is $(window_transient_for "$BATTLE_WIN"))"
    # Centred on the map, frame on frame: the title bars the window manager
    # adds count on both windows.
    local mx my bx by
    window_frame_geometry "$MAP_WIN"
    (( FH > WH )) || fail "the window manager put no title bar on the map window"
    mx=$(( 2 * FX + FW )) my=$(( 2 * FY + FH ))
    window_frame_geometry "$BATTLE_WIN"
    bx=$(( 2 * FX + FW )) by=$(( 2 * FY + FH ))
    # Twice the centres, so that an odd size may differ by one.
    (( bx - mx <= 2 && mx - bx <= 2 && by - my <= 2 && my - by <= 2 )) \
        || fail "the battle window's frame is centred at $(( bx / 2 )),$(( by / 2 )), the map window's at $(( mx / 2 )),$(( my / 2 )): it should open centred on the map"
    ! window_wants_close_button "$BATTLE_WIN" \
        || fail "the battle window asks for a close button ($(xprop -id "$BATTLE_WIN" _MOTIF_WM_HINTS))"

    keys "$BATTLE_WIN" Escape
    stays_shown "$BATTLE_WIN" 1 "the battle window (after Escape)"
    wm_close "$BATTLE_WIN"
    stays_shown "$BATTLE_WIN" 1 "the battle window (after the window manager's close)"
    window_shown "$MAP_WIN" || fail "the map window went away during the battle"

    keys "$BATTLE_WIN" alt+h
    keys "$BATTLE_WIN" alt+r
    await_hidden "$BATTLE_WIN" 5 "the battle window (after Alt+R, Retreat)"
    window_shown "$MAP_WIN" || fail "the map window is gone after the retreat"

    close_map_and_wait
    local file=$PROGRAM_FOLDER/Character.chx
    # The heal is the smallest of the missing 900, the 300 magic and Wisdom
    # 200: 100 + 200 = 300 health, 300 - 200 = 100 magic. The enemy's answer
    # (enemy 20, strength 8 to 12) takes off at most 5 if it hits at all.
    expect_value_between "$file" HPc 295 300 "after healing 200 from 100 (and at most one enemy hit)"
    expect_saved "$file" \
        ST=10 DX=30000 WS=200 "HPc=$VALUE" HPm=1000 MPc=100 MPm=300 pts=0 \
        V=1 I=1 B=1 G=1 Y=1 O=1 R=1
}

# open_help ID WHAT: F1 on the window opens the help over it, and while it
# is up the window under it stays; Escape closes the help and gives the
# keyboard back to the window, without a click. Sets
# HELP_WIN, and HELP_MS to how long the help was up.
open_help()
{
    local opened
    keys "$1" F1
    opened=$(now_ms)
    await_window help 5 HELP_WIN
    window_shown "$1" || fail "$2 went away when the help opened"
    [[ $(window_transient_for "$HELP_WIN") == "$1" ]] \
        || fail "the help does not belong to $2 (WM_TRANSIENT_FOR is $(window_transient_for "$HELP_WIN"))"
    window_geometry "$HELP_WIN"
    (( WX >= 0 && WY >= 0 && WX + WW <= SCREEN_W && WY + WH <= SCREEN_H )) \
        || fail "the help (${WW}x${WH} at $WX,$WY) does not fit the ${SCREEN_W}x${SCREEN_H} screen"
    keys "$HELP_WIN" Escape
    await_hidden "$HELP_WIN" 5 "the help (after Escape)"
    HELP_MS=$(( $(now_ms) - opened ))
    local deadline=$(( $(now_ms) + 3000 ))
    while [[ $(xdotool getwindowfocus 2>/dev/null) != "$1" ]]; do
        (( $(now_ms) < deadline )) || fail "$2 did not get the keyboard back when the help closed"
        sleep 0.05
    done
}

# F1 opens the help on the title (without starting the game), on the map
# and in a battle; Escape closes it, and the arrows move the player at
# once. The enemy clock stands still while the help is up, so the walk's
# time counts without it.
scenario_help()
{
    local attempt
    for (( attempt = 1; attempt <= WALK_ATTEMPTS; attempt++ )); do
        PROGRAM_FOLDER=$(new_folder program)
        retreat_character "$PROGRAM_FOLDER"
        app_start "$PROGRAM_FOLDER"
        await_window title 20 TITLE_WIN
        open_help "$TITLE_WIN" "the title window"
        none_shown "box map" 1 "F1 must not start the game"

        keys "$TITLE_WIN" Return
        await_window map 15 MAP_WIN
        # The title's window, going, may read as a map for a moment.
        await_hidden "$TITLE_WIN" 5 "the title window (after the map opened)"
        await_window map 5 MAP_WIN
        MAP_SHOWN_MS=$(now_ms)
        open_help "$MAP_WIN" "the map window"
        window_shot "$MAP_WIN" "$E2E_TMP/help-map.png"
        MAP_SHOWN_MS=$(( MAP_SHOWN_MS + HELP_MS ))
        if meet_enemy 20; then
            break
        fi
        e2e_log "attempt $attempt: no battle in time with enemy 20; starting again"
        app_kill
    done
    [[ -n ${BATTLE_WIN:-} ]] || fail "no battle window in time after $WALK_ATTEMPTS walks onto enemy 20"

    open_help "$BATTLE_WIN" "the battle window"
    keys "$BATTLE_WIN" alt+r
    await_hidden "$BATTLE_WIN" 5 "the battle window (after Alt+R, Retreat)"
    close_map_and_wait
}

# Strength and Dexterity 1000 beat a violet enemy (health 44 to 52) in a
# few blows; the violet bar stands at 17, one below the wrap.
winner_character()
{
    write_character "$1/Character.chx" \
        ST=1000 DX=1000 WS=10 HPc=1000 HPm=1000 MPc=10 MPm=10 pts=0 \
        V=17 I=1 B=1 G=1 Y=1 O=1 R=1
}

# A kill, then Retreat: the violet bar grows to 18 (full, but it wraps only
# on the next win, so no points yet).
scenario_battle_win()
{
    play_to_battle 0 1 winner_character

    # Once the enemy is dead Attack is gone and further presses do nothing;
    # eight blows make the kill certain.
    local i
    for i in {1..8}; do
        keys "$BATTLE_WIN" alt+a
    done
    window_shown "$BATTLE_WIN" || fail "the battle window closed during the attacks"
    keys "$BATTLE_WIN" alt+r
    await_hidden "$BATTLE_WIN" 5 "the battle window (after Alt+R, Retreat)"

    close_map_and_wait
    local file=$PROGRAM_FOLDER/Character.chx
    # Enemy 0 (strength 48 to 52) hits for at most 25, in at most 8 turns.
    expect_value_between "$file" HPc 800 1000 "after the win over enemy 0"
    expect_saved "$file" \
        ST=1000 DX=1000 WS=10 "HPc=$VALUE" HPm=1000 MPc=10 MPm=10 pts=0 \
        V=18 I=1 B=1 G=1 Y=1 O=1 R=1
}

# No chance at all: Dexterity 1 never hits, and the enemy's first blow of 1
# or more ends the one point of health.
loser_character()
{
    write_character "$1/Character.chx" \
        ST=1 DX=1 WS=1 HPc=1 HPm=1 MPc=0 MPm=0 pts=0 \
        V=1 I=1 B=1 G=1 Y=1 O=1 R=1
}

# Death: "You have died.", then the character is saved and moved to a
# time-stamped archive in the working folder, and the game ends. The game
# is started from another folder than its own to tell the two apart.
scenario_battle_death()
{
    play_to_battle 0 BackSpace loser_character separate
    cp "$PROGRAM_FOLDER/Character.chx" "$E2E_TMP/loser.original"
    local before after i
    before=$(date +%s)

    attack_until_death_box
    e2e_log "the death message is up after $ATTACKS attack(s)"
    [[ $(window_transient_for "$BOX_WIN") == "$BATTLE_WIN" ]] \
        || fail "the death message does not belong to the battle window"
    # Nothing is saved before the player has seen the message.
    cmp -s "$PROGRAM_FOLDER/Character.chx" "$E2E_TMP/loser.original" \
        || fail "the character file changed before the death message was answered"

    keys "$BOX_WIN" Return
    app_wait_exit 15
    after=$(date +%s)
    [[ $APP_RC == 0 ]] || fail "the game ended with exit code $APP_RC after the death, expected 0"

    expect_entries "$PROGRAM_FOLDER" chromaland
    local archives=("$WORKING_FOLDER"/Dead_*.txt)
    [[ ${#archives[@]} == 1 && -f ${archives[0]} ]] \
        || fail "expected one Dead_*.txt archive in the working folder, found: $(ls -A "$WORKING_FOLDER")"
    expect_entries "$WORKING_FOLDER" "$(basename "${archives[0]}")"

    local name
    name=$(basename "${archives[0]}")
    [[ $name =~ ^Dead_([0-9]{2})\.([0-9]{2})\.([0-9]{2})_([0-9]{2})\.([0-9]{2})\.([0-9]{4})\.txt$ ]] \
        || fail "the archive is named $name, expected Dead_hh.mm.ss_dd.mm.yyyy.txt"
    local m=("${BASH_REMATCH[@]}") stamp
    stamp=$(TZ=${TZ:-UTC} date -d "${m[6]}-${m[5]}-${m[4]} ${m[1]}:${m[2]}:${m[3]}" +%s 2>/dev/null) \
        || fail "the archive name $name holds no valid date and time"
    (( stamp >= before - 1 && stamp <= after + 1 )) \
        || fail "the archive name $name gives $(date -d "@$stamp"), not the moment of death (between $(date -d "@$before" +%T) and $(date -d "@$after" +%T))"

    # Dead is below 1; one blow of enemy 0 (strength 48 to 52) takes at most 25.
    expect_value_between "${archives[0]}" HPc -24 0 "of the dead character"
    expect_saved "${archives[0]}" \
        ST=1 DX=1 WS=1 "HPc=$VALUE" HPm=1 MPc=0 MPm=0 pts=0 \
        V=1 I=1 B=1 G=1 Y=1 O=1 R=1
}

# damaged_start NAME TITLE_KEY LINE...: a character file the game cannot
# load ends the start-up with a message; after it the game ends with exit
# code 1 and leaves the file exactly as it was.
damaged_start()
{
    local name=$1 key=$2 folder
    shift 2
    folder=$(new_folder "$name")
    write_character "$folder/Character.chx" "$@"
    cp "$folder/Character.chx" "$E2E_TMP/$name.original"

    app_start "$folder"
    await_window title 20 TITLE_WIN
    keys "$TITLE_WIN" "$key"
    await_window "box map" 15 BOX_WIN
    [[ $WIN_KIND == box ]] || fail "$name: the map opened although the character file is damaged"
    window_shown "$TITLE_WIN" || fail "$name: the title window went away behind the error message"
    keys "$BOX_WIN" Return
    app_wait_exit 15
    [[ $APP_RC == 1 ]] || fail "$name: the game ended with exit code $APP_RC after the error message, expected 1"
    cmp -s "$folder/Character.chx" "$E2E_TMP/$name.original" || {
        show_file "$folder/Character.chx" >&2
        fail "$name: the damaged character file was changed"
    }
    expect_entries "$folder" chromaland Character.chx
}

scenario_damaged_file()
{
    # Fourteen of the fifteen lines.
    damaged_start short Escape "${DEFAULT_CHARACTER[@]:0:14}"
    # Points that are not a number.
    damaged_start points 5 "${DEFAULT_CHARACTER[@]:0:7}" pts=abc "${DEFAULT_CHARACTER[@]:8}"
}

# The map's interior in the map window: the map box stands at 216,32 and
# its sunken border is two pixels wide.
MAP_INSIDE=(218 34)

# map_squares SHOT OUT LEFT,TOP...: the 16 x 16 squares at these map
# positions in a picture of the map window, side by side in one picture.
map_squares()
{
    local shot=$1 out=$2 p
    shift 2
    local -a crops=()
    for p in "$@"; do
        crops+=('(' mpr:shot -crop "16x16+$(( MAP_INSIDE[0] + ${p%,*} ))+$(( MAP_INSIDE[1] + ${p#*,} ))" +repage ')')
    done
    convert "$shot" -write mpr:shot +delete "${crops[@]}" +append "$out" || fail "convert could not cut squares from $shot"
}

# shows_pictures SQUARES_PICTURE EXPECTED_PICTURE: whether a picture of the
# map window shows the expected squares exactly; PIXELS_APART says how many
# pixels differ.
shows_pictures()
{
    import -window "$MAP_WIN" "$E2E_TMP/map.png" 2>/dev/null || fail "import could not take a picture of the map window"
    map_squares "$E2E_TMP/map.png" "$1" "${SQUARES[@]}"
    PIXELS_APART=$(compare -metric AE "$1" "$2" null: 2>&1)
    [[ $PIXELS_APART == 0 ]]
}

# The pip set that the build paints beside the program, copied into the
# Graphics folder as a player would: right after start-up every enemy
# shows its own picture on its start square and the player the healing
# picture in the healing row, pixel for pixel; one square up, the player
# shows Player.bmp.
scenario_pip_pictures()
{
    local pips attempt i folder shown=
    pips=$(dirname "$E2E_EXE")/pips
    [[ -f $pips/Enemy_20.bmp ]] || fail "no pip set in $pips: building the game paints it there"
    for tool in import convert compare; do
        command -v "$tool" >/dev/null || fail "missing tool: $tool (scripts/setup-debian.sh --tests installs it)"
    done
    local -a pictures=()
    SQUARES=()
    for i in {0..20}; do
        SQUARES+=("$(( 8 + 16 * i )),$(( 8 + 16 * i ))")
        pictures+=("$pips/Enemy_$i.bmp")
    done
    SQUARES+=(8,344)
    pictures+=("$pips/Player_Healing.bmp")
    convert "${pictures[@]}" +append "$E2E_TMP/start-expected.png" || fail "convert could not read the pip set"

    # The first pictures may come before the map is drawn; after the
    # enemies' first step they can no longer match.
    for (( attempt = 1; attempt <= WALK_ATTEMPTS; attempt++ )); do
        folder=$(new_folder pips)
        mkdir "$folder/Graphics" && cp "$pips"/*.bmp "$folder/Graphics/" || fail "could not copy the pip set"
        write_character "$folder/Character.chx" "${DEFAULT_CHARACTER[@]}"
        start_to_map "$folder" "$folder" space
        while (( $(now_ms) - MAP_SHOWN_MS < WALK_DEADLINE_MS )); do
            if shows_pictures "$E2E_TMP/start-shown.png" "$E2E_TMP/start-expected.png"; then
                shown=yes
                break
            fi
        done
        [[ -n $shown ]] && break
        e2e_log "attempt $attempt: $PIXELS_APART pixels differ from the pip set; starting again"
        app_kill
    done
    [[ -n $shown ]] || fail "the map never showed the pip set on the start squares: $PIXELS_APART pixels differ" \
        "(shown: $E2E_TMP/start-shown.png, expected: $E2E_TMP/start-expected.png, left to right enemies 0 to 20, then the player)"

    keys "$MAP_WIN" Up
    SQUARES=(8,328)
    local deadline=$(( $(now_ms) + 5000 ))
    until shows_pictures "$E2E_TMP/up-shown.png" "$pips/Player.bmp"; do
        (( $(now_ms) < deadline )) || fail "one square up, the player does not show Player.bmp: $PIXELS_APART pixels differ ($E2E_TMP/up-shown.png)"
    done
    close_map_and_wait
}

# At rest on the map the enemy clock's ticks send the X server what they
# draw and wait for nothing: no reply is read while nothing else happens.
# A tick that waited for the server to read its last picture (a round trip
# of its own, 59 a second) would show here as one read a tick (strace).
# And the start does not wait for the system's fonts: they are read on a
# thread of their own while the title is built and mapped.
scenario_at_rest()
{
    local folder reads reader ticks=$(( REST_TRACE_SECONDS * 1000 / 17 ))
    command -v strace >/dev/null || fail "missing strace (scripts/setup-debian.sh --tests installs it)"
    folder=$(new_folder rest)
    write_character "$folder/Character.chx" "${DEFAULT_CHARACTER[@]}"
    # Qt names each font it reads, here with the thread that reads it.
    local -a APP_ENV=(QT_LOGGING_RULES=qt.text.font.db.debug=true "QT_MESSAGE_PATTERN=%{threadid} %{message}")
    start_to_map "$folder" "$folder" space
    reader=$(awk '/ Adding font: / { print $1; exit }' "$APP_LOG")
    [[ -n $reader ]] || fail "the game's output names no font read: $(head -n 3 "$APP_LOG")"
    [[ $reader != "$APP_PID" ]] || fail "the fonts were read on the user-interface thread, which the title's first picture then waits for"
    sleep 1
    timeout -s INT "$REST_TRACE_SECONDS" strace -c -f -p "$APP_PID" -o "$E2E_TMP/rest.strace" 2>"$E2E_TMP/strace.err"
    [[ -s $E2E_TMP/rest.strace ]] || fail "strace could not watch the game: $(cat "$E2E_TMP/strace.err")"
    reads=$(awk '$NF == "recvmsg" { print $4 }' "$E2E_TMP/rest.strace")
    e2e_log "at rest over $REST_TRACE_SECONDS s (about $ticks ticks): ${reads:-0} reads from the X server"
    (( ${reads:-0} * 4 < ticks )) \
        || fail "at rest the game read ${reads:-0} times from the X server in $REST_TRACE_SECONDS s, about $ticks ticks: a tick waits for the server"
    close_map_and_wait
}
REST_TRACE_SECONDS=3

# until_shown SHOT EXPECTED: waits, while the enemies have not yet moved,
# until the squares of SQUARES show EXPECTED.
until_shown()
{
    while (( $(now_ms) - MAP_SHOWN_MS < WALK_DEADLINE_MS )); do
        shows_pictures "$1" "$2" && return 0
    done
    return 1
}

# f2_switches FROM TO: on a map just shown, with the enemies still on their
# start squares, the squares show FROM (plain or symbols), and after F2 they
# show TO; pictures of each try are left as FROM-shown.png and TO-shown.png.
f2_switches()
{
    if until_shown "$E2E_TMP/$1-shown.png" "$E2E_TMP/$1-expected.png"; then
        keys "$MAP_WIN" F2
        until_shown "$E2E_TMP/$2-shown.png" "$E2E_TMP/$2-expected.png" && return 0
    fi
    e2e_log "attempt $attempt: $PIXELS_APART pixels differ on the start squares; starting again"
    return 1
}

# The colour symbols come with the program: with no Graphics folder, F2 on
# the map puts the pip set on every enemy and on the player at once; the
# next start shows it again, and F2 brings the plain squares back. The
# settings file says which, and nothing else is written beside the program.
# With CHROMALAND_SCREENSHOTS naming a folder, the map with the symbols is
# saved there as pips-map.png.
scenario_colour_symbols()
{
    local pips i folder attempt shown settings=$E2E_TMP/home/.config/chromaland/chromaland.conf
    pips=$(dirname "$E2E_EXE")/pips
    [[ -f $pips/Enemy_20.bmp ]] || fail "no pip set in $pips: building the game paints it there"
    for tool in import convert compare; do
        command -v "$tool" >/dev/null || fail "missing tool: $tool (scripts/setup-debian.sh --tests installs it)"
    done
    # A plain square is its symbol's corner pixel, the group's colour, all over.
    local -a symbols=() plain=()
    SQUARES=()
    for i in {0..20}; do
        SQUARES+=("$(( 8 + 16 * i )),$(( 8 + 16 * i ))")
        symbols+=("$pips/Enemy_$i.bmp")
        plain+=('(' "$pips/Enemy_$i.bmp" -crop 1x1+0+0 -scale 16x16 ')')
    done
    SQUARES+=(8,344)
    symbols+=("$pips/Player_Healing.bmp")
    plain+=(-size 16x16 xc:white)
    convert "${symbols[@]}" +append "$E2E_TMP/symbols-expected.png" || fail "convert could not read the pip set"
    convert "${plain[@]}" +append "$E2E_TMP/plain-expected.png" || fail "convert could not paint the plain squares"

    # Each check must see the enemies on their start squares; an attempt
    # too slow for that starts again with no settings.
    for (( attempt = 1; attempt <= WALK_ATTEMPTS; attempt++ )); do
        rm -rf "$E2E_TMP/home/.config/chromaland"
        folder=$(new_folder symbols)
        write_character "$folder/Character.chx" "${DEFAULT_CHARACTER[@]}"
        start_to_map "$folder" "$folder" space
        shown=
        f2_switches plain symbols && shown=yes && break
        app_kill
    done
    [[ -n $shown ]] || fail "F2 did not show the pip set on the start squares: $PIXELS_APART pixels differ" \
        "(shown: $E2E_TMP/symbols-shown.png, expected: $E2E_TMP/symbols-expected.png)"
    if [[ -n ${CHROMALAND_SCREENSHOTS:-} ]]; then
        cp "$E2E_TMP/map.png" "$CHROMALAND_SCREENSHOTS/pips-map.png" || fail "could not save the map in $CHROMALAND_SCREENSHOTS"
    fi
    close_map_and_wait
    grep -qx 'ColourSymbols=true' "$settings" || fail "the settings do not keep the symbols on: $(show_file "$settings")"
    expect_entries "$folder" Character.chx chromaland

    for (( attempt = 1; attempt <= WALK_ATTEMPTS; attempt++ )); do
        start_to_map "$folder" "$folder" space
        shown=
        f2_switches symbols plain && shown=yes && break
        app_kill
        printf '[Map]\nColourSymbols=true\n' >"$settings"
    done
    [[ -n $shown ]] || fail "a new start did not show the pip set, or F2 did not take it away: $PIXELS_APART pixels differ" \
        "(shown: $E2E_TMP/symbols-shown.png and $E2E_TMP/plain-shown.png)"
    close_map_and_wait
    grep -qx 'ColourSymbols=false' "$settings" || fail "the settings do not keep the symbols off: $(show_file "$settings")"
}

ALL_SCENARIOS=(first_start crafted_file battle_retreat battle_win battle_death damaged_file pip_pictures
               language_de language_ar help at_rest colour_symbols)

source "$(dirname "${BASH_SOURCE[0]}")/faults.sh"
ALL_SCENARIOS+=("${FAULT_SCENARIOS[@]}")
source "$(dirname "${BASH_SOURCE[0]}")/wayland.sh"
ALL_SCENARIOS+=("${WAYLAND_SCENARIOS[@]}")

source "$(dirname "${BASH_SOURCE[0]}")/screenreader.sh"
ALL_SCENARIOS+=("${SCREEN_READER_SCENARIOS[@]}")

# --- Driver ----------------------------------------------------------------

scenarios=("$@")
if [[ ${#scenarios[@]} == 0 || ${scenarios[0]} == all ]]; then
    scenarios=("${ALL_SCENARIOS[@]}")
fi
for s in "${scenarios[@]}"; do
    declare -F "scenario_$s" >/dev/null || { echo "unknown scenario: $s (known: ${ALL_SCENARIOS[*]})" >&2; exit 2; }
done

E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/chromaland-e2e.XXXXXX")
cleanup()
{
    x_stop
    if [[ ${failed:-0} == 0 ]]; then
        rm -rf "$E2E_TMP"
    else
        echo "The folders of the failed run are kept in $E2E_TMP" >&2
    fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# The Wayland scenarios start a Weston of their own; the others share one
# X server with openbox.
for s in "${scenarios[@]}"; do
    if [[ $s != wayland_* ]]; then
        x_start || { echo "FAIL: the X server or the window manager did not start" >&2; failed=1; exit 1; }
        break
    fi
done

passed=0 failed=0
for s in "${scenarios[@]}"; do
    echo "=== $s"
    start=$(now_ms)
    # Each scenario in a subshell of its own: a failure ends just that one,
    # and the game it started is ended with it.
    (
        trap 'app_kill; [[ $s == wayland_* ]] && wl_stop' EXIT
        "scenario_$s"
    )
    rc=$?
    secs=$(( ($(now_ms) - start) / 100 ))
    if [[ $rc == 0 ]]; then
        echo "PASS: $s ($((secs / 10)).$((secs % 10)) s)"
        passed=$((passed + 1))
    else
        echo "FAIL: $s ($((secs / 10)).$((secs % 10)) s)"
        failed=$((failed + 1))
    fi
done
echo "$passed passed, $failed failed"
[[ $failed == 0 ]]
