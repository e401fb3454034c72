// Expectation tables of the main form's pages 2-4, Anlage Kinder and Anlage N
// page 2, on fixture cases built here, and the rules that hold over all of
// their definition files.
#include <gtest/gtest.h>

#include <fstream>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "calc/betrag.h"
#include "case/caserecord.h"
#include "print/formular.h"
#include "print/formularwerte.h"
#include "testpfade.h"

using namespace quarnel;

namespace {

// The spouse's values of the fixtures all carry the digits 777 or the name
// "Sabine", so a stale spouse value shows wherever it is printed.
constexpr double Ehe = 777.25;

// A joint case with the fields of the sheets filled.
CaseRecord Vollfall(bool gemeinsam = true) {
    CaseRecord r;
    r.SetzeBool(Feld::Splitting, gemeinsam);
    r.SetzeBool(Feld::Grundtabelle, !gemeinsam);
    r.SetzeText(Feld::Steuernummer, "25/123/45678");
    r.SetzeText(Feld::StpflName, "Mustermann");
    r.SetzeText(Feld::StpflVorname, "Thomas");
    r.SetzeText(Feld::EhegName, "Altname");
    r.SetzeText(Feld::EhegVorname, "Sabine");
    // sheet 12
    for (Feld f : {Feld::AnlKap, Feld::AnlNSAEr, Feld::AnlNSASie, Feld::AnlV, Feld::AnlKinder,
                   Feld::AusStplAntragEuEWR})
        r.SetzeBool(f, true);
    r.SetzeDbl(Feld::AnlVZahl, 2);
    r.SetzeDbl(Feld::AnlKinderZahl, 3);
    r.SetzeDbl(Feld::Besch630Er, 1200);
    r.SetzeDbl(Feld::Besch630Sie, Ehe);
    r.SetzeDbl(Feld::EinkErsProgSie, Ehe);
    r.SetzeDbl(Feld::GetVerAnteilAuGeBel, 40);
    r.SetzeInt(Feld::ZeitwAuslEkVom, TagesNummer(2001, 3, 1));
    r.SetzeInt(Feld::ZeitwAuslEkBis, TagesNummer(2001, 12, 31));
    r.SetzeDbl(Feld::ZeitwAuslEkEr, 1000);
    r.SetzeDbl(Feld::ZeitwAuslEkSie, Ehe);
    r.SetzeDbl(Feld::PosSumNichtDtEkStSie, Ehe);
    // sheet 13
    r.SetzeDbl(Feld::AnTeilSoVer, 6000, Lohnkarte(1, 1));
    r.SetzeDbl(Feld::AnTeilSoVer, 500.5, Lohnkarte(1, 2));
    r.SetzeDbl(Feld::AnTeilSoVer, Ehe, Lohnkarte(2, 1));
    r.SetzeDbl(Feld::ZusPflegeEheg, Ehe);
    r.SetzeDbl(Feld::KrankenGez, 5000);
    r.SetzeDbl(Feld::KrankenErg, 4800);
    r.SetzeDbl(Feld::AgZuKV, 1000, Lohnkarte(1, 1));
    r.SetzeDbl(Feld::AgZuKV, 100, Lohnkarte(1, 2));
    r.SetzeDbl(Feld::AgZuKV, 50, Lohnkarte(2, 2));
    r.SetzeDbl(Feld::LebenGez, 2400);
    r.SetzeText(Feld::ReGrund, "  Leibrente 1990 ");
    r.SetzeDbl(Feld::ReErtAntBek, 300);
    r.SetzeDbl(Feld::ReErtAntRech, 27.5);
    // church tax on the cards (the deduction rounds it up to 801; the form prints it as paid)
    r.SetzeDbl(Feld::KiLitKarte, 801);
    r.SetzeDbl(Feld::KiStAnBrutto, 700.40, Lohnkarte(1, 1));
    r.SetzeDbl(Feld::KiStEheBrutto, 99.55, Lohnkarte(2, 1));
    r.SetzeDbl(Feld::KiWeitere, 50);
    r.SetzeInt(Feld::BeschVom, TagesNummer(2001, 1, 1));
    r.SetzeInt(Feld::BeschBis, TagesNummer(2001, 6, 30));
    r.SetzeDbl(Feld::AufwandDm, 9000);
    r.SetzeDbl(Feld::SteuerfreiEin, 1500);
    r.SetzeDbl(Feld::SaMoegl, 7500);
    r.SetzeDbl(Feld::AusStpfDM, 1000);
    r.SetzeDbl(Feld::AusEheDM, Ehe);
    r.SetzeDbl(Feld::SGGezKi1, 600);
    r.SetzeDbl(Feld::SGGezKi3, 400);
    r.SetzeText(Feld::SGBezKi2, "   ");
    r.SetzeText(Feld::SGBezKi3, "Waldorfschule");
    r.SetzeDbl(Feld::VerlustAbStpfl, 1);
    r.SetzeDbl(Feld::VerlustAbEheg, 1);
    r.SetzeDbl(Feld::Ruecktrag2, Ehe);
    // sheet 32, taxpayer (element 1) and spouse (element 2)
    r.SetzeBool(Feld::PrivatPKWCB, true, 1);
    r.SetzeText(Feld::ArbeitsOrt1, "Hannover, Hauptstr. 1", 1);
    r.SetzeDbl(Feld::Arbeitstage1, 220, 1);
    r.SetzeInt(Feld::LfdOrt1CB, 1, 1);
    r.SetzeInt(Feld::LfdOrt2CB, 2, 1);
    r.SetzeInt(Feld::LfdOrt3CB, -1, 1);
    r.SetzeDbl(Feld::LfdTage2, 20, 1);
    r.SetzeDbl(Feld::LfdEntf2, 35, 1);
    r.SetzeBool(Feld::LfdBehind4CB, true, 1);
    r.SetzeDbl(Feld::Kosten4, 100, 1);
    r.SetzeDbl(Feld::Kosten5, 20, 1);
    r.SetzeDbl(Feld::DirKostenAusListe, 1000, 1);
    r.SetzeDbl(Feld::AntKostenErg, 250, 1);
    r.SetzeDbl(Feld::ErgWKWechsel, 300, 1);
    r.SetzeDbl(Feld::SummeWkSonst, 50, 1);
    r.SetzeInt(Feld::EWTa10, 5, 1);
    r.SetzeInt(Feld::FzTa10, 7, 1);
    r.SetzeDbl(Feld::ErstFahrtFzKM, 300, 1);
    r.SetzeDbl(Feld::LetztFahrtFzKM, 100, 1);
    r.SetzeDbl(Feld::ErstFahrtFzDm, 100, 1);
    r.SetzeDbl(Feld::LetztFahrtFzDM, 40, 1);
    r.SetzeText(Feld::EigHausIn, "  ", 1);
    r.SetzeBool(Feld::UnterKJaCB, true, 1);
    r.SetzeDbl(Feld::LfdTage1, Ehe, 2);
    r.SetzeInt(Feld::LfdOrt1CB, 2, 2);
    r.SetzeDbl(Feld::SummeWkSonst, Ehe, 2);
    r.SetzeText(Feld::BeschOrt, "Sabine", 2);
    return r;
}

struct Anfrage {
    Definitionszeile z;
    uint8_t zustand = 0;
    Feldanfrage a;
    explicit Anfrage(int feld, int n = 10, int d = 2, int index = 0) {
        z.feld = feld;
        z.n = n;
        z.d = d;
        z.code = 'U';
        z.index = index;
        a.zeile = &z;
        a.zustand = &zustand;
        a.heute = TagesNummer(2002, 4, 30);
    }
};

std::string Wert(Wertroutine routine, const CaseRecord& r, int feld, int n = 10, int d = 2) {
    Anfrage q(feld, n, d);
    return TextGetrimmt(routine(r, q.a).text);
}

struct Erwartung {
    int feld;
    const char* text;
    int n = 10, d = 2;
};

void Pruefen(Wertroutine routine, const CaseRecord& r, const std::vector<Erwartung>& tabelle,
             const char* fall) {
    for (const Erwartung& e : tabelle)
        EXPECT_EQ(Wert(routine, r, e.feld, e.n, e.d), e.text) << fall << ", Feld " << e.feld;
}

// The sheets of this group: their two-digit number and the one printed.
constexpr int Blaetter[] = {12, 13, 14, 21, 22, 32};

Definition DefinitionVon(int blatt2) {
    std::ifstream f(std::string(QUARNEL_DATA_DIR) + "/form/" + DefinitionsDateiName(blatt2),
                    std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return DefinitionAusText(s.str());
}

}  // namespace

TEST(Blatt12, AnlagenWeitereAngabenUndAusland) {
    const CaseRecord r = Vollfall();
    Pruefen(Blatt12Wert, r,
            {{1, "X"}, {2, ""}, {6, "X"}, {7, "X"}, {10, "X"}, {11, "2", 2, 0},
             {13, "", 2, 0}, {15, "3", 2, 0}, {21, "1200,00"}, {22, "777,25"}, {23, "X"},
             {24, "40,00"}, {25, ""}, {26, "777,25"}, {33, "01.03-31.12"},
             {34, "1777,25"}, {35, ""}, {36, "777,25"}, {42, "X"}, {45, ""}, {99, ""}},
            "gemeinsam");
    // Basic table with stale spouse data: the spouse's amounts drop out of
    // the sums and her own lines stay empty even if printed.
    Pruefen(Blatt12Wert, Vollfall(false),
            {{7, ""}, {22, ""}, {26, ""}, {34, "1000,00"}, {36, ""}, {21, "1200,00"}},
            "Grundtabelle");
    CaseRecord ohne = r;
    ohne.SetzeInt(Feld::ZeitwAuslEkBis, KeinDatum);
    ohne.SetzeDbl(Feld::GetVerAnteilAuGeBel, 0);
    Pruefen(Blatt12Wert, ohne, {{33, ""}, {23, ""}, {24, ""}}, "ohne Zeitraum");
    // A damaged or oversized amount prints the mask's "does not fit" stars.
    CaseRecord kaputt = r;
    kaputt.SetzeDbl(Feld::Besch630Er, std::numeric_limits<double>::quiet_NaN());
    kaputt.SetzeDbl(Feld::EinkErsProgEr, 1e12);
    Pruefen(Blatt12Wert, kaputt, {{21, "*******,**"}, {25, "*******,**"}}, "beschaedigt");
}

TEST(Blatt13, SonderausgabenMitZuschuessenSchulgeldUndHaushaltshilfe) {
    const CaseRecord r = Vollfall();
    Pruefen(Blatt13Wert, r,
            {{1, "6500,50"}, {2, "777,25"}, {4, "777,25"},
             // premiums less the employer's subsidies of all four cards
             {6, "3850,00"}, {8, "3650,00"}, {7, ""}, {12, "2400,00"},
             {20, "Leibrente 1990"}, {22, "327,50"}, {26, "849,95"},
             {29, "01.01-30.06"}, {32, "9000,00"}, {33, "1500,00"}, {34, "7500,00"},
             {38, "1777,25"}, {39, "1,3,"}, {40, "Waldorfschule"}, {41, "1000,00"},
             {70, "X"}, {71, "X"}, {73, "777,25"}, {74, ""}},
            "gemeinsam");
    // Basic table: the spouse's cards and costs are left out.
    Pruefen(Blatt13Wert, Vollfall(false),
            {{2, ""}, {4, ""}, {6, "3900,00"}, {8, "3700,00"}, {38, "1000,00"}, {71, ""}, {26, "750,40"}},
            "Grundtabelle");
    CaseRecord ohne = r;
    ohne.SetzeDbl(Feld::SaMoegl, 0);
    ohne.SetzeDbl(Feld::SGGezKi1, 0);
    ohne.SetzeDbl(Feld::SGGezKi3, 0);
    ohne.SetzeText(Feld::SGBezKi3, "");
    Pruefen(Blatt13Wert, ohne, {{29, ""}, {32, ""}, {34, ""}, {39, ""}, {40, ""}, {41, ""}},
            "ohne Haushaltshilfe und Schulgeld");
}

TEST(Blatt32, WerbungskostenNachZeilenIndexUndPerson) {
    const CaseRecord r = Vollfall();
    auto zeile = [&](int feld, int index, int person = 1, int n = 3, int d = 0) {
        Anfrage q(feld, n, d, index);
        q.a.instanz = person;
        return TextGetrimmt(Blatt32Wert(r, q.a).text);
    };
    // The commuting row is the line's index, whatever the field's tens say.
    EXPECT_EQ(zeile(21, 1), "1");
    EXPECT_EQ(zeile(31, 2), "2");
    EXPECT_EQ(zeile(21, 2), "2");
    EXPECT_EQ(zeile(32, 2), "20");
    EXPECT_EQ(zeile(33, 2), "35");
    EXPECT_EQ(zeile(56, 4), "X");
    EXPECT_EQ(zeile(36, 2), "");
    // Nothing chosen (-1 or 0) prints nothing, never "-1"; a row outside 1..4 nothing.
    EXPECT_EQ(zeile(41, 3), "");
    EXPECT_EQ(zeile(51, 4), "");
    EXPECT_EQ(zeile(21, 0), "");
    EXPECT_EQ(zeile(22, 5), "");
    // The spouse's sheet reads the spouse's element.
    EXPECT_EQ(zeile(21, 1, 2), "2");
    EXPECT_EQ(zeile(22, 1, 2, 10, 2), "777,25");
    Pruefen(Blatt32Wert, r,
            {{1, "X"}, {2, ""}, {4, "Hannover, Hauptstr. 1"}, {5, "220", 3, 0},
             {84, "vgl. Liste"}, {85, "120,00"}, {91, "Arbeitszimmer"}, {92, "1250,00"},
             {93, "Einsatzwechselt\xe4tigkeit"}, {94, "300,00"},
             {95, "Sonstige Kosten lt. Liste"}, {97, "1600,00"}, {103, "12", 3, 0},
             {116, "X"}, {117, ""}, {119, ""}, {120, "X"}, {142, "X"}, {141, ""},
             {143, "400", 5, 0}, {144, "0,35", 4, 2}, {145, "140,00"}},
            "Stpfl.");
    // With its own home the cross of 116 and the accommodation crosses go.
    CaseRecord haus = r;
    haus.SetzeText(Feld::EigHausIn, "Celle", 1);
    Pruefen(Blatt32Wert, haus, {{116, ""}, {117, "Celle"}, {119, ""}, {120, ""}}, "Hausstand");
    // The basic table: the spouse's sheet prints nothing at all.
    const CaseRecord einzeln = Vollfall(false);
    Anfrage q(22, 10, 2, 1);
    q.a.instanz = 2;
    EXPECT_EQ(Blatt32Wert(einzeln, q.a).text, "");
}

// Six children, each with its own first name and birth date.
CaseRecord SechsKinder() {
    CaseRecord r = Vollfall();
    const char* namen[] = {"Lena", "Jonas", "Mia", "Paul", "Emma", "Maximilian-Alexander-Johannes"};
    for (int k = 1; k <= 6; ++k) {
        r.SetzeText(Feld::Vorname, namen[k - 1], k);
        r.SetzeInt(Feld::GebAm, TagesNummer(1990 + k, k, 10 + k), k);
        r.SetzeInt(Feld::KindschaftZuEhemannLB, 1 + (k % 4), k);
        r.SetzeInt(Feld::KindschaftZuEhefrauLB, 2, k);
        r.SetzeDbl(Feld::ErhKiGeld, 3240, k);
    }
    r.SetzeInt(Feld::InlandVom, TagesNummer(2001, 1, 1), 2);
    r.SetzeInt(Feld::InlandBis, TagesNummer(2001, 9, 30), 2);
    r.SetzeInt(Feld::InlandBis, KeinDatum, 1);
    r.SetzeBool(Feld::BesHeit_1, true, 5);
    r.SetzeBool(Feld::BesHeit_8, true, 2);
    r.SetzeInt(Feld::KindschaftWpVom, TagesNummer(2001, 2, 1), 3);
    r.SetzeInt(Feld::KindschaftWpBis, TagesNummer(2001, 5, 31), 3);
    r.SetzeInt(Feld::KiIstVerhSeit, TagesNummer(2001, 8, 18), 4);
    r.SetzeDbl(Feld::Kind_BruttoIn, 12000, 1);
    r.SetzeDbl(Feld::Kind_KapitalIn, 100, 2);
    r.SetzeDbl(Feld::Kind_UebrigeBezIn, 50.5, 2);
    r.SetzeDbl(Feld::BesAusBildKostAus, 300, 4);
    r.SetzeDbl(Feld::Kind_BruttoIn, 9000, 5);
    r.SetzeBool(Feld::BesHeit_Ki16uBehind, true, 3);
    r.SetzeInt(Feld::AntragKiFbWgAuslVom, TagesNummer(2001, 1, 1), 2);
    r.SetzeInt(Feld::AntragKiFbWgAuslBis, TagesNummer(2001, 3, 31), 2);
    r.SetzeText(Feld::GemeldetBeiTxt, " Gro\xdf" "eltern", 6);
    r.SetzeDbl(Feld::Ausbild_BruttoIn, 1000, 1);
    r.SetzeDbl(Feld::Ausbild_AusBeihIn, 250, 1);
    r.SetzeDbl(Feld::Ausbild_WerbkIn, 999, 1);  // not part of the sum of 151
    return r;
}

TEST(Blatt21, KinderspaltenNachIndexUndKinderFuenfUndSechs) {
    const CaseRecord r = SechsKinder();
    auto spalte = [&](int feld, int index, bool kinder56 = false, int n = 10, int d = 2) {
        Anfrage q(feld, n, d, index);
        q.a.kinder56 = kinder56;
        return Blatt21Wert(r, q.a);
    };
    auto text = [&](int feld, int index, bool kinder56 = false) {
        return TextGetrimmt(spalte(feld, index, kinder56).text);
    };
    EXPECT_EQ(text(1, 0), "Mustermann T. und Altname S.");
    EXPECT_EQ(text(3, 1), "Lena");
    EXPECT_EQ(text(4, 2), "Jonas");
    EXPECT_EQ(text(15, 1), "11011991");
    EXPECT_EQ(text(18, 4), "14041994");
    EXPECT_EQ(text(20, 2), "3240,00");
    EXPECT_EQ(text(24, 2), "01013009");
    EXPECT_EQ(text(23, 1), "");  // no end date: no period
    // relation crosses: four per value, husband 35..46, wife 47..58
    EXPECT_EQ(text(35, 1), "X");  // child 1: value 2
    EXPECT_EQ(text(40, 2), "X");  // child 2: value 3
    EXPECT_EQ(text(45, 3), "X");  // child 3: value 4
    EXPECT_EQ(text(44, 3), "X");  // the index, not the field, names the child
    EXPECT_EQ(text(46, 4), "");   // child 4: value 1 has no cross
    EXPECT_EQ(text(38, 4), "");
    EXPECT_EQ(text(47, 1), "X");
    EXPECT_EQ(text(51, 1), "");
    EXPECT_EQ(text(77, 2), "");   // BesHeit_1 of child 2
    EXPECT_EQ(text(105, 2), "X");  // BesHeit_8 of child 2
    EXPECT_EQ(text(74, 3), "01.02-31.05");
    EXPECT_EQ(text(124, 4), "18.08.2001");
    // Sheet 23: index 1 is child 5, index 2 child 6, indices 3 and 4 print nothing.
    EXPECT_EQ(text(3, 1, true), "Emma");
    EXPECT_EQ(text(76, 1, true), "X");
    // A long first name comes whole; printing fits it into its column.
    const Feldwert lang = spalte(4, 2, true);
    EXPECT_EQ(lang.text, "Maximilian-Alexander-Joha");  // the stored name keeps 25 characters
    EXPECT_EQ(lang.zeile2, "");
    EXPECT_EQ(text(5, 3, true), "");
    EXPECT_EQ(text(18, 4, true), "");
    // A column outside 1..4 prints nothing.
    EXPECT_EQ(text(3, 0), "");
    EXPECT_EQ(text(3, 5), "");
    EXPECT_EQ(text(2, 0), "25/123/45678");
    // The name line falls back to the taxpayer's name and leaves out a missing initial.
    CaseRecord ohneName = r;
    ohneName.SetzeText(Feld::EhegName, "   ");
    EXPECT_EQ(NameBeide(ohneName), "Mustermann T. und Mustermann S.");
    ohneName.SetzeText(Feld::EhegVorname, "");
    EXPECT_EQ(NameBeide(ohneName), "Mustermann T. und Mustermann");
}

TEST(Blatt22, SpalteAusDerFeldnummerUndKinderFuenfUndSechs) {
    CaseRecord r = SechsKinder();
    auto wert = [&](int feld, bool kinder56 = false, int index = 1) {
        Anfrage q(feld, 10, 2, index);
        q.a.kinder56 = kinder56;
        return TextGetrimmt(Blatt22Wert(r, q.a).text);
    };
    EXPECT_EQ(wert(10), "12000,00");
    EXPECT_EQ(wert(20), "");
    EXPECT_EQ(wert(23), "150,50");
    EXPECT_EQ(wert(49), "300,00");
    EXPECT_EQ(wert(62), "X");
    EXPECT_EQ(wert(61), "");
    EXPECT_EQ(wert(81), "01.01-31.03");
    EXPECT_EQ(wert(151), "1250,00");
    EXPECT_EQ(wert(161), "");
    // The field number, not the index, names the column here.
    EXPECT_EQ(wert(10, false, 3), "12000,00");
    // Sheet 24: column 1 is child 5, column 2 child 6, columns 3 and 4 print nothing.
    EXPECT_EQ(wert(10, true), "9000,00");
    EXPECT_EQ(wert(121, true), "Gro\xdf" "eltern");
    EXPECT_EQ(wert(30, true), "");
    EXPECT_EQ(wert(62, true), "");
    // Fields between the groups print nothing.
    EXPECT_EQ(wert(55), "");
    EXPECT_EQ(wert(75), "");
    EXPECT_EQ(wert(184), "");
    // 190: the education block of any child.
    EXPECT_EQ(wert(190), "");
    r.SetzeBool(Feld::AufteilungNicht5050, true, 6);
    EXPECT_EQ(wert(190), "X");
}

TEST(Blatt14, ZweiPersonenUndDerZustandDesBlatts) {
    // Basic table with stale spouse data: the taxpayer and child 2, the spouse passed over.
    CaseRecord r = SechsKinder();
    r.SetzeBool(Feld::Splitting, false);
    r.SetzeBool(Feld::Grundtabelle, true);
    r.SetzeInt(Feld::GradBehinderung, 50, 1);
    r.SetzeInt(Feld::GradBehinderung, 70, 2);
    r.SetzeBool(Feld::HilfLosCB, true, 2);
    r.SetzeBool(Feld::HiAntKi2CB, true);
    r.SetzeBool(Feld::NachwVorgelRB, true, 4);
    r.SetzeInt(Feld::NachweisAusDat, TagesNummer(1999, 4, 1), 1);
    r.SetzeBool(Feld::AussergewCB, true, 1);
    Pruefen(Blatt14Wert, r,
            {{1, ""}, {2, "X"}, {3, "Thomas"}, {4, "01.04.1999"}, {7, "X"}, {8, ""}, {9, "X"},
             {10, "50", 3, 0}, {11, "Jonas"}, {14, "X"}, {15, ""}, {18, "", 3, 0}},
            "Grundtabelle");
    // Joint: the spouse is the second person.
    r.SetzeBool(Feld::Splitting, true);
    r.SetzeBool(Feld::Grundtabelle, false);
    Pruefen(Blatt14Wert, r, {{11, "Sabine"}, {16, "X"}, {18, "70", 3, 0}}, "gemeinsam");
    // Nobody qualifies: nothing.
    Pruefen(Blatt14Wert, Vollfall(), {{3, ""}, {11, ""}, {10, "", 3, 0}}, "niemand");

    // Household help: 21 and 22 only after 20 set the state byte; 22 clears it.
    r.SetzeDbl(Feld::AbMoegl, 1200);
    r.SetzeBool(Feld::AbKrankheitCB, true);
    r.SetzeText(Feld::NameHausHilfe, "Frau Meier");
    r.SetzeDbl(Feld::AufwDM, 3000, 1);
    r.SetzeText(Feld::NameP1, "Oma");
    Anfrage q(0);
    auto folge = [&](int feld) {
        q.z.feld = feld;
        return TextGetrimmt(Blatt14Wert(r, q.a).text);
    };
    EXPECT_EQ(folge(21), "");
    EXPECT_EQ(folge(22), "");
    EXPECT_EQ(folge(20), "01.01-30.06");
    EXPECT_EQ(folge(21), "9000,00");
    EXPECT_EQ(folge(22), "Frau Meier");
    EXPECT_EQ(folge(21), "");
    // 35 reads the state 34 set; 65 clears it.
    EXPECT_EQ(folge(35), "");
    EXPECT_EQ(folge(34), "Oma");
    EXPECT_EQ(folge(35), "X");
    EXPECT_EQ(folge(65), "");
    EXPECT_EQ(folge(35), "");
    r.SetzeBool(Feld::AbKrankheitCB, false);
    EXPECT_EQ(folge(20), "");
    EXPECT_EQ(folge(21), "");
}

// Every line a definition file prints under the basic table (no "S") must not
// show a spouse value of a case with stale spouse data.
TEST(Formularblaetter, KeinEhegattenwertAufEinerGrundtabellenErklaerung) {
    const CaseRecord r = Vollfall(false);
    for (int blatt : Blaetter) {
        const Definition d = DefinitionVon(blatt);
        ASSERT_FALSE(d.zeilen.empty()) << blatt;
        EXPECT_TRUE(d.fehler.empty()) << blatt;
        const Wertroutine routine = WertroutineFuer(blatt);
        ASSERT_NE(routine, nullptr) << blatt;
        for (const Definitionszeile& z : d.zeilen) {
            if (z.nurSplitting) continue;
            Anfrage q(z.feld);
            q.z = z;
            const Feldwert w = routine(r, q.a);
            for (const std::string& t : {w.text, w.zeile2}) {
                EXPECT_EQ(t.find("777"), std::string::npos) << blatt << "/" << z.feld << ": " << t;
                EXPECT_EQ(t.find("Sabine"), std::string::npos) << blatt << "/" << z.feld;
            }
        }
    }
}

// Any field number and index, on a new case and on random bytes: no crash,
// at most 80 characters.
TEST(Formularblaetter, JedesFeldAufLeeremUndZufaelligemFall) {
    std::mt19937 zufall(2001);
    CaseRecord wirr;
    for (auto& b : wirr.Bytes()) b = static_cast<uint8_t>(zufall());
    CaseRecord neu;
    Notizblock notizen;
    Listensatz liste;
    NeuerFall(neu, notizen, liste);
    for (int blatt : Blaetter) {
        const Wertroutine routine = WertroutineFuer(blatt);
        for (const CaseRecord* r : {&neu, &wirr})
            for (int feld = 0; feld < 250; ++feld)
                for (int index = 0; index <= 9; ++index)
                    for (int instanz : {1, 2}) {
                        Anfrage q(feld, 10, 2, index);
                        q.a.instanz = instanz;
                        q.a.kinder56 = instanz == 2;
                        const Feldwert w = routine(*r, q.a);
                        EXPECT_LE(w.text.size(), 80u) << blatt << "/" << feld;
                        EXPECT_LE(w.zeile2.size(), 80u) << blatt << "/" << feld;
                    }
    }
}
