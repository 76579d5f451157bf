#!/usr/bin/env bash
# The product's folders include one way only: a file includes its own
# folder and the folders below it, never one above it (docs/HACKING.md);
# and no two classes include each other.
#
#   check.sh SOURCE_DIR
set -euo pipefail
cd "$1"
# From the top down.
layers=(help hall title map battle logic forms accessibility widgets system resources)
rank() {
    local i
    for i in "${!layers[@]}"; do
        [[ ${layers[$i]} == "$1" ]] && { echo "$i"; return; }
    done
    echo -1
}
bad=0
for folder in "${layers[@]}"; do
    mine=$(rank "$folder")
    for file in "$folder"/*.h "$folder"/*.cpp; do
        [[ -e $file ]] || continue
        while IFS= read -r included; do
            theirs=$(rank "${included%%/*}")
            (( theirs >= 0 )) || continue
            if (( theirs < mine )); then
                echo "$file includes $included, a folder above it"
                bad=1
            fi
        done < <(sed -n 's/^#include "\([a-z]*\/[^"]*\)".*/\1/p' "$file")
    done
done
# Class by class (a .h/.cpp pair): whom it includes; then every pair of
# classes that include each other.
declare -A uses
while IFS= read -r file; do
    class=${file%.*}
    while IFS= read -r included; do
        [[ ${included%.*} != "$class" ]] && uses[$class]+=" ${included%.*} "
    done < <(sed -n 's/^#include "\([a-z]*\/[^"]*\)".*/\1/p' "$file")
done < <(find . -path ./build -prune -o -path ./tests -prune -o -path ./bench -prune -o -path ./resources/painter -prune \
             -o \( -name '*.h' -o -name '*.cpp' \) -print | sed 's|^\./||')
for class in "${!uses[@]}"; do
    for other in ${uses[$class]}; do
        if [[ ${uses[$other]:-} == *" $class "* && $class < $other ]]; then
            echo "$class and $other include each other"
            bad=1
        fi
    done
done
(( bad == 0 )) && echo "every include goes down the layers (${layers[*]}), and no two classes include each other"
exit $bad
