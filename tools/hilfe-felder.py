#!/usr/bin/env python3
"""Field anchors of the help pages, made from the field catalogue.

Every entry page has a help page "F" + three digits below data/htmlhelp/; inside it
the paragraph of a field carries the anchor "F" + the four digits of the field
number, so that the side view can jump to the focused field.  This script reads
src/core/case/feldkatalog_daten.inc and writes, into each page, the block between
the markers <!-- FELDER ANFANG --> and <!-- FELDER ENDE -->:

    <a name="F1101"></a><h4>Name <small>(1101)</small></h4>
    <!--t-->text<!--/t-->

A text written between <!--t--> and <!--/t--> is kept; a field without one gets
a sentence made from its caption, tab, type and choices, marked <!--a-->…<!--/a-->
and made anew on every run.  A heading
written as <!--h-->Heading<!--/h--> is kept too; otherwise the heading is the
field's caption in the catalogue.  In a TSV text a leading {Heading} sets it.  A missing page
is created with a short frame.  The help files are Windows-1252 bytes; the few
characters that Windows-1252 puts at 0x80..0x9F (quotes, dashes, the euro sign)
are written as numeric entities, so a page reads the same if a viewer takes it
for Latin-1.

    tools/hilfe-felder.py                     update every page
    tools/hilfe-felder.py --texte a.tsv ...   also take texts from TSV files
                                              (UTF-8: page class, field number, HTML text)
    tools/hilfe-felder.py --pruefen           only check: anchors, links, encoding
"""
import argparse
import html
import os
import re
import sys

WURZEL = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
KATALOG = os.path.join(WURZEL, "src/core/case/feldkatalog_daten.inc")
HILFE = os.path.join(WURZEL, "data/htmlhelp")
KODIERUNG = "windows-1252"

# Page class -> help pages (three digits) that show its fields.  The number is the
# one the main window derives from area and page; subordinate pages carry their own.
SEITEN = {
    "TF_ErSie": ["011"], "TF_FahrZ": ["012"], "TF_Kind": ["021"], "TF_NSA": ["031"],
    "TF_WKFahrt": ["041"], "TF_WKBVerb": ["042"], "TF_WKArbM": ["043"],
    "TF_WKVerpfl": ["044"], "TF_WKDoppH": ["045"], "TF_WKZimmer": ["046"],
    "TF_WKReise": ["047"], "TF_WKSonst": ["048"], "TF_KSO": ["061"], "TF_VuV": ["071"],
    "TF_GSE1": ["081"], "TF_GSE2": ["091"], "TF_LuF": ["101"], "TF_Rente": ["111"],
    "TF_SonstEk": ["112"], "TF_SAVers": ["121"], "TF_SaRDL": ["122"], "TF_SAKiZi": ["123"],
    "TF_SAHaHi": ["124"], "TF_SaAbKost": ["125"], "TF_SaSpende": ["126"],
    "TF_SAVaVr": ["127"], "TF_AbBeHi": ["131"], "TF_AbHiHeim": ["132"],
    "TF_ABHPfleg": ["133"], "TF_AbUntBe": ["134"], "TF_AbAusBi": ["135"],
    "TF_AbAndere": ["136"], "TF_SaFW0": ["141"], "TF_SaFW1": ["142"],
    "TF_SaFW3": ["143", "145"], "TF_SaFW2": ["144"], "TF_Anrech": ["151"],
    "TF_Stat": ["161"], "TF_WWW": ["171"], "TF_Kurz": ["172"],
    "TF_BehindN": ["501"], "TF_Ausbild": ["502"], "TF_KsoList": ["503"],
    "TF_AFA": ["542"], "TF_HausHi": ["562"], "TF_AbEink": ["570"],
}

ANFANG = "<!-- FELDER ANFANG -->"
ENDE = "<!-- FELDER ENDE -->"
EHEGATTE = {"Ehefrau", "Ehegatte", "Ehemann", "Ehefrau/Ehegatte", "Ehegatte/Ehefrau"}


def latin1_sicher(text):
    """Characters stored at 0x80..0x9F in Windows-1252 as numeric entities."""
    return "".join("&#%d;" % ord(c) if 0x80 <= c.encode(KODIERUNG)[0] <= 0x9F else c
                   for c in text)


def katalog_lesen():
    """Rows of the catalogue as dicts (only the columns used here)."""
    zeilen = []
    muster = re.compile(r'"((?:[^"\\]|\\.)*)"|(-?\d+)|Feld(?:Typ|Art)::(\w+)')
    with open(KATALOG, encoding="utf-8") as f:
        for line in f:
            if not line.startswith("{"):
                continue
            werte = [a if a or not (b or c) else (b or c) for a, b, c in muster.findall(line)]
            if len(werte) < 16:
                continue
            zeilen.append({
                "id": werte[0], "name": werte[1], "offset": int(werte[3]), "typ": werte[4],
                "breite": int(werte[5]), "seite": werte[8], "nr": int(werte[9]),
                "text": werte[10], "tab": werte[11].replace("&", ""),
                "auswahl": [w.strip() for w in werte[12].split("|") if w.strip()],
                "art": werte[14],
            })
    return zeilen


def felder_je_seite(zeilen):
    seiten = {}
    for z in zeilen:
        if z["nr"] <= 0 or not z["seite"]:
            continue
        seiten.setdefault(z["seite"], {}).setdefault(z["nr"], []).append(z)
    return seiten


def ueberschrift(reihen):
    for z in reihen:
        t = z["text"].strip()
        if t and t not in EHEGATTE:
            return t
    return reihen[0]["tab"] or "Feld"


def satz(reihen):
    """A plain sentence for a field nobody has written a text for yet."""
    eingaben = [z for z in reihen if z["art"] == "Eingabe"] or reihen
    erste = eingaben[0]
    tab = erste["tab"]
    teile = []
    if all(z["art"] != "Eingabe" for z in reihen):
        teile.append("Dieser Wert wird vom Programm aus Ihren übrigen Angaben berechnet und "
                     "nur angezeigt; Sie können ihn hier nicht ändern.")
    elif erste["typ"] == "Auswahl":
        wahl = erste["auswahl"]
        if 0 < len(wahl) <= 8:
            teile.append("Wählen Sie den zutreffenden Eintrag aus der Liste: "
                         + ", ".join("„%s“" % w for w in wahl) + ".")
        else:
            teile.append("Wählen Sie den zutreffenden Eintrag aus der Liste.")
    elif erste["typ"] == "Datum":
        teile.append("Geben Sie das Datum in der Form TT.MM.JJJJ ein; leer bleibt das Feld, "
                     "wenn es kein Datum gibt. Unzulässige Daten weist das Programm mit dem "
                     "erlaubten Eingabebereich zurück.")
    elif erste["typ"] == "Double":
        teile.append("Tragen Sie den Betrag für das Jahr 2001 in DM ein "
                     "(mit Dezimalkomma, z.B. 1.234,50).")
    elif erste["typ"] == "Boolesch":
        teile.append("Kreuzen Sie das Feld an, wenn die Angabe für Ihren Fall zutrifft; "
                     "sonst lassen Sie es leer.")
    elif erste["typ"] in ("Ganzzahl", "Byte"):
        teile.append("Tragen Sie die Anzahl als ganze Zahl ein.")
    elif len(eingaben) > 1 and not any(
            z["text"].strip() in EHEGATTE or z["name"].endswith("Sie") for z in eingaben):
        teile.append("Geben Sie die Angaben in die Felder dieser Zeile ein.")
    else:
        teile.append("Geben Sie den Text ein (höchstens %d Zeichen)." % erste["breite"])
    if len(eingaben) > 1 and any(z["text"].strip() in EHEGATTE or z["name"].endswith("Sie")
                                 for z in eingaben[1:]):
        teile.append("Die zweite Spalte gilt für die Ehefrau bzw. den Ehegatten; sie wird nur "
                     "ausgefüllt, wenn Sie zusammen veranlagt werden.")
    if tab:
        teile.append("Sie finden das Feld auf der Registerkarte „%s“." % tab)
    return html.escape(" ".join(teile), quote=False)


def texte_lesen(pfade):
    texte = {}
    for pfad in pfade:
        with open(pfad, encoding="utf-8") as f:
            for zeile in f:
                zeile = zeile.rstrip("\n")
                if not zeile.strip() or zeile.startswith("#"):
                    continue
                klasse, nr, text = zeile.split("\t", 2)
                texte[(klasse.strip(), int(nr))] = text.strip()
    return texte


def vorhandene_texte(block):
    texte = {}
    muster = r'<a name="F(\d{4})"></a><h4>(.*?)</h4>\s*<!--([ta])-->(.*?)<!--/\3-->'
    for m in re.finditer(muster, block, re.S):
        if m.group(3) != "t":
            continue
        kopf = re.search(r"<!--h-->(.*?)<!--/h-->", m.group(2), re.S)
        texte[int(m.group(1))] = ("{%s}" % kopf.group(1) if kopf else "") + m.group(4).strip()
    return texte


def kopf_und_text(eintrag):
    """'{Heading} text' -> (heading or None, text)."""
    m = re.match(r"\{([^}]*)\}\s*(.*)", eintrag, re.S)
    return (m.group(1), m.group(2)) if m else (None, eintrag)


def rahmen(nummer, klasse):
    titel = "Hilfe zur Eingabeseite F%s" % nummer
    return ('<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01 Transitional//EN">\n<html>\n<head>\n'
            '<meta http-equiv="Content-Type" content="text/html; charset=windows-1252">\n'
            '<meta charset="windows-1252">\n<title>%s</title>\n</head>\n<body>\n'
            '<h3>%s</h3>\n<p>Erläuterungen zu den Feldern dieser Seite.</p>\n%s\n%s\n'
            '<hr>\n<p><a href="std/index0.htm">Programm-Handbuch</a> | '
            '<a href="handbuch/2001/index.htm">Steuer-Handbuch 2001</a></p>\n'
            '</body>\n</html>\n' % (titel, titel, ANFANG, ENDE))


def block_schreiben(felder, klasse, alt, neu):
    teile = [ANFANG]
    for nr in sorted(felder):
        reihen = sorted(felder[nr], key=lambda z: z["offset"])
        eintrag = neu.get((klasse, nr)) or alt.get(nr)
        kopf, text = kopf_und_text(eintrag or satz(reihen))
        kopf = "<!--h-->%s<!--/h-->" % kopf if kopf else html.escape(ueberschrift(reihen), quote=False)
        marke = "t" if eintrag else "a"
        teile.append('<a name="F%04d"></a><h4>%s&nbsp;<small>(%04d)</small></h4>\n<!--%s-->%s<!--/%s-->'
                     % (nr, kopf, nr, marke, text, marke))
    teile.append(ENDE)
    return "\n".join(teile)


def aktualisieren(texte):
    seiten = felder_je_seite(katalog_lesen())
    for klasse, nummern in SEITEN.items():
        felder = seiten.get(klasse, {})
        for nummer in nummern:
            pfad = os.path.join(HILFE, "F%s.htm" % nummer)
            if os.path.exists(pfad):
                with open(pfad, encoding=KODIERUNG) as f:
                    inhalt = f.read()
            else:
                inhalt = rahmen(nummer, klasse)
            a, e = inhalt.find(ANFANG), inhalt.find(ENDE)
            if a < 0 or e < a:
                sys.exit("%s: Markierungen des Feldblocks fehlen" % pfad)
            alt = vorhandene_texte(inhalt[a:e])
            inhalt = inhalt[:a] + block_schreiben(felder, klasse, alt, texte) + inhalt[e + len(ENDE):]
            with open(pfad, "w", encoding=KODIERUNG, newline="\n") as f:
                f.write(latin1_sicher(inhalt))


SEITENANSICHT = {"std/seite0.htm", "std/seite1a.htm", "std/seite1m.htm", "std/seite1p.htm"}


def pruefen():
    """Every catalogue anchor present, every local link resolvable, every file 1252."""
    fehler = []
    seiten = felder_je_seite(katalog_lesen())
    for klasse, nummern in SEITEN.items():
        for nummer in nummern:
            pfad = os.path.join(HILFE, "F%s.htm" % nummer)
            if not os.path.exists(pfad):
                fehler.append("fehlt: F%s.htm" % nummer)
                continue
            with open(pfad, encoding=KODIERUNG) as f:
                inhalt = f.read()
            for nr in seiten.get(klasse, {}):
                if '<a name="F%04d">' % nr not in inhalt:
                    fehler.append("F%s.htm: Anker F%04d fehlt" % (nummer, nr))
    for wurzel, _, dateien in os.walk(HILFE):
        for datei in dateien:
            if not datei.lower().endswith((".htm", ".html")):
                continue
            pfad = os.path.join(wurzel, datei)
            rel = os.path.relpath(pfad, HILFE).replace(os.sep, "/")
            roh = open(pfad, "rb").read()
            try:
                inhalt = roh.decode(KODIERUNG)
            except UnicodeDecodeError as e:
                fehler.append("%s: kein Windows-1252 (%s)" % (rel, e))
                continue
            if b"\xc3" in roh and re.search("Ã[\x80-\xbf¤¶¼Ÿ„–œ]", inhalt):
                fehler.append("%s: sieht nach UTF-8 aus" % rel)
            if any(0x80 <= b <= 0x9F for b in roh):
                fehler.append("%s: Zeichen 0x80..0x9F nicht als Entität" % rel)
            if 'charset="windows-1252"' not in inhalt:
                fehler.append("%s: meta charset fehlt" % rel)
            # links of the side-view pages count from the help directory, all other
            # links and every picture from the page itself
            for art, ziel in re.findall(r'(href|src)="([^"]+)"', inhalt, re.I):
                basis = HILFE if rel in SEITENANSICHT and art.lower() == "href" else os.path.dirname(pfad)
                if re.match(r"[a-z]+:", ziel, re.I):
                    continue
                datei_teil, _, anker = ziel.partition("#")
                zielpfad = os.path.normpath(os.path.join(basis, datei_teil)) if datei_teil else pfad
                ziel_rel = os.path.relpath(zielpfad, HILFE).replace(os.sep, "/")
                if art.lower() == "href" and ziel_rel in SEITENANSICHT and rel not in SEITENANSICHT:
                    # a side-view page shown in the help viewer would resolve its
                    # own links from the wrong folder
                    fehler.append("%s: Verweis auf eine Seite der Seitenansicht: %s" % (rel, ziel))
                if not os.path.exists(zielpfad):
                    fehler.append("%s: Verweis ins Leere: %s" % (rel, ziel))
                elif anker and zielpfad.lower().endswith(".htm"):
                    zieltext = open(zielpfad, encoding=KODIERUNG, errors="replace").read()
                    if not re.search(r'name="%s"' % re.escape(anker), zieltext):
                        fehler.append("%s: Anker fehlt: %s" % (rel, ziel))
    for f in fehler:
        print(f)
    return not fehler


def main():
    p = argparse.ArgumentParser(description="Feldanker der Hilfeseiten aus dem Feldkatalog")
    p.add_argument("--texte", nargs="*", default=[], help="TSV-Dateien mit Feldtexten")
    p.add_argument("--pruefen", action="store_true", help="nur prüfen")
    a = p.parse_args()
    if not a.pruefen:
        aktualisieren(texte_lesen(a.texte))
    sys.exit(0 if pruefen() else 1)


if __name__ == "__main__":
    main()
