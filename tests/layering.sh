#!/usr/bin/env bash
# Fails when a source file includes a header from a floor above its own.
# Floors, bottom to top: model, widgets, charts, output, forms, windows; the
# program's start (app/) stands on all of them.
set -u
top=${1:-$(dirname "$0")/..}
floors=(model widgets charts output forms windows app)
rank() {
    local i
    for i in "${!floors[@]}"; do [ "${floors[$i]}" = "$1" ] && { echo "$i"; return; }; done
    echo -1
}
bad=0
while IFS= read -r file; do
    rel=${file#"$top"/}
    case $rel in app/*) own=app ;; src/*) own=${rel#src/}; own=${own%%/*} ;; esac
    mine=$(rank "$own")
    [ "$mine" -ge 0 ] || { echo "$rel: not on any floor"; bad=1; continue; }
    while IFS= read -r header; do
        floor=${header%%/*}
        theirs=$(rank "$floor")
        [ "$theirs" -ge 0 ] || continue
        if [ "$theirs" -gt "$mine" ] || { [ "$floor" = app ] && [ "$own" != app ]; }; then
            echo "$rel: includes \"$header\" from $floor, above $own"
            bad=1
        fi
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
done < <(find "$top/src" "$top/app" -type f \( -name '*.h' -o -name '*.cpp' \) | sort)
if [ "$bad" -eq 0 ]; then echo "every include comes from its own floor or one below"; fi
exit "$bad"
