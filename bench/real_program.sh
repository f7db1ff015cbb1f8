#!/usr/bin/env bash
# The real program in a real X window: time from launch to the title screen on
# the screen, beside the same time for the least Qt Widgets program (one label
# of the title screen's size), started in turns, as medians of several starts;
# then the resident memory after a run at the longest end time with every
# window opened once.
set -eu
app=${1:-build/app/malvora}
least=${2:-$(dirname "$app")/../bench/least_qt}
starts=${STARTS:-15}

. "$(dirname "$0")/../tests/e2e/xserver.sh"
trap 'kill $xvfb_pid 2>/dev/null' EXIT
start_x_server || { echo "no X server can be started (Xvfb and xdotool are needed)"; exit 1; }

visible() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1; }
wait_for() { for _ in $(seq 2000); do id=$(visible "$1") && [ -n "$id" ] && { echo "$id"; return; }; sleep 0.005; done; return 1; }
click() { xdotool mousemove --window "$1" $(($2 / 15)) $(($3 / 15)) click 1; sleep 0.3; }

# Milliseconds from launch until the program has $2 windows on the screen
# (the title screen comes with the backdrop behind it); nothing when it ended
# or showed nothing within 10 s.
launch() {
    local begin pid
    begin=$(date +%s%N)
    "$1" >/dev/null 2>&1 &
    pid=$!
    while [ "$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l)" -lt "$2" ]; do
        kill -0 "$pid" 2>/dev/null && [ $(($(date +%s%N) - begin)) -lt 10000000000 ] || {
            wait "$pid" 2>/dev/null || true; return; }
    done
    echo $((($(date +%s%N) - begin) / 1000000))
    kill "$pid"; wait "$pid" 2>/dev/null || true
}
median() { printf '%s\n' "$@" | sort -n | sed -n "$(($# / 2 + 1))p"; }

program=() yardstick=()
for _ in $(seq "$starts"); do
    yardstick+=($(launch "$least" 1))
    program+=($(launch "$app" 2))
done
p=$(median "${program[@]}") y=$(median "${yardstick[@]}")
echo "launch to title screen: median $p ms (of ${program[*]})"
echo "least Qt program, launch to its window: median $y ms (of ${yardstick[*]})"
echo "ratio: $(awk -v p="$p" -v y="$y" 'BEGIN { printf "%.2f", p / y }')"

"$app" >/dev/null 2>&1 &
pid=$!
sleep 1.5
xdotool key a
main=$(wait_for Malvora)
xdotool key Tab Tab Tab Tab ctrl+a
xdotool type 2999
xdotool key Return Return
sleep 0.5
click "$main" 7000 2500                       # the large graph window
graph=$(wait_for Form2)
click "$graph" 7747 7507                      # Detail
table=$(wait_for "Data detail")
click "$table" 4567 7747                      # back to the main form
click "$main" 2167 367                        # the title label: introduction
intro=$(wait_for Introduction)
click "$intro" 3007 5767                      # References
refs=$(wait_for References)
click "$refs" 4267 5407                       # OK
click "$main" 8939 6187                       # the photograph
more=$(wait_for "More about exponential growth")
click "$more" 4147 5407
click "$main" 7387 7267                       # the quiz button
quiz=$(wait_for Quiz)
click "$quiz" 5107 7207
click "$main" 3547 7402                       # Quit: the citation window
cite=$(wait_for Copyright)
click "$cite" 6967 6367                       # OK: the dedication window
wait_for Dedication >/dev/null
echo "resident memory with every window opened after a run at T = 2999: $(awk '/VmRSS/ {printf "%.1f MB", $2 / 1024}' /proc/$pid/status)"
kill "$pid"
