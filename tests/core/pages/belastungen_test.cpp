// Extraordinary burdens: Pauschbeträge claimed, care home, home care,
// support of needy persons and the other burdens.
#include "pages/belastungen.h"

#include <gtest/gtest.h>

#include "calc/betrag.h"
#include "case/caserecord.h"

using namespace quarnel;

namespace {

int32_t D(int t, int m, int j) {
    return TagesNummer(j, m, t);
}

CaseRecord NeuerFall(bool splitting) {
    CaseRecord r;
    NeuerFallDatensatz(r);
    r.SetzeBool(Feld::Grundtabelle, !splitting);
    r.SetzeBool(Feld::Splitting, splitting);
    return r;
}

// Disability element `person` with degree 60 (1,410 DM) and its claim set.
void Behindert(CaseRecord& r, int person) {
    r.SetzeInt(Feld::GradBehinderung, 60, person);
    r.SetzeDbl(Feld::BehindN_AufteilungProz, 100, person);
    r.SetzeBool(Feld::BehAntrag, true, person);
}

// Supported person 1 for the whole year in country list entry `land`.
CaseRecord Unterstuetzt(int land, double eigene, double andere) {
    CaseRecord r = NeuerFall(false);
    r.SetzeInt(Feld::LandLBP1, land);
    r.SetzeInt(Feld::AufwVom, D(1, 1, 2001), 1);
    r.SetzeInt(Feld::AufwBis, D(31, 12, 2001), 1);
    r.SetzeDbl(Feld::AufwDM, eigene, 1);
    r.SetzeDbl(Feld::AufwDmWeit, andere, 1);
    return r;
}

}  // namespace

TEST(BehindertenPausch, Ehegatte_nur_bei_Splitting_Kinder_nur_mit_Freibetrag) {
    CaseRecord r = NeuerFall(false);
    Behindert(r, 1);
    Behindert(r, 2);
    Behindert(r, 3);  // child 1, but without Kinderfreibetrag
    EXPECT_DOUBLE_EQ(BehindertenPauschRechnen(r), 1410);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::BehPauschInsg), 1410);

    r.SetzeBool(Feld::Splitting, true);
    r.SetzeDbl(Feld::KindKiFbJahr, 6912, 1);
    EXPECT_DOUBLE_EQ(BehindertenPauschRechnen(r), 3 * 1410);

    // without the claim the allowance is computed but not counted
    r.SetzeBool(Feld::BehAntrag, false, 1);
    EXPECT_DOUBLE_EQ(BehindertenPauschRechnen(r), 2 * 1410);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::BehPauschBetrag, 1), 1410);

    // a degree changed since the disability page last ran still counts fresh
    r.SetzeInt(Feld::GradBehinderung, 100, 2);
    EXPECT_DOUBLE_EQ(BehindertenPauschRechnen(r), 2760 + 1410);
}

TEST(Hinterbliebene, Anteil_der_Kinder_aufgerundet) {
    CaseRecord r = NeuerFall(false);
    r.SetzeBool(Feld::HiAntStpflCB, true);
    r.SetzeBool(Feld::HiAntEhegCB, true);  // not counted under the basic table
    r.SetzeDbl(Feld::KindKiFbJahr, 3456, 1);
    r.SetzeDbl(Feld::KindKiFbJahr, 3456, 2);
    r.SetzeBool(Feld::HiAntKi1CB, true);
    r.SetzeInt(Feld::HiProzKi1, 50);
    r.SetzeBool(Feld::HiAntKi2CB, true);
    r.SetzeInt(Feld::HiProzKi2, 33);
    r.SetzeBool(Feld::HiAntKi3CB, true);  // child 3 has no allowances
    EXPECT_DOUBLE_EQ(HinterbliebenenRechnen(r), 720 + 360 + 238);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::HiPauschbetragInsg), 1318);
    r.SetzeBool(Feld::Splitting, true);
    EXPECT_DOUBLE_EQ(HinterbliebenenRechnen(r), 2 * 720 + 360 + 238);
}

TEST(Heim, Monate_Hoechstbetrag_und_nie_mehr_als_die_Aufwendungen) {
    CaseRecord r = NeuerFall(false);
    r.SetzeBool(Feld::HeimDauerndePflegeCB, true);
    r.SetzeBool(Feld::HeimZwangsGruendeCB, true);  // permanent care wins
    r.SetzeInt(Feld::HeimVom, D(1, 3, 2001));
    r.SetzeInt(Feld::HeimBis, D(31, 12, 2001));
    r.SetzeDbl(Feld::HeimAufwendungen, 4000);
    HeimRechnen(r);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::HeimHoechst), 1800);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::HeimAb), 1500);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::HeimRest), 2500);

    r.SetzeBool(Feld::HeimDauerndePflegeCB, false);
    r.SetzeDbl(Feld::HeimAufwendungen, 700);
    HeimRechnen(r);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::HeimHoechst), 1200);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::HeimAb), 700);  // 1,000 for ten months, but only 700 spent
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::HeimRest), 0);

    r.SetzeInt(Feld::HeimBis, KeinDatum);
    HeimRechnen(r);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::HeimHoechst), 0);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::HeimAb), 0);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::HeimRest), 0);

    // a period reaching beyond the tax year counts its months in the year only
    r.SetzeBool(Feld::HeimDauerndePflegeCB, true);
    r.SetzeDbl(Feld::HeimAufwendungen, 9000);
    r.SetzeInt(Feld::HeimVom, D(1, 7, 2000));
    r.SetzeInt(Feld::HeimBis, D(30, 6, 2002));
    HeimRechnen(r);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::HeimAb), 1800);
}

TEST(Pflege, Pauschbetrag_geteilt_nur_mit_Nachweis) {
    CaseRecord r = NeuerFall(false);
    r.SetzeDbl(Feld::ZahlKraefte, 2);
    PflegeRechnen(r);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::ABHPfleg_AbzugDM), 0);
    r.SetzeBool(Feld::NachweisVorgelegen, true);
    for (auto [kraefte, abzug] : {std::pair{2.0, 900.0}, {7.0, 258.0}, {0.0, 0.0}}) {
        r.SetzeDbl(Feld::ZahlKraefte, kraefte);
        PflegeRechnen(r);
        EXPECT_DOUBLE_EQ(r.Dbl(Feld::ABHPfleg_AbzugDM), abzug) << kraefte;
    }
}

TEST(Unterhalt, Ausland_Gruppe_II_und_Anteil_des_Steuerpflichtigen) {
    CaseRecord r = Unterstuetzt(3, 6000, 2000);
    UnterhaltRechnen(r, 1);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::ErgAnsetzbar, 1), 6000);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::AbzugP1), 6000);

    // paid more than the maximum: the maximum, shared by the payments
    r = Unterstuetzt(4, 6000, 2000);  // group III: 4,680
    UnterhaltRechnen(r, 1);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::ErgAnsetzbar, 1), 3510);

    // someone claims a Kinderfreibetrag for the person
    r = Unterstuetzt(1, 6000, 0);
    r.SetzeBool(Feld::AnspKiFbCBP1, true);
    UnterhaltRechnen(r, 1);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::ErgAnsetzbar, 1), 0);

    // nothing paid by the taxpayer: nothing, never 0/0
    r = Unterstuetzt(1, 0, 0);
    UnterhaltRechnen(r, 1);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::ErgAnsetzbar, 1), 0);
}

TEST(Unterhalt, Monate_und_eigene_Einkuenfte) {
    // April to September in Germany: 6 months, maximum 7,020
    CaseRecord r = Unterstuetzt(1, 20000, 0);
    r.SetzeInt(Feld::AufwVom, D(15, 4, 2001), 1);
    r.SetzeInt(Feld::AufwBis, D(2, 9, 2001), 1);
    UnterhaltRechnen(r, 1);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::ErgAnsetzbar, 1), 7020);

    // wages of 5,000 in the months, 2,000 Pauschbetrag: 3,000 less the 600
    // free for six months lowers the maximum by 2,400
    r.SetzeDbl(Feld::AbEink_BruttoIn, 5000, 1);
    UnterhaltRechnen(r, 1);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::ErgAnsetzbar, 1), 7020 - 2400);

    // an end before the start, or a missing date
    r.SetzeInt(Feld::AufwBis, D(31, 3, 2001), 1);
    UnterhaltRechnen(r, 1);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::ErgAnsetzbar, 1), 0);
    r.SetzeInt(Feld::AufwBis, KeinDatum, 1);
    UnterhaltRechnen(r, 1);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::ErgAnsetzbar, 1), 0);

    // the three persons are independent
    CaseRecord z = Unterstuetzt(1, 1000, 0);
    z.SetzeInt(Feld::AufwVom, D(1, 1, 2001), 3);
    z.SetzeInt(Feld::AufwBis, D(31, 1, 2001), 3);
    z.SetzeDbl(Feld::AufwDM, 5000, 3);
    z.SetzeInt(Feld::LandLBP3, 3);
    BelastungsSeitenRechnen(z);
    EXPECT_DOUBLE_EQ(z.Dbl(Feld::AbzugP1), 1000);
    EXPECT_DOUBLE_EQ(z.Dbl(Feld::AbzugP2), 0);
    EXPECT_DOUBLE_EQ(z.Dbl(Feld::AbzugP3), 780);  // 2/3 of 1,170
    EXPECT_DOUBLE_EQ(UnterhaltSumme(z), 1780);
}

TEST(AndereBelastungen, Erstattungen_je_Zeile_hoechstens_bis_null) {
    CaseRecord r = NeuerFall(false);
    r.SetzeDbl(Feld::Aufwand1, 1000);
    r.SetzeDbl(Feld::Erstattungen1, 1500);
    r.SetzeDbl(Feld::Aufwand2, 800);
    r.SetzeDbl(Feld::Erstattungen2, 300);
    r.SetzeDbl(Feld::SonstigeKosten, 250.5);
    EXPECT_DOUBLE_EQ(AndereBelastungenRechnen(r), 500 + 250.5);
}
