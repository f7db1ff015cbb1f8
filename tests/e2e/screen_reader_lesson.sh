#!/usr/bin/env bash
# A lesson as a blind student takes it: the real program in a real X window,
# the real screen reader (Orca) beside it, keys only. What the reader says is
# read from its debug log (its SPEECH OUTPUT lines); each step waits, for a
# bounded time, until the reader has said what the student must hear.
set -u
app=${1:?usage: screen_reader_lesson.sh path/to/malvora}

# The reader and the program meet on a session bus of their own.
if [ -z "${MALVORA_LESSON_BUS:-}" ]; then
    command -v dbus-run-session >/dev/null || { echo "SKIP: dbus-run-session is needed"; exit 77; }
    MALVORA_LESSON_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi

. "$(dirname "$0")/xserver.sh"
work=$(mktemp -d)
[ -n "${MALVORA_LESSON_KEEP:-}" ] && echo "work: $work"
trap 'kill ${app_pid:-} ${orca_pid:-} ${bus_pid:-} ${sound_pid:-} ${wm_pid:-} ${xvfb_pid:-} 2>/dev/null; [ -n "${MALVORA_LESSON_KEEP:-}" ] || rm -rf "$work"' EXIT
bus_launcher=
for candidate in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
    [ -x "$candidate" ] && bus_launcher=$candidate && break
done
if ! command -v orca >/dev/null || [ -z "$bus_launcher" ] || ! command -v pulseaudio parec >/dev/null; then
    echo "SKIP: the screen reader or the sound server is not installed (orca, at-spi2-core, speech-dispatcher, pulseaudio and pulseaudio-utils are needed)"
    exit 77
fi
if ! start_x_server || ! start_window_manager; then
    echo "SKIP: no X server with a window manager can be started here (Xvfb, xdotool, openbox and xprop are needed)"
    exit 77
fi
fail() {
    echo "FAIL: $*"
    echo "The reader said, since the last step:"
    spoken_since_mark | sed 's/^/    /'
    exit 1
}

# A home of its own: the reader's settings, the speech server's and the program's.
export HOME=$work XDG_CONFIG_HOME=$work/.config XDG_DATA_HOME=$work/.local/share
export XDG_RUNTIME_DIR=$work/run XDG_CACHE_HOME=$work/.cache
mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME/speech-dispatcher" && chmod 700 "$XDG_RUNTIME_DIR"
# Speech goes nowhere: the speech server's one voice is a command that says
# nothing, its sound goes to ALSA's null device, and the lesson reads what
# would have been said from the reader's log.
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher/modules"
printf '%s\n' 'AddModule "silent" "sd_generic" "silent.conf"' 'DefaultModule silent' \
    'AudioOutputMethod "alsa"' >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
printf '%s\n' 'GenericExecuteSynth "true"' 'AddVoice "en" "MALE1" "silent"' \
    >"$XDG_CONFIG_HOME/speech-dispatcher/modules/silent.conf"
printf '%s\n' 'pcm.!default { type null }' >"$HOME/.asoundrc"
# The program's sound goes to a sound server of the lesson's own, into a sink
# that plays nowhere; the lesson records the program's stream from it.
pulseaudio -n --daemonize=no --exit-idle-time=-1 --log-target=stderr \
    -L module-native-protocol-unix -L "module-null-sink sink_name=lesson" >"$work/sound.log" 2>&1 &
sound_pid=$!
"$bus_launcher" --launch-immediately >"$work/bus.log" 2>&1 &
bus_pid=$!
log=$work/orca.log
orca --replace --debug-file="$log" >"$work/orca.out" 2>&1 &
orca_pid=$!
[ -n "${MALVORA_LESSON_KEEP:-}" ] && echo "orca: $orca_pid"

# What the reader has said (one utterance a line) since the last mark.
mark=0
# Orca writes SPEECH OUTPUT: 'words' followed by the voice, {...} or [{...}];
# words of several lines (a label's line feeds) are joined with blanks.
spoken() {
    [ -f "$log" ] || return 0
    perl -0777 -ne 'while (/SPEECH OUTPUT: \x27(.*?)\x27 ?\[?\{/sg) { (my $t = $1) =~ s/\n/ /g; print "$t\n" }' "$log"
}
spoken_since_mark() { spoken | tail -n +$((mark + 1)); }
set_mark() { mark=$(spoken | wc -l); }
heard() { spoken_since_mark | grep -q -- "$1"; }
# Waits until the reader has said something matching the pattern since the last mark.
said() { until_deadline "${2:-60}" heard "$1" || fail "the reader did not say \"$1\""; }
# Presses keys after setting a mark: what follows is their answer. The reader
# drops the focus events of a control that the next key has already left, so
# keys come at a reading pace (xdotool's own --delay would hold each key down
# long enough for it to repeat).
keys() {
    set_mark
    local key
    for key; do
        xdotool key "$key"
        sleep 0.7
    done
}
# Types a value over the whole text of the focused box, a key at a time: the
# reader hangs on keys that come faster than it echoes them.
type_over() {
    local i key
    xdotool key ctrl+a
    sleep 0.5
    for ((i = 0; i < ${#1}; i++)); do
        key=${1:i:1}
        [ "$key" = . ] && key=period
        xdotool key "$key"
        sleep 0.5
    done
}
not() { ! "$@" >/dev/null; }
# Starts a step of the lesson; quote prints what the reader said in it, for
# whoever reads the test's output.
step_mark=0
step() { step_mark=$(spoken | wc -l); }
quote() {
    echo "== $1"
    spoken | tail -n +$((step_mark + 1)) | sed 's/^/    /'
}

until_deadline 60 heard "Screen reader on" || fail "the screen reader did not start: $(tail -n 5 "$work/orca.out")"
set_mark
step
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$app" >"$work/app.log" 2>&1 &
app_pid=$!

# The title screen presents itself with its words.
said "Press any key or click mouse to start"
quote "the title screen"

# Any key: the main window, named, with Run focused.
step
keys a
said "^Malvora dialog"
said "Run \(push \)\?button"
quote "a key on the title screen"

# A rate of 0 is put back to 0.2 with a notice that is spoken, and the focus
# stays in the rate box: the next Tab goes on to the result box.
step
keys Tab Tab
said "Growth rate (r)"
set_mark
type_over 0
keys Return
said "rate went back to 0\.2"
quote "Enter on a rate of 0"
step
keys Tab
said "^Population size at t =.*text"
quote "Tab from the rate box"

# r = 0.3 and T = 30, each confirmed with Enter, which moves on to Run.
step
keys shift+Tab
said "Growth rate (r)"
set_mark
type_over 0.3
keys Return
said "Run \(push \)\?button"
keys Tab Tab Tab Tab
said "For t = 0 to"
set_mark
type_over 30
keys Return
said "Run \(push \)\?button"

# Run: the result is said without another key, and the focus does not land
# on a chart button.
keys Return
said "^\(notification \)\?Population size at t = 30: 81030\.84\.\?$"
heard "lnN vs. t \(push \)\?button" && fail "the focus went to a chart button after Run"
quote "Enter on Run"

# Round the designed tab order from the chart to the result box, which is
# named as its label reads: each stop says what it is.
step
keys Tab
said "Initial size N(0)"
keys Tab
said "Growth rate (r)"
keys Tab
said "^Population size at t =30.*text"
quote "the third Tab from the chart"

# The quiz: its questions one by one.
step
keys shift+Tab shift+Tab shift+Tab shift+Tab
said "Quiz \(push \)\?button"
keys Return
said "^Quiz dialog"
quote "the quiz opens"
step
keys Tab
said "^1\. Can you name three organisms"
keys Down
said "^2\. Can you name any organism"
keys End
said "^6\. Both the change"
quote "Tab, Down and End in the quiz"
step
keys shift+Tab Return
said "^Malvora dialog"

# The data table, from the large graph window that Enter on the chart opens:
# its cells are heard with their time and column. The window is named for a
# reader, though its caption stays "Form2".
keys Tab
said "Curve of N(t) vs. time"
quote "Tab to the chart"

# The chart read by keys: its points, its summary, and its curve as sound.
step
keys Right
said "^\(notification \)\?t = 0, N(t) = 10, Doubling time ln 2 / r = 2\.31"
keys End
said "^\(notification \)\?t = 30, N(t) = 81030\.84"
quote "Right, then End on the chart"
step
keys s
said "It rises from 10 to 81030\.84, by a factor e^r = 1\.3499 each step: it doubles every ln 2 / r = 2\.31\."
quote "S on the chart"
step
# The program's own stream on the lesson's sound server (the reader may play
# sounds of its own there), recorded whole: the recording ends with it. It
# comes as the program plays it, 16-bit samples of one channel at 22050 Hz.
multimedia() { grep -q libQt6Multimedia "/proc/$app_pid/maps"; }
multimedia && fail "Qt Multimedia was loaded before the first H"
playing() { pactl list sink-inputs | grep -q "application.process.id = \"$app_pid\""; }
stream_of_program() {
    pactl list sink-inputs | awk -v pid="\"$app_pid\"" '
        /^Sink Input #/ { sub(/.*#/, ""); n = $0 } $1 == "application.process.id" && $3 == pid { print n }'
}
set_mark
xdotool key h
until_deadline 3 playing || fail "the program played nothing on the sound server"
timeout 10 parec --monitor-stream="$(stream_of_program)" --format=s16le --rate=22050 --channels=1 \
    --raw >"$work/curve.raw" 2>/dev/null
said "^\(notification \)\?N(t)$"
multimedia || fail "the program played without Qt Multimedia"
# Its pitch: the crossings of zero in each half second (the ticks add a few).
pitches=$(od -An -v -td2 -w2 "$work/curve.raw" |
    awk '{ s = $1 < 0; i = int((NR - 1) / 11025); if (NR > 1 && s != last) c[i]++; last = s; n = i }
         END { for (i = 0; i <= n; i++) printf "%d ", c[i] }')
echo "== H on the chart: the program's stream, crossings of zero in each half second: $pitches"
set -- $pitches
[ "$#" -ge 5 ] || fail "the program's stream was shorter than its tone: $pitches"
highest=$(printf '%s\n' "$@" | sort -n | tail -n 1)
[ "$highest" -gt $((2 * $1)) ] || fail "the tone of a growing N(t) did not rise: $pitches"
# Escape ends the sound at once.
xdotool key h
until_deadline 3 playing || fail "the second H played nothing"
sleep 0.5
xdotool key Escape
said "^\(notification \)\?Sound stopped\.\?$"
until_deadline 3 not playing || fail "the sound went on after Escape"
quote "H, then Escape on the chart"
step
keys Return
said "^Large graphs dialog"
quote "Enter on the chart"
# The large graph window opens on its chart, which comes after Detail.
step
keys shift+Tab
said "Detail \(push \)\?button"
keys Return
said "^Data detail dialog"
quote "Detail"
# Orca reads a row whole, without its header: the first value names the time.
step
keys Down
said "^Time 1, 13\.5"
keys Right
said "^N(t+1)-N(t) column header 4\.72"
quote "Down, then Right in the table"
step
keys Tab Return
said "^Malvora dialog"

# The quit sequence: the citation and the dedication present their text.
keys shift+Tab shift+Tab Return
said "^Copyright dialog"
said "please cite the following"
quote "Quit"
step
keys Return
said "^Dedication dialog"
said "God rest his soul"
quote "OK in the citation window"
step
set_mark
keys Return
until_deadline 10 not kill -0 "$app_pid" || fail "the program did not end"
app_pid=
echo "PASS: the reader said each step of the lesson"
