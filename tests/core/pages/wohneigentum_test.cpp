// The owner-occupied home: 10 % deductions, the § 10e base and deduction,
// costs before moving in and what the declaration takes.
#include "pages/wohneigentum.h"

#include <gtest/gtest.h>

#include "calc/betrag.h"
#include "case/caserecord.h"

using namespace quarnel;

namespace {

CaseRecord NeuerFall() {
    CaseRecord r;
    NeuerFallDatensatz(r);
    return r;
}

}  // namespace

TEST(Wohneigentum, Bemessungsgrundlage_und_Abzug_aufgerundet) {
    CaseRecord r = NeuerFall();
    r.SetzeDbl(Feld::AnschGB, 100001);
    r.SetzeDbl(Feld::AnschGeb, 300000);
    r.SetzeDbl(Feld::EigWohnProz, 100);
    r.SetzeDbl(Feld::AbzugProz, 6);
    Bemessungsgrundlage10eRechnen(r);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::Fw10eHalbAnschGB), 50001);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::Bemgrund), 350001);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::SaFW3_AbzugDM), 21001);

    // professional use of 10 % of the own-use part
    r.SetzeDbl(Feld::BerWohnProz, 10);
    Bemessungsgrundlage10eRechnen(r);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::BerWohnDM), 35001);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::Bemgrund), 315000);

    // a base entered by hand: the page run keeps it and recomputes the deduction
    r.SetzeDbl(Feld::Bemgrund, 100000);
    r.SetzeDbl(Feld::NachholDM, 1000);
    r.SetzeDbl(Feld::NachholProz, 5);
    r.SetzeDbl(Feld::AbzugVor, 7);
    WohneigentumSeitenRechnen(r);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::Bemgrund), 100000);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::SaFW3_AbzugDM), 6000);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::AbzugSum), 6000 + 50 + 7);
}

TEST(Wohneigentum, Zehn_Prozent_nur_solange_leer_und_Hoechstbetrag) {
    CaseRecord r = NeuerFall();
    r.SetzeDbl(Feld::Fall2DM, 12345);
    r.SetzeDbl(Feld::BerechDM2, 999);
    r.SetzeDbl(Feld::Abzug1DM, 5000);
    WohneigentumSeitenRechnen(r);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::Abzug2DM), 1235);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::OberDM4), 100);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::Abzug1DM), 4000);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::Abzug3DM), 0);

    // changed costs leave an existing deduction alone; a cleared one refills
    r.SetzeDbl(Feld::Fall2DM, 20000);
    WohneigentumSeitenRechnen(r);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::Abzug2DM), 1235);
    r.SetzeDbl(Feld::Abzug2DM, 0);
    WohneigentumSeitenRechnen(r);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::Abzug2DM), 2000);
}

TEST(Wohneigentum, Werte_der_Erklaerung) {
    CaseRecord r = NeuerFall();
    r.SetzeDbl(Feld::Schuld, 1000.2);
    r.SetzeDbl(Feld::Damnum, 500);
    r.SetzeDbl(Feld::MitEigentumProz, 50);
    r.SetzeBool(Feld::EhZuPauschCB, true);
    r.SetzeDbl(Feld::EhZuErhaltAufw, 30000);
    r.SetzeDbl(Feld::EhZuErhaltAufwMit, 12000);  // at most half of 22,500
    r.SetzeDbl(Feld::FgDM, 3333);
    r.SetzeDbl(Feld::AbzVorj82, 100);
    r.SetzeDbl(Feld::UnentDM, 1000);
    r.SetzeDbl(Feld::UnentProz, 5);
    r.SetzeDbl(Feld::AbzugVorjahr, 200);
    r.SetzeDbl(Feld::Abzug96, 19800);
    r.SetzeInt(Feld::Fertig, TagesNummer(2000, 6, 30));
    r.SetzeInt(Feld::Baubeginn, TagesNummer(1999, 5, 3));
    WohneigentumSeitenRechnen(r);
    WohneigentumBetraege w = WohneigentumWerte(r);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::VorkostenSumme), 1500.2);
    EXPECT_DOUBLE_EQ(w.vorkosten, 1501 + 1750 + 22500 + 11250);
    EXPECT_DOUBLE_EQ(w.abzug, 20000);
    EXPECT_DOUBLE_EQ(w.abzug3, 100 + 334 + 50);
    EXPECT_EQ(w.datum1, "03.05.1999");
    EXPECT_EQ(w.datum2, "30.06.2000");

    // an application or contract date goes before the building dates
    r.SetzeInt(Feld::Kaufvertrag, TagesNummer(1998, 1, 2));
    EXPECT_EQ(WohneigentumWerte(r).datum1, "02.01.1998");
    r.SetzeInt(Feld::Fertig, KeinDatum);
    EXPECT_EQ(WohneigentumWerte(r).datum2, "");
}

TEST(Wohneigentum, Kinder_mit_Freibetrag_und_Haushaltsfreibetrag) {
    CaseRecord r = NeuerFall();
    r.SetzeDbl(Feld::KindKiFbJahr, 6912, 1);
    r.SetzeBool(Feld::KindHhFbMoeglich, true, 1);
    r.SetzeDbl(Feld::KindKiFbJahr, 6912, 2);
    r.SetzeBool(Feld::KindHhFbMoeglich, true, 3);  // no allowances
    EXPECT_EQ(KinderLautAnlageK(r), 1);
}
