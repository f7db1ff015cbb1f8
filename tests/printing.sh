#!/usr/bin/env bash
# Runs a test against a real print system: a private CUPS daemon of its own
# (own configuration, spool and socket under a temporary folder, no network)
# with a virtual PDF printer as its default, stopped and removed at the end
# whatever happens. The test finds the printed PDFs in $MALVORA_PDF_DIR.
set -u
[ $# -ge 1 ] || { echo "usage: printing.sh test-program [arguments]"; exit 2; }
for tool in /usr/sbin/cupsd /usr/sbin/lpadmin /usr/lib/cups/backend/cups-pdf /usr/bin/pdftoppm /usr/bin/pdftocairo; do
    [ -x "$tool" ] || { echo "SKIP: $tool is missing (make deps installs it)"; exit 77; }
done
# The PDF printer's backend runs only as root, and reads its settings from /etc/cups.
[ "$(id -u)" -eq 0 ] || { echo "SKIP: the PDF printer needs root"; exit 77; }

work=$(mktemp -d)
name=malvora$$
settings=/etc/cups/cups-pdf-$name.conf
daemon= test=
stop() {
    for pid in $test $daemon; do kill "$pid"; wait "$pid"; done 2>/dev/null
    rm -rf "$settings" "$work"
}
trap stop EXIT
trap 'exit 1' INT TERM

chmod 755 "$work" # the filters run as lp
mkdir -p "$work"/{etc,spool,cache,state,log,pdf,home}
mkdir -m 1777 "$work/tmp"
cat >"$work/etc/cups-files.conf" <<END
SystemGroup root
ServerRoot $work/etc
RequestRoot $work/spool
TempDir $work/tmp
CacheDir $work/cache
StateDir $work/state
ErrorLog $work/log/error_log
AccessLog $work/log/access_log
PageLog $work/log/page_log
ServerBin /usr/lib/cups
DataDir /usr/share/cups
END
cat >"$work/etc/cupsd.conf" <<END
ServerName localhost
Listen $work/cups.sock
Browsing No
WebInterface No
LogLevel info
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
END
printf 'Out %s\nAnonDirName %s\nSpool %s\nLabel 0\n' "$work/pdf" "$work/pdf" "$work/tmp" >"$settings"

/usr/sbin/cupsd -f -c "$work/etc/cupsd.conf" -s "$work/etc/cups-files.conf" &
daemon=$!
export CUPS_SERVER=$work/cups.sock
for _ in $(seq 100); do lpstat -r >/dev/null 2>&1 && break; sleep 0.1; done
lpstat -r >/dev/null 2>&1 || { echo "FAIL: the print system did not start"; exit 1; }
# The PDF printer takes PostScript: the page goes through cairo on its way there, which names
# each glyph by its character, so that the PDF made of it again still holds the page's texts as
# text. (Ghostscript, the print system's default way, keeps the glyphs' shapes but loses which
# characters they stand for when a font numbers its glyphs instead of naming them, as the
# toolkit's fonts in a PDF do.)
# The daemon can turn a connection away for a moment after it first answers: try again for 5 s.
printer=
for _ in $(seq 50); do
    lpadmin -p MalvoraPDF -E -v "cups-pdf:/$name" -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd \
        -o pdftops-renderer-default=pdftocairo \
        2>"$work/lpadmin.err" && lpadmin -d MalvoraPDF 2>"$work/lpadmin.err" && printer=yes && break
    sleep 0.1
done
[ -n "$printer" ] || { echo "FAIL: cannot set up the PDF printer: $(cat "$work/lpadmin.err")"; exit 1; }

# Only this print system counts: no user's printer settings, no printer named in the environment.
# The test runs in the background so that a signal stops the daemon at once.
env -u PRINTER -u LPDEST HOME="$work/home" MALVORA_PDF_DIR="$work/pdf" QT_QPA_PLATFORM=offscreen "$@" &
test=$!
wait "$test"
status=$?
test=
[ "$status" -eq 0 ] || tail -n 20 "$work/log/error_log"
exit "$status"
