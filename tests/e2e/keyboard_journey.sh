#!/usr/bin/env bash
# The whole journey through the real program in a real X window: dismiss the
# title screen with a key, run the defaults with Enter, save the data file
# through the save dialog and the chart through its context menu by keyboard,
# open the large graph window and the data table, and quit through the
# citation and dedication windows. The program must end with exit status 0,
# the data file must hold the exact bytes and the chart file be a PNG image
# twice the chart's size.
set -u
app=${1:?usage: keyboard_journey.sh path/to/malvora}

. "$(dirname "$0")/xserver.sh"
work=$(mktemp -d)
trap 'stop_desktop; rm -rf "$work"' EXIT
if ! start_desktop; then
    echo "SKIP: no X server with a window manager can be started here (Xvfb, xdotool, openbox and xprop are needed)"
    exit 77
fi
fail() { echo "FAIL: $*"; exit 1; }
# Whether the window asks the window manager to leave it off the taskbar.
off_taskbar() { xprop -id "$1" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_TASKBAR; }

# Whether the program shows a pop-up list, such as the name box's completion.
popup_shown() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null); do
        xprop -id "$id" _NET_WM_WINDOW_TYPE | grep -Eq '_NET_WM_WINDOW_TYPE_(COMBO|DROPDOWN_MENU|POPUP_MENU)(,|$)' && return 0
    done
    return 1
}

# In the save dialog with this title, which must come up and take the keyboard, types
# the file name and Enter; waits until the dialog has closed and the file is there.
save_as() {
    local dialog
    dialog=$(window "$1") || fail "no dialog $1"
    active "$dialog" || fail "the dialog $1 does not have the keyboard"
    xdotool type --delay 20 "$2"
    # The name box's completion list must be gone before Enter, or Enter picks from it.
    until_deadline 20 not popup_shown || fail "a completion list stays open"
    xdotool key Return
    gone "$1" || fail "the dialog $1 did not close"
    until_deadline 10 test -s "$2" || fail "no $2 written; $work holds: $(ls "$work")"
}

# Clicks at a point given in twips of the window's client area (96 DPI on Xvfb).
click() { xdotool mousemove --window "$1" $(($2 / 15)) $(($3 / 15)) click 1; }

# A home of its own: the zoom and the save folder the user keeps are not this journey's.
HOME=$work XDG_CONFIG_HOME=$work/.config "$app" >"$work/app.log" 2>&1 &
app_pid=$!

# The backdrop and the title screen (named for the program) come up, the main
# window does not; none of them has a taskbar button.
backdrop=$(window Malvora4) || fail "no backdrop"
title=$(window Malvora) || fail "no title screen"
[ "$(windows_titled Malvora | wc -l)" -eq 1 ] || fail "main window visible before the title screen was dismissed"
off_taskbar "$backdrop" || fail "the backdrop has a taskbar button"
off_taskbar "$title" || fail "the title screen has a taskbar button"
active "$title" || fail "the title screen does not have the keyboard"
xdotool key a
until_deadline 20 not shown "$title" || fail "the title screen stays after a key"
main=$(window Malvora) || fail "main window did not come up after a key"
off_taskbar "$main" && fail "the main window has no taskbar button"
active "$main" || fail "the main window does not have the keyboard"

# Enter on the focused Run button runs the defaults.
xdotool key Return
# Focus is on the chart, last in the tab order: back past the quiz button and
# Quit to Save.
xdotool key shift+Tab shift+Tab shift+Tab Return
save_as "Save As" "$work/growth.csv"

expected=$(dirname "$0")/../data/defaults.csv
cmp "$expected" "$work/growth.csv" || { diff <(cat -A "$expected") <(cat -A "$work/growth.csv"); fail "data file differs"; }

# Back from the dialog on "Save", three Tabs reach the chart; Shift+F10 opens its
# menu, which takes the keys that follow: Down to its second item, which saves it.
active "$main" || fail "the main window does not have the keyboard back"
xdotool key Tab Tab Tab shift+F10 Down Down Return
save_as "Save chart as" "$work/chart.png"
# A PNG image twice the chart's 353 x 244 pixels (5292 x 3660 twips).
chart=$(file -b "$work/chart.png")
[[ $chart == "PNG image data, 706 x 488,"* ]] || fail "the chart file is $chart, not a PNG of 706 x 488"

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
off_taskbar "$dedication" || fail "the dedication window has a taskbar button"
click "$dedication" 3607 7567

until_deadline 10 not kill -0 "$app_pid" || fail "the program did not end"
wait "$app_pid"
status=$?
app_pid=
[ "$status" -eq 0 ] || fail "exit status $status: $(tail -n 30 "$work/app.log")"
echo "PASS: the whole journey, file bytes, chart image and exit status 0"
