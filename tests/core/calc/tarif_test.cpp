// The 2001 tariff, Progressionsvorbehalt, Fünftelregelung and sale gains.
#include <gtest/gtest.h>

#include "calc/berechnung.h"
#include "rechnen_hilfe.h"

using namespace quarnel;
using namespace quarnel::test;

TEST(Tarif, Zonengrenzen_und_Stufenmitten) {
    // step middle 14067 is tax-free, 14121 the first taxed middle
    EXPECT_EQ(Tarif(14093), 0);
    EXPECT_EQ(Tarif(14094), 16);
    EXPECT_EQ(Tarif(14147), 16);  // same 54-DM step
    EXPECT_EQ(Tarif(14148), 26);
    // 18089 still in the second zone (middle 18063), 18090 in the third (18117)
    EXPECT_EQ(Tarif(18089), 863);
    EXPECT_EQ(Tarif(18090), 875);
    // 107567: middle 107541 in the third zone; 107568 the top rate
    EXPECT_EQ(Tarif(107567), 32858);
    EXPECT_EQ(Tarif(107568), 32884);
    EXPECT_EQ(Tarif(30000), 3811);
    EXPECT_EQ(Tarif(50000), 9657);
    EXPECT_EQ(Tarif(-5000), 0);
}

TEST(Tarif, Grenzsteuersatz_je_Zone) {
    double g = -1;
    Tarif(14000, &g);
    EXPECT_EQ(g, 0);
    Tarif(14094, &g);  // 1.4121 * 0.077578 + 0.09008045
    EXPECT_NEAR(g, 19.9628344, 1e-7);
    Tarif(200000, &g);
    EXPECT_DOUBLE_EQ(g, 48.5);
}

TEST(Tarif, Splitting_und_Stufen) {
    EXPECT_EQ(TarifNachTabelle(60000, 2), 2 * 3811);
    EXPECT_EQ(StufeAb(60150, 1), 60102);
    EXPECT_EQ(StufeAb(60150, 2), 60048);

    CalcInput e = Zusammen();
    CalcResult r = MitParametern(e);
    r.ZvE = 60000;
    EXPECT_EQ(TarifsteuerMitProgression(e, r), 7622);
    EXPECT_EQ(r.FlagProgVorbehalt, 0);
    // widow's splitting uses the splitting table for a single person
    e = Einzeln();
    e.FlagWitwenSplitting = 1;
    r = MitParametern(e);
    r.ZvE = 60000;
    EXPECT_EQ(TarifsteuerMitProgression(e, r), 7622);
}

TEST(Tarif, Progressionsvorbehalt_Satz_abgeschnitten) {
    CalcInput e = Einzeln();
    e.ProgLohnEr = 10000;
    CalcResult r = MitParametern(e);
    r.WkNsaEr = 2000;  // Pauschbetrag used up: nothing reduces the progression income
    r.ZvE = 40000;
    // rate 9657 / 49977 = 0.19322888.. cut to 0.193228 (rounding would give ..229)
    EXPECT_EQ(TarifsteuerMitProgression(e, r), 7726);
    EXPECT_EQ(r.FlagProgVorbehalt, 1);
    EXPECT_DOUBLE_EQ(r.PvSteuersatz, 0.193228);
    EXPECT_EQ(r.PvZvEGerundet, 39987);
    EXPECT_NEAR(r.PvSteuersatzProzent, 19.3228, 1e-9);

    // an unused Arbeitnehmer-Pauschbetrag eats into the wage replacement first
    r.WkNsaEr = 0;
    e.ProgLohnEr = 1500;
    TarifsteuerMitProgression(e, r);
    EXPECT_EQ(r.FlagProgVorbehalt, 0);
    EXPECT_EQ(r.EStTarif, Tarif(40000));
}

TEST(Tarif, Fuenftelregelung) {
    CalcInput e = Einzeln();
    e.LohnMehrjEr = 20000;
    CalcResult r = MitParametern(e);
    r.WkNsaEr = 3000;  // actual expenses: no share of the Pauschbetrag to remove
    r.ZvE = 50000;
    r.FlagEndPass = 1;
    SteuerAusserordentlich(e, r);
    // S = Tarif(30000) = 3811, S5 = Tarif(34000) = 4889, 5 * 1078
    EXPECT_EQ(r.EStTarif, 3811);
    EXPECT_EQ(r.EStAoEinkuenfte, 5390);
    EXPECT_EQ(r.EStTariflich, 9201);
    EXPECT_EQ(r.ZvETarif, 30000);
    EXPECT_EQ(r.ZvE, 50000);  // restored
    EXPECT_EQ(r.AoLohn, 20000);
    EXPECT_EQ(r.EndEStAo, 5390);
}

TEST(Tarif, Fuenftelregelung_ausserordentlich_ueber_zvE) {
    CalcInput e = Einzeln();
    e.LohnMehrjEr = 150000;
    CalcResult r = MitParametern(e);
    r.WkNsaEr = 3000;
    r.ZvE = 100000;
    SteuerAusserordentlich(e, r);
    // Z - N < 0: five times the tax on a fifth of Z
    EXPECT_EQ(r.EStAoEinkuenfte, 5 * Tarif(20000));
    EXPECT_EQ(r.EStAoEinkuenfte, 6575);
    EXPECT_EQ(r.EStTarif, 0);
    EXPECT_EQ(r.ZvETarif, 0);
    EXPECT_EQ(r.ZvE, 100000);
}

TEST(Tarif, Fuenftelregelung_Anteil_des_Pauschbetrags) {
    // The Arbeitnehmer-Pauschbetrag goes to the ordinary wages first (BFH XI R
    // 63/97): the wages of several years keep what the ordinary ones absorb.
    struct Fall {
        double lohn, mehrj, n;
    };
    constexpr Fall faelle[] = {
        {40000, 10000, 10000},  // ordinary 30000 absorb all of it
        {12000, 10000, 10000},  // ordinary 2000 exactly
        {11000, 10000, 9000},   // 1000 left for the extraordinary wages
        {10000, 10000, 8000},   // no ordinary wages: all of it
    };
    for (const Fall& f : faelle) {
        CalcInput e = Einzeln();
        e.LohnMehrjEr = f.mehrj;
        CalcResult r = MitParametern(e);
        r.ArbLohnEr = f.lohn;
        r.WkNsaEr = 2000;
        r.ZvE = 50000;
        SteuerAusserordentlich(e, r);
        EXPECT_EQ(r.ZvETarif, 50000 - f.n) << f.lohn;
        EXPECT_EQ(r.EStTarif, Tarif(50000 - f.n)) << f.lohn;
        EXPECT_EQ(r.EStAoEinkuenfte, (Tarif(50000 - f.n + Int(f.n / 5)) - Tarif(50000 - f.n)) * 5)
            << f.lohn;
    }
}

TEST(Tarif, Veraeusserungsgewinn_halber_Satz) {
    CalcInput e = Einzeln();
    e.GewVeraeussEr = 20000;
    CalcResult r = MitParametern(e);
    r.ZvE = 80000;
    SteuerAusserordentlich(e, r);
    // Tarif(80000) = 20580 on the step 79974: rate 0.257333, half 0.128666, below
    // the minimum of 19.9 % (§34(3) EStG 2001); rest StufeAb(80000 - 20000) = 59994
    // with Tarif 13025; gain 20000 * 0.199
    EXPECT_EQ(r.EStTarif, 13025);
    EXPECT_EQ(r.ZvETarif, 59994);
    EXPECT_EQ(r.EStVeraeussGewinn, 3980);
    EXPECT_EQ(r.VeraeussGewinn, 20000);
    EXPECT_EQ(r.EStTariflich, 17005);

    // a tax-free rest keeps its tariff of 0; only the gain bears the half rate
    e.GewVeraeussEr = 300000;
    r.ZvE = 309892;  // Tarif 130992 on 309852: 0.422756, half 0.211378
    SteuerAusserordentlich(e, r);
    EXPECT_EQ(r.EStTarif, 0);
    EXPECT_EQ(r.EStVeraeussGewinn, 63413);  // Int(300000 * 0.211378)

    // a gain above the taxable income is favoured up to the taxable income
    e.GewVeraeussEr = 60000;
    r.ZvE = 50000;
    SteuerAusserordentlich(e, r);
    EXPECT_EQ(r.EStTarif, 0);
    EXPECT_EQ(r.EStVeraeussGewinn, 9950);  // 50000 * 19.9 %
}
