// The owner-occupied home: 10 % deductions, the § 10e base and deduction,
// costs before moving in and what the declaration takes.
#include "pages/wohneigentum.h"

#include <gtest/gtest.h>

#include <string>

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
    // § 10e(1): 6 % of a base of at most 330,000 DM (AufrundenDM(21,000.06) before)
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::SaFW3_AbzugDM), 19800);
    r.SetzeInt(Feld::Kaufvertrag, TagesNummer(1991, 9, 30));  // before October 1991: 300,000
    r.SetzeDbl(Feld::AbzugProz, 5);
    Bemessungsgrundlage10eRechnen(r);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::SaFW3_AbzugDM), 15000);
    r.SetzeInt(Feld::Kaufvertrag, KeinDatum);
    r.SetzeDbl(Feld::AbzugProz, 6);

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
    // begun in 1998, completed in 2001: a home under the Eigenheimzulage with § 10i
    r.SetzeInt(Feld::Fertig, TagesNummer(2001, 6, 30));
    r.SetzeInt(Feld::Baubeginn, TagesNummer(1998, 5, 3));
    WohneigentumSeitenRechnen(r);
    WohneigentumBetraege w = WohneigentumWerte(r);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::VorkostenSumme), 1500.2);
    EXPECT_DOUBLE_EQ(w.vorkosten, 1501 + 1750 + 22500 + 11250);
    EXPECT_DOUBLE_EQ(w.abzug, 0);  // § 10e never under the Eigenheimzulage
    EXPECT_TRUE(w.versagt.abzug10e);
    EXPECT_DOUBLE_EQ(w.abzug3, 100 + 334 + 50);
    EXPECT_EQ(w.datum1, "03.05.1998");
    EXPECT_EQ(w.datum2, "30.06.2001");

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

// The date conditions of §§ 10e, 10i and 34f EStG on one home: which entered
// amount counts in 2001.
TEST(Wohneigentum, Datumsbedingungen_des_Gesetzes) {
    struct Zeile {
        const char* fall;
        int vertrag, fertig, nutzung;  // years; the day is 1 July, 0 none
        double abzug, abzug2, vorkosten;
        int kinder;
    };
    // each home claims 16,500 of § 10e, interest 15,000, the § 10i Pauschale,
    // maintenance 5,000 before moving in and two children
    const Zeile zeilen[] = {
        {"§ 10e, eighth year", 1993, 1994, 1994, 16500, 0, 0, 2},
        {"§ 10e, ninth year", 1993, 1993, 1993, 0, 0, 0, 0},
        {"§ 10e(6a), third year", 1994, 1999, 1999, 16500, 12000, 0, 2},
        {"§ 10e(6a), fourth year", 1994, 1998, 1998, 16500, 0, 0, 2},
        {"§ 10e(6), moving in 2001", 1995, 2001, 2001, 16500, 0, 15000, 2},
        {"§ 10i, contract 1998", 1998, 2001, 2001, 0, 0, 15000 + 3500 + 5000, 0},
        {"§ 10i, completed 2000", 1998, 2000, 2001, 0, 0, 15000 + 5000, 0},
        {"§ 10i, moved in 2000", 1998, 2000, 2000, 0, 0, 0, 0},
        {"§ 10i, contract 1999", 1999, 2001, 2001, 0, 0, 15000, 0},
        {"no dates", 0, 0, 0, 16500, 0, 15000 + 3500 + 5000, 2},
    };
    for (const Zeile& z : zeilen) {
        CaseRecord r = NeuerFall();
        auto datum = [](int jahr) { return jahr ? TagesNummer(jahr, 7, 1) : KeinDatum; };
        r.SetzeInt(Feld::Kaufvertrag, datum(z.vertrag));
        r.SetzeInt(Feld::Anschaffung, datum(z.fertig));
        r.SetzeInt(Feld::SelbstNutzung, datum(z.nutzung));
        r.SetzeDbl(Feld::AbzugVorjahr, 16500);
        r.SetzeDbl(Feld::Schuld, 15000);
        r.SetzeDbl(Feld::MitEigentumProz, 100);
        r.SetzeBool(Feld::EhZuPauschCB, true);
        r.SetzeDbl(Feld::EhZuErhaltAufw, 5000);
        r.SetzeInt(Feld::ZahlKinder, 2);
        WohneigentumSeitenRechnen(r);
        const WohneigentumBetraege w = WohneigentumWerte(r);
        EXPECT_DOUBLE_EQ(w.abzug, z.abzug) << z.fall;
        EXPECT_DOUBLE_EQ(w.abzug2, z.abzug2) << z.fall;
        EXPECT_DOUBLE_EQ(w.vorkosten, z.vorkosten) << z.fall;
        EXPECT_EQ(w.kinder, z.kinder) << z.fall;
        EXPECT_EQ(w.versagt.irgendeins(), z.fall != std::string("no dates")) << z.fall;
    }
}
