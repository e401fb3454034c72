// Capital income: list entries, their line sums and the credit totals.
#include "pages/kapital.h"

#include <gtest/gtest.h>

using namespace quarnel;

namespace {

CaseRecord Fall() {
    CaseRecord r;
    NeuerFallDatensatz(r);
    r.SetzeBool(Feld::Splitting, true);
    return r;
}

void Inland(CaseRecord& r, int n, uint8_t person, int zins, int div, double betrag) {
    r.SchreibeByte(CaseRecord::Offset(Feld::I_StpflCB, n), person);
    r.SchreibeByte(CaseRecord::Offset(Feld::I_ArtZinsen, n), static_cast<uint8_t>(zins));
    r.SchreibeByte(CaseRecord::Offset(Feld::I_ArtDividende, n), static_cast<uint8_t>(div));
    r.SetzeDbl(Feld::I_EinBetrag, betrag, n);
}
void Ausland(CaseRecord& r, int n, uint8_t person, int art, double betrag) {
    r.SchreibeByte(CaseRecord::Offset(Feld::A_StpflCB, n), person);
    r.SchreibeByte(CaseRecord::Offset(Feld::A_ArtAusland, n), static_cast<uint8_t>(art));
    r.SetzeDbl(Feld::A_EinBetrag, betrag, n);
}
void Beteil(CaseRecord& r, int n, uint8_t person, int art, double betrag) {
    r.SchreibeByte(CaseRecord::Offset(Feld::B_StpflCB, n), person);
    r.SchreibeByte(CaseRecord::Offset(Feld::B_ArtBeteil, n), static_cast<uint8_t>(art));
    r.SetzeDbl(Feld::B_EinBetrag, betrag, n);
}

}  // namespace

TEST(Kapital, Anteile_der_Personen_und_Rundung_der_Zeilen) {
    CaseRecord r = Fall();
    Inland(r, 1, KapPersonBeide, 1, 0, 100);
    Inland(r, 2, KapPersonBeide, 1, 0, 100);
    Inland(r, 3, KapPersonEr, 2, 0, 123.99);
    Inland(r, 4, KapPersonSie, 3, 0, 50.5);
    r.SetzeDbl(Feld::I_EinWk, 10.01, 3);
    r.SetzeDbl(Feld::I_EinWkGesonEinh, 4.2, 3);
    KapSummenRechnen(r);
    EXPECT_EQ(r.Dbl(Feld::ZinsZeileEr, 1), 100);
    EXPECT_EQ(r.Dbl(Feld::ZinsZeileSie, 1), 100);
    EXPECT_EQ(r.Dbl(Feld::ZinsZeileEr, 2), 123);
    EXPECT_EQ(r.Dbl(Feld::ZinsZeileSie, 3), 50);
    EXPECT_EQ(r.Dbl(Feld::ZinsenEr), 223);
    EXPECT_EQ(r.Dbl(Feld::ZinsenSie), 150);
    EXPECT_EQ(r.Dbl(Feld::WKZ1Er), 11);
    EXPECT_EQ(r.Dbl(Feld::WKZ1geseinh), 5);
    EXPECT_EQ(r.Dbl(Feld::SuEinVollEr), 223);
    EXPECT_EQ(r.Dbl(Feld::SuWkVollEr), 11);
    EXPECT_EQ(r.Dbl(Feld::SuNichtHalb12), 150);
    EXPECT_EQ(r.Dbl(Feld::SuNichtHalb32), 150);
    EXPECT_EQ(r.Dbl(Feld::SuEinVollSie), 150);
}

TEST(Kapital, Halbeinkuenfte_zur_Haelfte) {
    CaseRecord r = Fall();
    Inland(r, 1, KapPersonEr, 0, 3, 1000);
    Inland(r, 2, KapPersonEr, 0, 5, 1);
    r.SetzeDbl(Feld::I_EinWk, 101, 2);
    r.SetzeDbl(Feld::I_EinAnKapErtSt, 200, 1);
    KapSummenRechnen(r);
    EXPECT_EQ(r.Dbl(Feld::HalbEinkEr), 1001);
    EXPECT_EQ(r.Dbl(Feld::SuHalb11), 1001);
    EXPECT_EQ(r.Dbl(Feld::SuEinHalbEr), 500);
    EXPECT_EQ(r.Dbl(Feld::SuHalb31), 500);
    EXPECT_EQ(r.Dbl(Feld::WKZ2Er), 101);
    EXPECT_EQ(r.Dbl(Feld::SuWkHalbEr), 51);
    EXPECT_EQ(r.Dbl(Feld::SuHalb41), 51);
    EXPECT_EQ(r.Dbl(Feld::SuEinVollEr), 0);
    EXPECT_EQ(r.Dbl(Feld::HalbEinkKapErtSt), 200);
    EXPECT_EQ(r.Dbl(Feld::SummeAnrechKapErtSt), 200);
}

TEST(Kapital, Steuern_und_Anrechnung_nach_Art) {
    CaseRecord r = Fall();
    // interest Z7: a stored amount without tax deduction from an earlier kind is not added
    Inland(r, 1, KapPersonEr, 4, 0, 1000);
    r.SetzeDbl(Feld::I_EinOhneStAb, 300, 1);
    r.SetzeDbl(Feld::I_EinAnZAbKoerpSt, 300, 1);
    r.SetzeDbl(Feld::I_EinAnSolSt, 16.5, 1);
    // interest Z10: capital-gains tax, no interest deduction tax
    Inland(r, 2, KapPersonEr, 7, 0, 1000);
    r.SetzeDbl(Feld::I_EinAnKapErtSt, 250, 2);
    r.SetzeDbl(Feld::I_EinAnZAbKoerpSt, 999, 2);
    // interest Z13: no solidarity surcharge
    Inland(r, 3, KapPersonEr, 10, 0, 10);
    r.SetzeDbl(Feld::I_EinAnSolSt, 99, 3);
    // dividend Z18 with imputed and refunded corporation tax
    Inland(r, 4, KapPersonEr, 0, 1, 700);
    r.SetzeDbl(Feld::I_EinAnKapErtSt, 175, 4);
    r.SetzeDbl(Feld::I_EinAnZAbKoerpSt, 300, 4);
    r.SetzeDbl(Feld::I_EinVergKoerpSt, 30, 4);
    r.SetzeDbl(Feld::I_EinAnSolSt, 9.62, 4);
    KapSummenRechnen(r);
    EXPECT_EQ(r.Dbl(Feld::ZinsZeileOhneStAb, 4), 0);
    EXPECT_EQ(r.Dbl(Feld::ZinsZeileZinsAb, 4), 300);
    EXPECT_EQ(r.Dbl(Feld::ZinsZeileKapErtSt, 7), 250);
    EXPECT_EQ(r.Dbl(Feld::ZinsZeileZinsAb, 7), 0);
    EXPECT_EQ(r.Dbl(Feld::ZinsenKapErtSt), 250);
    EXPECT_EQ(r.Dbl(Feld::ZinsenZinsAb), 300);
    EXPECT_EQ(r.Dbl(Feld::AnrechEr), 700);
    EXPECT_EQ(r.Dbl(Feld::AnrechKoeptSt), 300);
    EXPECT_EQ(r.Dbl(Feld::SummeAnrechKapErtSt), 250 + 300 + 175);
    EXPECT_EQ(r.Dbl(Feld::SummeAnrechKoerpSt), 300);
    EXPECT_EQ(r.Dbl(Feld::SummeVergKoerpSt), 30);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::SummeAnrechSoli), 16.5 + 9.62);
    EXPECT_EQ(r.Dbl(Feld::SuEinVollEr), 1000 + 1000 + 10 + 700);
}

TEST(Kapital, Ausland_und_Beteiligungen) {
    CaseRecord r = Fall();
    Ausland(r, 1, KapPersonEr, 1, 400.7);
    r.SetzeDbl(Feld::A_EinAnZAb, 40, 1);
    r.SetzeDbl(Feld::A_EinWk, 20.2, 1);
    r.SetzeDbl(Feld::A_EinSteuern, 60, 1);
    Ausland(r, 2, KapPersonEr, 3, 800);  // dividends Z35: half-income, no credits
    r.SetzeDbl(Feld::A_EinAnZAb, 80, 2);
    r.SetzeDbl(Feld::A_EinWk, 30, 2);
    Beteil(r, 1, KapPersonEr, 1, 500);  // Z40
    r.SetzeDbl(Feld::B_EinWk, 5, 1);
    Beteil(r, 2, KapPersonEr, 4, 600);  // Z43: half-income
    r.SetzeDbl(Feld::B_EinWk, 7, 2);
    Beteil(r, 3, KapPersonEr, 6, 9000);  // Z45: not in the sums
    r.SetzeDbl(Feld::B_EinWk, 900, 3);
    Beteil(r, 4, KapPersonEr, 8, 7777);  // Z49: only its credits count
    r.SetzeDbl(Feld::B_EinAnKapErtSt, 11, 4);
    r.SetzeDbl(Feld::B_EinAnZAb, 12, 4);
    r.SetzeDbl(Feld::B_EinAnKoerpSt, 13, 4);
    r.SetzeDbl(Feld::B_EinAnSolSt, 1.5, 4);
    r.SetzeDbl(Feld::B_EinWk, 99, 4);
    KapSummenRechnen(r);
    EXPECT_EQ(r.Dbl(Feld::AuslInvEr), 400);
    EXPECT_EQ(r.Dbl(Feld::AuslInvAnZinsAb), 40);
    EXPECT_EQ(r.Dbl(Feld::AuslDivEr), 800);
    EXPECT_EQ(r.Dbl(Feld::AuslDivAnZinsAb), 0);
    EXPECT_EQ(r.Dbl(Feld::WKZ4Er), 21);
    EXPECT_EQ(r.Dbl(Feld::WKZ3Er), 30);
    EXPECT_EQ(r.Dbl(Feld::WKZ5Er), 60);
    EXPECT_EQ(r.Dbl(Feld::WKZ1Er), 5);
    EXPECT_EQ(r.Dbl(Feld::WKZ2Er), 7);
    EXPECT_EQ(r.Dbl(Feld::WKZ6Er), 900);
    EXPECT_EQ(r.Dbl(Feld::BeteilZ1Er), 500);
    EXPECT_EQ(r.Dbl(Feld::BeteilZ4Er), 600);
    EXPECT_EQ(r.Dbl(Feld::BeteilZ6Er), 9000);
    EXPECT_EQ(r.Dbl(Feld::SuEinVollEr), 400 + 500);
    EXPECT_EQ(r.Dbl(Feld::SuEinHalbEr), 700);
    EXPECT_EQ(r.Dbl(Feld::SuWkVollEr), 5 + 21 + 60);
    EXPECT_EQ(r.Dbl(Feld::SuWkHalbEr), 19);
    EXPECT_EQ(r.Dbl(Feld::SummeAnrechKapErtSt), 40 + 11 + 12);
    EXPECT_EQ(r.Dbl(Feld::SummeAnrechKoerpSt), 13);
    EXPECT_EQ(r.Dbl(Feld::SummeAnrechSoli), 1.5);
}

TEST(Kapital, Neuberechnung_ersetzt_alte_Summen) {
    CaseRecord r = Fall();
    r.SetzeText(Feld::BeteilName1, "Fonds A");
    r.SetzeDbl(Feld::ZinsenEr, 5000);
    r.SetzeDbl(Feld::SummeAnrechSoli, 77);
    r.SetzeDbl(Feld::SuWkHalbSie, 12);
    Inland(r, 1, KapPersonEr, 1, 0, 10);
    KapSummenRechnen(r);
    KapSummenRechnen(r);
    EXPECT_EQ(r.Dbl(Feld::ZinsenEr), 10);
    EXPECT_EQ(r.Dbl(Feld::SummeAnrechSoli), 0);
    EXPECT_EQ(r.Dbl(Feld::SuWkHalbSie), 0);
    EXPECT_EQ(r.Text(Feld::BeteilName1), "Fonds A");
    EXPECT_EQ(r.LeseByte(CaseRecord::Offset(Feld::I_StpflCB, 1)), KapPersonEr);
}

TEST(Kapital, Eingefuegte_und_geleerte_Eintraege_gehoeren_dem_Stpfl) {
    CaseRecord r = Fall();
    for (int n = 1; n <= 30; ++n) Ausland(r, n, KapPersonSie, 2, n);
    Beteil(r, 1, KapPersonSie, 1, 5);
    KapEintragEinfuegen(r, KapListe::Ausland, 1);
    EXPECT_EQ(r.Dbl(Feld::A_EinBetrag, 1), 0);
    EXPECT_EQ(r.LeseByte(CaseRecord::Offset(Feld::A_StpflCB, 1)), KapPersonEr);
    EXPECT_EQ(r.Dbl(Feld::A_EinBetrag, 2), 1);
    EXPECT_EQ(r.Dbl(Feld::A_EinBetrag, 30), 29);  // entry 30 was lost
    // the participations that follow the foreign list are untouched
    EXPECT_EQ(r.LeseByte(CaseRecord::Offset(Feld::B_StpflCB, 1)), KapPersonSie);
    EXPECT_EQ(r.Dbl(Feld::B_EinBetrag, 1), 5);

    // an inserted entry that is then filled in counts for the taxpayer with its credits
    CaseRecord s = Fall();
    KapEintragEinfuegen(s, KapListe::Inland, 1);
    s.SchreibeByte(CaseRecord::Offset(Feld::I_ArtZinsen, 1), 1);
    s.SetzeDbl(Feld::I_EinBetrag, 1000, 1);
    s.SetzeDbl(Feld::I_EinAnZAbKoerpSt, 300, 1);
    KapSummenRechnen(s);
    EXPECT_EQ(s.Dbl(Feld::ZinsenEr), 1000);
    EXPECT_EQ(s.Dbl(Feld::SummeAnrechKapErtSt), 300);
}

TEST(Kapital, Loeschen_verschiebt_das_ganze_Eintragsbild) {
    CaseRecord r = Fall();
    Beteil(r, 1, KapPersonEr, 1, 1);
    Beteil(r, 2, KapPersonBeide, 5, 2);
    constexpr Feld betraege[] = {Feld::B_EinAnKapErtSt, Feld::B_EinAnZAb,
                                 Feld::B_EinAnKoerpSt,  Feld::B_EinAnSolSt,
                                 Feld::B_EinWk,         Feld::B_EinWkGesonEinh,
                                 Feld::B_EinSteuern,    Feld::B_EinSteuernGesonEinh};
    double w = 10;
    for (Feld f : betraege) r.SetzeDbl(f, w++, 2);
    Beteil(r, 30, KapPersonSie, 3, 30);
    KapEintragLoeschen(r, KapListe::Beteiligung, 1);
    EXPECT_EQ(r.LeseByte(CaseRecord::Offset(Feld::B_StpflCB, 1)), KapPersonBeide);
    EXPECT_EQ(r.LeseByte(CaseRecord::Offset(Feld::B_ArtBeteil, 1)), 5);
    EXPECT_EQ(r.Dbl(Feld::B_EinBetrag, 1), 2);
    w = 10;
    for (Feld f : betraege) EXPECT_EQ(r.Dbl(f, 1), w++) << Def(f).id;
    EXPECT_EQ(r.Dbl(Feld::B_EinBetrag, 29), 30);
    EXPECT_EQ(r.Dbl(Feld::B_EinBetrag, 30), 0);
    EXPECT_EQ(r.LeseByte(CaseRecord::Offset(Feld::B_StpflCB, 30)), KapPersonEr);
    EXPECT_EQ(r.LeseByte(CaseRecord::Offset(Feld::B_ArtBeteil, 30)), 0);
    // numbers outside the list change nothing
    const CaseRecord vorher = r;
    KapEintragLoeschen(r, KapListe::Beteiligung, 0);
    KapEintragEinfuegen(r, KapListe::Inland, 61);
    EXPECT_EQ(r, vorher);
}

TEST(Kapital, Personenschluessel_null_zaehlt_nur_Anrechnungen) {
    CaseRecord r = Fall();
    Inland(r, 1, KapPersonKeine, 1, 0, 1000);
    r.SetzeDbl(Feld::I_EinAnZAbKoerpSt, 300, 1);
    r.SetzeDbl(Feld::I_EinWk, 50, 1);
    KapSummenRechnen(r);
    EXPECT_EQ(r.Dbl(Feld::ZinsenEr), 0);
    EXPECT_EQ(r.Dbl(Feld::ZinsenSie), 0);
    EXPECT_EQ(r.Dbl(Feld::WKZ1Er), 0);
    EXPECT_EQ(r.Dbl(Feld::SummeAnrechKapErtSt), 300);
    // entries stored for the spouse still count without joint assessment
    r.SetzeBool(Feld::Splitting, false);
    Inland(r, 2, KapPersonSie, 1, 0, 80);
    KapSummenRechnen(r);
    EXPECT_EQ(r.Dbl(Feld::SuEinVollSie), 80);
}
