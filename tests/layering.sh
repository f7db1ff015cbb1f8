#!/usr/bin/env bash
# Fails when a source file includes a header from a floor above its own, or
# from a sibling on its own level. Levels, bottom to top: model; widgets; the
# siblings charts, output and forms, which know nothing of each other;
# windows; the program's start (app/), which stands on all of them.
set -u
top=${1:-$(dirname "$0")/..}
declare -A level=([model]=0 [widgets]=1 [charts]=2 [output]=2 [forms]=2 [windows]=3 [app]=4)
rank() { echo "${level[$1]:--1}"; }
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
        if [ "$floor" != "$own" ] && [ "$theirs" -ge "$mine" ]; then
            echo "$rel: includes \"$header\" from $floor, not below $own"
            bad=1
        fi
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
done < <(find "$top/src" "$top/app" -type f \( -name '*.h' -o -name '*.cpp' \) | sort)
if [ "$bad" -eq 0 ]; then echo "every include comes from its own floor or a lower level"; fi
exit "$bad"
