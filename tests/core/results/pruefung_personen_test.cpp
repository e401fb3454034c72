// Check rules of the personal data, the children, their education and the
// disability data: each rule firing and not firing at its boundary.
#include <gtest/gtest.h>

#include "calc/betrag.h"
#include "pages/personen.h"
#include "pruefhilfe.h"

using namespace quarnel;
using quarnel::test::Befunde;

namespace {

const Veranlagung Einzel{false, true, 0};
const Veranlagung Zusammen{true, false, 0};

int32_t D(int t, int m, int j) { return TagesNummer(j, m, t); }

// Personal data complete enough for no finding.
CaseRecord Vollstaendig() {
    CaseRecord r = test::NeuerSatz();
    r.SetzeInt(Feld::StpflGebDat, D(3, 4, 1960));
    r.SetzeInt(Feld::StpflReligionLB, 1);
    r.SetzeText(Feld::StpflVorname, "Anna");
    r.SetzeText(Feld::StpflName, "Muster");
    r.SetzeText(Feld::StpflStrasse, "Weg 1");
    r.SetzeText(Feld::StpflOrt, "Kiel");
    r.SetzeText(Feld::StpflTelefon, "0431 1");
    r.SetzeText(Feld::StpflBeruf, "Lehrerin");
    r.SetzeInt(Feld::BundeslandLb, 14);
    r.SetzeText(Feld::Finanzamt, "Kiel-Nord");
    r.SetzeText(Feld::Steuernummer, "20/123/45678");
    r.SetzeText(Feld::KtoNummer, "123");
    r.SetzeText(Feld::BLZ, "21050170");
    r.SetzeText(Feld::Geldinstitut, "Sparkasse");
    r.SetzeInt(Feld::DatumErklaerung, D(1, 3, 2002));
    return r;
}

// Child 1 entered completely: a minor, resident in Germany all year.
CaseRecord MitKind() {
    CaseRecord r = test::NeuerSatz();
    r.SetzeText(Feld::Vorname, "Lena");
    r.SetzeInt(Feld::GebAm, D(1, 5, 2000));
    r.SetzeText(Feld::Anschrift, "wie oben");
    r.SetzeInt(Feld::InlandVom, ErsterTagSteuerjahr);
    r.SetzeInt(Feld::InlandBis, LetzterTagSteuerjahr);
    r.SetzeInt(Feld::KindschaftZuEhemannLB, 2);
    r.SetzeInt(Feld::KindschaftZuEhefrauLB, 2);
    r.SetzeBool(Feld::KiZumHHGehoer, true);
    r.SetzeBool(Feld::GemeldetStpflCB, true);
    r.SetzeDbl(Feld::ErhKiGeld, 3240);
    return r;
}

}  // namespace

TEST(PruefungPersonen, Persoenliche_Daten_in_Berichtsfolge) {
    CaseRecord r = test::NeuerSatz();
    EXPECT_EQ(Befunde(r, Einzel, 11), (std::vector<int>{1, 3, 10, 11, 12, 13, 5, 15, 16, 17}));
    r = Vollstaendig();
    EXPECT_TRUE(Befunde(r, Einzel, 11).empty());
    // the spouse's rows only with joint assessment, after the taxpayer's
    EXPECT_EQ(Befunde(r, Zusammen, 11), (std::vector<int>{6, 7, 14}));
    r.SetzeInt(Feld::EhegReligionLB, 0);
    r.SetzeInt(Feld::EhegReligionVon, KeinDatum);
    EXPECT_EQ(Befunde(r, Zusammen, 11), (std::vector<int>{6, 8, 14}));
    // one blank is as good as nothing
    r = Vollstaendig();
    r.SetzeText(Feld::StpflOrt, "   ");
    EXPECT_EQ(Befunde(r, Einzel, 11), (std::vector<int>{11}));
}

TEST(PruefungPersonen, Familienstand_und_Religionszeitraum) {
    CaseRecord r = Vollstaendig();
    r.SetzeInt(Feld::ErSie_FamilienstandLB, 3);  // geschieden
    EXPECT_EQ(Befunde(r, Einzel, 11), (std::vector<int>{2}));
    r.SetzeInt(Feld::FamStandSeit, D(31, 12, 2000));
    EXPECT_TRUE(Befunde(r, Einzel, 11).empty());
    r.SetzeInt(Feld::FamStandSeit, D(1, 1, 2001));  // changed in the tax year: separation date
    EXPECT_EQ(Befunde(r, Einzel, 11), (std::vector<int>{9}));
    r.SetzeInt(Feld::ErSie_FamilienstandLB, 4);  // verwitwet in 2001: splitting, the flags
    EXPECT_EQ(Befunde(r, Einzel, 11), (std::vector<int>{18}));  // still say basic
    CaseRecord entschieden = r;
    TabelleEntscheiden(entschieden);
    EXPECT_TRUE(Befunde(entschieden, Einzel, 11).empty());
    r.SetzeInt(Feld::ErSie_FamilienstandLB, 5);
    r.SetzeInt(Feld::StpflDTrennSeit, D(1, 6, 1999));
    EXPECT_TRUE(Befunde(r, Einzel, 11).empty());

    r = Vollstaendig();
    r.SetzeInt(Feld::StpflReligionLB, 0);
    r.SetzeInt(Feld::StpflReligionBis, KeinDatum);
    EXPECT_EQ(Befunde(r, Einzel, 11), (std::vector<int>{4}));
    r.SetzeInt(Feld::StpflReligionLB, -1);  // no selection: both
    EXPECT_EQ(Befunde(r, Einzel, 11), (std::vector<int>{3, 4}));
}

TEST(PruefungPersonen, Leere_Kinderseite_ohne_Befund) {
    CaseRecord r = test::NeuerSatz();
    const Befundtabelle t = RegelnPruefen(r, Einzel);
    for (int k = 21; k <= 26; ++k) {
        EXPECT_TRUE(t.HatListe(k));
        EXPECT_FALSE(t.Positionen(k).empty());
        EXPECT_TRUE(Befunde(r, Einzel, k).empty());
    }
    // a child-benefit amount alone makes the page count
    r.SetzeDbl(Feld::ErhKiGeld, 0.01, 2);
    EXPECT_EQ(Befunde(r, Einzel, 22), (std::vector<int>{22, 23, 24, 25, 29, 31, 33, 38}));
}

TEST(PruefungPersonen, Kind_Zeitraeume_Ausland_und_Zuordnung) {
    CaseRecord r = MitKind();
    EXPECT_TRUE(Befunde(r, Einzel, 21).empty());
    EXPECT_TRUE(Befunde(r, Zusammen, 21).empty());
    r.SetzeInt(Feld::InlandBis, KeinDatum);
    EXPECT_EQ(Befunde(r, Einzel, 21), (std::vector<int>{26}));
    r.SetzeInt(Feld::InlandVom, KeinDatum);
    EXPECT_EQ(Befunde(r, Einzel, 21), (std::vector<int>{25}));
    r.SetzeInt(Feld::AuslandVom, ErsterTagSteuerjahr);  // abroad without state and end
    EXPECT_EQ(Befunde(r, Einzel, 21), (std::vector<int>{27, 28}));
    r.SetzeInt(Feld::AuslandBis, LetzterTagSteuerjahr);
    r.SetzeInt(Feld::StaatLB, 3);
    r.SetzeText(Feld::AuslandStaat, "Polen");
    EXPECT_TRUE(Befunde(r, Einzel, 21).empty());

    r = MitKind();
    r.SetzeInt(Feld::KindschaftZuEhefrauLB, 0);
    EXPECT_TRUE(Befunde(r, Einzel, 21).empty());
    EXPECT_EQ(Befunde(r, Zusammen, 21), (std::vector<int>{30}));
    r.SetzeBool(Feld::KiZumHHGehoer, false);  // household and registration differ
    EXPECT_EQ(Befunde(r, Einzel, 21), (std::vector<int>{31, 34}));
    r.SetzeBool(Feld::GemeldetStpflCB, false);
    EXPECT_EQ(Befunde(r, Einzel, 21), (std::vector<int>{31, 33}));
    r.SetzeBool(Feld::BeantrageZuordnungCB, true);
    EXPECT_EQ(Befunde(r, Einzel, 21), (std::vector<int>{31}));
    EXPECT_EQ(Befunde(r, Zusammen, 21), (std::vector<int>{30, 31}));
}

TEST(PruefungPersonen, Kind_Volljaehrigkeit_an_der_Jahresgrenze) {
    CaseRecord r = MitKind();
    r.SetzeInt(Feld::GebAm, D(2, 1, 1984));  // 18 on 2 January 2002: a minor all year
    EXPECT_TRUE(Befunde(r, Einzel, 21).empty());
    r.SetzeBool(Feld::BesHeit_1, true, 1);
    EXPECT_EQ(Befunde(r, Einzel, 21), (std::vector<int>{37}));
    r.SetzeInt(Feld::GebAm, D(1, 1, 1984));  // 18 on 1 January 2002: the limit lies in 2001
    EXPECT_EQ(Befunde(r, Einzel, 21), (std::vector<int>{39}));
    r.SetzeInt(Feld::BesonderheitVom, ErsterTagSteuerjahr);
    r.SetzeInt(Feld::BesonderheitBis, LetzterTagSteuerjahr);
    EXPECT_TRUE(Befunde(r, Einzel, 21).empty());
    r.SetzeBool(Feld::BesHeit_1, false);
    EXPECT_EQ(Befunde(r, Einzel, 21), (std::vector<int>{38}));
    r.SetzeBool(Feld::BesHeit_6, true);
    EXPECT_EQ(Befunde(r, Einzel, 21), (std::vector<int>{40}));
    r.SetzeBool(Feld::BesHeit_Ki16uBehind, true);
    EXPECT_TRUE(Befunde(r, Einzel, 21).empty());
}

TEST(PruefungPersonen, Ausbildung_nur_mit_Kinderfreibetrag) {
    CaseRecord r = MitKind();
    r.SetzeText(Feld::AuswaertsTxt, "Internat", 1);
    r.SetzeDbl(Feld::KindKiFbJahr, 0.001, 1);  // not above a thousandth
    EXPECT_TRUE(Befunde(r, Einzel, 501).empty());
    r.SetzeDbl(Feld::KindKiFbJahr, 0.002, 1);
    EXPECT_EQ(Befunde(r, Einzel, 501), (std::vector<int>{461, 463}));
    EXPECT_EQ(Befunde(r, Einzel, 21), (std::vector<int>{461, 463}));  // listed with the child too
    r.SetzeInt(Feld::AusbildVom, ErsterTagSteuerjahr);
    r.SetzeInt(Feld::AusbildBis, LetzterTagSteuerjahr);
    r.SetzeInt(Feld::AuswaertsVom, D(1, 9, 2001));
    EXPECT_EQ(Befunde(r, Einzel, 501), (std::vector<int>{463}));
    r.SetzeInt(Feld::AuswaertsBis, LetzterTagSteuerjahr);
    EXPECT_TRUE(Befunde(r, Einzel, 501).empty());
    r.SetzeText(Feld::AuswaertsTxt, "", 1);
    EXPECT_EQ(Befunde(r, Einzel, 501), (std::vector<int>{462}));
    EXPECT_TRUE(Befunde(r, Einzel, 502).empty());
}

TEST(PruefungPersonen, Behinderungsangaben_je_Person) {
    CaseRecord r = test::NeuerSatz();
    r.SetzeInt(Feld::GradBehinderung, 50, 1);
    EXPECT_EQ(Befunde(r, Einzel, 131), (std::vector<int>{311}));
    EXPECT_EQ(Befunde(r, Einzel, 301), (std::vector<int>{311}));
    r.SetzeInt(Feld::NachweisAusDat, D(1, 2, 1999), 1);
    r.SetzeBool(Feld::NachwUnbefCB, true, 1);
    r.SetzeBool(Feld::NachwVorgelRB, true, 1);
    EXPECT_TRUE(Befunde(r, Einzel, 131).empty());

    r = test::NeuerSatz();
    r.SetzeBool(Feld::GehbehindertCB, true, 2);  // a mark alone counts as begun
    EXPECT_TRUE(Befunde(r, Einzel, 302).empty());
    EXPECT_EQ(Befunde(r, Zusammen, 302), (std::vector<int>{312}));

    r.SetzeBool(Feld::HilfLosCB, true, 3);  // child 1 only with a child allowance
    EXPECT_TRUE(Befunde(r, Einzel, 403).empty());
    r.SetzeDbl(Feld::KindKiFbJahr, 3456, 1);
    EXPECT_EQ(Befunde(r, Einzel, 403), (std::vector<int>{313}));
    EXPECT_EQ(Befunde(r, Zusammen, 131), (std::vector<int>{312, 313}));
}
