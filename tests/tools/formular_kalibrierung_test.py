#!/usr/bin/env python3
"""Calibration of the form sheets: every field prints its own number at its full width
(quarnel-cli formulare --kalibrierung, into the official form, no shifts, 100 %); the PDF is
read back with pdftotext -bbox.  Every word must lie inside a box of its field as the layout
source draws it, no two words may overlap, and every field must print.

    formular_kalibrierung_test.py QUARNEL_CLI
"""
import json
import os
import re
import subprocess
import sys
import tempfile

WURZEL = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
GENERATOR = os.path.join(WURZEL, "tools", "formulare.py")
PT = 25.4 / 72
RAND = 0.3  # mm of slack for the font's box

# The sheets with a layout source, and the sheet number printed for each.
BLAETTER = {11: 11, 12: 12, 13: 13, 14: 14, 15: 15, 21: 21, 22: 22, 31: 311, 32: 321, 41: 41, 42: 42,
            51: 51, 52: 52, 61: 61, 62: 62, 71: 711, 72: 721, 81: 81, 82: 82, 91: 91, 92: 92}


def woerter(pdf):
    html = subprocess.run(["pdftotext", "-bbox", pdf, "-"], check=True, capture_output=True,
                          text=True).stdout
    seiten = []
    for seite in re.split(r"<page ", html)[1:]:
        w = []
        for m in re.finditer(r'xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)<', seite):
            x0, y0, x1, y1 = (float(v) * PT for v in m.groups()[:4])
            w.append((x0, y0, x1, y1, m.group(5)))
        seiten.append(w)
    return seiten


def passt(wort, feld):
    x0, y0, x1, y1, text = wort
    if feld["art"] == "kreuz":
        if text != "X":
            return False
    elif not set(text) <= set(str(feld["feld"]) + ","):
        return False
    mitte = (y0 + y1) / 2
    for k in feld["kaesten"]:
        if k[0] - RAND <= x0 and x1 <= k[2] + RAND and k[1] <= mitte <= k[3]:
            if feld["art"] == "kreuz" or (k[1] - RAND <= y0 and y1 <= k[3] + RAND):
                return True
    return False


def main():
    cli = sys.argv[1]
    fehler = []
    with tempfile.TemporaryDirectory() as tmp:
        fall = os.path.join(tmp, "leer.S01")
        pdf = os.path.join(tmp, "kalibrierung.pdf")
        subprocess.run([cli, "neu", fall], check=True, capture_output=True)
        subprocess.run([cli, "formulare", fall, "--pdf", pdf, "--amtlich", "--kalibrierung",
                        "--blatt", ",".join(str(b) for b in BLAETTER.values())],
                       check=True, capture_output=True)
        seiten = woerter(pdf)
    if len(seiten) != len(BLAETTER):
        print(f"{len(seiten)} Seiten statt {len(BLAETTER)}", file=sys.stderr)
        return 1
    for (blatt, _), worte in zip(BLAETTER.items(), seiten):
        felder = json.loads(subprocess.run([sys.executable, GENERATOR, "--kaesten", str(blatt)],
                                           check=True, capture_output=True, text=True).stdout)
        gedruckt = set()
        for w in worte:
            treffer = [f for f in felder if passt(w, f)]
            if not treffer:
                fehler.append(f"Blatt {blatt}: '{w[4]}' bei ({w[0]:.1f}, {w[1]:.1f}) liegt in keinem Kasten seines Feldes")
            gedruckt.update(f["feld"] for f in treffer)
        for f in felder:
            if f["feld"] not in gedruckt:
                fehler.append(f"Blatt {blatt}: Feld {f['feld']} druckt nichts")
        for i, a in enumerate(worte):
            for b in worte[i + 1:]:
                if a[0] < b[2] - RAND and b[0] < a[2] - RAND and a[1] < b[3] - RAND and b[1] < a[3] - RAND:
                    fehler.append(f"Blatt {blatt}: '{a[4]}' und '{b[4]}' überdecken sich")
    for f in fehler:
        print(f, file=sys.stderr)
    return 1 if fehler else 0


if __name__ == "__main__":
    sys.exit(main())
