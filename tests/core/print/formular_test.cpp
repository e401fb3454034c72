#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "calc/betrag.h"
#include "print/bericht.h"
#include "print/formular.h"
#include "print/formularwerte.h"

using namespace quarnel;

namespace {

// Every character 2 mm wide.
struct FesteMasse : Textmass {
    double Breite(const Druckschrift&, std::string_view t) const override { return 2.0 * t.size(); }
    double Zeilenhoehe(const Druckschrift&) const override { return 5; }
    double Oberlaenge(const Druckschrift&) const override { return 4; }
};

// A definition line in its fixed columns.
std::string Zeile(int feld, char ausr, double x, double y, int abstand = 0, int breite = 0,
                  char s = ' ', int index = 0, int n = 0, int d = 0, char code = ' ') {
    char p[96];
    std::snprintf(p, sizeof p, "%3d %c %2d %1d %c %1d %6.2f %6.2f %3d %c %1d", feld, code, n, d, ausr,
                  abstand, x, y, breite, s, index);
    return p;
}

// A form folder of its own for each test.
struct Formordner {
    std::filesystem::path pfad;
    explicit Formordner(const std::string& name)
        : pfad(std::filesystem::temp_directory_path() / ("quarnel_form_" + name)) {
        std::filesystem::remove_all(pfad);
        std::filesystem::create_directories(pfad);
    }
    ~Formordner() { std::filesystem::remove_all(pfad); }
    void Datei(const std::string& name, const std::string& inhalt) const {
        std::ofstream(pfad / name, std::ios::binary) << inhalt;
    }
    void Definition(int blatt, const std::vector<std::string>& zeilen) const {
        std::string t;
        for (const auto& z : zeilen) t += z + "\r\n";
        Datei(DefinitionsDateiName(blatt), t);
    }
    std::string Verzeichnis() const { return pfad.string() + "/"; }
};

// What the test routine prints: the field number itself, or a text per field.
std::vector<std::pair<int, Feldwert>> gTexte;
std::vector<Feldanfrage> gAnfragen;  // their lines live only during the call
std::vector<Definitionszeile> gZeilen;
std::vector<uint8_t> gZustaende;

Feldwert TestRoutine(const CaseRecord&, const Feldanfrage& a) {
    gAnfragen.push_back(a);
    gZeilen.push_back(*a.zeile);
    gZustaende.push_back(*a.zustand);
    // Field 90 sets the state byte, 91 prints only while it is set, 92 clears it.
    if (a.zeile->feld == 90) *a.zustand = 1;
    if (a.zeile->feld == 91) return {*a.zustand ? "an" : "", {}};
    if (a.zeile->feld == 92) *a.zustand = 0;
    for (const auto& [f, w] : gTexte)
        if (f == a.zeile->feld) return w;
    return {std::to_string(a.zeile->feld), {}};
}

struct Lauf {
    CaseRecord fall;
    Einstellungen einst;
    FesteMasse mass;
    Bericht bericht;
    Formularumgebung u;
    explicit Lauf(const Formordner& f) {
        einst.formVerschiebung = {};
        u.fall = &fall;
        u.einst = &einst;
        u.formVerzeichnis = f.Verzeichnis();
        u.routine = TestRoutine;
        gAnfragen.clear();
        gZeilen.clear();
        gZustaende.clear();
        gTexte.clear();
    }
    Bericht& Blatt(int blatt, bool blanko = true) {
        Berichtschreiber w(mass, bericht);
        FormularblaetterSetzen(w, u, {blatt}, blanko);
        return bericht;
    }
    Bericht& Auftrag(int blatt, bool direkt) {
        Berichtschreiber w(mass, bericht);
        FormularauftragSetzen(w, u, blatt, true, direkt);
        return bericht;
    }
};

std::vector<const Berichtselement*> Texte(const Bericht& b, int seite = 0) {
    std::vector<const Berichtselement*> t;
    for (const auto& e : b.seiten.at(static_cast<std::size_t>(seite)).elemente)
        if (e.art == Berichtselement::Art::Text) t.push_back(&e);
    return t;
}

const Berichtselement* BildVon(const Bericht& b, int seite = 0) {
    for (const auto& e : b.seiten.at(static_cast<std::size_t>(seite)).elemente)
        if (e.art == Berichtselement::Art::Bild) return &e;
    return nullptr;
}

}  // namespace

TEST(Definitionsdatei, FesteSpaltenLeereSpaltenUndZeilenenden) {
    std::string fehler;
    auto z = DefinitionszeileLesen(" 12 U 10 2 K 3 117.60  79.90  40 S 2", &fehler);
    ASSERT_TRUE(z);
    EXPECT_EQ(z->feld, 12);
    EXPECT_EQ(z->code, 'U');
    EXPECT_EQ(z->n, 10);
    EXPECT_EQ(z->d, 2);
    EXPECT_EQ(z->ausrichtung, 'K');
    EXPECT_EQ(z->abstand, 3);
    EXPECT_DOUBLE_EQ(z->x, 117.6);
    EXPECT_DOUBLE_EQ(z->y, 79.9);
    EXPECT_EQ(z->breite, 40);
    EXPECT_TRUE(z->nurSplitting);
    EXPECT_EQ(z->index, 2);

    // Blank columns are 0, a short line ends early, field number 0 is a field.
    z = DefinitionszeileLesen("  0         L   100    50");
    ASSERT_TRUE(z);
    EXPECT_EQ(z->feld, 0);
    EXPECT_EQ(z->n, 0);
    EXPECT_EQ(z->breite, 0);
    EXPECT_FALSE(z->nurSplitting);
    EXPECT_DOUBLE_EQ(z->y, 50);

    // d not below n counts as 0.
    EXPECT_EQ(DefinitionszeileLesen(Zeile(1, 'R', 1, 1, 0, 0, ' ', 0, 5, 5))->d, 0);

    // Comments, bad lines named, CR LF and LF both, text beyond column 80 ignored.
    const Definition d = DefinitionAusText("; Kommentar\r\n\r\n   \n" + Zeile(1, 'L', 10, 20) +
                                           "\r\n" + Zeile(2, 'R', 10, 20) + "\nabc L 1 2\n" +
                                           Zeile(3, 'K', 1, 2, 0, 0, ' ', 0, 11, 2) + "\n" +
                                           " 4 " + std::string(90, ' ') + "x");
    ASSERT_EQ(d.zeilen.size(), 3u);
    EXPECT_EQ(d.zeilen[0].feld, 1);
    EXPECT_EQ(d.zeilen[1].ausrichtung, 'R');
    EXPECT_EQ(d.zeilen[2].feld, 4);  // the x after column 80 is never read
    ASSERT_EQ(d.fehler.size(), 2u);
    EXPECT_EQ(d.fehler[0], "Zeile 6: Feldnummer fehlt oder ist keine Zahl");
    EXPECT_EQ(d.fehler[1], "Zeile 7: mehr als 10 Stellen");
}

TEST(Formularblatt, KreuzUndTextAnDenAnkernUndVerschiebungenAddieren) {
    Formordner f("anker");
    f.Definition(11, {Zeile(1, 'L', 100, 50), Zeile(2, 'L', 100, 50)});
    Lauf l(f);
    gTexte = {{1, {"X", {}}}, {2, {"Text", {}}}};
    auto t = Texte(l.Blatt(11));
    ASSERT_EQ(t.size(), 2u);
    EXPECT_NEAR(t[0]->x, 102, 1e-9);
    EXPECT_NEAR(t[0]->y, 49, 1e-9);
    EXPECT_NEAR(t[1]->x, 101.5, 1e-9);
    EXPECT_NEAR(t[1]->y, 48.5, 1e-9);

    // Sheet 11 is group 1; its pair and the shift of every sheet add up.
    Lauf m(f);
    gTexte = {{1, {"X", {}}}, {2, {"Text", {}}}};
    m.einst.formVerschiebung[0] = {9, 2};
    m.einst.alleRechts = -3;
    m.einst.alleUnten = 4;
    t = Texte(m.Blatt(11));
    EXPECT_NEAR(t[0]->x, 102 + 6, 1e-9);
    EXPECT_NEAR(t[0]->y, 49 + 6, 1e-9);
    // The image moves with the values and has the sheet's size.
    const Berichtselement* bild = BildVon(m.bericht);
    EXPECT_EQ(bild, nullptr);  // no image file in the folder
    f.Datei(BilddateiName(11), "<svg/>");
    Lauf n(f);
    n.einst.formVerschiebung[0] = {9, 2};
    bild = BildVon(n.Blatt(11));
    ASSERT_NE(bild, nullptr);
    EXPECT_NEAR(bild->x, 9, 1e-9);
    EXPECT_NEAR(bild->y, 2, 1e-9);
    EXPECT_NEAR(bild->x2, 191, 1e-9);
    EXPECT_NEAR(bild->y2, 293, 1e-9);
    // Into the official form: no image.
    Lauf o(f);
    EXPECT_EQ(BildVon(o.Blatt(11, false)), nullptr);
}

TEST(Formularblatt, AusrichtungenMitUndOhneZeichenabstand) {
    Formordner f("ausrichtung");
    f.Definition(11, {Zeile(1, 'K', 100, 50), Zeile(2, 'L', 10, 60, 5), Zeile(3, 'R', 90, 70, 4),
                      Zeile(4, 'R', 50, 80), Zeile(5, 'Z', 50, 90), Zeile(6, 'K', 50, 100)});
    Lauf l(f);
    gTexte = {{1, {"1.234,56", {}}}, {2, {"123", {}}}, {3, {"ab", {}}}, {4, {"rechts", {}}},
              {5, {"nie", {}}}, {6, {"X", {}}}};
    auto t = Texte(l.Blatt(11));
    ASSERT_EQ(t.size(), 2u + 3u + 2u + 1u + 1u);
    EXPECT_EQ(t[0]->text, "1.234");
    EXPECT_TRUE(t[0]->rechts);
    EXPECT_NEAR(t[0]->x, 101.5, 1e-9);
    EXPECT_EQ(t[1]->text, "56");
    EXPECT_TRUE(t[1]->rechts);
    EXPECT_NEAR(t[1]->x, 110.5, 1e-9);
    // Left with spacing: one character at a time, z + 0.01 apart.
    EXPECT_EQ(t[2]->text, "1");
    EXPECT_NEAR(t[2]->x, 11.5, 1e-9);
    EXPECT_NEAR(t[3]->x, 16.51, 1e-9);
    EXPECT_NEAR(t[4]->x, 21.52, 1e-9);
    EXPECT_FALSE(t[4]->rechts);
    // Right with spacing: from the last character leftwards, right-aligned.
    EXPECT_EQ(t[5]->text, "b");
    EXPECT_NEAR(t[5]->x, 91.5, 1e-9);
    EXPECT_EQ(t[6]->text, "a");
    EXPECT_NEAR(t[6]->x, 87.5, 1e-9);
    EXPECT_TRUE(t[6]->rechts);
    EXPECT_EQ(t[7]->text, "rechts");
    EXPECT_TRUE(t[7]->rechts);
    // "Z" printed nothing; "K" with a text shorter than three prints it whole.
    EXPECT_EQ(t[8]->text, "X");
    EXPECT_NEAR(t[8]->x, 52, 1e-9);
}

TEST(Formularblatt, SZeilenUnterDerGrundtabelleUndDerZustandJeBlatt) {
    Formordner f("grundtabelle");
    f.Definition(11, {Zeile(1, 'L', 10, 10, 0, 0, 'S'), Zeile(2, 'L', 10, 20), Zeile(91, 'L', 10, 30),
                      Zeile(90, 'L', 10, 40), Zeile(91, 'L', 10, 50), Zeile(92, 'L', 10, 60),
                      Zeile(91, 'L', 10, 70)});
    f.Definition(12, {Zeile(91, 'L', 10, 30), Zeile(90, 'L', 10, 40)});
    Lauf l(f);
    l.fall.SetzeBool(Feld::Grundtabelle, true);
    auto t = Texte(l.Blatt(11));
    // The "S" line is skipped; field 91 prints only between 90 and 92.
    std::vector<std::string> texte;
    for (auto* e : t) texte.push_back(e->text);
    EXPECT_EQ(texte, (std::vector<std::string>{"2", "90", "an", "92"}));

    Lauf m(f);
    m.fall.SetzeBool(Feld::Grundtabelle, false);
    EXPECT_EQ(Texte(m.Blatt(11)).at(0)->text, "1");
    // Every sheet starts with its state byte at 0, also after one that left it set.
    Lauf n(f);
    {
        Berichtschreiber w(n.mass, n.bericht);
        FormularblaetterSetzen(w, n.u, {12, 12}, true);
    }
    ASSERT_EQ(gZustaende.size(), 4u);
    EXPECT_EQ(gZustaende[0], 0);
    EXPECT_EQ(gZustaende[2], 0);
}

TEST(Formularblatt, Kinder56LesenDieDateienVon21UndFehlendeDateien) {
    Formordner f("kinder");
    f.Definition(21, {Zeile(3, 'L', 10, 10, 0, 0, ' ', 1)});
    f.Datei(BilddateiName(21), "<svg/>");
    Lauf l(f);
    auto& b = l.Blatt(23);
    ASSERT_EQ(Texte(b).size(), 1u);
    ASSERT_EQ(gAnfragen.size(), 1u);
    EXPECT_TRUE(gAnfragen[0].kinder56);
    EXPECT_EQ(gZeilen[0].index, 1);
    ASSERT_NE(BildVon(b), nullptr);
    EXPECT_NE(BildVon(b)->text.find("F01a21.svg"), std::string::npos);
    EXPECT_NEAR(BildVon(b)->x2, 187, 1e-9);

    // Sheet 22 has neither file: an empty page, no crash.
    Lauf m(f);
    auto& leer = m.Blatt(22);
    ASSERT_EQ(leer.Seitenzahl(), 1);
    EXPECT_TRUE(Texte(leer).empty());
    EXPECT_EQ(BildVon(leer), nullptr);
    // Only the image: it is still printed on blank paper.
    f.Datei(BilddateiName(22), "<svg/>");
    Lauf n(f);
    EXPECT_NE(BildVon(n.Blatt(22)), nullptr);
    // A sheet without geometry: 0 x 0 and the pair of group 1.
    EXPECT_EQ(BlattgeometrieVon(33).breite, 0);
    EXPECT_EQ(BlattgeometrieVon(33).gruppe, 1);
    EXPECT_EQ(BlattgeometrieVon(92).hoehe, 79);
    EXPECT_EQ(BlattgeometrieVon(72).gruppe, 18);
}

TEST(Formularblatt, InstanzUndSeitenbereiche) {
    EXPECT_EQ(FormularSeiten(23), (std::vector<int>{23, 24}));
    EXPECT_EQ(FormularSeiten(24), (std::vector<int>{23, 24}));
    EXPECT_EQ(FormularSeiten(13), (std::vector<int>{11, 12, 13, 14}));
    EXPECT_EQ(FormularSeiten(322), (std::vector<int>{312, 322}));
    EXPECT_EQ(FormularSeiten(714), (std::vector<int>{714, 724}));
    EXPECT_EQ(FormularSeiten(42), (std::vector<int>{41, 42}));
    const Blattnummer b = BlattnummerZerlegen(322);
    EXPECT_EQ(b.blatt2, 32);
    EXPECT_EQ(b.instanz, 2);
    EXPECT_EQ(BlattnummerZerlegen(24).blatt2, 22);
    EXPECT_EQ(BlattnummerZerlegen(11).instanz, 1);

    // Printed directly without duplex: one sheet; with duplex or as a preview: the form.
    Formordner f("auftrag");
    Lauf l(f);
    EXPECT_EQ(l.Auftrag(13, true).Seitenzahl(), 1);
    Lauf m(f);
    EXPECT_EQ(m.Auftrag(13, false).Seitenzahl(), 4);
    Lauf n(f);
    n.einst.formDuplex = true;
    EXPECT_EQ(n.Auftrag(322, true).Seitenzahl(), 2);
}

TEST(Zweizeilig, ImBlattUndDieEigeneZweiteZeileDerRoutine) {
    Formordner f("zweizeilig");
    f.Definition(11, {Zeile(1, 'L', 10, 50, 0, 40), Zeile(2, 'L', 10, 70, 0, 40)});
    Lauf l(f);
    gTexte = {{1, {"Musterstadt an der Weser", {}}}, {2, {"Musterstadt an der Weser", "zweite"}}};
    auto t = Texte(l.Blatt(11));
    ASSERT_EQ(t.size(), 4u);
    // Every character is 2 mm wide at any size, so the text goes on two lines
    // of 6 pt between words, both inside the box: the second line's
    // descenders end at the box's bottom edge (1 mm below the baseline of one
    // line, y - 1.5 + 1), the first 1.1 em above it.
    const double em = 6 * 25.4 / 72;
    EXPECT_EQ(t[0]->text, "Musterstadt an der");
    EXPECT_NEAR(t[0]->y, 48.5 + 1.0 - 0.26 * em - 1.1 * em, 1e-9);
    EXPECT_EQ(t[1]->text, "Weser");
    EXPECT_NEAR(t[1]->y, 48.5 + 1.0 - 0.26 * em, 1e-9);
    // The routine's second line continues the first and is fitted with it.
    EXPECT_EQ(t[2]->text, "Musterstadt an der");
    EXPECT_EQ(t[3]->text, "Weser zweite");
}

// Fitting a text into its box: whole, shrunk, on two lines between words, or cut.
TEST(Zweizeilig, EinpassenGroesseZeilenUndKuerzen) {
    // Proportional to the size: 0.5 mm per character and point / 10.
    struct Mass : Textmass {
        double Breite(const Druckschrift& s, std::string_view t) const override {
            return 0.05 * s.punkte * static_cast<double>(t.size());
        }
        double Zeilenhoehe(const Druckschrift&) const override { return 5; }
        double Oberlaenge(const Druckschrift&) const override { return 4; }
    } m;
    Druckschrift s;
    s.punkte = 11;
    struct Fall {
        const char* text;
        int breite;
        double punkte;
        const char *zeile1, *zeile2;
        bool gekuerzt;
    };
    const Fall faelle[] = {
        {"Hannover", 12, 11, "Hannover", "", false},                   // 4.4 mm of 10 mm
        {"Hohenwestedt-Ostermoor", 12, 9, "Hohenwestedt-Ostermoor", "", false},  // shrunk
        {"Maximiliane Josefa Maria", 9, 6, "Maximiliane Josefa", "Maria", false},
        {"Bartholomaeus-Ferdinand-Alexander", 10, 6, "Bartholomaeus-Ferdinand-", "Alexander", false},
        // A word longer than the line is cut, never continued mid-word.
        {"Bartholomaeusferdinandalexander Jo", 10, 6, "Bartholomaeusferdinandalex", "Jo", true},
        {"eins zwei drei vier fuenf sechs sieben acht neun zehn", 10, 6, "eins zwei drei vier fuenf",
         "sechs sieben acht neun", true},
        // Blanks around the text never leave a line empty; a box narrower than
        // one word keeps what fits of it.
        {"     Musterstadt an der Weser  ", 8, 6, "Musterstadt an der", "Weser", false},
        {"ABCD", 3, 6, "ABC", "", true},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.text);
        const Einpassung e = TextEinpassen(m, s, f.breite, f.text);
        EXPECT_DOUBLE_EQ(e.punkte, f.punkte);
        EXPECT_EQ(e.zeile1, f.zeile1);
        EXPECT_EQ(e.zeile2, f.zeile2);
        EXPECT_EQ(e.gekuerzt, f.gekuerzt);
        const Druckschrift k{s.name, e.punkte, false, false};
        EXPECT_LE(m.Breite(k, e.zeile1), f.breite - EinpassRand);
        EXPECT_LE(m.Breite(k, e.zeile2), f.breite - EinpassRand);
    }
}

TEST(Formularwerte, BetragsmaskeUndFormate) {
    EXPECT_EQ(BetragsMaske(10, 2), "#######,##");
    EXPECT_EQ(BetragsMaske(5, 0), "#####");
    EXPECT_EQ(BetragsMaske(12, 2), "#######,##");  // never more than 10
    Definitionszeile z;
    z.n = 10;
    z.d = 2;
    EXPECT_EQ(TextGetrimmt(FormularBetrag(0, z)), "0,00");
    z.code = 'U';
    EXPECT_EQ(FormularBetrag(0.0004, z), " ");
    EXPECT_EQ(TextGetrimmt(FormularBetrag(1234.5, z)).back(), '0');
    // A percentage box: whole rates without decimals, others with them, 0 blank.
    z.code = 'P';
    z.n = 6;
    for (auto [x, text] : {std::pair{27.0, "27"}, {33.5, "33,50"}, {100.0, "100"}, {0.0, ""}})
        EXPECT_EQ(TextGetrimmt(FormularBetrag(x, z)), text) << x;
    const int32_t tag = TagesNummer(1962, 3, 14);
    EXPECT_EQ(Datum(tag), "14.03.1962");
    EXPECT_EQ(Datum(KeinDatum), "");
    EXPECT_EQ(DatumKaesten6(tag), "140362");
    EXPECT_EQ(DatumKaesten8(tag), "14031962");
    EXPECT_EQ(Zeitraum(tag, TagesNummer(1962, 12, 1)), "14.03-01.12");
    EXPECT_EQ(Zeitraum(tag, TagesNummer(1962, 12, 1), true), "14030112");
    EXPECT_EQ(Zeitraum(tag, KeinDatum), "");
}
