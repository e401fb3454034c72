#!/usr/bin/env python3
"""Definition files and images of the official form sheets, from one layout source each.

Every sheet has a layout source tools/formblaetter/F01a<sheet>.txt (UTF-8).  From it this
script writes data/form/F01a<sheet>.def (the field positions the program prints by),
data/form/F01a<sheet>.svg (the drawing of the empty form page, one unit = one millimetre,
viewBox = the sheet size) and data/form/F01a<sheet>.bez (the captions of the text fields, for
the check report's note of a text cut to fit), so that the boxes of the drawing and the
positions of the values never drift apart.

Layout source: '#' starts a comment; other lines are columns separated by '|'.

    blatt  | <sheet> | <width mm> | <height mm> | <pitch mm> | <y of line 1 mm> | <tint>
    spalte | <name> | <x mm>            a named column, usable in the column field below

and then one row per drawing element or field, in the order of the definition file:

    Zeile | Text | Feld | Art | Spalte | n | d | Ausr | Abstand | Breite | S | Index

Zeile   the form's line number (its top is y1 + (Zeile - 1) * pitch); "-" for none,
        a decimal such as 3.5 for half-line positions of the heading area.
Text    the label; a leading '^' puts it small into the box's top-left corner,
        otherwise it is drawn left of the box from the label column (x 12 mm);
        for 'kreuz' it is drawn right of the box.
Feld    the field number of the value routine (blank for drawings only).
Art     titel, untertitel, abschnitt, kopf, hinweis (drawings) or
        text, betrag, zahl, prozent, kaesten, kreuz (fields with their box); a
        percentage prints whole rates without decimals, its "%" stands behind the box.
Spalte  x of the box's left edge in mm, or a named column.
n, d    character positions and decimals of an amount (at most 10; d < n), the number
        of boxes of a grid.
Ausr    alignment L, R or K; the kind gives the default.
Abstand box width of a grid (mm, 1..9).
Breite  width of a text box or a heading, in mm.
S       'S': printed only when the case is not taxed by the basic table.
Index   column 36 of the definition line.

    tools/formulare.py               write every sheet
    tools/formulare.py --pruefen     check the sources and the committed files; exit 1 on a fault
    tools/formulare.py --kaesten 11  the value boxes of a sheet as JSON (for the calibration test)
"""
import argparse
import json
import os
import sys
from xml.sax.saxutils import escape

WURZEL = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
QUELLEN = os.path.join(WURZEL, "tools", "formblaetter")
ZIEL = os.path.join(WURZEL, "data", "form")

# Glyph metrics of the value font (Arial / Liberation Sans, 11 pt bold) in mm.
ZIFFER = 2.16          # advance of a digit
GRUNDLINIE = 1.0       # baseline above the box's bottom edge
KREUZBOX = 3.6         # side of a cross box
LABELX = 12.0          # x of the labels left of a box
NUMMERX = 6.5          # centre of the line numbers
SCHRIFT = "Liberation Sans"

FELDARTEN = {"text": "L", "betrag": "K", "zahl": "R", "prozent": "R", "kaesten": "L", "kreuz": "L"}
ZEICHNUNGEN = {"titel", "untertitel", "abschnitt", "kopf", "hinweis"}


class Fehler(Exception):
    pass


def spalte_aus_feld(blatt, feld):
    """The column (child) or row that a field number implies on the sheets whose lines also
    name it in the index column (Anlage Kinder, Anlage N page 2); None where it implies none."""
    if blatt == 21:
        for anfang, ende in ((3, 58), (60, 119), (121, 124)):
            if anfang <= feld <= ende:
                return (feld - anfang) % 4 + 1
    elif blatt == 22:
        for anfang, ende in ((10, 49), (70, 104), (110, 143), (150, 183)):
            if anfang <= feld <= ende:
                return feld // 10 - anfang // 10 + 1
        if 60 <= feld <= 63:
            return feld - 59
    elif blatt == 32 and 21 <= feld <= 56 and 1 <= feld % 10 <= 6:
        return feld // 10 - 1
    return None


def zahl(text, standard=0.0):
    text = text.strip()
    return float(text) if text else standard


def ganz(text, standard=0):
    text = text.strip()
    return int(text) if text else standard


class Blatt:
    def __init__(self, datei):
        self.datei = datei
        self.name = os.path.basename(datei)
        self.nr = None
        self.zeilen = []      # the rows as dicts
        self.spalten = {}
        self.fehler = []
        self.lesen()

    def fehlerzeile(self, nr, text):
        self.fehler.append(f"{self.name} Zeile {nr}: {text}")

    def lesen(self):
        with open(self.datei, encoding="utf-8") as f:
            for nr, zeile in enumerate(f, 1):
                zeile = zeile.rstrip("\n")
                if not zeile.strip() or zeile.lstrip().startswith("#"):
                    continue
                teile = [t.strip() for t in zeile.split("|")]
                try:
                    if teile[0] == "blatt":
                        self.nr = ganz(teile[1])
                        self.breite, self.hoehe = zahl(teile[2]), zahl(teile[3])
                        self.abstand, self.y1 = zahl(teile[4]), zahl(teile[5])
                        self.tonung = teile[6] if len(teile) > 6 else "#ffffff"
                    elif teile[0] == "spalte":
                        self.spalten[teile[1]] = zahl(teile[2])
                    else:
                        self.zeile(nr, teile)
                except (ValueError, IndexError, Fehler) as e:
                    self.fehlerzeile(nr, str(e) or "unlesbar")
        if self.nr is None:
            self.fehler.append(f"{self.name}: die Zeile 'blatt' fehlt")

    def zeile(self, nr, teile):
        teile = (teile + [""] * 12)[:12]
        zeile, text, feld, art, spalte, n, d, ausr, abstand, breite, s, index = teile
        if art not in FELDARTEN and art not in ZEICHNUNGEN:
            raise Fehler(f"unbekannte Art '{art}'")
        if spalte in self.spalten:
            x = self.spalten[spalte]
        else:
            x = zahl(spalte, LABELX)
        z = dict(quelle=nr, zeile=zeile, text=text, feld=None, art=art, x=x,
                 n=ganz(n), d=ganz(d), ausr=ausr or FELDARTEN.get(art, "L"),
                 abstand=ganz(abstand), breite=zahl(breite), s=s == "S", index=ganz(index))
        if art in FELDARTEN:
            if not feld.strip():
                raise Fehler("ein Feld braucht eine Feldnummer")
            z["feld"] = ganz(feld)
            if not 0 <= z["feld"] <= 999:
                raise Fehler("Feldnummer außerhalb 0..999")
            if z["n"] > 10:
                raise Fehler("mehr als 10 Stellen")
            if z["d"] and z["d"] >= z["n"]:
                raise Fehler("mindestens so viele Nachkommastellen wie Stellen")
            if z["ausr"] not in ("L", "R", "K"):
                raise Fehler(f"unbekannte Ausrichtung '{z['ausr']}'")
            if not 0 <= z["abstand"] <= 9:
                raise Fehler("Abstand außerhalb 0..9")
            if art == "kaesten" and (z["abstand"] < 1 or z["n"] < 1):
                raise Fehler("ein Kästchenraster braucht n und Abstand")
            if art == "text" and not 5 <= z["breite"] <= 999:
                raise Fehler("ein Textfeld braucht seine Breite")
            if art in ("betrag", "zahl", "prozent") and z["n"] < 1:
                raise Fehler("ein Betrag braucht n")
            if not 0 <= z["index"] <= 9:
                raise Fehler("Index außerhalb 0..9")
        self.zeilen.append(z)

    # --- geometry -----------------------------------------------------------------------

    def oben(self, z):
        """Top of the row's line in mm (None without a line)."""
        if z["zeile"] in ("", "-"):
            return None
        return self.y1 + (float(z["zeile"]) - 1) * self.abstand

    def kaesten(self, z):
        """The boxes of a field: list of (x0, y0, x1, y1)."""
        top = self.oben(z)
        if top is None:
            raise Fehler("ein Feld braucht seine Zeile")
        y0, y1 = top + 0.4, top + self.abstand - 0.4
        x = z["x"]
        art = z["art"]
        if art == "text":
            return [(x, y0, x + z["breite"], y1)]
        if art == "kreuz":
            m = top + self.abstand / 2
            return [(x, m - KREUZBOX / 2, x + KREUZBOX, m + KREUZBOX / 2)]
        if art == "kaesten":
            return [(x + k * z["abstand"], y0, x + (k + 1) * z["abstand"], y1) for k in range(z["n"])]
        stellen = z["n"] - z["d"] if z["ausr"] == "K" else z["n"]
        breite = z["breite"] or round(stellen * ZIFFER + 2.6, 1)
        if z["ausr"] == "K":
            rechts = x + breite
            return [(x, y0, rechts, y1), (rechts + 2.6, y0, rechts + 9.6, y1)]
        return [(x, y0, x + breite, y1)]

    def position(self, z):
        """x and y of the definition line (the renderer adds 1.5 to x and takes 1.5 from y;
        a cross moves by another 0.5 mm both ways)."""
        k = self.kaesten(z)
        x0, y0, x1, y1 = k[0]
        grund = y1 - GRUNDLINIE
        art = z["art"]
        if art == "kreuz":
            # The cross glyph (about 2.6 mm) in the middle; its baseline 0.4 above the edge.
            return x0 + (KREUZBOX - 2.6) / 2 - 2.0, y1 - 0.4 + 1.0
        if art == "kaesten":
            return x0 + (z["abstand"] - ZIFFER) / 2 - 1.5, grund + 1.5
        if z["ausr"] == "L":
            return x0 + 1.0 - 1.5, grund + 1.5
        return x1 - 0.8 - 1.5, grund + 1.5  # R and K: right edge of the (DM) box

    # --- outputs ------------------------------------------------------------------------

    def definition(self):
        aus = [f"; F01a{self.nr}.def - erzeugt von tools/formulare.py aus tools/formblaetter/{self.name}",
               "; Feld Code n d Ausr Abst x y Breite S Index"]
        for z in self.zeilen:
            if z["feld"] is None:
                continue
            x, y = self.position(z)
            breite = int(z["breite"]) if z["art"] == "text" else 0
            code = {"betrag": "U", "zahl": "U", "prozent": "P"}.get(z["art"], " ")
            n = z["n"] if z["art"] in ("betrag", "zahl", "prozent", "kaesten") else 0
            aus.append(f"{z['feld']:3d} {code} {n:2d} {z['d']:1d} {z['ausr']} {z['abstand']:1d} "
                       f"{x:6.2f} {y:6.2f} {breite:3d} {'S' if z['s'] else ' '} {z['index']:1d}")
        return "\r\n".join(aus) + "\r\n"

    def bild(self):
        b, h = self.breite, self.hoehe
        t = []
        def text(x, y, s, groesse=2.4, fett=False, anker="start", farbe="#000000"):
            gewicht = ' font-weight="bold"' if fett else ""
            t.append(f'<text x="{x:.2f}" y="{y:.2f}" font-size="{groesse}"{gewicht} '
                     f'text-anchor="{anker}" fill="{farbe}">{escape(s)}</text>')
        def rechteck(x0, y0, x1, y1, fuellung="#ffffff", strich=0.25):
            t.append(f'<rect x="{x0:.2f}" y="{y0:.2f}" width="{x1 - x0:.2f}" height="{y1 - y0:.2f}" '
                     f'fill="{fuellung}" stroke="#000000" stroke-width="{strich}"/>')
        t.append(f'<rect x="0" y="0" width="{b:g}" height="{h:g}" fill="{self.tonung}"/>')
        # The line numbers at the left edge, behind a thin rule.
        nummern = sorted({float(z["zeile"]) for z in self.zeilen
                          if z["zeile"] not in ("", "-") and float(z["zeile"]) >= 1
                          and float(z["zeile"]).is_integer()})
        if nummern:
            text(NUMMERX, self.y1 - 1.2, "Zeile", 1.8, anker="middle")
            oben = self.y1
            unten = self.y1 + nummern[-1] * self.abstand
            t.append(f'<line x1="10" y1="{oben:.2f}" x2="10" y2="{unten:.2f}" stroke="#000000" stroke-width="0.2"/>')
            for n in nummern:
                y = self.y1 + (n - 1) * self.abstand
                text(NUMMERX, y + self.abstand / 2 + 0.9, f"{int(n)}", 2.4, anker="middle")
                t.append(f'<line x1="3" y1="{y + self.abstand:.2f}" x2="10" y2="{y + self.abstand:.2f}" '
                         f'stroke="#808080" stroke-width="0.1"/>')
        for z in self.zeilen:
            art = z["art"]
            oben = self.oben(z)
            if art in ZEICHNUNGEN:
                if oben is None:
                    continue
                mitte = oben + self.abstand / 2
                if art == "titel":
                    text(z["x"], mitte + 2.0, z["text"], 5.5, True)
                elif art == "untertitel":
                    text(z["x"], mitte + 1.2, z["text"], 3.4, True)
                elif art == "abschnitt":
                    breite = z["breite"] or (b - 4 - z["x"])
                    rechteck(z["x"], oben + 0.5, z["x"] + breite, oben + self.abstand - 0.5, "#d0d0d0", 0.15)
                    text(z["x"] + 1.5, mitte + 1.0, z["text"], 2.8, True)
                elif art == "kopf":
                    breite = z["breite"] or 30
                    text(z["x"] + breite / 2, mitte + 0.9, z["text"], 2.4, True, "middle")
                else:
                    text(z["x"], mitte + 0.9, z["text"], 2.2)
                continue
            kaesten = self.kaesten(z)
            for k in kaesten:
                rechteck(*k)
            x0, y0, x1, y1 = kaesten[0]
            if art == "betrag" and z["ausr"] == "K":
                text(kaesten[0][2] + 1.3, y1 - 0.8, ",", 3.0, True, "middle")
                text(x0 + 0.5, y0 + 1.5, "DM", 1.4)
                text(kaesten[1][0] + 0.5, y0 + 1.5, "Pf", 1.4)
            elif art == "betrag" and z["d"] == 0 and z["n"] >= 3:  # a count ("zahl") is no DM
                text(x0 + 0.5, y0 + 1.5, "DM", 1.4)
            elif art == "prozent":
                text(x1 + 0.8, y1 - 1.0, "%", 2.8, True)
            label = z["text"]
            if not label:
                continue
            if label.startswith("^"):
                text(x0 + 0.6, y0 + 1.6, label[1:], 1.7)
            elif art == "kreuz":
                text(x1 + 1.2, (y0 + y1) / 2 + 0.9, label, 2.4)
            else:
                text(LABELX, oben + self.abstand / 2 + 0.9, label, 2.4)
        kopf = (f'<?xml version="1.0" encoding="UTF-8"?>\n'
                f'<!-- F01a{self.nr}.svg - erzeugt von tools/formulare.py aus tools/formblaetter/{self.name} -->\n'
                f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
                f'width="{b:g}mm" height="{h:g}mm" viewBox="0 0 {b:g} {h:g}" font-family="{SCHRIFT}">\n')
        return kopf + "\n".join(t) + "\n</svg>\n"

    def beschriftung(self, z):
        """The caption a field stands under: its own label, else the label of its form line
        (the first labelled field or note of that line)."""
        if z["text"]:
            return z["text"].lstrip("^")
        for andere in self.zeilen:
            if andere["zeile"] == z["zeile"] and andere["text"] and andere["art"] != "kopf" and \
                    (andere["feld"] is not None or andere["art"] == "hinweis"):
                return andere["text"].lstrip("^")
        return ""

    def textbeschriftung(self, z):
        """The caption of a text field for a reader: its own caption, else the caption of the
        nearest text field above it in the same column (the continuation lines of a list)."""
        eigene = self.beschriftung(z)
        if eigene:
            return eigene
        oben = [a for a in self.zeilen if a["art"] == "text" and a["x"] == z["x"] and a["text"]
                and self.oben(a) is not None and self.oben(a) < self.oben(z)]
        return max(oben, key=self.oben)["text"].lstrip("^") if oben else ""

    def beschriftungen(self):
        """F01a<sheet>.bez: the caption of every text field (the fields fitted into their box),
        so that a text cut to fit can be named by its caption."""
        aus = [f"; F01a{self.nr}.bez - erzeugt von tools/formulare.py aus tools/formblaetter/{self.name}",
               "; Feld|Index|Beschriftung"]
        for z in self.zeilen:
            if z["feld"] is not None and z["art"] == "text":
                aus.append(f"{z['feld']}|{z['index']}|{self.textbeschriftung(z)}")
        return "\r\n".join(aus) + "\r\n"

    def feldkaesten(self):
        aus = []
        for z in self.zeilen:
            if z["feld"] is not None:
                aus.append({"feld": z["feld"], "index": z["index"], "art": z["art"], "s": z["s"],
                            "ausr": z["ausr"], "zeile": z["zeile"], "text": self.beschriftung(z),
                            "kaesten": self.kaesten(z)})
        return aus

    def pruefen(self):
        """Faults of the layout: boxes outside the sheet, overlapping boxes, fields twice."""
        gesehen = {}
        alle = []
        for z in self.zeilen:
            if z["feld"] is None:
                continue
            try:
                kaesten = self.kaesten(z)
            except Fehler as e:
                self.fehlerzeile(z["quelle"], str(e))
                continue
            soll = spalte_aus_feld(self.nr, z["feld"])
            if soll is not None and z["index"] != soll:
                self.fehlerzeile(z["quelle"], f"Feld {z['feld']} braucht den Index {soll}")
            if (z["feld"], z["index"]) in gesehen:
                self.fehlerzeile(z["quelle"], f"Feld {z['feld']} steht schon in Zeile {gesehen[(z['feld'], z['index'])]}")
            gesehen[(z["feld"], z["index"])] = z["quelle"]
            for k in kaesten:
                if k[0] < 0 or k[1] < 0 or k[2] > self.breite or k[3] > self.hoehe:
                    self.fehlerzeile(z["quelle"], f"Feld {z['feld']} liegt außerhalb des Blatts")
                for quelle, anderes in alle:
                    if k[0] < anderes[2] - 0.01 and anderes[0] < k[2] - 0.01 and \
                       k[1] < anderes[3] - 0.01 and anderes[1] < k[3] - 0.01:
                        self.fehlerzeile(z["quelle"], f"Feld {z['feld']} überdeckt das Feld aus Zeile {quelle}")
            alle.extend((z["quelle"], k) for k in kaesten)


def definitionszeile_pruefen(zeile):
    """The reader's rules for one line of a definition file: None when good or a comment."""
    zeile = zeile[:80]
    if not zeile.strip() or zeile.startswith(";"):
        return None
    spalte = lambda a, b: zeile[a - 1:b]
    def nur(s, erlaubt):
        return all(c in erlaubt for c in s)
    ziffern, zahlzeichen = " 0123456789", " -+.0123456789"
    if not spalte(1, 3).strip() or not nur(spalte(1, 3), ziffern):
        return "Feldnummer fehlt oder ist keine Zahl"
    for a, b in ((7, 8), (10, 10), (14, 14), (30, 32), (36, 36)):
        if not nur(spalte(a, b), ziffern):
            return "eine Zahlenspalte enthält keine Zahl"
    if not nur(spalte(16, 21), zahlzeichen) or not nur(spalte(23, 28), zahlzeichen):
        return "Position ist keine Zahl"
    if spalte(7, 8).strip() and int(spalte(7, 8)) > 10:
        return "mehr als 10 Stellen"
    if len(zeile) >= 12 and zeile[11] not in "LRK":
        return f"unbekannte Ausrichtung '{zeile[11]}'"
    return None


def blaetter():
    namen = sorted(n for n in os.listdir(QUELLEN) if n.startswith("F01a") and n.endswith(".txt"))
    return [Blatt(os.path.join(QUELLEN, n)) for n in namen]


def ausgaben(blatt):
    return {os.path.join(ZIEL, f"F01a{blatt.nr}.def"): blatt.definition().encode("cp1252"),
            os.path.join(ZIEL, f"F01a{blatt.nr}.svg"): blatt.bild().encode("utf-8"),
            os.path.join(ZIEL, f"F01a{blatt.nr}.bez"): blatt.beschriftungen().encode("cp1252")}


def main():
    p = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    p.add_argument("--pruefen", action="store_true")
    p.add_argument("--kaesten", type=int)
    a = p.parse_args()
    alle = blaetter()
    if a.kaesten is not None:
        for b in alle:
            if b.nr == a.kaesten:
                json.dump(b.feldkaesten(), sys.stdout)
                return 0
        print(f"kein Layout für Blatt {a.kaesten}", file=sys.stderr)
        return 1
    fehler = []
    for b in alle:
        b.pruefen()
        fehler += b.fehler
    if a.pruefen:
        for b in alle:
            if b.fehler:
                continue
            for pfad, inhalt in ausgaben(b).items():
                alt = open(pfad, "rb").read() if os.path.exists(pfad) else None
                if alt != inhalt:
                    fehler.append(f"{os.path.relpath(pfad, WURZEL)} ist nicht aus seiner Quelle erzeugt")
        for name in sorted(os.listdir(ZIEL)):
            if name.startswith("F01a") and name.endswith(".def"):
                with open(os.path.join(ZIEL, name), encoding="cp1252") as f:
                    for nr, zeile in enumerate(f.read().splitlines(), 1):
                        grund = definitionszeile_pruefen(zeile)
                        if grund:
                            fehler.append(f"{name} Zeile {nr}: {grund}")
        for f in fehler:
            print(f, file=sys.stderr)
        return 1 if fehler else 0
    if fehler:
        for f in fehler:
            print(f, file=sys.stderr)
        return 1
    for b in alle:
        for pfad, inhalt in ausgaben(b).items():
            with open(pfad, "wb") as f:
                f.write(inhalt)
    return 0


if __name__ == "__main__":
    sys.exit(main())
