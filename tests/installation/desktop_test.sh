#!/bin/sh
# The desktop file and the AppStream metainfo pass their validators, the MIME
# package is accepted by shared-mime-info, and a case file is recognised by
# its content as well as by its name.
# Aufruf: desktop_test.sh QUELLVERZEICHNIS BAUVERZEICHNIS
set -eu
quelle=$1 bau=$2
fehler() { echo "FEHLER: $*" >&2; exit 1; }
for w in desktop-file-validate appstreamcli update-mime-database gio; do
  command -v "$w" >/dev/null || fehler "$w fehlt (tools/pakete.sh installiert es)"
done

desktop-file-validate "$quelle/installation/de.quarnel.Quarnel.desktop"
# Without and with the network checks: every address it names must answer.
metainfo="$bau/installation/de.quarnel.Quarnel.metainfo.xml"
appstreamcli validate --no-net --strict "$metainfo"
appstreamcli validate --strict "$metainfo"
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$metainfo" || fehler "ohne project_license"
! grep -q 'example' "$metainfo" || fehler "Platzhalteradresse in $metainfo"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/mime/packages"
cp "$quelle/installation/quarnel-mime.xml" "$tmp/mime/packages/quarnel.xml"
XDG_DATA_HOME="$tmp" update-mime-database "$tmp/mime" 2>"$tmp/mime.err" || fehler "update-mime-database: $(cat "$tmp/mime.err")"
[ ! -s "$tmp/mime.err" ] || fehler "update-mime-database meldet: $(cat "$tmp/mime.err")"

typ() {
  XDG_DATA_HOME="$tmp" XDG_DATA_DIRS=/usr/share gio info -a standard::content-type "$1" |
    sed -n 's/^ *standard::content-type: //p'
}
erwarte() {  # DATEI TYP
  t=$(typ "$1")
  [ "$t" = "$2" ] || fehler "$(basename "$1"): $t statt $2"
}
beispiel="$quelle/data/beispiele/Beispiel.S01"
cp "$beispiel" "$tmp/Steuerfall"                 # no extension: by content
erwarte "$tmp/Steuerfall" application/x-quarnel-fall
# The program looks at the signature after the first byte only.
{ printf 'X'; tail -c +2 "$beispiel"; } > "$tmp/anderes-erstes-byte"
erwarte "$tmp/anderes-erstes-byte" application/x-quarnel-fall
cp "$beispiel" "$tmp/klein.s01"                  # by name, in any case
erwarte "$tmp/klein.s01" application/x-quarnel-fall
cp "$beispiel" "$tmp/Fall.S00"                   # same signature, told apart by name
erwarte "$tmp/Fall.S00" application/x-quarnel-vorjahr
head -c 193456 /dev/zero > "$tmp/Nullen"         # right size, no signature
t=$(typ "$tmp/Nullen")
[ "$t" != application/x-quarnel-fall ] || fehler "eine Datei aus Nullen gilt als Steuerfall"
{ printf '\010S00VER1'; head -c 100 /dev/zero; } > "$tmp/fast"   # one letter short
t=$(typ "$tmp/fast")
[ "$t" != application/x-quarnel-fall ] || fehler "eine unvollständige Kennung gilt als Steuerfall"
echo "Desktop-Datei, Metainfo und MIME-Typen in Ordnung"
