#!/usr/bin/env bash
# The README's pictures, taken from the program as it is: starts the given
# program in a virtual X server under openbox, in English at 100 %, with a
# home of its own, and drives it as a user would:
#   - a key on the title screen, Enter to run the defaults (r = 0.2, T = 20);
#   - Tab to the chart, Shift+F10 for its menu, "Keep this run";
#   - r = 0.3 and T = 25 typed into the boxes, Enter, Enter to run again;
#   - the main window is taken (docs/main-window.png);
#   - a click on the chart opens the large graph window, five clicks more
#     step its cycle to the comparison of the differential and the
#     difference model (docs/large-graph.png);
#   - "Detail" opens the data table (docs/data-table.png).
# It builds nothing. Each step waits for what it changes on the screen: the
# window it opens, or its picture changed and then still for a moment.
#
# The pictures are taken with ImageMagick's import (Debian package
# imagemagick; needed only here, so it is not in the Makefile's list):
#   apt-get install imagemagick
#   tools/screenshots.sh build/app/malvora [folder]    # folder: docs by default
set -u
app=${1:?usage: screenshots.sh path/to/malvora [folder]}
out=${2:-$(dirname "$0")/../docs}
if ! command -v import >/dev/null || ! command -v identify >/dev/null; then
    echo "ImageMagick's import is needed: apt-get install imagemagick"
    exit 1
fi

. "$(dirname "$0")/../tests/e2e/xserver.sh"
work=$(mktemp -d)
trap 'stop_desktop; rm -rf "$work"' EXIT
start_desktop || { echo "no X server with openbox can be started (Xvfb, xdotool, openbox, xprop)"; exit 1; }
fail() { echo "screenshots.sh: $*"; exit 1; }
# Whether the program shows a pop-up, such as a menu: a window that the window
# manager leaves alone (Qt 6.4 marks a menu's window type as a normal window's).
popup_shown() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null); do
        xwininfo -id "$id" 2>/dev/null | grep -q "Override Redirect State: yes" && return 0
    done
    return 1
}

# Places and sizes are given in twips of a window's client area (96 DPI: 15 twips a pixel).
area() { echo "$(($3 / 15))x$(($4 / 15))+$(($1 / 15))+$(($2 / 15))"; }
click() { xdotool mousemove --window "$1" $(($2 / 15)) $(($3 / 15)) click 1; }

# A fingerprint of a part of a window as the X server shows it, and its number of colours.
picture() { import -silent -window "$1" -crop "$2" +repage ppm:- 2>/dev/null | md5sum; }
colours() { import -silent -window "$1" -crop "$2" +repage ppm:- 2>/dev/null | identify -format %k -; }
# The part has been drawn: more than a background's colours, the same twice in a row.
still() {
    local before
    before=$(picture "$1" "$2")
    sleep 0.3
    [ "$(picture "$1" "$2")" = "$before" ] && [ "$(colours "$1" "$2")" -gt 8 ]
}
# Waits until the part differs from the fingerprint $3, and then until it is still.
changed() { [ "$(picture "$1" "$2")" != "$3" ]; }
await_change() {
    until_deadline 20 changed "$@" || fail "$4 did not change the picture"
    until_deadline 20 still "$1" "$2" || fail "the picture after $4 does not settle"
}
take() { import -silent -window "$1" -strip "$out/$2" || fail "cannot write $out/$2"; }

env -u LC_ALL -u LC_MESSAGES -u LC_NUMERIC HOME="$work" XDG_CONFIG_HOME="$work/.config" \
    LANGUAGE=en LANG=C.UTF-8 "$app" --zoom 100 >"$work/app.log" 2>&1 &
app_pid=$!

title=$(window Malvora) || fail "no title screen"
active "$title" || fail "the title screen does not have the keyboard"
xdotool key a
until_deadline 20 not shown "$title" || fail "the title screen stays after a key"
main=$(window Malvora) || fail "no main window"
active "$main" || fail "the main window does not have the keyboard"
xdotool mousemove 1279 1023 # out of the way of tooltips and the chart's read-out

graph=$(area 4320 120 5535 4455) # the main window's frame "Graph": the chart and its buttons
before=$(picture "$main" "$graph")
xdotool key Return
await_change "$main" "$graph" "$before" "Run"

# After a run the focus is on "lnN vs. t"; five Tabs reach the chart. Its menu's
# third item keeps the run.
xdotool key Tab Tab Tab Tab Tab shift+F10
until_deadline 20 popup_shown || fail "the chart's menu did not open"
xdotool key Down Down Down Return
until_deadline 20 not popup_shown || fail "the chart's menu did not close"

# Editing a box hides the chart; Enter in the end time's box hands the focus to
# Run, and a second Enter runs.
before=$(picture "$main" "$graph")
click "$main" 3180 4790 # the growth rate's box
xdotool key ctrl+a && xdotool type 0.3
click "$main" 3180 5990 # the end time's box
xdotool key ctrl+a && xdotool type 25
await_change "$main" "$graph" "$before" "editing the boxes"
xdotool mousemove 1279 1023
before=$(picture "$main" "$graph")
xdotool key Return Return
await_change "$main" "$graph" "$before" "the second run"
take "$main" main-window.png

# A click on the chart opens the large graph window on N(t); five clicks on its
# chart step the cycle on to the comparison of the two models.
click "$main" 7000 2500
large=$(window Form2) || fail "the large graph window did not open"
chart=$(area 96 96 10572 7116)
# The pointer comes to rest on the chart first, so that each click's change is the next chart.
xdotool mousemove --window "$large" $((5000 / 15)) $((3000 / 15))
until_deadline 20 still "$large" "$chart" || fail "the large graph window is not drawn"
for _ in 1 2 3 4 5; do
    before=$(picture "$large" "$chart")
    xdotool click 1
    await_change "$large" "$chart" "$before" "a click on the large chart"
done
xdotool mousemove 1279 1023
until_deadline 20 still "$large" "$chart" || fail "the large chart does not settle"
take "$large" large-graph.png

# "Detail" opens the table over the large graph window.
click "$large" 7747 7507
table=$(window "Data detail") || fail "the data table did not open"
xdotool mousemove 1279 1023
until_deadline 20 still "$table" "$(area 0 0 10000 7400)" || fail "the data table is not drawn"
take "$table" data-table.png
echo "main-window.png, large-graph.png and data-table.png written to $out"
