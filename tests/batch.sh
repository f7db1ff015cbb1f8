#!/usr/bin/env bash
# The command line of the real program, as a script uses it: no display, the
# data file's exact bytes, exit statuses, one line on standard error, and no
# file touched by a bad call.
set -u
app=${1:?usage: batch.sh path/to/malvora path/to/defaults.csv}
defaults=${2:?usage: batch.sh path/to/malvora path/to/defaults.csv}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Runs the program without any display; standard output and error go to files.
# $stdout sends standard output elsewhere ("closed" closes it); $filesize limits the size of a
# written file (kB); $locale, where set, replaces the environment's locale (empty: none at
# all); else the system's reasons for a failed write are in English, as the rows expect them.
malvora() {
    (
        ulimit -f "${filesize:-unlimited}"
        trap '' XFSZ
        unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
        if [ -n "${locale+set}" ]; then
            unset LANG LANGUAGE LC_ALL LC_CTYPE LC_MESSAGES LC_NUMERIC
            [ -z "$locale" ] || export "${locale?}"
        else
            unset LANGUAGE LC_ALL
            export LC_MESSAGES=C.UTF-8
        fi
        [ "${stdout-}" != closed ] || exec >&-
        exec "$app" "$@"
    ) >"$work/out" 2>"$work/err"
}

# expect STATUS STDERR-PATTERN ARGS...: the exit status and standard error of one call.
expect() {
    local status=$1 err=$2
    shift 2
    malvora "$@"
    local got=$?
    [ "$got" -eq "$status" ] || fail "malvora $*: status $got, not $status"
    [[ "$(cat "$work/err")" == $err ]] || fail "malvora $*: said '$(cat "$work/err")', not '$err'"
}

expect 0 "" --output "$work/defaults.csv"
cmp -s "$defaults" "$work/defaults.csv" || fail "defaults: the file differs from Save's"

expect 0 "" --rate 0.2 --initial 10 --end 20 --output -
cmp -s "$defaults" "$work/out" || fail "--output -: standard output differs from Save's file"

expect 0 "" --end 0 --output -
printf '"T","N(t)","DeltaN(t)"\r\n0,10,2.214\r\n' | cmp -s - "$work/out" || fail "T = 0: $(cat -A "$work/out")"

# Help lists every option that works, and no other.
expect 0 "" --help
grep -q -- '--output <file>' "$work/out" || fail "--help lists no --output"
listed=$(grep -o -- '--[a-z-]*' "$work/out" | sort -u | tr '\n' ' ')
[ "$listed" = "--end --fit --help --initial --output --rate --version --zoom " ] || fail "--help lists $listed"
# The help's lines break where the example's path leaves room: the words are looked for across them.
tr -s ' \n' '  ' <"$work/out" | grep -q 'U.S. Census Bureau decennial census counts' ||
    fail "--help names no source of the census"
grep -q -- 'Ctrl+0 ' "$work/out" || fail "--help lists no zoom keys"
for key in Left Home 'Page Up' S H Enter Escape Shift+F10; do
    grep -q -- "^  $key" "$work/out" || fail "--help names no chart key $key"
done
for option in -h -v --version; do expect 0 "" "$option"; done
expect 0 "" --version
[ "$(cat "$work/out")" = "Malvora $(sed -n 's/^project(Malvora VERSION \([0-9.]*\).*/\1/p' \
    "$(dirname "$0")/../CMakeLists.txt")" ] || fail "--version says '$(cat "$work/out")'"

# Every bad call exits 2, names the option and its form, and writes nothing.
end='must be a whole number from 0 to 2999, not'
rate='must be a plain number such as 0.2 or -1.5e-3, not'
initial='must be a plain number such as 10 or 2.5e3, not'

# A locale of another character type, or none, or another language changes nothing in the
# data file; a German desktop reads the messages in German.
for locale in LANG=C LC_ALL=POSIX LANG=de_DE.UTF-8 LANGUAGE=de ''; do
    expect 0 "" --output -
    cmp -s "$defaults" "$work/out" || fail "${locale:-no locale}: standard output differs from Save's file"
    said="--end $end"
    [[ $locale != *de* ]] || said="--end muss eine ganze Zahl von 0 bis 2999 sein, nicht"
    expect 2 "malvora: $said \"30x\"" --end 30x --output -
done
unset locale
while IFS='|' read -r message args; do
    eval "set -- $args"
    expect 2 "malvora: $message" --output "$work/bad.csv" "$@"
    [ ! -e "$work/bad.csv" ] || fail "malvora $*: wrote a file"
done <<EOF_CASES
--end $end "3000"|--end 3000
--end $end "-1"|--end -1
--end $end "20.5"|--end 20.5
--end $end "12abc"|--end 12abc
--end $end ""|--end ''
--rate $rate "0x10"|--rate 0x10
--rate $rate " 0.2"|--rate ' 0.2'
--rate is too large in size to compute with: "1e999"|--rate 1e999
--initial is too large in size to compute with: "-2e308"|--initial -2e308
--end $end "000003000"|--end 000003000
--end $end "+20"|--end +20
--end is given more than once; give each option once|--end 5 --end 6
--rate is given more than once; give each option once|--rate=1 --end 3 --rate 1
--output is given more than once; give each option once|--output -
--help is given more than once; give each option once|-h --help
--rate $rate "inf"|--rate inf
--rate $rate "0,2"|--rate 0,2
--initial $initial "&H10"|--initial '&H10'
--initial $initial "10 "|--initial '10 '
Unknown option 'speed'.|--speed 3
Missing value after '--end'.|--end
--end $end "--output"|--end --output
unexpected argument "extra"; see malvora --help|extra
EOF_CASES
expect 2 'malvora: --zoom must be a whole number from 100 to 250, not "300"' --zoom 300
expect 2 'malvora: --zoom opens the windows and goes with no other option, not with --output' --zoom 150 --output -
expect 2 "malvora: --output needs a file name, or - for standard output" --output=
expect 2 "malvora: --output is needed: the file to write, or - for standard output; see malvora --help" --rate 0.3

# --fit prints the fit of a class's counts, one figure a line; a file that is not counts exits 2
# with one line naming the file and the line.
census=$(dirname "$0")/../resources/census-1790-1860.csv
expect 0 "" --fit "$census"
printf '%s\n' "r = 0.029515 ± 0.000143" "N(0) = 3956452" "doubling time = 23.48" "R² = 0.99986" \
    "counts fitted = 8" "counts left out (0 or below) = 0" | cmp -s - "$work/out" ||
    fail "--fit census: printed $(cat "$work/out")"
expect 0 "" --fit - <"$census"
printf 'Jahr;Anzahl\r\n0;1,5\r\n1;0\r\n2;x\r\n' >"$work/counts.csv"
expect 2 "malvora: $work/counts.csv, line 4: not two numbers, time and count: \"2;x\"." --fit "$work/counts.csv"
: >"$work/empty.csv"
expect 2 "malvora: $work/empty.csv holds no observations: it needs lines of two numbers, time and count." --fit "$work/empty.csv"
printf '1,5\n2,7\n' >"$work/two.csv"
expect 2 "malvora: $work/two.csv: A fit needs at least 3 counts above 0, taken at two times or more." --fit "$work/two.csv"
expect 2 "malvora: Cannot read $work/none.csv: No such file or directory." --fit "$work/none.csv"
expect 2 "malvora: --fit reads a file of counts and goes with no other option, not with --end" --fit "$census" --end 3

# A number too small for a double is 0, and leading zeros count for nothing, as in the window.
expect 0 "" --rate 0 --initial 0 --output "$work/zero.csv"
expect 0 "" --rate 1e-400 --initial -1e-400 --output -
cmp -s "$work/zero.csv" "$work/out" || fail "1e-400: not read as 0"
expect 0 "" --end 00020 --output -
cmp -s "$defaults" "$work/out" || fail "--end 00020: not read as 20"

# A name is its bytes: one that is not UTF-8 is written as given, and no other name is touched.
bad=$(printf 'bad\377\376name.csv')
expect 0 "" --output "$work/$bad"
cmp -s "$defaults" "$work/$bad" || fail "a name that is not UTF-8 was not written as given"
[ "$(find "$work" -name '*name.csv' | wc -l)" -eq 1 ] || fail "a name that is not UTF-8 wrote another file"

# Standard output as a name is written into as the shell opened it, never replaced.
printf 'old\r\n' >"$work/app.csv"
before=$(stat -c %i "$work/app.csv")
(unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM; exec "$app" --output /dev/stdout) >>"$work/app.csv"
{ printf 'old\r\n'; cat "$defaults"; } | cmp -s - "$work/app.csv" || fail "/dev/stdout >>: not appended"
[ "$(stat -c %i "$work/app.csv")" = "$before" ] || fail "/dev/stdout >>: the file was replaced"

# A run that overflows, or a file that cannot be written, exits 1 and keeps the old file.
printf 'old\n' >"$work/old.csv"
expect 1 "malvora: With these values some numbers of the model become too large in size for the program to compute. Choose a smaller end time, or a growth rate or initial size nearer 0." \
    --rate 1 --end 709 --output "$work/old.csv"
[ "$(cat "$work/old.csv")" = old ] || fail "overflow: the old file changed"
# The file of 50 steps is more than the 1 kB allowed yet fits in a write buffer: a buffered
# write would fail only as it replaced the old file.
filesize=1 expect 1 "malvora: Cannot write $work/old.csv: File too large." --end 50 --output "$work/old.csv"
[ "$(cat "$work/old.csv")" = old ] || fail "disk full: the old file changed"
expect 1 "malvora: Cannot write $work/none/x.csv: No such file or directory." --output "$work/none/x.csv"
# Standard output that cannot take the file, or that the caller closed, is called so.
(unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM LC_ALL; LC_MESSAGES=C.UTF-8 exec "$app" --output -) >/dev/full 2>"$work/err"
[ "$(cat "$work/err")" = "malvora: Cannot write to standard output: No space left on device." ] ||
    fail "/dev/full: said '$(cat "$work/err")'"
stdout=closed expect 1 "malvora: Cannot write to standard output: it is closed." --output -
stdout=closed expect 1 "malvora: Cannot write /dev/stdout: it is closed." --output /dev/stdout

[ "$failures" -eq 0 ] && echo "every command-line case passed"
exit $((failures > 0))
