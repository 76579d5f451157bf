#!/usr/bin/env bash
# Checks the desktop entry or the metainfo the way software centres and
# menus read them; any complaint, even a pedantic hint, fails the check.
# appstream-util is run relaxed: its default mode asks for a homepage
# <url>, and the game has no homepage to give.
#
#   validate.sh desktop|metainfo FILE

set -uo pipefail

[[ $# == 2 && -f $2 ]] || { echo "usage: $0 desktop|metainfo FILE" >&2; exit 2; }
case $1 in
    desktop)  command=(desktop-file-validate "$2") ;;
    metainfo) command=(appstreamcli validate --pedantic --no-net "$2")
              second=(appstream-util validate-relax --nonet "$2") ;;
    *)        echo "unknown kind: $1" >&2; exit 2 ;;
esac

# check COMMAND...: runs one validator; any complaint fails.
check()
{
    local output rc complaints
    command -v "$1" >/dev/null || { echo "missing tool: $1 (scripts/setup-debian.sh --tests installs it)" >&2; exit 2; }
    output=$("$@" 2>&1)
    rc=$?
    printf '%s\n' "$output"
    # appstreamcli reports errors, warnings, infos and pedantic hints as "E:",
    # "W:", "I:" and "P:" lines and always ends with a summary; appstream-util
    # lists problems under "FAILED:"; desktop-file-validate says nothing about
    # a clean file.
    complaints=$(grep -E '^[EWIP]: |^• |FAILED|error|warning|hint' <<<"$output" | grep -v '^✔ Validation was successful')
    if [[ $rc != 0 || -n $complaints ]]; then
        echo "FAIL: $* is not clean (exit code $rc)" >&2
        exit 1
    fi
}

check "${command[@]}"
[[ -n ${second+set} ]] && check "${second[@]}"
echo "PASS: $(basename "$2")"
