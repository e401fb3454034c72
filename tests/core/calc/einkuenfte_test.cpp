// Income steps: Werbungskosten, capital Pauschbetrag, loss offset,
// Altersentlastungsbetrag, farm Freibetrag.
#include <gtest/gtest.h>

#include "calc/berechnung.h"
#include "rechnen_hilfe.h"

using namespace quarnel;
using namespace quarnel::test;

namespace {

// Runs the income steps of a pass up to the Gesamtbetrag der Einkünfte.
CalcResult Einkuenfte(const CalcInput& e) {
    CalcResult r = MitParametern(e);
    EinkuenfteUebernehmen(e, r);
    WhatIfAnwenden(r);
    EhegattenwerteLoeschen(e, r);
    FreibetragLandForst(r);
    VersorgungsFreibetrag(r);
    WerbungskostenArbeit(e, r);
    KapitalWerbungskostenSparerFb(e, r);
    WerbungskostenSonstige(r);
    SummeDerEinkuenfte(r);
    Verlustausgleich(e, r);
    Altersentlastungsbetrag(e, r);
    GesamtbetragDerEinkuenfte(r);
    return r;
}

}  // namespace

TEST(Einkuenfte, Arbeitnehmer_Pauschbetrag_ohne_Verlust) {
    CalcInput e = Einzeln();
    e.LohnEr = 30000.99;  // income is rounded down
    EXPECT_EQ(Einkuenfte(e).WkNsaEr, 2000);
    EXPECT_EQ(Einkuenfte(e).ArbLohnEr, 30000);
    e.LohnEr = 1500;
    CalcResult r = Einkuenfte(e);
    EXPECT_EQ(r.WkNsaEr, 1500);
    EXPECT_EQ(r.VaTabelle[0], 0);
    EXPECT_EQ(r.VaTabelle[14], 0);
    // actual expenses above the wages stay and make a loss
    e.LohnEr = 2000;
    e.WerbKostEr = 2000;
    e.WerbKostZusEr = 499.10;  // added before the Pauschbetrag test, rounded up
    r = Einkuenfte(e);
    EXPECT_EQ(r.WkNsaEr, 2500);
    EXPECT_EQ(r.VaTabelle[14], 500);
    EXPECT_EQ(r.SummeEkEr, -500);
}

TEST(Einkuenfte, Versorgungsfreibetrag_vor_dem_Pauschbetrag) {
    CalcInput e = Einzeln();
    e.LohnEr = 20000;
    e.VersBezInEr = 20000;
    CalcResult r = Einkuenfte(e);
    EXPECT_EQ(r.VersFbEr, 6000);  // 40 % = 8000, capped
    EXPECT_EQ(r.WkNsaEr, 2000);
    EXPECT_EQ(r.SummeEkEr, 12000);
    e.VersBezInEr = 1001;  // Int(400.4 + 0.9)
    EXPECT_EQ(Einkuenfte(e).VersFbEr, 401);
}

TEST(Einkuenfte, Kapital_Pauschbetrag_Faelle) {
    CalcInput e = Einzeln();
    e.KapInEr = 1000;
    CalcResult r = Einkuenfte(e);
    EXPECT_EQ(KapitalPauschFall(e, r), 0);
    EXPECT_EQ(r.WkKapEr, 100);
    EXPECT_EQ(r.SparerFbEr, 900);
    e.KapInEr = 60;  // the Pauschbetrag never exceeds the receipts
    EXPECT_EQ(Einkuenfte(e).WkKapEr, 60);

    // case 2: the joint 200 shared by the receipts, 150 : 1000
    e = Zusammen();
    e.KapInEr = 150;
    e.KapInSie = 1000;
    r = Einkuenfte(e);
    EXPECT_EQ(r.WkKapEr, 27);
    EXPECT_EQ(r.WkKapSie, 173);
    EXPECT_EQ(r.SparerFbEr, 123);
    EXPECT_EQ(r.SparerFbSie, 827);

    // case 1: both above the Pauschbetrag, nothing added
    e.WkKapInEr = 150;
    e.WkKapInSie = 120;
    r = Einkuenfte(e);
    EXPECT_EQ(r.WkKapEr, 150);
    EXPECT_EQ(r.WkKapSie, 120);

    // case 3: Er's expenses exceed his receipts; Sie is topped up to 200 - 50
    e.KapInEr = 30;
    e.WkKapInEr = 50;
    e.KapInSie = 1000;
    e.WkKapInSie = 0;
    r = MitParametern(e);
    EinkuenfteUebernehmen(e, r);
    EXPECT_EQ(KapitalPauschFall(e, r), 3);
    r = Einkuenfte(e);
    EXPECT_EQ(r.WkKapEr, 50);
    EXPECT_EQ(r.WkKapSie, 150);

    // case 4: the same with the spouses' roles exchanged
    e.KapInEr = 1000;
    e.WkKapInEr = 0;
    e.KapInSie = 100;
    e.WkKapInSie = 150;
    r = MitParametern(e);
    EinkuenfteUebernehmen(e, r);
    EXPECT_EQ(KapitalPauschFall(e, r), 4);
    r = Einkuenfte(e);
    EXPECT_EQ(r.WkKapEr, 50);
    EXPECT_EQ(r.WkKapSie, 150);
}

TEST(Einkuenfte, Sparerfreibetrag_wandert_zum_Ehegatten) {
    CalcInput e = Zusammen();
    e.KapInEr = 1100;
    e.KapInSie = 9100;
    CalcResult r = Einkuenfte(e);
    // Pauschbetrag 200 split 22 / 178 (1100 / 10200 * 200 = 21.57 up)
    EXPECT_EQ(r.WkKapEr, 22);
    EXPECT_EQ(r.WkKapSie, 178);
    EXPECT_EQ(r.SparerFbEr, 1078);
    EXPECT_EQ(r.SparerFbSie, 4922);  // 3000 + unused 1922 of Er
    EXPECT_EQ(r.SummeEk, 10200 - 200 - 6000);
}

TEST(Einkuenfte, Sonstige_Pauschbetrag_und_Anteil_der_Bezuege) {
    CalcInput e = Einzeln();
    e.RenteInEr = 3000;
    e.BezuegeInEr = 1000;
    CalcResult r = Einkuenfte(e);
    EXPECT_EQ(r.WkSonstEr, 200);
    EXPECT_EQ(r.WkBezuegeEr, 50);
    EXPECT_EQ(r.SummeEkEr, 3800);
}

TEST(Einkuenfte, Verlustausgleich_Begrenzung_einzeln) {
    CalcInput e = Einzeln();
    e.GewInEr = 150000;
    e.VuVInEr = -180000;
    CalcResult r = Einkuenfte(e);
    EXPECT_EQ(r.FlagMindestbesteuerung, 1);
    EXPECT_EQ(r.VaTabelle[3], 150000);
    EXPECT_EQ(r.VaTabelle[16], 180000);
    EXPECT_EQ(r.VaTabelle[32], 100000);
    EXPECT_EQ(r.VaTabelle[40], 25000);  // at most half of the positive remainder
    EXPECT_EQ(r.VaTabelle[48], 25000);
    EXPECT_EQ(r.VaTabelle[50], 55000);  // Verlustabzug
    EXPECT_EQ(r.SummeEk, 25000);

    // below the limit the loss is offset in full and the table stays clear
    e.GewInEr = 90000;
    r = Einkuenfte(e);
    EXPECT_EQ(r.FlagMindestbesteuerung, 0);
    EXPECT_EQ(r.SummeEk, -90000);
    EXPECT_EQ(r.VaTabelle[50], 0);
}

TEST(Einkuenfte, Verlustausgleich_zwischen_Ehegatten) {
    CalcInput e = Zusammen();
    e.GewInEr = 150000;
    e.VuVInEr = -180000;
    e.GewInSie = 50000;
    CalcResult r = Einkuenfte(e);
    // Er keeps 25000 positive and 55000 negative; Sie has 50000 positive.
    // V = 200000 - 125000 = 75000; Sie has the larger positive remainder, so
    // Er's 55000 loss is set against her 50000.
    EXPECT_EQ(r.FlagMindestbesteuerung, 1);
    EXPECT_EQ(r.VaTabelle[48], 25000);
    EXPECT_EQ(r.VaTabelle[49], 0);
    EXPECT_EQ(r.VaTabelle[50], 5000);
    EXPECT_EQ(r.SummeEk, 25000);
}

TEST(Einkuenfte, Altersentlastungsbetrag_Stichjahr) {
    CalcInput e = Einzeln();
    e.LohnEr = 20000;
    e.VersBezInEr = 20000;
    e.VuVInEr = 5000;
    e.GebJahrEr = 1937;
    EXPECT_EQ(Einkuenfte(e).AltEntlEr, 0);
    e.GebJahrEr = 1936;
    CalcResult r = Einkuenfte(e);
    EXPECT_EQ(r.AltEntlEr, 2000);  // 40 % of the rental income only
    EXPECT_EQ(r.GesamtbetragEk, r.SummeEk - 2000);
    e.VuVInEr = 50000;
    EXPECT_EQ(Einkuenfte(e).AltEntlEr, 3720);
    // the spouse only with joint assessment
    e = Zusammen();
    e.GebJahrSie = 1930;
    e.VuVInSie = 1000;
    EXPECT_EQ(Einkuenfte(e).AltEntlSie, 400);  // Int(400 + 0.9)
}

TEST(Einkuenfte, Freibetrag_Land_und_Forst) {
    CalcInput e = Zusammen();
    e.LuFInEr = 1000;
    e.LuFInSie = 500;
    CalcResult r = Einkuenfte(e);
    EXPECT_EQ(r.FreibetragLuF, 1500);
    e.LuFInEr = 5000;
    EXPECT_EQ(Einkuenfte(e).FreibetragLuF, 2600);

    // the second pass of a pair drops it above 100000 of Einkommen (joint)
    e.LohnEr = 120000;
    r = CalcResult{};
    DurchgangPaar(e, r);
    EXPECT_EQ(r.FlagLuFFreibetrag, 0);
    EXPECT_EQ(r.FreibetragLuF, 0);
    e.LohnEr = 60000;
    DurchgangPaar(e, r);
    EXPECT_EQ(r.FreibetragLuF, 2600);
}

TEST(Einkuenfte, Einzelveranlagung_loescht_Ehegattenwerte_und_WhatIf) {
    CalcInput e = Einzeln();
    e.LohnSie = 50000;  // stale spouse entries
    e.KapInSie = 5000;
    CalcResult r = MitParametern(e);
    r.WhatIfDelta[6] = 1000;
    r.WhatIfDelta[8] = 100.05;  // Werbungskosten delta rounded up by Int(x + 0.9)
    EinkuenfteUebernehmen(e, r);
    WhatIfAnwenden(r);
    EhegattenwerteLoeschen(e, r);
    EXPECT_EQ(r.ArbLohnSie, 0);
    EXPECT_EQ(r.KapEinnSie, 0);
    EXPECT_EQ(r.ArbLohnEr, 1000);
    EXPECT_EQ(r.WkNsaEr, 100);
}
