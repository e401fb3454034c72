#include <gtest/gtest.h>
#include <functional>

#include <string>
#include <vector>

#include "calc/betrag.h"
#include "print/bericht.h"
#include "print/formular.h"
#include "print/formularauswahl.h"
#include "print/formularwerte.h"
#include "testpfade.h"

using namespace quarnel;

namespace {

struct FesteMasse : Textmass {
    double Breite(const Druckschrift&, std::string_view t) const override { return 2.0 * t.size(); }
    double Zeilenhoehe(const Druckschrift&) const override { return 5; }
    double Oberlaenge(const Druckschrift&) const override { return 4; }
};

// A married couple's case with both persons, their cards and a bank account.
CaseRecord Ehepaar(bool gemeinsam) {
    CaseRecord r;
    r.SetzeBool(Feld::Splitting, gemeinsam);
    r.SetzeBool(Feld::Grundtabelle, !gemeinsam);
    r.SetzeText(Feld::Finanzamt, "Hannover-Nord");
    r.SetzeText(Feld::Steuernummer, "25/123/45678");
    r.SetzeText(Feld::StpflName, "Mustermann");
    r.SetzeText(Feld::StpflVorname, "Thomas");
    r.SetzeInt(Feld::StpflGebDat, TagesNummer(1962, 3, 14));
    r.SetzeInt(Feld::StpflReligionLB, 1);
    r.SetzeInt(Feld::ErSie_FamilienstandLB, gemeinsam ? 1 : 0);
    r.SetzeInt(Feld::FamStandSeit, TagesNummer(1990, 5, 4));
    r.SetzeInt(Feld::EingLebGemeinschaftSeit, KeinDatum);
    r.SetzeInt(Feld::DatumErklaerung, KeinDatum);
    r.SetzeText(Feld::EhegName, "Altname");
    r.SetzeText(Feld::EhegVorname, "Sabine");
    r.SetzeInt(Feld::EhegGebDat, TagesNummer(1965, 9, 2));
    r.SetzeInt(Feld::EhegReligionLB, 0);
    r.SetzeText(Feld::EhegBeruf, "Lehrerin");
    r.SetzeText(Feld::EhegStrasse, "Nebenweg 3");
    r.SetzeText(Feld::EhegOrt, "Celle");
    r.SetzeText(Feld::KtoNummer, "123456");
    r.SetzeText(Feld::KtoInhaberName, "   ");
    r.SetzeDbl(Feld::Brutto, 68000, Lohnkarte(1, 1));
    r.SetzeDbl(Feld::LStBrutto, 11420, Lohnkarte(1, 1));
    r.SetzeDbl(Feld::Brutto, 4000, Lohnkarte(1, 2));
    r.SetzeDbl(Feld::Versbez, 300, Lohnkarte(1, 1));
    r.SetzeDbl(Feld::Versbez, 200, Lohnkarte(1, 2));
    r.SetzeDbl(Feld::AndLoErs1, 100, Lohnkarte(1, 1));
    r.SetzeDbl(Feld::AndLoErs7, 23.5, Lohnkarte(1, 1));
    r.SetzeDbl(Feld::Vwl1Betrag, 936, Lohnkarte(1, 1));
    r.SetzeDbl(Feld::Vwl3Betrag, 480, Lohnkarte(1, 1));
    r.SetzeText(Feld::Steuerklasse, "III", Lohnkarte(1, 1));
    r.SetzeDbl(Feld::Brutto, 31234.56, Lohnkarte(2, 1));
    r.SetzeDbl(Feld::LStBrutto, 5555.55, Lohnkarte(2, 1));
    r.SetzeDbl(Feld::Vwl2Betrag, 78, Lohnkarte(2, 1));
    r.SetzeText(Feld::Steuerklasse, "V", Lohnkarte(2, 1));
    return r;
}

struct Abfrage {
    Definitionszeile z;
    uint8_t zustand = 0;
    Feldanfrage a;
    Abfrage(int feld, int instanz = 1, int n = 10, int d = 2, char code = 'U') {
        z.feld = feld;
        z.n = n;
        z.d = d;
        z.code = code;
        a.zeile = &z;
        a.instanz = instanz;
        a.zustand = &zustand;
        a.heute = TagesNummer(2002, 4, 30);
    }
};

std::string Wert11(const CaseRecord& r, int feld) {
    Abfrage q(feld);
    return TextGetrimmt(Blatt11Wert(r, q.a).text);
}

std::string Wert31(const CaseRecord& r, int feld, int person = 1, char code = 'U') {
    Abfrage q(feld, person, 10, 2, code);
    return TextGetrimmt(Blatt31Wert(r, q.a).text);
}

// All texts of the sheets as printed with the installed definition files.
std::vector<std::string> Gedruckt(const CaseRecord& r, std::vector<int> blaetter) {
    Einstellungen e;
    FesteMasse m;
    Bericht b;
    Berichtschreiber w(m, b);
    Formularumgebung u;
    u.fall = &r;
    u.einst = &e;
    u.formVerzeichnis = std::string(QUARNEL_DATA_DIR) + "/form/";
    u.heute = TagesNummer(2002, 4, 30);
    FormularblaetterSetzen(w, u, blaetter, false);
    std::vector<std::string> t;
    for (const auto& s : b.seiten)
        for (const auto& el : s.elemente)
            if (el.art == Berichtselement::Art::Text) t.push_back(el.text);
    return t;
}

std::string Zusammen(const std::vector<std::string>& t) {
    std::string s;
    for (const auto& x : t) s += x + "|";
    return s;
}

}  // namespace

TEST(Blatt11, PersonenFamilienstandKontoUndDatum) {
    CaseRecord r = Ehepaar(true);
    EXPECT_EQ(Wert11(r, 1), "X");
    EXPECT_EQ(Wert11(r, 27), "X");
    EXPECT_EQ(Wert11(r, 3), "Hannover-Nord");
    EXPECT_EQ(Wert11(r, 10), "140362");
    EXPECT_EQ(Wert11(r, 11), "Katholisch");
    EXPECT_EQ(Wert11(r, 24), "Evangelisch");
    EXPECT_EQ(Wert11(r, 16), "04.05.1990");  // married
    EXPECT_EQ(Wert11(r, 17), "");
    EXPECT_EQ(Wert11(r, 20), "");
    EXPECT_EQ(Wert11(r, 26), "Nebenweg 3  Celle");
    // Blank account holder: the cross, and no name.
    EXPECT_EQ(Wert11(r, 33), "X");
    EXPECT_EQ(Wert11(r, 34), "");
    r.SetzeText(Feld::KtoInhaberName, "Erika Muster");
    EXPECT_EQ(Wert11(r, 33), "");
    EXPECT_EQ(Wert11(r, 34), "Erika Muster");
    // Without a date of the return, today's date.
    EXPECT_EQ(Wert11(r, 40), "30.04.2002");
    r.SetzeInt(Feld::DatumErklaerung, TagesNummer(2002, 3, 1));
    EXPECT_EQ(Wert11(r, 40), "01.03.2002");
    // The marital-status dates by the list entry.
    const std::pair<int, int> stand[] = {{2, 19}, {3, 18}, {4, 17}, {5, 17}};
    for (auto [eintrag, feld] : stand) {
        r.SetzeInt(Feld::ErSie_FamilienstandLB, eintrag);
        EXPECT_EQ(Wert11(r, feld), "04.05.1990") << eintrag;
        EXPECT_EQ(Wert11(r, 16), "") << eintrag;
    }
    r.SetzeInt(Feld::EingLebGemeinschaftSeit, TagesNummer(2001, 8, 1));
    EXPECT_EQ(Wert11(r, 20), "01.08.2001");  // status 5
    r.SetzeInt(Feld::ErSie_FamilienstandLB, 2);
    EXPECT_EQ(Wert11(r, 20), "");
    EXPECT_EQ(Wert11(r, 99), "");  // a field the sheet does not know
}

TEST(Blatt11, SparzulageNurMitDerEhegattenkarteBeiZusammenveranlagung) {
    CaseRecord r = Ehepaar(true);
    r.SetzeDbl(Feld::Vwl1Betrag, 0, Lohnkarte(1, 1));
    r.SetzeDbl(Feld::Vwl3Betrag, 0, Lohnkarte(1, 1));
    EXPECT_EQ(Wert11(r, 2), "X");  // the spouse's first card
    r.SetzeBool(Feld::Splitting, false);
    EXPECT_EQ(Wert11(r, 2), "");
    r.SetzeDbl(Feld::Vwl4Betrag, 10, Lohnkarte(1, 2));  // a second card does not count
    EXPECT_EQ(Wert11(r, 2), "");
}

TEST(Blatt31, KartenSummenUndVorsorgeangaben) {
    const CaseRecord r = Ehepaar(true);
    EXPECT_EQ(Wert31(r, 1), "Mustermann, Thomas");
    EXPECT_EQ(Wert31(r, 1, 2), "Altname, Sabine");
    EXPECT_EQ(Wert31(r, 3), "III");
    EXPECT_EQ(Wert31(r, 3, 2), "V");
    EXPECT_EQ(Wert31(r, 4), "68000,00");
    EXPECT_EQ(Wert31(r, 9), "4000,00");
    EXPECT_EQ(Wert31(r, 4, 2), "31234,56");
    EXPECT_EQ(Wert31(r, 5, 2), "5555,55");
    EXPECT_EQ(Wert31(r, 15), "500,00");   // both cards
    EXPECT_EQ(Wert31(r, 35), "123,50");   // the replacements of card 1
    // With "U" an amount of 0 is one blank (nothing after trimming), without it the mask.
    EXPECT_EQ(Wert31(r, 10), "");
    EXPECT_EQ(Wert31(r, 10, 1, ' '), "0,00");
    {
        Abfrage q(37, 1, 1, 0);
        EXPECT_EQ(TextGetrimmt(Blatt31Wert(r, q.a).text), "2");
    }
    // 45..49 only with one of the crosses 39..41 or a longer "als".
    CaseRecord s = r;
    EXPECT_EQ(Wert31(s, 46), "");
    s.SetzeText(Feld::KeineRVPflAls, " ab ", Lohnkarte(1, 1));
    EXPECT_EQ(Wert31(s, 46), "");
    s.SetzeText(Feld::KeineRVPflAls, " abc ", Lohnkarte(1, 1));
    EXPECT_EQ(Wert31(s, 42), "abc");
    EXPECT_EQ(Wert31(s, 45), "");
    EXPECT_EQ(Wert31(s, 46), "X");
    EXPECT_EQ(Wert31(s, 49), "X");
    s.SetzeText(Feld::KeineRVPflAls, "", Lohnkarte(1, 1));
    s.SetzeBool(Feld::KeineRVPflBeamterCB, true, Lohnkarte(1, 1));
    s.SetzeBool(Feld::KeineRVPflAnwartschaftCB, true, Lohnkarte(1, 1));
    EXPECT_EQ(Wert31(s, 39), "X");
    EXPECT_EQ(Wert31(s, 45), "X");
    EXPECT_EQ(Wert31(s, 46), "");
    // The spouse's annex takes the taxpayer's surname when hers is blank; an
    // instance out of range counts as the taxpayer.
    s.SetzeText(Feld::EhegName, "  ");
    EXPECT_EQ(Wert31(s, 1, 2), "Mustermann, Sabine");
    EXPECT_EQ(Wert31(s, 4, 7), "68000,00");
}

TEST(Formularwerte, NamenszeilenNachVeranlagung) {
    CaseRecord r = Ehepaar(true);
    EXPECT_EQ(NameBeide(r), "Mustermann T. und Altname S.");
    EXPECT_EQ(NameEhegatte(r), "Altname, Sabine");
    r.SetzeBool(Feld::Splitting, false);
    EXPECT_EQ(NameBeide(r), "Mustermann, Thomas");
    EXPECT_EQ(NameEhegatte(r), "");
    r.SetzeText(Feld::StpflName, std::string(25, 'N'));
    r.SetzeText(Feld::StpflVorname, std::string(25, 'V'));
    r.SetzeText(Feld::EhegName, std::string(25, 'E'));
    r.SetzeText(Feld::EhegVorname, std::string(25, 'S'));
    EXPECT_EQ(NameAnlageN(r, 2).size(), 52u);
}

TEST(Formularwerte, EinzelveranlagungDruecktKeinenAltenEhegattenwert) {
    // Basic table with stale spouse data: nothing of the spouse on any sheet.
    const CaseRecord einzeln = Ehepaar(false);
    const std::string t = Zusammen(Gedruckt(einzeln, {11, 311, 312}));
    for (const char* alt : {"Sabine", "Altname", "Lehrerin", "Celle", "020965", "31234", "5555",
                            "Evangelisch", "V|"})
        EXPECT_EQ(t.find(alt), std::string::npos) << alt << " in " << t;
    EXPECT_NE(t.find("Mustermann"), std::string::npos);
    EXPECT_NE(t.find("68000"), std::string::npos);
    EXPECT_TRUE(Gedruckt(einzeln, {312}).empty());

    // Joint: the spouse's data on page 1 and on her Anlage N.
    const CaseRecord paar = Ehepaar(true);
    const std::string p = Zusammen(Gedruckt(paar, {11}));
    for (const char* neu : {"Sabine", "Altname", "Lehrerin", "Nebenweg 3  Celle"})
        EXPECT_NE(p.find(neu), std::string::npos) << neu;
    const std::string n2 = Zusammen(Gedruckt(paar, {312}));
    EXPECT_NE(n2.find("Altname, Sabine"), std::string::npos);
    EXPECT_NE(n2.find("31234"), std::string::npos);
    EXPECT_EQ(n2.find("68000"), std::string::npos);
}

TEST(Formularauswahl, AutomatischNachDenAnlagenmerkern) {
    CaseRecord r;
    Formularwahl w = AutomatischeAuswahl(r);
    EXPECT_EQ(AnzahlGewaehlt(w), 4);  // the main form always
    r.SetzeBool(Feld::KindAnlFlag, true, 6);
    r.SetzeBool(Feld::AnlNFlagSie, true);
    r.SetzeBool(Feld::PrivVeraeussFlag, true);
    r.SetzeBool(Feld::AnlVFlag, true, 3);
    w = AutomatischeAuswahl(r);
    EXPECT_FALSE(w[4]);
    EXPECT_TRUE(w[6] && w[7]);  // children 5-6 for child 6 alone
    EXPECT_FALSE(w[8]);
    EXPECT_TRUE(w[10] && w[11]);
    EXPECT_TRUE(w[14] && w[15]);
    EXPECT_TRUE(w[24] && w[25]);
    EXPECT_FALSE(w[20]);
    EXPECT_EQ(AnzahlGewaehlt(w), 12);
    EXPECT_EQ(Formularposten30()[25].blatt, 723);
    EXPECT_EQ(Formularposten30()[10].druckgruppe, 5);
}

TEST(Formularauswahl, DruckrundeMitPapierfragenDuplexUndAbbruch) {
    Formularwahl w{};
    w[0] = w[1] = w[3] = true;
    std::vector<std::string> fragen;
    std::vector<Druckauftrag> jobs;
    Druckrunde d;
    d.prompt = [&](const std::string& t) {
        fragen.push_back(t);
        return true;
    };
    d.auftrag = [&](const Druckauftrag& a) {
        jobs.push_back(a);
        return true;
    };

    // Duplex on blank paper: one job for the whole form, no prompt.
    d.duplex = true;
    EXPECT_EQ(FormulareDrucken(w, d), 1);
    EXPECT_TRUE(fragen.empty());
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs[0].blatt, 11);
    EXPECT_TRUE(jobs[0].direkt);

    // Without duplex: three jobs, each after its prompt.
    jobs.clear();
    d.duplex = false;
    EXPECT_EQ(FormulareDrucken(w, d), 3);
    ASSERT_EQ(fragen.size(), 3u);
    EXPECT_EQ(fragen[1], "Bitte neutrales Papier einlegen.\rDruck:   Hauptvordruck, Seite 2");
    EXPECT_EQ(jobs[2].blatt, 14);

    // Into the official form, "Abbrechen" at the second prompt ends the run.
    jobs.clear();
    fragen.clear();
    d.blanko = false;
    d.prompt = [&](const std::string& t) {
        fragen.push_back(t);
        return fragen.size() < 2;
    };
    EXPECT_EQ(FormulareDrucken(w, d), 1);
    EXPECT_EQ(fragen[0], "Bitte das amtliches Formular\r  Hauptvordruck, Seite 1\reinlegen");
    EXPECT_FALSE(jobs[0].blanko);

    // As a preview: one prompt naming every ticked sheet, then one job that
    // shows them all; with no ticks nothing runs.
    jobs.clear();
    fragen.clear();
    d.prompt = [&](const std::string& t) {
        fragen.push_back(t);
        return true;
    };
    d.vorschau = true;
    EXPECT_EQ(FormulareDrucken(w, d), 1);
    ASSERT_EQ(fragen.size(), 1u);
    EXPECT_EQ(fragen[0], "Bitte das amtliches Formular\r  Hauptvordruck, Seite 1\r  Hauptvordruck, Seite 2\r"
                         "  Hauptvordruck, Seite 4\reinlegen");
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_FALSE(jobs[0].direkt);
    EXPECT_EQ(jobs[0].blaetter, (std::vector<int>{11, 12, 14}));
    jobs.clear();
    d.prompt = [](const std::string&) { return false; };  // "Abbrechen": no preview
    EXPECT_EQ(FormulareDrucken(w, d), 0);
    EXPECT_TRUE(jobs.empty());
    d.prompt = nullptr;
    EXPECT_EQ(FormulareDrucken(Formularwahl{}, d), 0);
    EXPECT_TRUE(jobs.empty());

    // Into a PDF (no printer): one direct job of every ticked sheet, no paper prompt.
    d.vorschau = false;
    d.alsPdf = true;
    d.prompt = [&](const std::string& t) {
        fragen.push_back(t);
        return true;
    };
    fragen.clear();
    EXPECT_EQ(FormulareDrucken(w, d), 1);
    EXPECT_TRUE(fragen.empty());
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_TRUE(jobs[0].direkt);
    EXPECT_EQ(jobs[0].blaetter, (std::vector<int>{11, 12, 14}));
    jobs.clear();
    d.alsPdf = false;

    // A failed job ends the run.
    d.vorschau = false;
    d.auftrag = [&](const Druckauftrag& a) {
        jobs.push_back(a);
        return false;
    };
    EXPECT_EQ(FormulareDrucken(w, d), 1);
    EXPECT_EQ(jobs.size(), 1u);
}

// Main form page 2 declares the annexes the return prints, keeps the user's own
// ticks, and the check names a ticked annex without data.
TEST(Formularauswahl, BeigefuegteAnlagenAusDenGedrucktenUndDenHaken) {
    struct Fall {
        const char* name;
        std::function<void(CaseRecord&)> setzen;
        bool kap, nSie, v, kinder;
        int vZahl, kinderZahl;
        std::vector<std::string> ohneDaten;
    };
    const std::vector<Fall> faelle = {
        {"nichts", [](CaseRecord&) {}, false, false, false, false, 0, 0, {}},
        {"gedruckt", [](CaseRecord& r) {
             r.SetzeBool(Feld::AnlKapFlag, true);
             r.SetzeBool(Feld::AnlVFlag, true, 1);
             r.SetzeBool(Feld::AnlVFlag, true, 3);
             r.SetzeBool(Feld::KindAnlFlag, true, 2);
             r.SetzeBool(Feld::KindAnlFlag, true, 6);
         }, true, false, true, true, 2, 2, {}},
        {"nur angekreuzt", [](CaseRecord& r) {
             r.SetzeBool(Feld::AnlKap, true);
             r.SetzeDbl(Feld::AnlVZahl, 2);
         }, true, false, true, false, 2, 0, {"Anlage KAP", "Anlage V"}},
        {"Ehegatte nur gemeinsam", [](CaseRecord& r) { r.SetzeBool(Feld::AnlNFlagSie, true); },
         false, false, false, false, 0, 0, {}},
        {"Ehegatte gemeinsam", [](CaseRecord& r) {
             r.SetzeBool(Feld::Splitting, true);
             r.SetzeBool(Feld::AnlNFlagSie, true);
         }, false, true, false, false, 0, 0, {}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        CaseRecord r;
        f.setzen(r);
        const BeigefuegteAnlagen a = AnlagenDerErklaerung(r);
        EXPECT_EQ(a.kap, f.kap);
        EXPECT_EQ(a.nSie, f.nSie);
        EXPECT_EQ(a.v, f.v);
        EXPECT_EQ(a.kinder, f.kinder);
        EXPECT_EQ(a.vZahl, f.vZahl);
        EXPECT_EQ(a.kinderZahl, f.kinderZahl);
        EXPECT_EQ(AngekreuzteAnlagenOhneDaten(r), f.ohneDaten);
    }
}
