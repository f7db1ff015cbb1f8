#!/usr/bin/env bash
# What a packager and a software centre check: the desktop entry, the
# AppStream metainfo, the manual page and, once `make package` has built it,
# the Debian package with lintian (errors fail; warnings are listed).
set -u
source=${1:?usage: packaging.sh source-dir build-dir version}
build=${2:?usage: packaging.sh source-dir build-dir version}
version=${3:?usage: packaging.sh source-dir build-dir version}
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

desktop-file-validate "$source/packaging/malvora.desktop" || fail "desktop entry"
appstreamcli validate --no-net --explain "$source/packaging/org.example.malvora.metainfo.xml" ||
    fail "metainfo"
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$source/packaging/malvora.1" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "manual page: $warnings"

deb=$build/malvora_${version}_$(dpkg --print-architecture).deb
if [ ! -f "$deb" ]; then
    echo "$deb not built (make package): lintian and the package's contents not checked"
    [ "$failures" -eq 0 ] && exit 77
    exit 1
fi
lintian --fail-on error --tag-display-limit 0 "$deb" || fail "lintian reports errors"

contents=$(mktemp -d)
trap 'rm -rf "$contents"' EXIT
dpkg-deb -x "$deb" "$contents"
for file in usr/bin/malvora usr/share/applications/malvora.desktop \
    usr/share/icons/hicolor/32x32/apps/malvora.png usr/share/icons/hicolor/256x256/apps/malvora.png \
    usr/share/metainfo/org.example.malvora.metainfo.xml usr/share/man/man1/malvora.1.gz \
    usr/share/doc/malvora/copyright usr/share/malvora/examples/census-1790-1860.csv \
    usr/lib/malvora/modules/malvora-sound.so; do
    [ -f "$contents/$file" ] || fail "the package holds no /$file"
done
# The program's catalogues are built into it, in every language; no file stands in for them.
[ -z "$(find "$contents/usr" -name '*.qm' -path '*malvora*')" ] ||
    fail "the package holds catalogues beside the binary"
english=$(LANGUAGE=en "$contents/usr/bin/malvora" --help | sed -n 2p)
for language in de es fr pt_BR tr zh_CN; do
    [ "$(LANGUAGE=$language "$contents/usr/bin/malvora" --help | sed -n 2p)" != "$english" ] ||
        fail "the binary holds no catalogue for $language"
done
! readelf -d "$contents/usr/bin/malvora" | grep -E 'RUNPATH|RPATH' || fail "the binary carries a run path"
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "no computed dependency on Qt Widgets"
dpkg-deb -f "$deb" Depends | grep -q libqt6multimedia6 || fail "no computed dependency on Qt Multimedia"
dpkg-deb -f "$deb" Depends | grep -q 'fonts-wqy-microhei, qt6-translations-l10n' ||
    fail "no dependency on the Chinese font and Qt's catalogues"

[ "$failures" -eq 0 ] && echo "desktop entry, metainfo, manual page and package pass"
exit $((failures > 0))
