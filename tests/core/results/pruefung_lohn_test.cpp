// Check rules of the wage-tax cards and the income-related expenses.
#include <gtest/gtest.h>

#include <algorithm>

#include "calc/betrag.h"
#include "pruefhilfe.h"

using namespace quarnel;
using quarnel::test::Befunde;

namespace {

const Veranlagung Einzel{false, true, 0};
const Veranlagung Zusammen{true, false, 0};

// Card k with wages, the taxes on them and the pension confirmation.
CaseRecord MitLohn(int k) {
    CaseRecord r = test::NeuerSatz();
    r.SetzeDbl(Feld::Brutto, 50000, k);
    r.SetzeDbl(Feld::LStBrutto, 8000, k);
    r.SetzeDbl(Feld::SoliBrutto, 440, k);
    r.SetzeBool(Feld::BestaetVorsorge, true, k <= 2 ? 1 : 3);
    return r;
}

}  // namespace

TEST(PruefungLohn, Lohnsteuerkarte_Brutto_und_Abzuege) {
    CaseRecord r = MitLohn(1);
    EXPECT_TRUE(Befunde(r, Einzel, 31).empty());
    r.SetzeDbl(Feld::SoliBrutto, 0, 1);
    EXPECT_EQ(Befunde(r, Einzel, 31), (std::vector<int>{51}));
    r.SetzeDbl(Feld::Brutto, 0, 1);
    r.SetzeDbl(Feld::KiStAnBrutto, 720, 1);
    EXPECT_EQ(Befunde(r, Einzel, 31), (std::vector<int>{52, 53}));

    r = MitLohn(1);
    r.SetzeDbl(Feld::Versbez, 50000.001, 1);  // within the thousandth
    EXPECT_TRUE(Befunde(r, Einzel, 31).empty());
    r.SetzeDbl(Feld::Versbez, 50000.002, 1);
    EXPECT_EQ(Befunde(r, Einzel, 31), (std::vector<int>{57}));

    r = MitLohn(1);
    r.SetzeDbl(Feld::Entsch, 20000, 1);  // a settlement without its tax
    EXPECT_EQ(Befunde(r, Einzel, 31), (std::vector<int>{55, 56, 58}));
    r.SetzeDbl(Feld::LStMj, 3000, 1);
    r.SetzeDbl(Feld::SoliMj, 165, 1);
    r.SetzeDbl(Feld::EntschFB, 16000, 1);
    EXPECT_TRUE(Befunde(r, Einzel, 31).empty());
    r.SetzeDbl(Feld::Entsch, 0, 1);
    EXPECT_EQ(Befunde(r, Einzel, 31), (std::vector<int>{54, 59}));
}

TEST(PruefungLohn, Lohnsteuerkarte_Aufwand_VWL_und_erste_Karte) {
    CaseRecord r = MitLohn(2);
    EXPECT_TRUE(Befunde(r, Einzel, 32).empty());
    r.SetzeBool(Feld::BestaetVorsorge, false, 1);  // read from the person's first card
    r.SetzeBool(Feld::BestaetVorsorge, true, 2);
    EXPECT_EQ(Befunde(r, Einzel, 32), (std::vector<int>{73}));

    r = MitLohn(1);
    r.SetzeDbl(Feld::StFAufEntbetrag, 5000, 1);
    r.SetzeText(Feld::StFAufEntAls, "Übungsleiter", 1);
    r.SetzeDbl(Feld::StFAufEntFreiB, 3600, 1);
    EXPECT_TRUE(Befunde(r, Einzel, 31).empty());
    r.SetzeDbl(Feld::StFAufEntFreiB, 3600.01, 1);
    EXPECT_EQ(Befunde(r, Einzel, 31), (std::vector<int>{76}));
    r.SetzeText(Feld::StFAufEntAls, "", 1);
    EXPECT_EQ(Befunde(r, Einzel, 31), (std::vector<int>{76, 68}));

    r = MitLohn(1);
    r.SetzeInt(Feld::Vwl2Art, 1, 1);
    r.SetzeDbl(Feld::Vwl4Betrag, 936, 1);
    EXPECT_EQ(Befunde(r, Einzel, 31), (std::vector<int>{70, 72}));
    r.SetzeText(Feld::Vwl2Vertrag, "BSV 4711", 1);
    r.SetzeDbl(Feld::Vwl2Betrag, 936, 1);
    r.SetzeDbl(Feld::Vwl4Betrag, 0, 1);
    EXPECT_TRUE(Befunde(r, Einzel, 31).empty());

    r.SetzeDbl(Feld::AnTeilSoVer, 4000, 1);
    r.SetzeBool(Feld::KeineRVPflBeamterCB, true, 1);
    r.SetzeDbl(Feld::StBefrNacht630, 50000.01, 1);
    EXPECT_EQ(Befunde(r, Einzel, 31), (std::vector<int>{74, 75}));
}

TEST(PruefungLohn, Karten_des_Ehegatten_nach_Veranlagung) {
    CaseRecord r = test::NeuerSatz();
    r.SetzeDbl(Feld::LStBrutto, 100, 3);
    const Befundtabelle einzel = RegelnPruefen(r, Einzel);
    EXPECT_TRUE(einzel.HatListe(33));
    EXPECT_TRUE(einzel.Positionen(33).empty());  // not even the heading
    EXPECT_TRUE(Befunde(r, Veranlagung{}, 33).empty());  // neither kind: nothing evaluated
    EXPECT_FALSE(RegelnPruefen(r, Veranlagung{}).Positionen(33).empty());
    EXPECT_EQ(Befunde(r, Zusammen, 33), (std::vector<int>{52}));
}

TEST(PruefungLohn, Fahrten_zur_Arbeit) {
    CaseRecord r = test::NeuerSatz();
    r.SetzeInt(Feld::LfdOrt1CB, 1, 1);
    r.SetzeDbl(Feld::LfdTage1, 220, 1);
    r.SetzeDbl(Feld::LfdEntf1, 18, 1);
    EXPECT_EQ(Befunde(r, Einzel, 41), (std::vector<int>{92}));  // no vehicle days
    r.SetzeDbl(Feld::LfdPkw1, 220, 1);
    EXPECT_TRUE(Befunde(r, Einzel, 41).empty());
    r.SetzeText(Feld::ArbeitsOrt2, "Kiel", 1);
    EXPECT_EQ(Befunde(r, Einzel, 41), (std::vector<int>{91}));
    r.SetzeDbl(Feld::LfdMitAnderen3, 10, 1);  // both apply: one position, 92 wins
    EXPECT_EQ(Befunde(r, Einzel, 41), (std::vector<int>{92}));

    r = test::NeuerSatz();
    r.SetzeBool(Feld::PrivatPKWCB, true, 1);
    EXPECT_EQ(Befunde(r, Einzel, 41), (std::vector<int>{93}));
    r.SetzeBool(Feld::PrivatPKWCB, false, 1);
    r.SetzeText(Feld::LetztesKennz, "KI-AB 12", 1);
    EXPECT_EQ(Befunde(r, Einzel, 41), (std::vector<int>{94}));

    // travel reimbursements: both kinds of both cards against the page
    r = test::NeuerSatz();
    r.SetzeDbl(Feld::FahrkErstStFrei, 60, 1);
    r.SetzeDbl(Feld::FahrkErstPBest, 40, 2);
    EXPECT_EQ(Befunde(r, Einzel, 41), (std::vector<int>{95}));
    r.SetzeDbl(Feld::FahrtArbeitgeberErsatzStFrei, 60, 1);
    r.SetzeDbl(Feld::FahrtArbeitgeberErsatzStPausch, 40, 1);
    EXPECT_TRUE(Befunde(r, Einzel, 41).empty());
    r.SetzeDbl(Feld::WechselArbeitgeberErsatz, 0.02, 1);
    EXPECT_EQ(Befunde(r, Einzel, 41), (std::vector<int>{96}));
    // the spouse's cards and page only with joint assessment
    r = test::NeuerSatz();
    r.SetzeDbl(Feld::FahrkErstStFrei, 60, 3);
    EXPECT_TRUE(Befunde(r, Einzel, 51).empty());
    EXPECT_EQ(Befunde(r, Zusammen, 51), (std::vector<int>{95}));
    EXPECT_TRUE(Befunde(r, Zusammen, 41).empty());
}

TEST(PruefungLohn, Werbungskostenseiten) {
    CaseRecord r = test::NeuerSatz();
    r.SetzeText(Feld::BezVerband, "GEW", 1);
    r.SetzeDbl(Feld::Kosten1, 928, 1);
    r.SetzeDbl(Feld::EWErstWk, 120, 1);
    r.SetzeDbl(Feld::InKM, 300, 1);
    EXPECT_EQ(Befunde(r, Einzel, 42), (std::vector<int>{101}));
    EXPECT_EQ(Befunde(r, Einzel, 43), (std::vector<int>{105}));
    EXPECT_EQ(Befunde(r, Einzel, 44), (std::vector<int>{110}));
    EXPECT_EQ(Befunde(r, Einzel, 47), (std::vector<int>{140}));
    r.SetzeText(Feld::ArbMittel1, "Fachbücher", 1);
    r.SetzeDbl(Feld::Kosten2, 928.01, 1);
    EXPECT_EQ(Befunde(r, Einzel, 43), (std::vector<int>{105, 106}));
    r.SetzeInt(Feld::EWTa10, 3, 1);
    r.SetzeInt(Feld::InFahrzLB, 1, 1);
    EXPECT_TRUE(Befunde(r, Einzel, 44).empty());
    EXPECT_TRUE(Befunde(r, Einzel, 47).empty());
    r.SetzeDbl(Feld::InlRErstatt, 90, 1);
    r.SetzeDbl(Feld::SummeWkReise, -90, 1);
    EXPECT_EQ(Befunde(r, Einzel, 47), (std::vector<int>{141}));

    r = test::NeuerSatz();
    r.SetzeDbl(Feld::AntWohnQm, 90, 1);
    EXPECT_EQ(Befunde(r, Einzel, 46), (std::vector<int>{130}));
    r.SetzeDbl(Feld::DirKostenAusListe, 2400.01, 1);
    r.SetzeBool(Feld::Ansatz0Rb, false, 1);  // a new case starts with no deduction chosen
    r.SetzeBool(Feld::Ansatz2400RB, true, 1);
    EXPECT_EQ(Befunde(r, Einzel, 46), (std::vector<int>{130, 132}));
    r.SetzeDbl(Feld::DirKostenAusListe, 2400, 1);
    r.SetzeBool(Feld::Ansatz2400RB, false, 1);
    r.SetzeBool(Feld::Ansatz0Rb, true, 1);
    EXPECT_EQ(Befunde(r, Einzel, 46), (std::vector<int>{130, 131}));
    EXPECT_TRUE(Befunde(r, Einzel, 48).empty());
}

// Check 132 weighs the office's own costs against 2,400 DM: its direct costs
// and its share of the flat's costs by floor area, not the whole flat's.
TEST(PruefungLohn, Arbeitszimmer_Grenze_nach_dem_Anteil_des_Zimmers) {
    struct Zeile {
        double direkt, wohnung, wohnQm, zimmerQm;
        bool befund;
    };
    const Zeile zeilen[] = {
        {0, 18000, 100, 12, false},   // 2,160 of 18,000
        {0, 18000, 100, 14, true},    // 2,520
        {300, 18000, 100, 12, true},  // 300 + 2,160
        {2400, 0, 0, 0, false},
        {2400.01, 0, 0, 0, true},
        {0, 24000, 120, 12, false},   // exactly 2,400
    };
    for (const Zeile& z : zeilen) {
        CaseRecord r = test::NeuerSatz();
        r.SetzeDbl(Feld::DirKostenAusListe, z.direkt, 1);
        r.SetzeDbl(Feld::AntKostenAusListe, z.wohnung, 1);
        r.SetzeDbl(Feld::AntWohnQm, z.wohnQm, 1);
        r.SetzeDbl(Feld::AntAzQm, z.zimmerQm, 1);
        r.SetzeBool(Feld::Ansatz0Rb, false, 1);
        r.SetzeBool(Feld::Ansatz2400RB, true, 1);
        const auto b = Befunde(r, Einzel, 46);
        EXPECT_EQ(std::count(b.begin(), b.end(), 132), z.befund ? 1 : 0)
            << z.direkt << " + " << z.wohnung << " * " << z.zimmerQm << " / " << z.wohnQm;
    }
}

TEST(PruefungLohn, Doppelte_Haushaltsfuehrung) {
    CaseRecord r = test::NeuerSatz();
    r.SetzeDbl(Feld::DoppHHf, 500, 2);
    EXPECT_EQ(Befunde(r, Einzel, 45), (std::vector<int>{126, 127}));
    r.SetzeText(Feld::BeschOrt, "Hamburg", 1);
    r.SetzeText(Feld::GrundDH, "Versetzung", 1);
    r.SetzeInt(Feld::DHSeit, TagesNummer(2000, 3, 1), 1);
    EXPECT_EQ(Befunde(r, Einzel, 45), (std::vector<int>{120, 127}));
    r.SetzeInt(Feld::DHBestandenBis, LetzterTagSteuerjahr, 1);
    EXPECT_EQ(Befunde(r, Einzel, 45), (std::vector<int>{121, 123, 124, 127}));
    r.SetzeText(Feld::EigHausIn, "Kiel", 1);
    r.SetzeDbl(Feld::ErgFahrten, 1800, 1);
    r.SetzeDbl(Feld::ErgUnterkunft, 6000, 1);
    r.SetzeDbl(Feld::AGStFreiErs, 500, 1);
    EXPECT_EQ(Befunde(r, Einzel, 45), (std::vector<int>{122}));
    r.SetzeInt(Feld::EigHausSeit, TagesNummer(1990, 1, 1), 1);
    r.SetzeDbl(Feld::AGStFreiErs, 500.02, 1);
    EXPECT_EQ(Befunde(r, Einzel, 45), (std::vector<int>{128}));
}

// Limits of the law the pages cannot apply themselves: sites within 30 km at
// kilometre rates, and a double household beyond its two years.
TEST(PruefungLohn, Nahbereich_und_Zweijahresfrist) {
    CaseRecord r = test::NeuerSatz();
    r.SetzeDbl(Feld::WechselKM4, 30, 1);
    EXPECT_TRUE(Befunde(r, Einzel, 41).empty());  // no cost at km rates
    r.SetzeDbl(Feld::WechselErg4, 1392, 1);
    EXPECT_EQ(Befunde(r, Einzel, 41), (std::vector<int>{97}));
    r.SetzeDbl(Feld::WechselKM4, 30.5, 1);
    EXPECT_TRUE(Befunde(r, Einzel, 41).empty());
    r.SetzeDbl(Feld::WechselKM9, 12, 1);
    r.SetzeDbl(Feld::WechselErg9, 100, 1);
    EXPECT_EQ(Befunde(r, Einzel, 41), (std::vector<int>{97}));

    // two years of a double household end within 2001 when it began before 2000
    r = test::NeuerSatz();
    r.SetzeInt(Feld::DHSeit, TagesNummer(2000, 1, 1), 2);
    EXPECT_EQ(Befunde(r, Zusammen, 55), (std::vector<int>{120}));
    r.SetzeInt(Feld::DHSeit, TagesNummer(1999, 12, 31), 2);
    EXPECT_EQ(Befunde(r, Zusammen, 55), (std::vector<int>{120, 129}));
    EXPECT_TRUE(Befunde(r, Einzel, 55).empty());
}
