#!/usr/bin/env bash
# The whole journey through the real program in a real X window: dismiss the
# title screen with a key, run the defaults with Enter, save the data file
# through the save dialog by keyboard, open the large graph window and the
# data table, and quit through the citation and dedication windows. The
# program must end with exit status 0 and the file must hold the exact bytes.
set -u
app=${1:?usage: keyboard_journey.sh path/to/malvora}

. "$(dirname "$0")/xserver.sh"
work=$(mktemp -d)
cleanup() {
    [ -n "${app_pid:-}" ] && kill "$app_pid" 2>/dev/null
    [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
if ! start_x_server; then
    echo "SKIP: no X server can be started here (Xvfb and xdotool are needed)"
    exit 77
fi

fail() {
    echo "FAIL: $*"
    exit 1
}

# Waits until a visible window with exactly this title exists; prints its id.
window() {
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

gone() {
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    return 1
}

# Clicks at a point given in twips of the window's client area (96 DPI on Xvfb).
click() {
    xdotool mousemove --window "$1" $(($2 / 15)) $(($3 / 15)) click 1
    sleep 0.3
}

"$app" >"$work/app.log" 2>&1 &
app_pid=$!
sleep 2

# The title screen is up and the main window is not.
xdotool search --onlyvisible --name '^Malvora$' >/dev/null 2>&1 && fail "main window visible before the title screen was dismissed"
xdotool key Right # yields no character: nothing happens
sleep 0.5
xdotool search --onlyvisible --name '^Malvora$' >/dev/null 2>&1 && fail "an arrow key dismissed the title screen"
xdotool key a
main=$(window Malvora) || fail "main window did not come up after a key"

# Enter on the focused Run button runs the defaults.
xdotool key Return
sleep 0.5
# Focus is on "lnN vs. t": Print form, then Save.
xdotool key Tab Tab Return
dialog=$(window "Save As") || fail "no save dialog"
sleep 0.5
xdotool type --delay 20 "$work/growth.csv"
sleep 0.5 # let the name box's completion settle before Enter
xdotool key Return
gone "Save As" || fail "save dialog did not close"
for _ in $(seq 50); do [ -f "$work/growth.csv" ] && break; sleep 0.1; done
[ -f "$work/growth.csv" ] || fail "no data file written; $work holds: $(ls "$work")"

expected=$(dirname "$0")/../data/defaults.csv
cmp "$expected" "$work/growth.csv" || { diff <(cat -A "$expected") <(cat -A "$work/growth.csv"); fail "data file differs"; }

# A click on the chart opens the large graph window.
click "$main" 7000 2500
graph=$(window Form2) || fail "large graph window did not open"
gone Malvora || fail "main window still visible"

# "Detail" opens the table over the graph window.
click "$graph" 7747 7507
table=$(window "Data detail") || fail "data table did not open"
# "Back to the graph form", then "Quit" in the graph window.
click "$table" 8467 7747
gone "Data detail" || fail "data table still visible"
click "$graph" 10327 7507
cite=$(window Copyright) || fail "citation window did not open"
click "$cite" 6967 6367
dedication=$(window Dedication) || fail "dedication window did not open"
click "$dedication" 3607 7567

for _ in $(seq 50); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app_pid" 2>/dev/null && fail "the program did not end"
wait "$app_pid"
status=$?
app_pid=
[ "$status" -eq 0 ] || fail "exit status $status: $(tail -n 30 "$work/app.log")"
echo "PASS: the whole journey, file bytes and exit status 0"
