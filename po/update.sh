#!/usr/bin/env bash
# Refreshes the template of the desktop entry's and the metainfo's texts
# (po/chromaland.pot) from data/, and merges it into every language's .po.
set -euo pipefail
cd "$(dirname "$0")/.."
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
app=$(sed -n 's/^set(CHROMALAND_APP_ID \([^)]*\))$/\1/p' CMakeLists.txt)
[[ -n $app ]] || { echo "no CHROMALAND_APP_ID in CMakeLists.txt" >&2; exit 1; }
xgettext --language=Desktop -k -kName -kGenericName -kComment -kKeywords --add-comments \
    -o "$tmp/desktop.pot" "data/$app.desktop.in"
# xgettext finds the metainfo's rules by the file's name.
cp "data/$app.metainfo.xml.in" "$tmp/$app.metainfo.xml"
(cd "$tmp" && xgettext -o metainfo.pot "$app.metainfo.xml")
msgcat --use-first -o po/chromaland.pot "$tmp/desktop.pot" "$tmp/metainfo.pot"
sed -i "s|$tmp/||" po/chromaland.pot
while read -r lang; do
    [[ -n $lang ]] || continue
    if [[ -f po/$lang.po ]]; then
        msgmerge --quiet --update --backup=none "po/$lang.po" po/chromaland.pot
    else
        msginit --no-translator --locale="$lang.UTF-8" -i po/chromaland.pot -o "po/$lang.po"
    fi
done <po/LINGUAS
