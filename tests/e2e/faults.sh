# shellcheck shell=bash
# Fault scenarios of the end-to-end suite: the real game on a full disk, in
# folders it may not write, killed at random moments around its saves, with
# windows closed that the game never meant to be closed, and with character
# files that are links to pipes and devices or hold a million digits.
#
# Sourced by run.sh, which provides the shared steps. Scenarios that need
# root (mounting a small tmpfs, running the game as another user) run their
# root-only part only as root and say what they ran instead otherwise.

FAULT_SCENARIOS=(full_disk kill_during_save readonly_program_folder unwritable_working_folder
                 battle_ignores_escapes title_closed startup_box_closed arabic_locale
                 odd_character_entries million_digits)

# The user a scenario runs the game as when the tests run as root: root may
# write anywhere, which would hide every permission fault.
UNPRIVILEGED=nobody

am_root()
{
    [[ $(id -u) == 0 ]]
}

# Lets the unprivileged user reach the scenario's folders.
open_tmp_to_all()
{
    chmod 755 "$E2E_TMP" "$@"
}

# The character of the fault scenarios, written by hand: after a save it
# reads back in normal form ("pts=2"), with a "Saved: " line.
FAULT_ORIGINAL=(ST=12 DX=11 WS=10 HPc=9 HPm=14 MPc=8 MPm=10 pts=2.9 V=2 I=1 B=1 G=3 Y=1 O=1 R=1 "Saved: long ago")
FAULT_SAVED=(ST=12 DX=11 WS=10 HPc=9 HPm=14 MPc=8 MPm=10 pts=2 V=2 I=1 B=1 G=3 Y=1 O=1 R=1)

# expect_save_failure_box FOLDER: the box that says the character could
# not be saved is up; answering it ends the game with exit code 1.
expect_save_failure_box()
{
    await_window box 10 BOX_WIN
    keys "$BOX_WIN" Return
    app_wait_exit 10
    [[ $APP_RC == 1 ]] || fail "after the save-failure message the game ended with exit code $APP_RC, expected 1"
}

# --- A full disk -----------------------------------------------------------

# Mounts a tmpfs of SIZE_KB on the folder, the game already in it.
mount_small_disk()
{
    mount -t tmpfs -o "size=$2k,mode=755" chromaland-full "$1" || fail "could not mount a tmpfs on $1"
    FULL_DISK=$1
    cp "$E2E_EXE" "$1/chromaland"
}

# Fills the disk to its last byte; nothing more can be written.
fill_disk()
{
    cat /dev/zero >"$1/filler" 2>/dev/null
    if printf x >>"$1/filler" 2>/dev/null; then
        fail "the tmpfs at $1 still takes bytes after filling"
    fi
    e2e_log "the disk at $1 is full: $(df --output=avail -B1 "$1" | tail -n 1) bytes free"
}

unmount_small_disk()
{
    [[ -n ${FULL_DISK:-} ]] && umount -l "$FULL_DISK" 2>/dev/null
    FULL_DISK=
    return 0
}

# Closing the map on a full disk keeps the old file and says so (exit 1);
# a first start on a full disk leaves no file behind.
scenario_full_disk()
{
    if ! am_root; then
        e2e_log "not root: a tmpfs cannot be mounted, so the full disk is not tried (run as root for it)"
        echo "RAN: nothing (full disk needs root)"
        return 0
    fi
    trap 'app_kill; unmount_small_disk' EXIT
    local size_kb=$(( $(stat -c %s "$E2E_EXE") / 1024 + 256 ))

    e2e_log "closing the map on a full disk"
    local folder
    folder=$(new_folder fulldisk)
    mount_small_disk "$folder" "$size_kb"
    write_character "$folder/Character.chx" "${FAULT_ORIGINAL[@]}"
    cp "$folder/Character.chx" "$E2E_TMP/full.original"
    fill_disk "$folder"
    start_to_map "$folder" "$folder" space
    wm_close "$MAP_WIN"
    expect_save_failure_box
    grep -q . "$APP_LOG" && e2e_log "output of the game: $(tr '\n' ' ' <"$APP_LOG")"
    cmp -s "$folder/Character.chx" "$E2E_TMP/full.original" || {
        show_file "$folder/Character.chx" >&2
        fail "the character file changed on the full disk"
    }
    expect_entries "$folder" chromaland Character.chx filler
    unmount_small_disk

    e2e_log "a first start on a full disk"
    folder=$(new_folder fullfirst)
    mount_small_disk "$folder" "$size_kb"
    fill_disk "$folder"
    app_start "$folder"
    await_window title 20 TITLE_WIN
    keys "$TITLE_WIN" x
    await_window box 15 BOX_WIN
    keys "$BOX_WIN" Return                       # "Character file could not be found"
    await_window "box map" 10 BOX_WIN
    [[ $WIN_KIND == box ]] || fail "the map opened although no character could be written"
    keys "$BOX_WIN" Return
    app_wait_exit 10
    [[ $APP_RC == 1 ]] || fail "the first start on a full disk ended with exit code $APP_RC, expected 1"
    expect_entries "$folder" chromaland filler
    unmount_small_disk
    echo "RAN: full disk at closing and at a first start (tmpfs of $size_kb KiB)"
}

# --- kill -9 around saves --------------------------------------------------

# The name a save's new content has from the moment it is whole until it
# replaces the character file.
PENDING=Character.chx.saving

# hold_renames: from now on every rename of the game waits a minute before
# it happens (strace attached to it); the save's last step is held there.
hold_renames()
{
    local deadline=$(( $(now_ms) + 10000 ))
    command -v strace >/dev/null || fail "missing strace (scripts/setup-debian.sh --tests installs it)"
    strace -qq -f -p "$APP_PID" -o "$E2E_TMP/held.strace" -e trace=rename,renameat,renameat2 \
        -e inject=rename,renameat,renameat2:delay_enter=60000000 2>"$E2E_TMP/strace.err" &
    HOLDER_PID=$!
    until grep -Eq '^TracerPid:[[:space:]]+[1-9]' "/proc/$APP_PID/status" 2>/dev/null; do
        (( $(now_ms) < deadline )) || fail "strace could not attach to the game: $(cat "$E2E_TMP/strace.err")"
        sleep 0.05
    done
}

# kill_at_held_rename: waits until the save's rename has begun (and is
# held), then kills the game.
kill_at_held_rename()
{
    local deadline=$(( $(now_ms) + 15000 ))
    until grep -q '^[0-9]* *rename' "$E2E_TMP/held.strace" 2>/dev/null; do
        (( $(now_ms) < deadline )) || fail "the save never reached its rename within 15 s"
        sleep 0.02
    done
    # The game is gone at once; its end reaches us once strace lets go.
    kill -KILL "$APP_PID"
    kill "$HOLDER_PID" 2>/dev/null
    wait "$HOLDER_PID" 2>/dev/null
    wait "$APP_PID" 2>/dev/null
    HOLDER_PID=
}

# A kill in the last instant of a save, between its new file and the
# rename that makes it the character file, on every run: the old file (or
# no file, at a first start) is left whole, and the next start removes the
# new file; a close then leaves nothing but the character file.
kill_before_rename()
{
    local folder file
    folder=$(new_folder held)
    file=$folder/Character.chx
    write_character "$file" "${FAULT_ORIGINAL[@]}"
    start_to_map "$folder" "$folder" space
    hold_renames
    wmctrl -i -c "$MAP_WIN"
    kill_at_held_rename
    cmp -s "$file" <(printf '%s\r\n' "${FAULT_ORIGINAL[@]}") || fail "a kill before the rename changed the old file"
    expect_entries "$folder" chromaland Character.chx "$PENDING"
    expect_saved "$folder/$PENDING" "${FAULT_SAVED[@]}"
    start_to_map "$folder" "$folder" space
    expect_entries "$folder" chromaland Character.chx
    close_and_wait "$MAP_WIN" 10
    expect_saved "$file" "${FAULT_SAVED[@]}"
    expect_entries "$folder" chromaland Character.chx

    folder=$(new_folder heldfirst)
    app_start "$folder"
    await_window title 20 TITLE_WIN
    keys "$TITLE_WIN" x
    await_window box 15 BOX_WIN
    hold_renames
    keys "$BOX_WIN" Return
    kill_at_held_rename
    expect_entries "$folder" chromaland "$PENDING"
    expect_exact "$folder/$PENDING" "${DEFAULT_CHARACTER[@]}"
    app_start "$folder"
    await_window title 20 TITLE_WIN
    keys "$TITLE_WIN" x
    await_window box 15 BOX_WIN
    expect_entries "$folder" chromaland
    keys "$BOX_WIN" Return
    await_window map 15 MAP_WIN
    close_and_wait "$MAP_WIN" 10
    expect_entries "$folder" chromaland Character.chx
}

# Kills the game at random moments just after the map was told to close
# (and so to save), and just after the first start's message was answered
# (when the default character is written); every third round kills it the
# moment it has a file open in its folder, in the middle of a save. The
# character file must always be the old one or the whole new one, never
# anything between; beside it may lie only the whole new file under its
# pending name, which the next start removes.
kill_at_random_moments()
{
    local rounds=${KILL_ROUNDS:-30} round killer folder file closing rc
    local killed=0 old=0 new=0 none=0 whole=0 midsave=0 pending=0
    folder=$(new_folder kills)
    file=$folder/Character.chx
    for (( round = 1; round <= rounds; round++ )); do
        rm -f "$file"
        closing=$(( round % 3 ))
        if (( closing )); then
            write_character "$file" "${FAULT_ORIGINAL[@]}"
            start_to_map "$folder" "$folder" space
            expect_entries "$folder" chromaland Character.chx
        else
            app_start "$folder"
            await_window title 20 TITLE_WIN
            keys "$TITLE_WIN" x
            await_window box 15 BOX_WIN
            expect_entries "$folder" chromaland
            focus_window "$BOX_WIN"
        fi
        # The save follows the close within a few milliseconds; the first
        # start's write follows the key after xdotool has started.
        if (( closing == 2 )); then
            (
                local deadline=$(( $(now_ms) + 5000 ))
                until find "/proc/$APP_PID/fd" -lname "$folder/*" -print -quit 2>/dev/null | grep -q .; do
                    (( $(now_ms) < deadline )) || exit 1
                done
                kill -KILL "$APP_PID"
            ) &
        else
            (
                sleep "$(printf '0.%06d' $(( (RANDOM * 32768 + RANDOM) % (closing ? 30000 : 60000) )))"
                kill -KILL "$APP_PID" 2>/dev/null
            ) &
        fi
        killer=$!
        if (( closing )); then
            wmctrl -i -c "$MAP_WIN"
        else
            xdotool key --clearmodifiers Return
        fi
        wait "$killer" && (( closing == 2 )) && midsave=$(( midsave + 1 ))
        app_running && kill -KILL "$APP_PID"
        wait "$APP_PID" 2>/dev/null
        rc=$?
        (( rc == 137 )) && killed=$(( killed + 1 ))
        if (( closing )); then
            if cmp -s "$file" <(printf '%s\r\n' "${FAULT_ORIGINAL[@]}"); then
                old=$(( old + 1 ))
            else
                expect_saved "$file" "${FAULT_SAVED[@]}"
                new=$(( new + 1 ))
            fi
        elif [[ -e $file ]]; then
            expect_exact "$file" "${DEFAULT_CHARACTER[@]}"
            whole=$(( whole + 1 ))
        else
            none=$(( none + 1 ))
        fi
        # Nothing half-written lies about either.
        if [[ -e $folder/$PENDING ]]; then
            pending=$(( pending + 1 ))
            if (( closing )); then
                expect_saved "$folder/$PENDING" "${FAULT_SAVED[@]}"
            else
                expect_exact "$folder/$PENDING" "${DEFAULT_CHARACTER[@]}"
            fi
        fi
        expect_entries "$folder" chromaland $([[ -e $file ]] && echo Character.chx) \
            $([[ -e $folder/$PENDING ]] && echo "$PENDING")
    done
    echo "RAN: $rounds rounds, $killed killed (-9) while running, $midsave of them with a file open in the middle of a save: closing left the old file $old times and the" \
         "whole new one $new times; first starts left no file $none times and the whole default file $whole times;" \
         "$pending times the whole new file lay under its pending name until the next start"
}

scenario_kill_during_save()
{
    trap '[[ -n ${HOLDER_PID:-} ]] && kill "$HOLDER_PID" 2>/dev/null' EXIT
    kill_before_rename
    echo "RAN: killed before the rename at a closing and at a first start; each time the next start removed the new file"
    kill_at_random_moments
}

# --- Folders the game may not write ----------------------------------------

# readonly_start FOLDER FILE_WRITABLE: makes the program folder read-only
# for the game (as the unprivileged user when root) and starts it.
readonly_start()
{
    local folder=$1 writable=$2
    cp "$E2E_EXE" "$folder/chromaland"
    write_character "$folder/Character.chx" "${FAULT_ORIGINAL[@]}"
    cp "$folder/Character.chx" "$E2E_TMP/readonly.original"
    if am_root; then
        open_tmp_to_all "$folder"
        APP_USER=$UNPRIVILEGED
        [[ $writable == yes ]] && chown "$UNPRIVILEGED:" "$folder/Character.chx"
    else
        [[ $writable == yes ]] || chmod a-w "$folder/Character.chx"
        chmod a-w "$folder"
    fi
    start_to_map "$folder" "$folder" space
    wm_close "$MAP_WIN"
}

# A read-only program folder: a writable Character.chx is saved in place
# (exit 0); a read-only one is kept as it was, with the message (exit 1).
scenario_readonly_program_folder()
{
    local folder
    folder=$(new_folder readonly)
    readonly_start "$folder" yes
    app_wait_exit 10
    [[ $APP_RC == 0 ]] || fail "closing with a writable Character.chx in a read-only folder ended with exit code $APP_RC"
    expect_saved "$folder/Character.chx" "${FAULT_SAVED[@]}"
    expect_entries "$folder" chromaland Character.chx
    chmod u+w "$folder"

    folder=$(new_folder readonlyfile)
    readonly_start "$folder" no
    expect_save_failure_box
    cmp -s "$folder/Character.chx" "$E2E_TMP/readonly.original" || fail "the read-only character file changed"
    expect_entries "$folder" chromaland Character.chx
    chmod u+w "$folder" "$folder/Character.chx"
    echo "RAN: read-only program folder with a writable and a read-only Character.chx, the game run as" \
         "$(am_root && echo "$UNPRIVILEGED (tests run as root)" || id -un)"
}

# The character dies while the working folder, where its archive goes, is
# read-only: the file is saved in the program folder, the player is told
# the archive failed, and the game ends with exit code 1.
unwritable_working_setup()
{
    loser_character "$1"
    if am_root; then
        open_tmp_to_all "$1" "$WORKING_FOLDER"
        chown "$UNPRIVILEGED:" "$1" "$1/Character.chx"
        export APP_USER=$UNPRIVILEGED
    fi
    chmod a-w "$WORKING_FOLDER"
}

scenario_unwritable_working_folder()
{
    play_to_battle 0 Return unwritable_working_setup separate
    attack_until_death_box
    keys "$BOX_WIN" Return
    local death_box=$BOX_WIN deadline=$(( $(now_ms) + 10000 ))
    while :; do
        find_window box 1 BOX_WIN && [[ $BOX_WIN != "$death_box" ]] && break
        (( $(now_ms) < deadline )) || fail "no message that the archive could not be made"
    done
    keys "$BOX_WIN" Return
    app_wait_exit 10
    [[ $APP_RC == 1 ]] || fail "the game ended with exit code $APP_RC when the archive could not be made, expected 1"
    expect_entries "$WORKING_FOLDER"
    expect_value_between "$PROGRAM_FOLDER/Character.chx" HPc -24 0 "of the dead character"
    expect_saved "$PROGRAM_FOLDER/Character.chx" \
        ST=1 DX=1 WS=1 "HPc=$VALUE" HPm=1 MPc=0 MPm=0 pts=0 V=1 I=1 B=1 G=1 Y=1 O=1 R=1
    chmod u+w "$WORKING_FOLDER"
    echo "RAN: death with a read-only working folder, the game run as ${APP_USER:-$(id -un)}"
}

# --- Windows closed the game never meant to be closed ----------------------

# During a battle Escape, Alt+F4 typed into it, the window manager's close
# and clicks and keys on the map change nothing: the battle goes on, and
# leaving it by Retreat counts no kill.
scenario_battle_ignores_escapes()
{
    play_to_battle 0 1 winner_character
    local x y
    keys "$BATTLE_WIN" Escape alt+F4
    wm_close "$BATTLE_WIN"
    window_geometry "$MAP_WIN"
    for x in 50 150 300; do
        for y in 60 200 340; do
            xdotool mousemove $(( WX + x )) $(( WY + y )) click 1
        done
    done
    xdotool key --clearmodifiers Up Up Left Escape
    stays_shown "$BATTLE_WIN" 1 "the battle window (after Escape, Alt+F4, a close and clicks on the map)"
    window_shown "$MAP_WIN" || fail "the map window went away during the battle"
    keys "$BATTLE_WIN" alt+r
    await_hidden "$BATTLE_WIN" 5 "the battle window (after Alt+R, Retreat)"
    close_map_and_wait
    local file=$PROGRAM_FOLDER/Character.chx
    expect_value_between "$file" HPc 975 1000 "after at most one enemy blow"
    # The violet bar still stands at 17: no kill was counted.
    expect_saved "$file" \
        ST=1000 DX=1000 WS=10 "HPc=$VALUE" HPm=1000 MPc=10 MPm=10 pts=0 V=17 I=1 B=1 G=1 Y=1 O=1 R=1
}

# The title window closed by the window manager ends the game at once with
# exit code 0 and writes nothing.
scenario_title_closed()
{
    local folder
    folder=$(new_folder title)
    app_start "$folder"
    await_window title 20 TITLE_WIN
    wm_close "$TITLE_WIN"
    app_wait_exit 5
    [[ $APP_RC == 0 ]] || fail "closing the title window ended the game with exit code $APP_RC, expected 0"
    expect_entries "$folder" chromaland
}

# The map's start-up message boxes closed by the window manager count as
# answered: the missing-file box goes on to the map, the error box ends the
# game with exit code 1 and leaves the damaged file as it was. While a box
# is up, the title window behind it cannot be closed: the box stays.
scenario_startup_box_closed()
{
    local folder
    folder=$(new_folder boxfirst)
    app_start "$folder"
    await_window title 20 TITLE_WIN
    keys "$TITLE_WIN" x
    await_window box 15 BOX_WIN
    wm_close "$TITLE_WIN"
    stays_shown "$BOX_WIN" 1 "the missing-file message (after a close of the title window behind it)"
    expect_entries "$folder" chromaland
    wm_close "$BOX_WIN"
    await_window map 10 MAP_WIN
    expect_exact "$folder/Character.chx" "${DEFAULT_CHARACTER[@]}"
    close_map_and_wait

    folder=$(new_folder boxdamaged)
    write_character "$folder/Character.chx" ST=10 DX=10 pts=abc
    cp "$folder/Character.chx" "$E2E_TMP/boxdamaged.original"
    app_start "$folder"
    await_window title 20 TITLE_WIN
    keys "$TITLE_WIN" x
    await_window box 15 BOX_WIN
    wm_close "$BOX_WIN"
    app_wait_exit 10
    [[ $APP_RC == 1 ]] || fail "closing the error box ended the game with exit code $APP_RC, expected 1"
    cmp -s "$folder/Character.chx" "$E2E_TMP/boxdamaged.original" || fail "the damaged character file was changed"
    expect_entries "$folder" chromaland Character.chx
}

# --- The locale and odd character files ------------------------------------

# Under an Arabic locale the "Saved: " line carries the date as yyyy-MM-dd:
# the locale's own digits would not survive 8-bit text.
scenario_arabic_locale()
{
    local folder saved
    folder=$(new_folder arabic)
    write_character "$folder/Character.chx" "${FAULT_ORIGINAL[@]}"
    APP_LOCALE=ar_EG.UTF-8
    start_to_map "$folder" "$folder" space
    close_map_and_wait
    saved=$(sed -n '16{s/\r$//;p}' "$folder/Character.chx")
    [[ $saved =~ ^Saved:\ [0-9]{4}-[0-9]{2}-[0-9]{2}\ [0-9]{2}:[0-9]{2}:[0-9]{2}$ ]] \
        || fail "under ar_EG.UTF-8 the Saved line is \"$saved\", expected \"Saved: yyyy-MM-dd hh:mm:ss\""
    expect_saved "$folder/Character.chx" "${FAULT_SAVED[@]}"
}

# odd_start NAME MAKE: a Character.chx made by MAKE FOLDER ends start-up
# with an error box of normal width, and the game with exit code 1; the
# box comes without a hang (within 10 s) and without reading on and on
# (within 1.5 s of the game's CPU time, which a busy machine does not
# stretch as it does the clock). The folder is left in ODD_FOLDER.
odd_start()
{
    local name=$1 make=$2 started took cpu
    ODD_FOLDER=$(new_folder "$name")
    "$make" "$ODD_FOLDER"
    app_start "$ODD_FOLDER"
    await_window title 20 TITLE_WIN
    started=$(now_ms)
    cpu=$(cpu_ms "$APP_PID")
    keys "$TITLE_WIN" x
    await_window "box map" 10 BOX_WIN
    took=$(( $(now_ms) - started ))
    cpu=$(( $(cpu_ms "$APP_PID") - cpu ))
    [[ $WIN_KIND == box ]] || fail "$name: the map opened"
    (( cpu <= 1500 )) || fail "$name: the game used $cpu ms of CPU before the error box appeared"
    window_geometry "$BOX_WIN"
    e2e_log "$name: the error box appeared after $took ms ($cpu ms of CPU), ${WW}x${WH}"
    (( WW <= 640 )) || fail "$name: the error box is $WW pixels wide"
    keys "$BOX_WIN" Return
    app_wait_exit 10
    [[ $APP_RC == 1 ]] || fail "$name: the game ended with exit code $APP_RC, expected 1"
}

link_to_pipe()
{
    mkfifo "$1/pipe" && ln -s pipe "$1/Character.chx"
}

link_to_zero()
{
    ln -s /dev/zero "$1/Character.chx"
}

picture_link_to_pipe()
{
    write_character "$1/Character.chx" "${FAULT_ORIGINAL[@]}"
    mkdir "$1/Graphics" && mkfifo "$1/Graphics/pipe" && ln -s pipe "$1/Graphics/Enemy_5.bmp"
}

# A Character.chx that is a link to a named pipe or to /dev/zero, and a
# picture that is a link to a pipe: the error comes at once, nothing hangs.
scenario_odd_character_entries()
{
    odd_start pipe link_to_pipe
    [[ -p $ODD_FOLDER/pipe && -L $ODD_FOLDER/Character.chx ]] || fail "the pipe or the link was changed"
    odd_start zero link_to_zero
    [[ $(readlink "$ODD_FOLDER/Character.chx") == /dev/zero ]] || fail "the link to /dev/zero was changed"
    odd_start picture_pipe picture_link_to_pipe
    expect_exact "$ODD_FOLDER/Character.chx" "${FAULT_ORIGINAL[@]}"
}

million_digit_points()
{
    printf '%s\r\n' "${DEFAULT_CHARACTER[@]:0:7}" >"$1/Character.chx"
    printf 'pts=' >>"$1/Character.chx"
    head -c 1000000 /dev/zero | tr '\0' 9 >>"$1/Character.chx"
    printf '\r\n' >>"$1/Character.chx"
    printf '%s\r\n' "${DEFAULT_CHARACTER[@]:8}" >>"$1/Character.chx"
    cp "$1/Character.chx" "$E2E_TMP/million.original"
}

# A points value of a million digits: the error box comes at once and is of
# a normal width; the file is left as it was.
scenario_million_digits()
{
    odd_start million million_digit_points
    cmp -s "$ODD_FOLDER/Character.chx" "$E2E_TMP/million.original" || fail "the character file was changed"
}
