// The expense pages of an employee: page totals per person.
#include "pages/werbungskosten.h"

#include <gtest/gtest.h>

#include "case/caserecord.h"

using namespace quarnel;

namespace {

constexpr int Pkw = 1, Fahrzeug1 = 5;

CaseRecord NeuerFall() {
    CaseRecord r;
    NeuerFallDatensatz(r);
    return r;
}

}  // namespace

TEST(Verpflegung, Einsatzwechsel_mit_Erstattung_darf_negativ_werden) {
    CaseRecord r = NeuerFall();
    r.SetzeInt(Feld::EWTa10, 5, 2);
    r.SetzeInt(Feld::EWTa14, 3, 2);
    r.SetzeInt(Feld::EWTa24, 2, 2);
    r.SetzeInt(Feld::FzTa24, 1, 2);
    VerpflegungRechnen(r, 2);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::EWErgSum, 2), 202);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::SummeWKVerpfl, 2), 248);
    r.SetzeDbl(Feld::EWErstWk, 250, 2);
    VerpflegungRechnen(r, 2);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::EWErgSum, 2), -48);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::SummeWKVerpfl, 2), -2);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::SummeWKVerpfl, 1), 0);  // the other person untouched
}

TEST(Arbeitszimmer, Anteilige_Kosten_und_die_drei_Ansaetze) {
    CaseRecord r = NeuerFall();
    r.SetzeDbl(Feld::AntKostenAusListe, 4000, 1);
    r.SetzeDbl(Feld::AntWohnQm, 100, 1);
    r.SetzeDbl(Feld::AntAzQm, 12.5, 1);
    r.SetzeDbl(Feld::DirKostenAusListe, 2000, 1);
    auto ansatz = [&](bool keine, bool begrenzt, bool voll) {
        r.SetzeBool(Feld::Ansatz0Rb, keine, 1);
        r.SetzeBool(Feld::Ansatz2400RB, begrenzt, 1);
        r.SetzeBool(Feld::AnsatzUnbegRB, voll, 1);
        ArbeitszimmerRechnen(r, 1);
        return r.Dbl(Feld::SummeWkZimmer, 1);
    };
    EXPECT_DOUBLE_EQ(ansatz(false, true, false), 2400);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::AntKostenErg, 1), 500);
    EXPECT_DOUBLE_EQ(ansatz(false, false, true), 2500);
    EXPECT_DOUBLE_EQ(ansatz(true, false, false), 0);

    // the share is rounded up; no flat size gives no share, never a division by 0
    r.SetzeDbl(Feld::AntAzQm, 13, 1);
    EXPECT_DOUBLE_EQ(ansatz(false, false, true), 2520);
    r.SetzeDbl(Feld::AntWohnQm, 0, 1);
    EXPECT_DOUBLE_EQ(ansatz(false, false, true), 2000);
}

TEST(DoppelteHaushalt, Heimfahrten_der_hoehere_Betrag_zaehlt) {
    CaseRecord r = NeuerFall();
    r.SetzeDbl(Feld::HeimFahrtFzKM, 150, 1);
    r.SetzeDbl(Feld::HeimFahrtFzZahl, 20, 1);
    DoppelteHaushaltRechnen(r, 1);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::HeimHoehererBetrag, 1), 2400);
    r.SetzeDbl(Feld::HeimFahrtOefDM, 2500, 1);
    DoppelteHaushaltRechnen(r, 1);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::HeimHoehererBetrag, 1), 2500);

    r.SetzeDbl(Feld::UnterkunftDM, 3000, 1);
    r.SetzeDbl(Feld::AGStFreiErs, 1000, 1);
    DoppelteHaushaltRechnen(r, 1);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::SummeWkDoppH, 1), 2500 + 3000 - 1000);
}

TEST(Dienstreisen, Kilometer_nach_Verkehrsmittel_und_Tagegelder) {
    CaseRecord r = NeuerFall();
    r.SetzeDbl(Feld::InKM, 1000, 2);
    r.SetzeInt(Feld::InFahrzLB, Pkw, 2);
    r.SetzeInt(Feld::InL1R12, 4, 2);
    DienstreisenRechnen(r, 2);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::InFahrtKost, 2), 580);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::InlR12DM, 2), 184);

    // a vehicle of the case at its computed rate
    r.SetzeDbl(Feld::PauschbetragInsg, 0.75, 1);
    r.SetzeInt(Feld::InFahrzLB, Fahrzeug1, 2);
    r.SetzeDbl(Feld::InlRErstatt, 100, 2);
    DienstreisenRechnen(r, 2);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::SummeWkReise, 2), 750 + 184 - 100);
}

TEST(WerbungskostenSeiten, Jede_Person_fuer_sich_und_nichts_bleibt_veraltet) {
    CaseRecord r = NeuerFall();
    r.SetzeDbl(Feld::EntrBeitraegeListe, 300, 1);
    r.SetzeDbl(Feld::Kosten5, 0.5, 2);
    r.SetzeDbl(Feld::SummeWkVerb, 999, 2);  // a stale total
    WerbungskostenSeitenRechnen(r);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::SummeWkVerb, 1), 300);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::SummeWkVerb, 2), 0);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::SummeWKArbM, 1), 0);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::SummeWKArbM, 2), 0.5);
}
