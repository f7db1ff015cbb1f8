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

# until_deadline SECONDS COMMAND...: runs COMMAND until it succeeds, for at most SECONDS.
until_deadline() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@" 2>/dev/null; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}
