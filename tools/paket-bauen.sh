#!/usr/bin/env bash
# Builds the Debian package from a built tree (default: build) and checks it:
# its name, its files, and a dependency line computed from the binaries plus
# the run-time packages the program loads without linking them.
# Aufruf: tools/paket-bauen.sh [BAUVERZEICHNIS]
set -euo pipefail
cd "$(dirname "$0")/.."
bau=${1:-build}
fehler() { echo "FEHLER: $*" >&2; exit 1; }
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$bau/CMakeCache.txt")
arch=$(dpkg --print-architecture)
paket="$bau/quarnel_${version}_${arch}.deb"
rm -f "$paket"
(cd "$bau" && cpack -G DEB > cpack.log 2>&1) || { cat "$bau/cpack.log"; fehler "cpack"; }
[ -f "$paket" ] || fehler "$paket fehlt"

info=$(dpkg-deb -I "$paket")
inhalt=$(dpkg-deb -c "$paket" | awk '{print $6}')
feld() { dpkg-deb -f "$paket" "$1"; }
[ "$(feld Package)" = quarnel ] || fehler "Paketname $(feld Package)"
[ "$(feld Version)" = "$version" ] || fehler "Version $(feld Version)"
depends=$(feld Depends)
namen=$(tr ',' '\n' <<< "$depends" | sed 's/^ *//; s/ *(.*//')
# Computed from the binaries (each with its version): the C++ runtime, Qt and
# libjpeg; added: the Qt platform plugins and the fonts.
for p in libc6 libstdc++6 libqt6core6 libqt6widgets6 libqt6gui6 libqt6printsupport6 \
         libqt6svg6 libjpeg62-turbo qt6-qpa-plugins fonts-liberation2; do
  grep -qxF "$p" <<< "$namen" || fehler "Depends ohne $p: $depends"
done
grep -qF "libqt6core6 (>= " <<< "$depends" || fehler "Depends ohne Versionen: $depends"
for f in ./usr/bin/quarnel ./usr/bin/quarnel-cli ./usr/share/quarnel/form/Quar01.prf \
         ./usr/share/quarnel/htmlhelp/std/seite0.htm ./usr/share/quarnel/beispiele/Beispiel.S01 \
         ./usr/share/applications/de.quarnel.Quarnel.desktop \
         ./usr/share/metainfo/de.quarnel.Quarnel.metainfo.xml \
         ./usr/share/mime/packages/quarnel.xml \
         ./usr/share/icons/hicolor/scalable/apps/de.quarnel.Quarnel.svg \
         ./usr/share/man/man1/quarnel.1.gz ./usr/share/man/man1/quarnel-cli.1.gz \
         ./usr/share/doc/quarnel/copyright ./usr/share/doc/quarnel/changelog.gz \
         ./usr/share/doc/quarnel/README.md; do
  grep -qx "$f" <<< "$inhalt" || fehler "$f fehlt im Paket"
done
# Only below /usr, nothing of the build tree, no scripts that could leave anything behind.
! grep -v '^\./usr/' <<< "$inhalt" | grep -qv '^\./$' || fehler "Dateien außerhalb von /usr"
# The installed programs carry no search path into the build tree.
auspack=$(mktemp -d)
trap 'rm -rf "$auspack"' EXIT
dpkg-deb -x "$paket" "$auspack"
for b in quarnel quarnel-cli; do
  ! readelf -d "$auspack/usr/bin/$b" | grep -Eq "R(UN)?PATH" || fehler "$b mit RPATH"
done
! grep -Eq "(postinst|prerm|postrm|preinst)$" <<< "$info" || fehler "Paket mit Betreuerskripten"
# Hardened as Debian builds its programs. Control-flow protection is not
# asked for: Debian 12's C start-up files carry no IBT/SHSTK mark, so no
# program linked there can show it.
for b in quarnel quarnel-cli; do
  hardening-check --nocfprotection "$auspack/usr/bin/$b" > "$bau/hardening-$b.log" ||
    { cat "$bau/hardening-$b.log"; fehler "hardening-check $b"; }
done
# lintian: no error and no warning (the overrides say why where a tag is meant).
lintian --fail-on error,warning --display-info "$paket" > "$bau/lintian.log" 2>&1 ||
  { cat "$bau/lintian.log"; fehler "lintian"; }
sed 's/^/lintian: /' "$bau/lintian.log"
echo "$info" | sed -n '/^ Package:/,$p'
echo "Paket in Ordnung: $paket"
