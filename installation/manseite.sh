#!/bin/sh
# Makes one manual page: the common source manseiten.in with the program's
# own --help text for the synopsis and the arguments, gzip-compressed.
# Aufruf: manseite.sh PROGRAMM NAME VERSION DATUM VORLAGE AUSGABE.1.gz
set -eu
programm=$1 name=$2 version=$3 datum=$4 vorlage=$5 ausgabe=$6
hilfe=$(mktemp)
seite=$(mktemp)
trap 'rm -f "$hilfe" "$seite"' EXIT
"$programm" --help > "$hilfe"

# The --help text in roff: the "Aufruf:" lines make the synopsis; a line
# ending in ":" a subsection; "  TERM  TEXT" (or TERM alone, TEXT indented on
# the next lines) a tagged paragraph; other lines plain paragraphs. The first
# plain paragraph repeats the description and is left out.
awk -v name="$name" -v version="$version" -v datum="$datum" -v hilfe="$hilfe" '
function roff(s) {
    gsub(/\\/, "\\e", s)
    sub(/^[.'\'']/, "\\\\\\&&", s)
    return s
}
function minus(s) { gsub(/-/, "\\-", s); return s }
function aufruf(zeile,    p) {
    sub(/^ +/, "", zeile)
    p = index(zeile, " ")
    if (p == 0) { aufrufText = aufrufText ".B " minus(zeile) "\n.br\n"; return }
    aufrufText = aufrufText ".B " minus(substr(zeile, 1, p - 1)) "\n" minus(roff(substr(zeile, p + 1))) "\n.br\n"
}
function lesen(    zeile, imAufruf, ersterAbsatz, absatz, m) {
    imAufruf = 0; ersterAbsatz = 1; absatz = 0
    while ((getline zeile < hilfe) > 0) {
        if (zeile ~ /^Aufruf: /) { sub(/^Aufruf: /, "", zeile); aufruf(zeile); imAufruf = 1; continue }
        if (imAufruf && zeile ~ /^        [^ ]/) { aufruf(zeile); continue }
        imAufruf = 0
        if (zeile ~ /^ *$/) { absatz = 0; continue }
        if (zeile ~ /^[^ ].*:$/) {
            sub(/:$/, "", zeile); argText = argText ".SS " roff(zeile) "\n"; absatz = 0; continue
        }
        if (zeile ~ /^  [^ ]/) {
            zeile = substr(zeile, 3)
            m = match(zeile, /   */)
            if (m) {
                argText = argText ".TP\n.B " minus(roff(substr(zeile, 1, m - 1))) "\n"
                zeile = substr(zeile, m + RLENGTH)
                argText = argText roff(zeile) "\n"
            } else {
                argText = argText ".TP\n.B " minus(roff(zeile)) "\n"
            }
            absatz = 1
            continue
        }
        if (zeile ~ /^    /) { sub(/^ +/, "", zeile); argText = argText roff(zeile) "\n"; continue }
        # a plain line at the left margin
        if (ersterAbsatz && argText == "") { continue }
        if (!absatz) argText = argText ".PP\n"
        argText = argText roff(zeile) "\n"; absatz = 1
    }
    close(hilfe)
}
BEGIN { lesen(); gross = toupper(name); aus = 1 }
/^@NUR / { aus = ($2 == name); next }
/^@ENDE$/ { aus = 1; next }
!aus { next }
/^@AUFRUF@$/ { printf "%s", aufrufText; next }
/^@ARGUMENTE@$/ {
    printf ".SH %s\n%s", (name == "quarnel-cli" ? "BEFEHLE UND OPTIONEN" : "PARAMETER"), argText
    next
}
{
    gsub(/@NAME_GROSS@/, gross); gsub(/@DATUM@/, datum); gsub(/@VERSION@/, version)
    print
}
' "$vorlage" > "$seite"
gzip -n -9 -c "$seite" > "$ausgabe"
