#!/usr/bin/env python3
"""The field-anchor writer of the help pages: written texts survive a run,
generated ones are made anew, and the block reads back what it wrote."""
import importlib.util
import os
import unittest

WURZEL = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
_spec = importlib.util.spec_from_file_location("hf", os.path.join(WURZEL, "tools/hilfe-felder.py"))
hf = importlib.util.module_from_spec(_spec)
_spec.loader.exec_module(hf)


def reihe(name, text, typ="Double", art="Eingabe", tab="&Stpfl.", auswahl=(), breite=8, offset=0):
    return {"id": name, "name": name, "offset": offset, "typ": typ, "breite": breite,
            "seite": "TF_X", "nr": 1101, "text": text, "tab": tab.replace("&", ""),
            "auswahl": list(auswahl), "art": art}


class FeldBlock(unittest.TestCase):
    def test_geschriebene_texte_bleiben_erzeugte_nicht(self):
        felder = {1101: [reihe("A", "Erstes")], 1102: [reihe("B", "Zweites")],
                  1103: [reihe("C", "Drittes")]}
        # 1101 generated, 1102 written, 1103 generated: 1101 must not take
        # 1102's text, and 1103's generated text is not kept as written
        block = hf.block_schreiben(felder, "TF_X", {}, {("TF_X", 1102): "{Kopf} Geschrieben."})
        alt = hf.vorhandene_texte(block)
        self.assertEqual(alt, {1102: "{Kopf}Geschrieben."})
        wieder = hf.block_schreiben(felder, "TF_X", alt, {})
        self.assertEqual(wieder, block)
        self.assertIn('<a name="F1101"></a><h4>Erstes', block)
        self.assertIn("<!--h-->Kopf<!--/h-->", block)

    def test_saetze_nach_art_des_feldes(self):
        ehepaar = hf.satz([reihe("BetragEr", "Betrag"), reihe("BetragSie", "Ehefrau", offset=8)])
        self.assertIn("Ehefrau bzw. den Ehegatten", ehepaar)
        monate = hf.satz([reihe("BruttoIn", "Brutto"), reihe("BruttoAus", "dieser Monate", offset=8)])
        self.assertNotIn("Ehegatten", monate)
        self.assertIn("berechnet", hf.satz([reihe("Summe", "Summe", art="Anzeige")]))
        wahl = hf.satz([reihe("L", "Art", typ="Auswahl", auswahl=["ja", "nein"])])
        self.assertIn("„ja“, „nein“", wahl)
        self.assertIn("höchstens 25 Zeichen", hf.satz([reihe("T", "Name", typ="Text", breite=25)]))

    def test_zeichen_0x80_bis_0x9f_als_entitaet(self):
        self.assertEqual(hf.latin1_sicher("„ä“ – 5 €"), "&#8222;ä&#8220; &#8211; 5 &#8364;")
        self.assertEqual(hf.latin1_sicher("Straße ¤"), "Straße ¤")

    def test_ueberschrift_ohne_ehegattenspalte(self):
        self.assertEqual(hf.ueberschrift([reihe("X", "Ehefrau"), reihe("Y", "Zinsen")]), "Zinsen")
        self.assertEqual(hf.ueberschrift([reihe("X", "", tab="&Bank")]), "Bank")


if __name__ == "__main__":
    unittest.main()
