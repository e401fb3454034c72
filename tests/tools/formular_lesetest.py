#!/usr/bin/env python3
"""Read-back of the printed return: three rich cases are printed to PDF (into the official
form, without shifts, 100 %), every printed word is read back with its position
(pdftotext -bbox) and mapped to the definition line whose box it lies in.  Each word must
belong to the text that the sheet's routine gives that field (quarnel-cli formulare
--werte), every field must print whole (or be reported as cut), no two words may overlap,
and the table ERWARTET names what must stand on the line of a caption of the layout
source, so that a value under the wrong caption, a false statement or a dropped value
fails.

    formular_lesetest.py QUARNEL_CLI
"""
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from formular_kalibrierung_test import woerter  # noqa: E402  (words of a PDF with their boxes)

WURZEL = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
GENERATOR = os.path.join(WURZEL, "tools", "formulare.py")
RAND = 0.35  # mm of slack for the font's box

# --- the cases ----------------------------------------------------------------------------

# Joint, every annex, six children; the spouse's own amounts end in ",77" so that the
# basic-table variant can be swept for them.
GEMEINSAM = {
    "Splitting": "ja", "Grundtabelle": "nein", "ErSie_FamilienstandLB": "1",
    "StpflName": "Mustermann", "StpflVorname": "Max", "EhegVorname": "Erika",
    "StpflGebDat": "12.05.1950", "EhegGebDat": "03.09.1952", "StpflReligionLB": "1",
    "EhegReligionLB": "1", "BundeslandLb": "8", "Steuernummer": "12/345/67890",
    "StpflOrt": "Hannover", "StpflStrasse": "Lindenallee 3",
    # wages: taxpayer card 1, spouse card 1 (element 3); church tax to the Pfennig
    "Brutto[1]": "80000", "LStBrutto[1]": "15000", "KiStAnBrutto[1]": "1196.05",
    "Brutto[3]": "30000.77", "LStBrutto[3]": "3000.77", "KiStAnBrutto[3]": "300.77",
    "KiWeitere": "500",
    # double household of the taxpayer only
    "BeschOrt[1]": "Frankfurt", "UnterkunftDM[1]": "4800", "AGStFreiErs[1]": "1200",
    "FeldZeile61Str[1]": "Umzugskosten", "FeldZeile61Wert[1]": "650",
    # capital income of both
    "I_StpflCB[1]": "1", "I_ArtZinsen[1]": "1", "I_EinBetrag[1]": "9000",
    "I_StpflCB[2]": "2", "I_ArtZinsen[2]": "1", "I_EinBetrag[2]": "2500.77",
    # annuities 1 (taxpayer) and 3 (spouse) with the known Ertragsanteil
    "Zahlung1": "12000", "ErtAntBek1": "27", "LaeuftSeit1": "01.01.1999",
    "Zahlung3": "6677.77", "ErtAntBek3": "32", "LaeuftSeit3": "01.07.2000",
    # trade, rental object 1 with its running costs, statistics
    "GewEr1": "5000", "GewSie1": "1177.77",
    "ObjektProzEr[1]": "100", "MieteDM1[1]": "20000", "AfaGes1[1]": "3000",
    "AfaGes6[1]": "606", "AfaGes7[1]": "707", "ErhGes0[1]": "900", "ErhGes1[1]": "950",
    "ErhProz1[1]": "10",
    "LfdKostGes1[1]": "101", "LfdKostGes2[1]": "202", "LfdKostGes3[1]": "303",
    "LfdKostGes4[1]": "404", "LfdKostGes5[1]": "505", "LfdKostGes6[1]": "606.5",
    "LfdKostGes7[1]": "707", "LfdKostGes8[1]": "808", "LfdKostGes9[1]": "909",
    "LfdKostProz3[1]": "25",
    "P7_GebLin": "1000",
    # disability of the taxpayer, child 1 and child 3
    "GradBehinderung[1]": "50", "GradBehinderung[3]": "30", "GradBehinderung[5]": "70",
}
for k in range(1, 7):
    GEMEINSAM.update({f"Vorname[{k}]": f"Kind{k}", f"GebAm[{k}]": f"10.02.{1984 + 2 * k}",
                      f"InlandVom[{k}]": "01.01.2001", f"InlandBis[{k}]": "31.12.2001",
                      f"KindschaftZuEhemannLB[{k}]": "2", f"KindschaftZuEhefrauLB[{k}]": "2",
                      f"ErhKiGeld[{k}]": "3240"})

GRUNDTABELLE = dict(GEMEINSAM, **{"Splitting": "nein", "Grundtabelle": "ja",
                                  "ErSie_FamilienstandLB": "2"})

# Maximum-length texts and amounts.
STRESS = dict(GEMEINSAM, **{
    "StpflOrt": "Hohenwestedt-Ostermoor X", "StpflStrasse": "Ober der Kirchgasse 12345",
    "Vorname[1]": "Maximiliane Josefa Maria", "Vorname[2]": "Bartholomaeus-Ferdinand",
    "Anschrift[1]": "bei der Mutter, Hauptstrasse 1, 12345 Musterstadt"[:50],
    "Aus1": "Lebensversicherung Bremen"[:24], "BeschOrt[1]": "Frankfurt am Main Hoechst",
    "Brutto[1]": "9999999.99", "LfdKostGes9[1]": "999999.99",
    "GradBehinderung[4]": "100", "GradBehinderung[8]": "80",
})

# A case file of the installation stands for itself.
FAELLE = {"gemeinsam": GEMEINSAM, "grundtabelle": GRUNDTABELLE, "stress": STRESS,
          "beispiel": os.path.join(WURZEL, "data", "beispiele", "Beispiel.S01")}

# Main form page 2 declares the annexes printed: sheet -> (cross, count field) of page 2.
ANLAGENKREUZE = {41: (1, None), 81: (3, None), 311: (6, None), 312: (7, None), 51: (8, None),
                 711: (10, 11), 21: (14, 15), 61: (16, 17)}

# What must stand on the line of a caption: (case, sheet, caption, kind of field or field
# number, text); the first field of that caption and kind is read; None: no field of that
# caption prints.
ERWARTET = [
    # Anlage V page 2: every running cost under its own caption
    ("gemeinsam", 721, "Geldbeschaffungskosten", "betrag", "101,00"),
    ("gemeinsam", 721, "Renten, dauernde Lasten", "betrag", "202,00"),
    ("gemeinsam", 721, "Grundsteuer, Müllabfuhr", "betrag", "303,00"),
    ("gemeinsam", 721, "Wasser, Entwässerung", "betrag", "404,00"),
    ("gemeinsam", 721, "Heizung, Warmwasser", "betrag", "505,00"),
    ("gemeinsam", 721, "Versicherungen", "betrag", "606,50"),
    ("gemeinsam", 721, "Hauswart, Fahrstuhl", "betrag", "707,00"),
    ("gemeinsam", 721, "Verwaltungskosten", "betrag", "808,00"),
    ("gemeinsam", 721, "Sonstiges", "betrag", "909,00"),
    ("gemeinsam", 721, "Grundsteuer, Müllabfuhr", "prozent", "25"),
    ("gemeinsam", 721, "Erhöhte AfA §§ 7h, 7i EStG", "betrag", "606,00"),
    ("gemeinsam", 721, "Sonderabschr. § 4 FöGG", "betrag", "707,00"),
    ("gemeinsam", 721, "voll abziehbar, direkt zugeordnet", "betrag", "900,00"),
    ("gemeinsam", 721, "voll abziehbar, anteilig zugeordnet", "betrag", "950,00"),
    ("gemeinsam", 721, "voll abziehbar, anteilig zugeordnet", "prozent", "10"),
    # Anlage N page 2: the double household whole, its statements only where it is kept
    ("gemeinsam", 321, "abzüglich vom Arbeitgeber steuerfrei ersetzt", "betrag", "1200,00"),
    ("gemeinsam", 321, "weitere Kosten (Art)", "text", "Umzugskosten"),
    ("gemeinsam", 321, "weitere Kosten (Art)", "betrag", "650,00"),
    ("gemeinsam", 321, "kein eigener Hausstand", "kreuz", "X"),
    ("gemeinsam", 322, "kein eigener Hausstand", "kreuz", None),
    ("gemeinsam", 322, "nein", "kreuz", None),
    # Anlage SO: the Ertragsanteil as a percentage; the spouse's annuity only when joint
    ("gemeinsam", 81, "Ertragsanteil (bekannt)", "prozent", "27"),
    ("grundtabelle", 81, "Renten aus", "text", None),
    # church tax as paid, to the Pfennig (cards of both plus further payments)
    ("gemeinsam", 13, "Kirchensteuer", "betrag", "1996,82"),
    ("grundtabelle", 13, "Kirchensteuer", "betrag", "1696,05"),
    # main form page 2: the annexes printed are declared
    ("gemeinsam", 12, "Kapitalvermögen lt. Anlage KAP", "kreuz", "X"),
    ("gemeinsam", 12, "Nichtselbständige Arbeit lt. Anlage N für Stpfl./Ehemann", "kreuz", "X"),
    ("gemeinsam", 12, "Angaben zu Kindern lt. Anlage Kinder", "kreuz", "X"),
    ("gemeinsam", 12, "Anzahl", 15, "2"),
    ("gemeinsam", 12, "Anzahl", 11, "1"),
    # the third person with a disability on the continuation sheet
    ("gemeinsam", 15, "Vorname", "text", "Kind3"),
    ("stress", 15, "Vorname", "text", "Bartholomaeus-Ferdinand"),
    # page 4 points to it only where it is printed
    ("gemeinsam", 14, "weitere Personen (Zeilen 3 bis 6)", "text", "siehe Fortsetzungsblatt"),
    ("beispiel", 14, "weitere Personen (Zeilen 3 bis 6)", "text", None),
]

# --- reading back --------------------------------------------------------------------------


def cli(programm, *args):
    r = subprocess.run([programm, *args], capture_output=True, text=True)
    if r.returncode != 0:
        raise SystemExit(f"{os.path.basename(programm)} {args[0]}: {r.stderr.strip()}")
    return r.stdout


def werte_lesen(text):
    """The pages of --werte: [(sheet, {(field, index): (text, second line)})], cut texts."""
    seiten, gekuerzt = [], []
    for zeile in text.splitlines():
        if zeile.startswith("Seite "):
            seiten.append((int(zeile.split()[3]), {}))
        elif zeile.startswith("gekürzt\t"):
            gekuerzt.append(zeile.split("\t", 1)[1])
        else:
            feld, index, t, t2 = zeile.split("\t")
            seiten[-1][1][(int(feld), int(index))] = (t, t2)
    return seiten, gekuerzt


_layouts = {}


def layout(blatt):
    b2 = blatt // 10 if blatt > 100 else blatt
    b2 = {23: 21, 24: 22}.get(b2, b2)
    if b2 not in _layouts:
        _layouts[b2] = json.loads(cli(sys.executable, GENERATOR, "--kaesten", str(b2)))
    return _layouts[b2]


def huelle(feld):
    k = feld["kaesten"]
    return (min(b[0] for b in k), min(b[1] for b in k), max(b[2] for b in k), max(b[3] for b in k))


def innen(wort, feld):
    """Inside the field's boxes; a cross (its glyph is taller than the small box) by its
    middle."""
    h = huelle(feld)
    x0, y0, x1, y1 = wort[:4]
    if not (h[0] - RAND <= x0 and x1 <= h[2] + RAND):
        return False
    if feld["art"] == "kreuz":
        return h[1] <= (y0 + y1) / 2 <= h[3]
    return h[1] - RAND <= y0 and y1 <= h[3] + RAND


def soll(feld, wert):
    """The printed characters of a field's value, blanks left out."""
    text, zeile2 = wert
    if feld["ausr"] == "K" and len(text) >= 3:
        text = text[:-3] + text[-2:]
    return (text + zeile2).replace(" ", "")


def gelesen(feld, worte):
    drin = sorted((w for w in worte if innen(w, feld)), key=lambda w: (round(w[1]), w[0]))
    return "".join(w[4] for w in drin)


def fall_pruefen(programm, name, werte, tmp, fehler):
    datei = os.path.join(tmp, name + ".S01")
    pdf = os.path.join(tmp, name + ".pdf")
    if isinstance(werte, str):
        shutil.copyfile(werte, datei)
    else:
        cli(programm, "neu", datei)
        cli(programm, "setze", datei, *(f"{k}={v}" for k, v in werte.items()))
    seiten, gekuerzt = werte_lesen(cli(programm, "formulare", datei, "--werte", "--ungeschoben"))
    cli(programm, "formulare", datei, "--pdf", pdf, "--amtlich", "--ungeschoben")
    gedruckt = woerter(pdf)
    if len(gedruckt) != len(seiten):
        fehler.append(f"{name}: {len(gedruckt)} Seiten im PDF, {len(seiten)} Blätter")
        return {}
    gedruckte_blaetter = [b for b, _ in seiten]
    seite2 = next((f for b, f in seiten if b == 12), {})
    for blatt, (kreuz, zahl) in ANLAGENKREUZE.items():
        anzahl = sum(1 for b in gedruckte_blaetter if b == blatt or (blatt == 711 and 711 <= b <= 714)
                     or (blatt == 21 and b == 23))
        if anzahl and seite2.get((kreuz, 0), ("",))[0] != "X":
            fehler.append(f"{name}: Blatt {blatt} gedruckt, Seite 2 kreuzt Feld {kreuz} nicht an")
        if anzahl and zahl and seite2.get((zahl, 0), ("",))[0] != str(anzahl):
            fehler.append(f"{name}: Seite 2 Feld {zahl} zählt nicht {anzahl} Anlagen")
    gekuerzte_felder = {(int(m.group(1)), int(m.group(2))) for m in
                        (re.match(r"Blatt (\d+), Feld (\d+):", g) for g in gekuerzt) if m}
    lesbar = {}
    for (blatt, felder), worte in zip(seiten, gedruckt):
        wo = f"{name}, Blatt {blatt}"
        definition = layout(blatt)
        for w in worte:
            if not any(innen(w, f) for f in definition):
                fehler.append(f"{wo}: '{w[4]}' bei ({w[0]:.1f}, {w[1]:.1f}) liegt in keinem Kasten")
        for i, a in enumerate(worte):
            for b in worte[i + 1:]:
                if a[0] < b[2] - RAND and b[0] < a[2] - RAND and a[1] < b[3] - RAND and b[1] < a[3] - RAND:
                    fehler.append(f"{wo}: '{a[4]}' und '{b[4]}' überdecken sich")
        for f in definition:
            wert = felder.get((f["feld"], f["index"]))
            ist = gelesen(f, worte)
            lesbar[(blatt, f["feld"], f["index"])] = (f, ist)
            if wert is None:
                if ist:
                    fehler.append(f"{wo}: Feld {f['feld']} '{f['text']}' zeigt '{ist}', die Routine nichts")
                continue
            if "*" in wert[0]:
                fehler.append(f"{wo}: Feld {f['feld']} '{f['text']}' ist für {wert[0]} zu schmal")
            erwartet = soll(f, wert)
            if ist == erwartet:
                continue
            if (blatt, f["feld"]) in gekuerzte_felder and ist and erwartet.startswith(ist[:3]):
                continue
            fehler.append(f"{wo}: Feld {f['feld']} '{f['text']}' zeigt '{ist}' statt '{erwartet}'")
    return lesbar


def main():
    programm = sys.argv[1]
    fehler = []
    with tempfile.TemporaryDirectory() as tmp:
        gelesen_je_fall = {name: fall_pruefen(programm, name, werte, tmp, fehler)
                           for name, werte in FAELLE.items()}
    for name, blatt, beschriftung, art, text in ERWARTET:
        treffer = [(f, ist) for (b, _, _), (f, ist) in gelesen_je_fall[name].items()
                   if b == blatt and f["text"] == beschriftung and art in (f["art"], f["feld"])]
        if not treffer:
            fehler.append(f"{name}, Blatt {blatt}: keine Zeile '{beschriftung}' ({art}) gedruckt")
            continue
        ist = treffer[0][1] if text is not None else "".join(i for _, i in treffer)
        if text is None and ist:
            fehler.append(f"{name}, Blatt {blatt}, '{beschriftung}': '{ist}' gedruckt, erwartet nichts")
        elif text is not None and ist != text.replace(",", "", 1 if art == "betrag" else 0).replace(" ", ""):
            fehler.append(f"{name}, Blatt {blatt}, '{beschriftung}': '{ist}' statt '{text}'")
    # Under the basic table no amount of the spouse is printed anywhere.
    for (blatt, feld, index), (f, ist) in gelesen_je_fall["grundtabelle"].items():
        if re.search(r"\d77$", ist) and f["art"] in ("betrag", "zahl"):
            fehler.append(f"grundtabelle, Blatt {blatt}: Feld {feld} '{f['text']}' zeigt den Ehegattenbetrag {ist}")
    for f in fehler:
        print(f, file=sys.stderr)
    return 1 if fehler else 0


if __name__ == "__main__":
    sys.exit(main())
