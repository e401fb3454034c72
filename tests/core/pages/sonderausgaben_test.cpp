// Page computations of the special-expense and taxes-paid pages, run on a
// fresh case record.
#include "pages/sonderausgaben.h"

#include <gtest/gtest.h>

#include "calc/betrag.h"
#include "pages/anrechnung.h"
#include "pages/einkuenfte_seiten.h"

using namespace quarnel;

namespace {

CaseRecord Fall(bool zusammen) {
    CaseRecord r;
    NeuerFallDatensatz(r);
    r.SetzeBool(Feld::Splitting, zusammen);
    r.SetzeBool(Feld::Grundtabelle, !zusammen);
    return r;
}

int32_t Tag(int jahr, int monat, int tag) {
    return TagesNummer(jahr, monat, tag);
}

// Employed all year, pension insurance from March, 24,000 DM spent.
CaseRecord Haushaltshilfe() {
    CaseRecord r = Fall(false);
    r.SetzeInt(Feld::BeschVom, Tag(2001, 1, 1));
    r.SetzeInt(Feld::BeschBis, Tag(2001, 12, 31));
    r.SetzeInt(Feld::RVBeitragVom, Tag(2001, 3, 1));
    r.SetzeInt(Feld::RVBeitragBis, Tag(2001, 12, 31));
    r.SetzeDbl(Feld::AufwandDm, 24000);
    r.SetzeInt(Feld::StpflGebDat, Tag(1930, 5, 10));
    r.SetzeBool(Feld::AbAlterCB, true);
    return r;
}

}  // namespace

// --- household help -------------------------------------------------------------------

TEST(Haushaltshilfe, Alter_und_Hilflosigkeit) {
    CaseRecord r = Haushaltshilfe();
    HaushaltshilfeRechnen(r);
    EXPECT_EQ(r.Dbl(Feld::SaMoegl), 15000);
    EXPECT_EQ(r.Dbl(Feld::HausSaAnsatz), 15000);
    EXPECT_EQ(r.Dbl(Feld::AbMoegl), 1200);  // 12 months of 750, capped at 100
    EXPECT_EQ(r.Dbl(Feld::HausAbAnsatz), 1200);

    r.SetzeBool(Feld::AbHilflosePersCB, true);
    r.SetzeInt(Feld::AbHilfLosPersVom, Tag(2001, 6, 1));
    r.SetzeInt(Feld::AbHilfLosPersBis, Tag(2001, 12, 31));
    HaushaltshilfeRechnen(r);
    EXPECT_EQ(r.Dbl(Feld::AbMoegl), 1550);  // 5 · 100 + 7 · 150

    // Claiming half the special expense does not move the rest to the burden.
    r.SetzeDbl(Feld::SaAnsatzProz, 50);
    HaushaltshilfeRechnen(r);
    EXPECT_EQ(r.Dbl(Feld::HausSaAnsatz), 7500);
    EXPECT_EQ(r.Dbl(Feld::AbMoegl), 1550);
    r.SetzeDbl(Feld::SaAnsatzProz, 250);
    HaushaltshilfeRechnen(r);
    EXPECT_EQ(r.Dbl(Feld::HausSaAnsatz), 15000);

    // The openers' result group: computed beside claimed.
    r.SetzeDbl(Feld::SaAnsatzProz, 50);
    HaushaltshilfeRechnen(r);
    HaushaltshilfeErgebnisUebernehmen(r);
    EXPECT_EQ(r.Dbl(Feld::SATat), 15000);
    EXPECT_EQ(r.Dbl(Feld::SaAnsatz), 7500);
    EXPECT_EQ(r.Dbl(Feld::AbTat), 1550);
    EXPECT_EQ(r.Dbl(Feld::AbAnsatz), 1550);
}

TEST(Haushaltshilfe, Nichts_abziehbar) {
    CaseRecord r = Haushaltshilfe();
    HaushaltshilfeRechnen(r);
    r.SetzeDbl(Feld::SteuerfreiEin, 30000);
    HaushaltshilfeRechnen(r);
    EXPECT_EQ(r.Dbl(Feld::HausSaAnsatz), 0);
    EXPECT_EQ(r.Dbl(Feld::HausAbAnsatz), 0);

    // Without a birth date age gives no burden month.
    r = Haushaltshilfe();
    r.SetzeInt(Feld::StpflGebDat, KeinDatum);
    HaushaltshilfeRechnen(r);
    EXPECT_EQ(r.Dbl(Feld::SaMoegl), 15000);
    EXPECT_EQ(r.Dbl(Feld::AbMoegl), 0);
}

TEST(Haushaltshilfe, Altersmonat) {
    EXPECT_EQ(AltersMonat(Tag(1941, 7, 1)), 6);  // the day before the birthday decides
    EXPECT_EQ(AltersMonat(Tag(1941, 1, 1)), 1);  // 60 on 31 December 2000
    EXPECT_EQ(AltersMonat(Tag(1941, 12, 31)), 12);
    EXPECT_EQ(AltersMonat(KeinDatum), 0);

    // The spouse's earlier month counts only with joint assessment.
    CaseRecord r = Haushaltshilfe();
    r.SetzeInt(Feld::StpflGebDat, Tag(1950, 3, 3));
    r.SetzeInt(Feld::EhegGebDat, Tag(1941, 8, 1));
    HaushaltshilfeRechnen(r);
    EXPECT_EQ(r.Dbl(Feld::AbMoegl), 0);
    r.SetzeBool(Feld::Splitting, true);
    HaushaltshilfeRechnen(r);
    EXPECT_EQ(r.Dbl(Feld::AbMoegl), 600);  // July to December
}

// --- the other special-expense pages ------------------------------------------------

TEST(Sonderausgaben, Vorsorge) {
    CaseRecord r = Fall(false);
    r.SetzeDbl(Feld::FreiwHoeher, 1000);
    r.SetzeDbl(Feld::KrankenGez, 3000);
    r.SetzeDbl(Feld::KrankenErst, 500);
    r.SetzeDbl(Feld::HaftErst, 200);  // a refund above the payment stays negative
    r.SetzeDbl(Feld::PrivateListeDm, 9999);
    r.SetzeDbl(Feld::AnTeilSoVer, 5000, 1);
    r.SetzeDbl(Feld::AgZuKV, 300, 2);
    r.SetzeDbl(Feld::AnTeilSoVer, 4000, 3);  // the spouse's first card
    r.SetzeDbl(Feld::AgZuKV, 100, 4);
    VorsorgeRechnen(r);
    EXPECT_EQ(r.Dbl(Feld::HaftErg), -200);
    EXPECT_EQ(r.Dbl(Feld::VorsorgeSumme), 1000 + 2500 - 200 + 5000 - 300);
    r.SetzeBool(Feld::Splitting, true);
    VorsorgeRechnen(r);
    EXPECT_EQ(r.Dbl(Feld::VorsorgeSumme), 1000 + 2500 - 200 + 5000 - 300 + 3900);
}

TEST(Sonderausgaben, Kirchensteuer) {
    CaseRecord r = Fall(false);
    r.SetzeDbl(Feld::KiStAnBrutto, 1000, 1);
    r.SetzeDbl(Feld::KiStEheMj, 234.50, 2);
    r.SetzeDbl(Feld::KiWeitere, 100.10);
    r.SetzeDbl(Feld::KiErst, 50.90);
    KirchensteuerRechnen(r);
    EXPECT_EQ(r.Dbl(Feld::KiLitKarte), 1235);
    EXPECT_EQ(r.Dbl(Feld::KiAlsSa), 1286);  // 1235 + 101 - 50
    r.SetzeDbl(Feld::KiErst, 5000);
    KirchensteuerRechnen(r);
    EXPECT_EQ(r.Dbl(Feld::KiAlsSa), 0);
}

TEST(Sonderausgaben, Ausbildung_und_Schulgeld) {
    CaseRecord r = Fall(false);
    r.SetzeDbl(Feld::AusStpfDM, 2000);
    r.SetzeDbl(Feld::AusEheDM, 2000);
    r.SetzeBool(Feld::AusEheAusJaCB, true);
    AusbildungskostenRechnen(r);
    EXPECT_EQ(r.Dbl(Feld::AusAlsSa), 1800);  // the spouse's costs only when joint
    r.SetzeBool(Feld::Grundtabelle, false);
    r.SetzeBool(Feld::AusStpfAusJaCB, true);
    AusbildungskostenRechnen(r);
    EXPECT_EQ(r.Dbl(Feld::AusAlsSa), 4000);

    r.SetzeDbl(Feld::KindKiFbJahr, 6912, 2);
    r.SetzeDbl(Feld::SGGezKi1, 1000);  // child 1 has no Kinderfreibetrag
    r.SetzeDbl(Feld::SGAbzugKi1, 77);
    r.SetzeDbl(Feld::SGGezKi2, 1000.50);
    AusbildungskostenRechnen(r);
    EXPECT_EQ(r.Dbl(Feld::SGAbzugKi1), 0);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::SGAbzugKi2), 300.15);
    EXPECT_EQ(r.Dbl(Feld::SchulgeldSumme), 1000.50);
    EXPECT_EQ(r.Dbl(Feld::SGAlsSa), 301);
}

// Maintenance to a divorced or separated spouse counts up to 27,000 per recipient.
TEST(Sonderausgaben, Realsplitting_hoechstens_27000_je_Empfaenger) {
    CaseRecord r = Fall(false);
    r.SetzeDbl(Feld::UntDM1, 30000);
    r.SetzeDbl(Feld::UntDM2, 500);
    r.SetzeDbl(Feld::UntDM3, 27000);
    RentenLastenRechnen(r);
    EXPECT_EQ(r.Dbl(Feld::UntAbziehbar), 27000 + 500 + 27000);
}

// The driver leaves no result stale: each page's result follows its entries.
TEST(Sonderausgaben, Alle_Seiten) {
    CaseRecord r = Fall(false);
    r.SetzeDbl(Feld::WissenDM, 100.01);
    r.SetzeDbl(Feld::UntDM2, 500);
    r.SetzeDbl(Feld::ReGezahlt, 10000);
    r.SetzeDbl(Feld::ReErtAntBek, 27);
    r.SetzeDbl(Feld::LebenGez, 800);
    r.SetzeDbl(Feld::SummeAnrechKoerpSt, 12.5);
    SonderausgabenSeitenRechnen(r);
    EXPECT_EQ(r.Dbl(Feld::WissenErg), 101);
    EXPECT_EQ(r.Dbl(Feld::UntAbziehbar), 500);
    EXPECT_EQ(r.Dbl(Feld::ReErtragAnteilDM), 2700);
    EXPECT_EQ(r.Dbl(Feld::VorsorgeSumme), 800);
    EXPECT_EQ(r.Dbl(Feld::AnzKoest), 12.5);
}

// --- taxes paid and the statistics annex ----------------------------------------------

TEST(Anrechnung, Einbehaltene_Steuern) {
    CaseRecord r = Fall(false);
    r.SetzeDbl(Feld::LStBrutto, 5000, 1);
    r.SetzeDbl(Feld::LStBrutto, 1200, 2);
    r.SetzeDbl(Feld::LStMj, 300, 1);
    r.SetzeDbl(Feld::LStBrutto, 900, 4);
    r.SetzeDbl(Feld::SummeAnrechKapErtSt, 123.45);
    r.SetzeDbl(Feld::LstSie, 55);  // stale from a joint assessment
    AnrechRechnen(r);
    EXPECT_EQ(r.Dbl(Feld::LstEr), 6500);
    EXPECT_EQ(r.Dbl(Feld::LstSie), 0);
    EXPECT_EQ(r.Dbl(Feld::AnzKap), 123.45);
    r.SetzeBool(Feld::Splitting, true);
    AnrechRechnen(r);
    EXPECT_EQ(r.Dbl(Feld::LstSie), 900);
}

TEST(Anrechnung, Statistikflag) {
    CaseRecord r = Fall(false);
    r.SetzeDbl(Feld::P7g7, 5000);  // not part of the sum
    r.SetzeDbl(Feld::P7_GebLin, 0.05);
    StatistikFlagRechnen(r);
    EXPECT_FALSE(r.Bool(Feld::AnlStFlag));
    r.SetzeDbl(Feld::P4a5, 0.06);
    StatistikFlagRechnen(r);
    EXPECT_TRUE(r.Bool(Feld::AnlStFlag));
    r.SetzeDbl(Feld::P4a5, 0);
    r.SetzeDbl(Feld::P7_GebLin, 0);
    StatistikFlagRechnen(r);
    EXPECT_TRUE(r.Bool(Feld::AnlStFlag));  // never cleared
}

// Whatever bytes a damaged case file brings, the computations finish.
TEST(Sonderausgaben, Zufaellige_Datensaetze) {
    uint32_t x = 4711;
    for (int lauf = 0; lauf < 50; ++lauf) {
        CaseRecord r;
        for (auto& b : r.Bytes()) {
            x = x * 1664525u + 1013904223u;
            b = static_cast<uint8_t>(x >> 24);
        }
        EXPECT_NO_THROW(SonderausgabenSeitenRechnen(r));
    }
}
