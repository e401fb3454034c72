#!/bin/sh
# Installs into a scratch DESTDIR, moves the installed tree elsewhere and runs
# the installed programs from there with an empty environment and away from
# the checkout: both must take their data from the moved tree.
# Aufruf: installation_test.sh BAUVERZEICHNIS
set -eu
bau=$(cd "$1" && pwd)
fehler() { echo "FEHLER: $*" >&2; exit 1; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

DESTDIR="$tmp/ziel" cmake --install "$bau" --prefix /opt/quarnel > "$tmp/install.log"
mv "$tmp/ziel/opt/quarnel" "$tmp/woanders"
rm -rf "$tmp/ziel"
p="$tmp/woanders"
daten="$p/share/quarnel"
for f in bin/quarnel bin/quarnel-cli share/quarnel/form/Quar01.prf \
         share/quarnel/form/Fra999.fra share/quarnel/htmlhelp/std/seite0.htm \
         share/quarnel/beispiele/Beispiel.S01 share/applications/de.quarnel.Quarnel.desktop \
         share/metainfo/de.quarnel.Quarnel.metainfo.xml share/mime/packages/quarnel.xml \
         share/icons/hicolor/scalable/apps/de.quarnel.Quarnel.svg \
         share/man/man1/quarnel.1.gz share/man/man1/quarnel-cli.1.gz; do
  [ -f "$p/$f" ] || fehler "$f nicht installiert"
done
# The metainfo together with the desktop file it names, as installed.
appstreamcli validate-tree --no-net --strict "$p" > "$tmp/baum.log" ||
  fehler "appstreamcli validate-tree: $(cat "$tmp/baum.log")"
# Whole data directories are installed: the same files as in the checkout.
quelle=$(sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' "$bau/CMakeCache.txt")
for d in form htmlhelp beispiele; do
  diff -r "$quelle/data/$d" "$daten/$d" > /dev/null || fehler "$d weicht vom Quellbaum ab"
done

mkdir -p "$tmp/heim/.config/quarnel"
printf '[Start]\nTips=0\nEingangsFenster=0\n' > "$tmp/heim/.config/quarnel/Quar01.ini"
cd "$tmp/heim"
leer() { env -i PATH=/usr/bin:/bin HOME="$tmp/heim" LANG=C.UTF-8 "$@"; }

for prog in quarnel-cli quarnel; do
  leer "$p/bin/$prog" --version > "$tmp/version"
  grep -qx "Installationsdaten: $daten/" "$tmp/version" ||
    fehler "$prog --version: $(cat "$tmp/version")"
done
grep -q "GPL-3.0-or-later" "$tmp/version" || fehler "--version ohne Lizenz: $(cat "$tmp/version")"
# Without a display, or with one that does not answer: one German line and
# exit code 1, not Qt's abort.
for anzeige in "" ":987"; do
  rc=0
  leer env ${anzeige:+DISPLAY=$anzeige} "$p/bin/quarnel" 2> "$tmp/ohne.err" || rc=$?
  [ "$rc" = 1 ] && [ "$(wc -l < "$tmp/ohne.err")" = 1 ] &&
    grep -q "^quarnel: Keine grafische Anzeige erreichbar" "$tmp/ohne.err" ||
    fehler "quarnel ohne Anzeige '$anzeige' endete mit $rc: $(cat "$tmp/ohne.err")"
done
leer "$p/bin/quarnel-cli" bescheid "$daten/beispiele/Beispiel.S01" > "$tmp/bescheid"
grep -q "B E S C H E I D" "$tmp/bescheid" || fehler "kein Bescheid"
# The checks need the catalogue of the installed data for their texts.
leer "$p/bin/quarnel-cli" pruefen "$daten/beispiele/Beispiel.S01" > "$tmp/pruefen"
QUARNEL_DATA="$quelle/data" "$bau/quarnel-cli" pruefen "$daten/beispiele/Beispiel.S01" > "$tmp/pruefen.soll"
cmp -s "$tmp/pruefen" "$tmp/pruefen.soll" || fehler "pruefen mit den installierten Daten weicht ab"

# The desktop program, offscreen, finds complete data and keeps running.
rc=0
leer timeout 4 "$p/bin/quarnel" -platform offscreen S- 2> "$tmp/gui.err" || rc=$?
[ "$rc" = 124 ] || fehler "quarnel endete mit $rc: $(cat "$tmp/gui.err")"
! grep -q "Installationsdaten unvollständig" "$tmp/gui.err" || fehler "$(cat "$tmp/gui.err")"
# Without its form directory the moved installation says so (and does not
# fall back to the checkout).
rm -r "$daten/form"
rc=0
leer timeout 4 "$p/bin/quarnel" -platform offscreen S- 2> "$tmp/gui.err" || rc=$?
grep -q "Installationsdaten unvollständig in $daten/" "$tmp/gui.err" ||
  fehler "fehlende Daten nicht gemeldet: $(cat "$tmp/gui.err")"

# The manual pages: no warnings of the formatter, and each shows its program's arguments.
for seite in quarnel quarnel-cli; do
  leer MANWIDTH=80 man --warnings -E UTF-8 -l "$p/share/man/man1/$seite.1.gz" \
    > "$tmp/$seite.txt" 2> "$tmp/man.err"
  [ ! -s "$tmp/man.err" ] || fehler "man $seite: $(cat "$tmp/man.err")"
done
grep -q "S-" "$tmp/quarnel.txt" && grep -q "\-\-version" "$tmp/quarnel.txt" || fehler "quarnel(1) unvollständig"
grep -Eq "bescheid +DATEI" "$tmp/quarnel-cli.txt" && grep -Eq "^ +hilfe +zeigt" "$tmp/quarnel-cli.txt" ||
  fehler "quarnel-cli(1) unvollständig"
echo "Installation in Ordnung: $p"
