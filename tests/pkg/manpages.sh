#!/usr/bin/env bash
# Checks that the manual page is whole in every language: the template in
# man/po is the one po4a makes from the English page now, and every
# man/po/<language>.po, brought up to date with it, has every entry
# translated and none fuzzy. Works on a copy; the source stays untouched.
#
#   manpages.sh SOURCE_DIR

set -uo pipefail

[[ $# == 1 && -f $1/man/po4a.cfg ]] || { echo "usage: $0 SOURCE_DIR" >&2; exit 2; }
source_dir=$1
for tool in po4a msgattrib msgfmt; do
    command -v "$tool" >/dev/null || { echo "missing tool: $tool (scripts/setup-debian.sh installs it)" >&2; exit 2; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/data" "$work/man"
cp "$source_dir/data/chromaland.6.in" "$work/data/"
cp -r "$source_dir/man/po" "$source_dir/man/po4a.cfg" "$work/man/"

# msgids FILE: the entries of a catalogue, one a line, in a stable order.
msgids()
{
    msgattrib --no-obsolete --no-location --no-wrap --sort-output "$1" | grep '^msgid '
}

failed=0
if ! (cd "$work" && po4a --no-translations --quiet man/po4a.cfg) >"$work/po4a.log" 2>&1; then
    cat "$work/po4a.log" >&2
    echo "FAIL: po4a cannot read the manual page or its catalogues" >&2
    exit 1
fi
if ! diff <(msgids "$source_dir/man/po/chromaland.6.pot") <(msgids "$work/man/po/chromaland.6.pot") >"$work/template.diff"; then
    sed 's/^/    /' "$work/template.diff"
    echo "FAIL: man/po/chromaland.6.pot is older than data/chromaland.6.in (po4a --no-translations man/po4a.cfg)"
    failed=1
fi
for po in "$work"/man/po/*.po; do
    language=$(basename "$po" .po)
    # "12 translated messages, 2 fuzzy translations, 3 untranslated messages."
    statistics=$(LC_ALL=C msgfmt -c --statistics -o /dev/null "$po" 2>&1) || {
        echo "FAIL: $language: $statistics"; failed=1; continue; }
    if grep -Eq 'fuzzy|untranslated' <<<"$statistics"; then
        echo "FAIL: man/po/$language.po: $statistics"
        msgattrib --no-obsolete --no-wrap --only-fuzzy "$po" | grep "^msgid " | grep -v "^msgid \"\"$" | sed "s/^/    fuzzy: /"
        msgattrib --no-obsolete --no-wrap --untranslated "$po" | grep '^msgid ' | grep -v '^msgid ""$' \
            | sed 's/^/    untranslated: /'
        failed=1
    fi
done
[[ $failed == 0 ]] && echo "PASS: the manual page is translated whole in every language"
exit $failed
