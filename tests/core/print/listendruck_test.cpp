#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "calc/betrag.h"
#include "print/bericht.h"
#include "print/listendruck.h"

using namespace quarnel;

namespace {

// Every character 2 mm wide, lines 5 mm high with the baseline 4 mm down.
struct FesteMasse : Textmass {
    double Breite(const Druckschrift&, std::string_view t) const override { return 2.0 * t.size(); }
    double Zeilenhoehe(const Druckschrift&) const override { return 5; }
    double Oberlaenge(const Druckschrift&) const override { return 4; }
};

// Default margins: text area 20..277 mm, 51 lines of 5 mm.
constexpr int ZeilenJeSeite = 51;

std::vector<const Berichtselement*> Texte(const Berichtsseite& s) {
    std::vector<const Berichtselement*> t;
    for (const auto& e : s.elemente)
        if (e.art == Berichtselement::Art::Text) t.push_back(&e);
    return t;
}

Bericht Ergebnisdruck(const Ergebnistext& t, const Einstellungen& e = {}) {
    Druckdaten d;
    d.ergebnis = &t;
    return *TextauftragSetzen(Druckart::Ergebnis, d, e, FesteMasse{});
}

Ergebnistext Nummeriert(int n) {
    Ergebnistext t;
    for (int i = 1; i <= n; ++i) t.zeilen.push_back("Zeile " + std::to_string(i));
    return t;
}

}  // namespace

TEST(Textdruck, ZeilenStehenAmRandUndFuellenDieSeiteGenau) {
    Bericht b = Ergebnisdruck(Nummeriert(ZeilenJeSeite));
    ASSERT_EQ(b.Seitenzahl(), 1);  // the last line ends exactly at the bottom: no further page
    auto t = Texte(b.seiten[0]);
    ASSERT_EQ(t.size(), std::size_t(ZeilenJeSeite));
    EXPECT_DOUBLE_EQ(t[0]->x, 15);
    EXPECT_DOUBLE_EQ(t[0]->y, 24);
    EXPECT_DOUBLE_EQ(t[50]->y, 24 + 50 * 5);
    EXPECT_FALSE(t[0]->rechts);
    // Every page names its font first, so it can be played alone.
    EXPECT_EQ(b.seiten[0].elemente.front().art, Berichtselement::Art::Schrift);
    EXPECT_EQ(b.seiten[0].elemente.front().schrift.name, "Courier New");

    b = Ergebnisdruck(Nummeriert(ZeilenJeSeite + 1));
    ASSERT_EQ(b.Seitenzahl(), 2);
    EXPECT_EQ(Texte(b.seiten[1]).at(0)->text, "Zeile 52");
    EXPECT_DOUBLE_EQ(Texte(b.seiten[1]).at(0)->y, 24);
}

TEST(Textdruck, BloeckeWerdenNichtGetrenntUndLeereZeilenOben) {
    // Lines 1..46 fill the page to 5 lines left; a block of 6 begins at line 47
    // with a blank line, which is dropped at the top of the new page.
    Ergebnistext t = Nummeriert(46);
    t.zeilen.push_back("");
    for (int i = 0; i < 5; ++i) t.zeilen.push_back("Block " + std::to_string(i));
    t.bloecke.eintrag[47] = 6;
    Bericht b = Ergebnisdruck(t);
    ASSERT_EQ(b.Seitenzahl(), 2);
    EXPECT_EQ(Texte(b.seiten[0]).size(), 46u);
    auto zwei = Texte(b.seiten[1]);
    ASSERT_EQ(zwei.size(), 5u);
    EXPECT_EQ(zwei[0]->text, "Block 0");
    EXPECT_DOUBLE_EQ(zwei[0]->y, 24);

    // The same block with 6 lines left stays on the first page.
    t.zeilen.erase(t.zeilen.begin());
    t.bloecke.Leeren();
    t.bloecke.eintrag[46] = 6;
    EXPECT_EQ(Ergebnisdruck(t).Seitenzahl(), 1);

    // A block of 12 near the foot moves as a whole; nothing below the margin.
    Ergebnistext lang = Nummeriert(3 * ZeilenJeSeite);
    for (int k = 1; k < 3 * ZeilenJeSeite; k += 17) lang.bloecke.eintrag[k] = 12;
    b = Ergebnisdruck(lang);
    int gedruckt = 0;
    for (const auto& s : b.seiten) {
        for (const auto* e : Texte(s)) {
            EXPECT_LE(e->y - 4 + 5, 277 + 1e-9);
            ++gedruckt;
        }
    }
    EXPECT_EQ(gedruckt, 3 * ZeilenJeSeite);
    for (int k = 1; k < 3 * ZeilenJeSeite; k += 17) {
        // the first and the last line of each block share a page
        int erste = -1, letzte = -1;
        for (int p = 0; p < b.Seitenzahl(); ++p)
            for (const auto* e : Texte(b.seiten[p])) {
                if (e->text == "Zeile " + std::to_string(k)) erste = p;
                if (e->text == "Zeile " + std::to_string(std::min(k + 11, 3 * ZeilenJeSeite))) letzte = p;
            }
        EXPECT_EQ(erste, letzte) << "block at line " << k;
    }
}

TEST(Textdruck, KeineLeerenSeitenDurchUmbrueche) {
    Ergebnistext t = Nummeriert(ZeilenJeSeite);
    for (int i = 0; i < 4; ++i) t.zeilen.push_back("   ");
    EXPECT_EQ(Ergebnisdruck(t).Seitenzahl(), 1);

    // A block longer than a page cannot be kept: it breaks where the page ends.
    Ergebnistext riesig = Nummeriert(2 * ZeilenJeSeite);
    riesig.bloecke.eintrag[1] = 200;
    Bericht b = Ergebnisdruck(riesig);
    EXPECT_EQ(b.Seitenzahl(), 2);
    EXPECT_EQ(Texte(b.seiten[0]).size(), std::size_t(ZeilenJeSeite));

    // An empty text still has its one page.
    b = Ergebnisdruck(Ergebnistext{});
    ASSERT_EQ(b.Seitenzahl(), 1);
    EXPECT_TRUE(Texte(b.seiten[0]).empty());
}

TEST(Textdruck, NotizenMitKopfFussUndSeitenzahlOhneBloecke) {
    ResultLines notizen;
    for (int i = 1; i <= ZeilenJeSeite + 3; ++i) notizen.push_back("Notiz " + std::to_string(i));
    CaseRecord fall;
    fall.SetzeText(Feld::StpflName, "Meier");
    Druckdaten d;
    d.notizen = &notizen;
    d.fall = &fall;
    d.datum = KurzDatum({2001, 12, 4});
    Einstellungen e;
    Bericht b = *TextauftragSetzen(Druckart::Notizen, d, e, FesteMasse{});
    ASSERT_EQ(b.Seitenzahl(), 2);
    auto t = Texte(b.seiten[1]);
    // header: text and date one centimetre above the text area
    EXPECT_EQ(t[0]->text.substr(t[0]->text.size() - 5), "Meier");
    EXPECT_DOUBLE_EQ(t[0]->y, 10 + 4);
    EXPECT_EQ(t[1]->text, "04.12.2001");
    EXPECT_TRUE(t[1]->rechts);
    EXPECT_DOUBLE_EQ(t[1]->x, 185);  // right margin 4 - 1.5 cm
    EXPECT_EQ(t[2]->text, "Notiz 52");
    EXPECT_EQ(t.back()->text, "Seite 2");
    EXPECT_TRUE(t.back()->rechts);
    EXPECT_DOUBLE_EQ(t.back()->y, 287 - 5 + 4);
    int linien = 0;
    for (const auto& el : b.seiten[1].elemente)
        if (el.art == Berichtselement::Art::Linie) {
            ++linien;
            EXPECT_TRUE(el.y == 15 || el.y == 282) << el.y;
            EXPECT_DOUBLE_EQ(el.x, 15);
            EXPECT_DOUBLE_EQ(el.x2, 185);
        }
    EXPECT_EQ(linien, 2);

    // With "LinksRand" 5 the right margin is 0, not below it.
    e.linksRand = 5;
    b = *TextauftragSetzen(Druckart::Notizen, d, e, FesteMasse{});
    EXPECT_DOUBLE_EQ(Texte(b.seiten[0])[1]->x, 210);
}

TEST(Listendruck, LetzteBelegteZeileSummeUndPlatzFuerDieSumme) {
    Listensatz l;
    l.SetzeTitel("Spenden");
    l.SetzeZeilenText(1, "Rotes Kreuz");
    l.SetzeZeilenBetrag(1, 100);
    l.SetzeZeilenBetrag(4, 23.5);
    CaseRecord fall;
    fall.SetzeText(Feld::Steuernummer, " 12/345 ");
    fall.SetzeText(Feld::StpflName, "Meier ");
    Druckdaten d;
    d.liste = &l;
    d.fall = &fall;
    d.datum = "04.12.2001";
    Bericht b = *TextauftragSetzen(Druckart::Liste, d, Einstellungen{}, FesteMasse{});
    ASSERT_EQ(b.Seitenzahl(), 1);
    auto t = Texte(b.seiten[0]);
    EXPECT_EQ(t[0]->text, "Steuernummer: 12/345, Meier");
    EXPECT_EQ(t[2]->text, "Anlage: Spenden");
    EXPECT_EQ(t[3]->text, "Rotes Kreuz");
    EXPECT_EQ(t[4]->text, "    100,00");
    EXPECT_DOUBLE_EQ(t[4]->x, 170);
    EXPECT_DOUBLE_EQ(t[4]->y, 24 + 5);
    EXPECT_EQ(t[5]->text, "     23,50");  // rows 2 and 3 are empty lines
    EXPECT_DOUBLE_EQ(t[5]->y, 24 + 4 * 5);
    EXPECT_EQ(t[6]->text, "----------");
    EXPECT_EQ(t[7]->text, "Summe");
    EXPECT_EQ(t[8]->text, "    123,50");

    // 50 rows with a large font: the dash line and the sum never pass the margin.
    for (int z = 1; z <= 50; ++z) l.SetzeZeilenBetrag(z, z);
    for (int punkte : {10, 17, 23, 31}) {
        Einstellungen e;
        e.druckSchrift.groesse = punkte;
        struct Gross : FesteMasse {
            double h;
            double Zeilenhoehe(const Druckschrift&) const override { return h; }
        } m;
        m.h = punkte / 2.0;
        b = *TextauftragSetzen(Druckart::Liste, d, e, m);
        for (const auto& s : b.seiten)
            for (const auto* el : Texte(s)) {
                if (el->text == "Summe" || el->text == "----------") {
                    EXPECT_LE(el->y - 4 + m.h, 277 + 1e-9) << punkte;
                }
            }
    }

    // An empty list prints its title, the dash line and a sum of 0.
    Listensatz leer;
    d.liste = &leer;
    b = *TextauftragSetzen(Druckart::Liste, d, Einstellungen{}, FesteMasse{});
    t = Texte(b.seiten[0]);
    EXPECT_EQ(t[2]->text, "Anlage: ");
    EXPECT_EQ(t[3]->text, "----------");
    EXPECT_EQ(t[5]->text, FormatMaske("#######,##", 0));
}

TEST(Berichtsdatei, RundreiseUndBeschaedigteDaten) {
    Bericht b = Ergebnisdruck(Nummeriert(60));
    Berichtschreiber w(FesteMasse{}, b);
    w.Bild("form/b 11.svg", 0, 0, 21, 29.7);
    w.Linie(1, 2, 3, 4, 0.3);
    const std::string daten = BerichtAlsDaten(b);
    auto zurueck = BerichtAusDaten(daten);
    ASSERT_TRUE(zurueck);
    EXPECT_EQ(*zurueck, b);

    const std::string pfad = ::testing::TempDir() + "/RPPtest";
    ASSERT_TRUE(BerichtSpeichern(pfad, b));
    EXPECT_EQ(BerichtLaden(pfad), b);
    std::remove(pfad.c_str());

    for (std::size_t n : {std::size_t(0), std::size_t(5), daten.size() / 2, daten.size() - 1})
        EXPECT_FALSE(BerichtAusDaten(daten.substr(0, n)).has_value()) << n;
    std::string falsch = daten;
    falsch[daten.find("\nT ") + 1] = 'X';
    EXPECT_FALSE(BerichtAusDaten(falsch).has_value());
    EXPECT_FALSE(BerichtAusDaten("QRPB 1 210.000 297.000 \nS\nT 1 2 0 999:abc\n").has_value());
    // A paper that would be written as zero is refused when read.
    EXPECT_FALSE(BerichtAusDaten("QRPB 1 2 .00010000 \n").has_value());
}

TEST(Druckauftrag, StartseiteSeitenwahlUndBegrenzung) {
    EXPECT_EQ(FormularStartseite(23), 1);
    EXPECT_EQ(FormularStartseite(24), 2);
    EXPECT_EQ(FormularStartseite(152), 5);
    EXPECT_EQ(FormularStartseite(12), 2);
    EXPECT_EQ(FormularStartseite(20), 1);

    Einstellungen e;
    e.formSkalierung = 93;
    Vorschaustart f = VorschauStart(Druckart::Formular, 152, e);
    EXPECT_EQ(f.startseite, 5);
    EXPECT_EQ(f.skalierung, 93);
    EXPECT_FALSE(f.volleBreite);
    Vorschaustart r = VorschauStart(Druckart::Ergebnis, 152, e);
    EXPECT_EQ(r.startseite, 1);
    EXPECT_EQ(r.skalierung, 100);
    EXPECT_TRUE(r.volleBreite);

    Seitenwahl w = SeitenwahlPruefen(3, 2, 5);
    EXPECT_FALSE(w.offen);
    EXPECT_EQ(w.von, 3);
    EXPECT_EQ(w.bis, 3);
    w = SeitenwahlPruefen(7, 5, 5);
    EXPECT_TRUE(w.offen);
    EXPECT_EQ(w.warnung, "Der <Von> Wert ist größer als größte Seitenzahl");
    EXPECT_EQ(w.von, 5);
    w = SeitenwahlPruefen(0, 99, 5);
    EXPECT_EQ(w.von, 1);
    EXPECT_EQ(w.bis, 5);

    Seitenbereich s = BereichBegrenzen(9, 2, 4);
    EXPECT_EQ(s.von, 4);
    EXPECT_EQ(s.bis, 4);
    s = BereichBegrenzen(-3, 99, 0);  // an empty job still has one page
    EXPECT_EQ(s.von, 1);
    EXPECT_EQ(s.bis, 1);
}

TEST(Listendruck, AfaListeMitVierZeilenJeGutUndSumme) {
    std::vector<AfaZeile> zeilen(25);
    zeilen[0] = {"PC", TagesNummer(2001, 3, 1), 3000, 3, 833.33, 2166.67};
    zeilen[2] = {"", -1, 450, 5, 90, 360};  // row 2 is printed as an empty item
    Druckdaten d;
    d.afaListe = &zeilen;
    d.datum = "04.12.2001";
    Bericht b = *TextauftragSetzen(Druckart::AfaListe, d, Einstellungen{}, FesteMasse{});
    ASSERT_EQ(b.Seitenzahl(), 1);
    auto t = Texte(b.seiten[0]);
    EXPECT_EQ(t[2]->text, "Anlage: AfA-Liste f\xfcr das Veranlagungsjahr 2001");
    EXPECT_EQ(t[3]->text, "PC");
    EXPECT_DOUBLE_EQ(t[3]->y, 24 + 2 * 5);
    EXPECT_EQ(t[4]->text, "  Kauf am 01.03.2001 zum Preis von 3000,00 DM");
    EXPECT_EQ(t[5]->text, "  Abschreibung \xfc" "ber 3 Jahre");
    EXPECT_EQ(t[6]->text, "  Restwert Ende 2001 von 2166,67 DM.  AfA 2001 = ");
    EXPECT_EQ(t[7]->text, "   833,33 DM");
    EXPECT_TRUE(t[7]->rechts);
    EXPECT_EQ(t.at(t.size() - 2)->text, "   923,33 DM");  // the sum, before the page number
    EXPECT_EQ(t.back()->text, "Seite 1");

    // 25 filled rows run over pages; every item keeps its four lines together.
    for (auto& z : zeilen) z = {"Gut", TagesNummer(2001, 1, 2), 100, 1, 100, 0};
    b = *TextauftragSetzen(Druckart::AfaListe, d, Einstellungen{}, FesteMasse{});
    EXPECT_EQ(b.Seitenzahl(), 3);
    for (const auto& s : b.seiten) {
        auto ts = Texte(s);
        if (ts.size() > 3 && ts[2]->text == "Gut") continue;  // a page starts with an item
        EXPECT_TRUE(ts[2]->text.rfind("Anlage", 0) == 0) << ts[2]->text;
    }
}
