# Sourced by the scripts that drive the real program: starts a virtual X
# server on a free display and exports DISPLAY; returns 1 if none can start.
# The caller sets up a trap that kills $xvfb_pid.
start_x_server() {
    command -v Xvfb >/dev/null && command -v xdotool >/dev/null || return 1
    local n
    for n in $(seq 90 199); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || break
    done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=":$n"
    unset QT_QPA_PLATFORM
    for _ in $(seq 100); do
        xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}
