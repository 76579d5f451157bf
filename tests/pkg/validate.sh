#!/usr/bin/env bash
# Checks the desktop entry or the metainfo the way software centres and
# menus read them; any complaint, even a hint, fails the check.
#
#   validate.sh desktop|metainfo FILE

set -uo pipefail

[[ $# == 2 && -f $2 ]] || { echo "usage: $0 desktop|metainfo FILE" >&2; exit 2; }
case $1 in
    desktop)  command=(desktop-file-validate "$2") ;;
    metainfo) command=(appstreamcli validate --no-net "$2") ;;
    *)        echo "unknown kind: $1" >&2; exit 2 ;;
esac
command -v "${command[0]}" >/dev/null || { echo "missing tool: ${command[0]} (scripts/setup-debian.sh --tests installs it)" >&2; exit 2; }

output=$("${command[@]}" 2>&1)
rc=$?
printf '%s\n' "$output"
# appstreamcli reports errors, warnings and infos as "E:", "W:" and "I:"
# lines and always ends with a summary; desktop-file-validate says nothing
# about a clean file.
complaints=$(grep -E '^[EWI]: |error|warning|hint' <<<"$output" | grep -v '^✔ Validation was successful')
if [[ $rc != 0 || -n $complaints ]]; then
    echo "FAIL: ${command[*]} is not clean (exit code $rc)" >&2
    exit 1
fi
echo "PASS: $(basename "$2")"
