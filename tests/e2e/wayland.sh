# shellcheck shell=bash
# Wayland scenarios of the end-to-end suite: the real game as a client of
# Weston, which runs as a window on a private Xvfb (wl_start in lib.sh).
# Keys and clicks go to Weston's window, pictures are taken of it, and
# where each window of the game stands and how large it is come from
# Weston's scene graph. Each scenario starts a Weston of its own.
#
# Sourced by run.sh, which provides the shared steps.

WAYLAND_SCENARIOS=(wayland_clock_bar wayland_maximize)

# Where Qt's own window frame puts its buttons on a Wayland window: pixels
# left of the surface's right edge, and below its top.
WL_CLOSE_BUTTON=18
WL_MAXIMIZE_BUTTON=40
WL_BUTTON_ROW=15

# The enemy clock's bar in the map window's layout, less its border.
BAR_INSIDE=(10 450 565 21)
MAP_SIZE=(583 495)

# Parts per thousand of the picture that are pure black.
black_share()
{
    convert "$1" -fill white +opaque black -colorspace gray -format '%[fx:round(1000*(1-mean))]' info:
}

# wl_size PLACE: "W H" of a place "X1 Y1 X2 Y2".
wl_size()
{
    local x1 y1 x2 y2
    read -r x1 y1 x2 y2 <<<"$1"
    echo "$(( x2 - x1 )) $(( y2 - y1 ))"
}

# wl_await_size KIND SECONDS CHANGED|SAME SIZE WHAT VAR: waits until the
# window's size differs from (CHANGED) or equals (SAME) SIZE; the game must
# survive meanwhile. Leaves the window's place in VAR.
wl_await_size()
{
    local kind=$1 seconds=$2 how=$3 size=$4 what=$5 var=$6 found now
    local deadline=$(( $(now_ms) + seconds * 1000 ))
    while :; do
        if ! app_running; then
            wait "$APP_PID"
            fail "the game ended (exit code $?) after $what of the window ($kind)"
        fi
        if wl_find "$kind" found; then
            now=$(wl_size "$found")
            if [[ ($how == CHANGED && $now != "$size") || ($how == SAME && $now == "$size") ]]; then
                printf -v "$var" '%s' "$found"
                return 0
            fi
        fi
        (( $(now_ms) < deadline )) \
            || fail "after $what the window ($kind) is ${now:-not shown}${now:+ (W H)}; expected $( [[ $how == SAME ]] && echo "$size again" || echo "another size than $size")"
        sleep 0.1
    done
}

# maximize_and_back KIND [FRAMELESS]: the compositor's maximize shortcut
# (Super+Shift+M), its fullscreen shortcut (Super+Shift+F) and, unless the
# window has no frame, a click on the maximize button of the window's
# frame, each undone the same way: the game lives on and the window comes
# back to its size each time.
maximize_and_back()
{
    local kind=$1 frameless=${2:-} place size x1 y1 x2 y2 surface
    wl_await "$kind" 5 place
    # Qt may resize a window once more right after it is first shown.
    sleep 0.5
    wl_await "$kind" 5 place
    size=$(wl_size "$place")
    # Followed by its surface from here on: maximized, a box is as large as
    # the map.
    surface="surface $WL_SURFACE"
    wl_keys super+shift+m
    wl_await_size "$surface" 5 CHANGED "$size" "the maximize shortcut" place
    e2e_log "maximized by the shortcut, the $kind window is $(wl_size "$place"), was $size"
    wl_keys super+shift+m
    wl_await_size "$surface" 5 SAME "$size" "the maximize shortcut twice" place
    wl_keys super+shift+f
    wl_await_size "$surface" 5 CHANGED "$size" "the fullscreen shortcut" place
    wl_keys super+shift+f
    wl_await_size "$surface" 5 SAME "$size" "the fullscreen shortcut twice" place
    [[ -n $frameless ]] && return 0
    read -r x1 y1 x2 y2 <<<"$place"
    wl_click $(( x2 - WL_MAXIMIZE_BUTTON )) $(( y1 + WL_BUTTON_ROW ))
    wl_await_size "$surface" 5 CHANGED "$size" "a click on the frame's maximize button" place
    e2e_log "maximized by its frame, the $kind window is $(wl_size "$place"), was $size"
    read -r x1 y1 x2 y2 <<<"$place"
    wl_click $(( x2 - WL_MAXIMIZE_BUTTON )) $(( y1 + WL_BUTTON_ROW ))
    wl_await_size "$surface" 5 SAME "$size" "a second click on the frame's maximize button" place
}

# Closes the map with its frame's close button; the game must save and end
# with exit code 0.
wl_close_map_and_wait()
{
    local place x1 y1 x2 y2
    wl_await map 5 place
    read -r x1 y1 x2 y2 <<<"$place"
    wl_click $(( x2 - WL_CLOSE_BUTTON )) $(( y1 + WL_BUTTON_ROW ))
    app_wait_exit 15
    [[ $APP_RC == 0 ]] || fail "closing the map window ended the game with exit code $APP_RC, expected 0"
}

# A first start on Wayland (the platform chosen as a player would): the
# title titled Chromaland, the missing-file message, which survives being
# maximized, the map, whose enemy clock's bar is drawn whole frame after
# frame while it runs, and a close that saves.
scenario_wayland_clock_bar()
{
    local folder place x1 y1 x2 y2 left top i share previous=
    wl_start || fail "Weston did not start"
    folder=$(new_folder wl-first)
    APP_PLATFORM=wayland app_start "$folder"
    wl_await title 20 place
    wl_keys x
    wl_await box 15 place
    maximize_and_back box
    wl_keys Return
    wl_await map 15 place
    wl_gone title 5

    # The map's surface holds the frame Qt draws: as wide on the left, the
    # right and the bottom, with the title bar on top.
    read -r x1 y1 x2 y2 <<<"$place"
    left=$(( (x2 - x1 - MAP_SIZE[0]) / 2 ))
    top=$(( y2 - y1 - MAP_SIZE[1] - left ))
    for i in 1 2 3 4 5 6; do
        sleep 0.3
        wl_shot "$E2E_TMP/bar$i.png" $(( x1 + left + BAR_INSIDE[0] )) $(( y1 + top + BAR_INSIDE[1] )) \
            "${BAR_INSIDE[2]}" "${BAR_INSIDE[3]}"
        share=$(black_share "$E2E_TMP/bar$i.png")
        (( share <= 10 )) \
            || fail "picture $i of the enemy clock's bar is $(( share / 10 )).$(( share % 10 )) % black inside (see $E2E_TMP/bar$i.png); it should show the bar"
        [[ -n $previous ]] && ! cmp -s "$previous" "$E2E_TMP/bar$i.png" && moved=1
        previous=$E2E_TMP/bar$i.png
    done
    [[ -n ${moved:-} ]] || fail "the enemy clock's bar looked the same in six pictures over 1.8 s; it should move"

    wl_close_map_and_wait
    expect_saved "$folder/Character.chx" "${DEFAULT_CHARACTER[@]}"
}

# wl_play_to_battle: a fresh folder with the healer of battle_retreat, the
# title (maximized and restored), the map, and a walk onto
# enemy 20 before the enemies' first step; starts over when too slow.
wl_play_to_battle()
{
    local attempt i took place deadline
    local -a path=(Up)
    for i in {1..20}; do path+=(Right); done
    for (( attempt = 1; attempt <= WALK_ATTEMPTS; attempt++ )); do
        PROGRAM_FOLDER=$(new_folder wl-program)
        retreat_character "$PROGRAM_FOLDER"
        app_start "$PROGRAM_FOLDER"
        wl_await title 20 place
        maximize_and_back title frameless
        wl_keys Return
        wl_await map 15 place
        MAP_SHOWN_MS=$(now_ms)
        wl_keys "${path[@]}"
        took=$(( $(now_ms) - MAP_SHOWN_MS ))
        e2e_log "walked ${#path[@]} squares towards enemy 20, done $took ms after the map showed"
        # A later walk may have met a moved enemy elsewhere, with the rest
        # of its keys on the battle's buttons: it starts again.
        if (( took <= WALK_DEADLINE_MS )); then
            deadline=$(( $(now_ms) + 4000 ))
            until wl_find battle place || (( $(now_ms) >= deadline )); do
                sleep 0.1
            done
            wl_find battle place && return 0
        fi
        e2e_log "attempt $attempt: no battle in time; starting again"
        app_kill
    done
    fail "no battle window in time after $WALK_ATTEMPTS walks onto enemy 20"
}

# The player's Wayland session as it comes (the game chooses its platform
# itself): maximizing the title, the battle and the map, by the
# compositor's shortcut and by the frames' buttons, ends nothing; the
# battle is played to its end and the map's close saves.
scenario_wayland_maximize()
{
    wl_start || fail "Weston did not start"
    wl_play_to_battle
    maximize_and_back battle
    wl_keys alt+h
    wl_keys alt+r
    wl_gone battle 5
    # Down into the healing row, where no enemy comes to start another
    # battle meanwhile.
    wl_keys Down
    maximize_and_back map
    wl_close_map_and_wait
    # The heal (200 health for 200 magic) and the healing row's refills
    # since then.
    local file=$PROGRAM_FOLDER/Character.chx health
    expect_value_between "$file" HPc 295 1000 "after healing 200 from 100 and resting in the healing row"
    health=$VALUE
    expect_value_between "$file" MPc 100 300 "after a heal for 200 from 300 and resting in the healing row"
    expect_saved "$file" \
        ST=10 DX=30000 WS=200 "HPc=$health" HPm=1000 "MPc=$VALUE" MPm=300 pts=0 \
        V=1 I=1 B=1 G=1 Y=1 O=1 R=1
}
