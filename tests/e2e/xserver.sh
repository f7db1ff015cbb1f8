# Sourced by the scripts that drive the real program.
#
# start_x_server starts a virtual X server on a display it picks itself
# (Xvfb -displayfd, so two runs on one machine cannot meet) and exports
# DISPLAY; it returns 1 if none can start. The caller sets up a trap that
# kills $xvfb_pid.
start_x_server() {
    command -v Xvfb >/dev/null && command -v xdotool >/dev/null || return 1
    local number display=
    number=$(mktemp) || return 1
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number" >/dev/null 2>&1 &
    xvfb_pid=$!
    # The number comes when the server accepts clients.
    until_deadline 10 test -s "$number" && read -r display <"$number"
    rm -f "$number"
    [ -n "$display" ] || return 1
    export DISPLAY=":$display"
    unset QT_QPA_PLATFORM
}

# start_window_manager starts openbox on that display and returns once it
# manages windows; it returns 1 if it cannot. The caller kills $wm_pid.
start_window_manager() {
    command -v openbox >/dev/null && command -v xprop >/dev/null || return 1
    openbox --sm-disable >/dev/null 2>&1 &
    wm_pid=$!
    until_deadline 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'
}

# start_desktop: the X server and then the window manager; returns 1 if either fails.
# stop_desktop kills them, and the program if the caller started it as $app_pid.
start_desktop() { start_x_server && start_window_manager; }
stop_desktop() { kill ${app_pid:-} ${wm_pid:-} ${xvfb_pid:-} 2>/dev/null; }

# until_deadline SECONDS COMMAND...: runs COMMAND until it succeeds, for at most SECONDS.
until_deadline() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@" 2>/dev/null; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}

# The program's windows, for a script that started it as $app_pid. Each waiting
# helper gives up after 20 s.
not() { ! "$@" >/dev/null; } # succeeds when the command fails, quietly

# The program's visible windows with exactly this title; fails if there is none.
windows_titled() {
    local id found=1
    for id in $(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null); do
        [ "$(xdotool getwindowname "$id")" = "$1" ] && echo "$id" && found=0
    done
    return $found
}
# Waits until the program shows a window with exactly this title, and prints its id; or until
# it shows none; or until the window manager has given this window the keyboard.
window() { until_deadline 20 windows_titled "$1" >/dev/null && windows_titled "$1" | head -n1; }
gone() { until_deadline 20 not windows_titled "$1"; }
active() { until_deadline 20 is_active "$1"; }
is_active() { [ "$(xdotool getactivewindow)" = "$1" ]; }
# Whether the window is mapped.
shown() { xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }
